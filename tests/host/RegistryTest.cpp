// The registration functions as any library calls them. (The order in which
// registrations are listed shows in docs/vocabulary.md, which the tool's
// tests compare with the live vocabulary.)
#include "frame/VeritorInterface.h"
#include "host/Veritor.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

void* Evaluate(void*, const void*, const void*, void*, const void*) {
    return nullptr;
}

struct alignas(8) Object {
    unsigned char hostArea[128];
} object;

int Listed() {
    const auto entries = veritor::Vocabulary();
    return static_cast<int>(
        std::ranges::count_if(entries, [](const auto& e) { return e.name == "registry probe"; }));
}

int Probe(void* at, const char* name, PropertyCallback evaluate) {
    return Register_Property(at, 128, name, "probes", "", "string", "integer", evaluate, at,
                             nullptr);
}

TEST(Registry, RefusesRegistrationsMissingWhatTheyCannotDoWithout) {
    EXPECT_EQ(Probe(nullptr, "registry probe", Evaluate), 0);
    EXPECT_EQ(Probe(&object, "", Evaluate), 0);
    EXPECT_EQ(Probe(&object, "registry probe", nullptr), 0);
    EXPECT_EQ(Register_Binary_Operator(&object, 128, 16, "integer", "integer", "integer", nullptr,
                                       &object, nullptr),
              0);
    EXPECT_EQ(Register_Type(&object, 512, nullptr, 8, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(Unregister_Property(&object), 0) << "nothing was registered";
    EXPECT_EQ(Listed(), 0);
}

TEST(Registry, TakesEachObjectOnceAndRemovesItOnlyByItsOwnKind) {
    EXPECT_EQ(Probe(&object, "registry probe", Evaluate), 1);
    EXPECT_EQ(Register_Type(&object, 512, "registry probe", 8, nullptr, nullptr, nullptr), 0)
        << "one object, one registration";
    EXPECT_EQ(Unregister_Cast(&object), 0) << "a property is not removed as a cast";
    EXPECT_EQ(Unregister_Type(&object), 0);
    EXPECT_EQ(Listed(), 1);
    EXPECT_EQ(Unregister_Property(&object), 1);
    EXPECT_EQ(Unregister_Property(&object), 0) << "already removed";
    EXPECT_EQ(Listed(), 0);
}

} // namespace
