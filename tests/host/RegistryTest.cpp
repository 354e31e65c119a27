// The registration functions as any library calls them.
#include "frame/VeritorInterface.h"
#include "host/Veritor.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

void* Evaluate(void*, const void*, const void*, void*, const void*) {
    return nullptr;
}
void* Convert(void*, const void*, const void*) {
    return nullptr;
}

struct alignas(8) Object {
    unsigned char hostArea[128];
};

int CountNamed(const std::string& name) {
    auto entries = veritor::Vocabulary();
    return static_cast<int>(
        std::ranges::count_if(entries, [&](const auto& e) { return e.name == name; }));
}

TEST(Registry, TakesEachObjectOnceAndRemovesItOnlyByItsOwnKind) {
    static Object object;
    EXPECT_EQ(Register_Property(&object, 128, "registry probe", "registry probes", "", "string",
                                "integer", Evaluate, &object, nullptr),
              1);
    EXPECT_EQ(Register_Cast(&object, 128, "registry probe", "string", "string", Convert, &object,
                            nullptr),
              0)
        << "one object, one registration";
    EXPECT_EQ(Unregister_Cast(&object), 0) << "a property is not removed as a cast";
    EXPECT_EQ(Unregister_Type(&object), 0);
    EXPECT_EQ(CountNamed("registry probe"), 1);
    EXPECT_EQ(Unregister_Property(&object), 1);
    EXPECT_EQ(Unregister_Property(&object), 0) << "already removed";
    EXPECT_EQ(CountNamed("registry probe"), 0);
}

TEST(Registry, RefusesRegistrationsMissingWhatTheyCannotDoWithout) {
    static Object object;
    EXPECT_EQ(
        Register_Property(nullptr, 128, "x", "xs", "", "", "integer", Evaluate, nullptr, nullptr),
        0);
    EXPECT_EQ(
        Register_Property(&object, 128, "", "xs", "", "", "integer", Evaluate, &object, nullptr),
        0);
    EXPECT_EQ(
        Register_Property(&object, 128, "x", "xs", "", "", "integer", nullptr, &object, nullptr),
        0);
    EXPECT_EQ(Register_Binary_Operator(&object, 128, 16, "integer", "integer", "integer", nullptr,
                                       &object, nullptr),
              0);
    EXPECT_EQ(Register_Type(&object, 512, nullptr, 8, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(Unregister_Property(&object), 0) << "nothing was registered";
}

TEST(Registry, ListsRegistrationsInTheOrderMade) {
    static Object first;
    static Object second;
    ASSERT_EQ(
        Register_Cast(&first, 128, "order probe", "string", "integer", Convert, &first, nullptr),
        1);
    ASSERT_EQ(
        Register_Cast(&second, 128, "order probe", "integer", "string", Convert, &second, nullptr),
        1);
    auto entries = veritor::Vocabulary();
    auto at = std::ranges::find_if(entries, [](const auto& e) { return e.name == "order probe"; });
    ASSERT_NE(at, entries.end());
    EXPECT_EQ(at->operandType, "string");
    EXPECT_EQ((at + 1)->operandType, "integer");
    Unregister_Cast(&second);
    Unregister_Cast(&first);
}

} // namespace
