#include "universe/autopointers/SharingLink.h"

#include "tests/universe/exceptions/ReportedAssertions.h"
#include "universe/autopointers/AutoLocal.h"
#include "universe/exceptions/LocalFreeFailed.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

// Counts its own destructions so that a test can see single deletion.
struct Tracked {
    explicit Tracked(int& deletions)
        : deletions(deletions) {}
    ~Tracked() { ++deletions; }
    int& deletions;
};

using Link = SharingLink<Tracked>;

TEST(SharingLink, ObjectIsDeletedOnceWhenTheLastOwnerGoes) {
    int deletions = 0;
    std::vector<std::optional<Link>> owners(4);
    owners[0].emplace(new Tracked(deletions));
    owners[1].emplace(*owners[0]);
    owners[2].emplace(*owners[1]);
    owners[3].emplace(*owners[0]);
    for (int i : {2, 0, 3}) {
        owners[i].reset();
        EXPECT_EQ(deletions, 0);
    }
    EXPECT_TRUE(owners[1]->IsAlone());
    owners[1].reset();
    EXPECT_EQ(deletions, 1);
}

TEST(SharingLink, AssignmentLeavesTheOldRingAndJoinsTheNew) {
    int firstDeletions = 0;
    int secondDeletions = 0;
    Link a(new Tracked(firstDeletions));
    Link b(new Tracked(secondDeletions));
    {
        Link c(b);
        b = a;
        EXPECT_EQ(secondDeletions, 0);
        EXPECT_EQ(b.Get(), a.Get());
    }
    EXPECT_EQ(secondDeletions, 1);
    a.Reset();
    EXPECT_EQ(firstDeletions, 0);
    b.Reset();
    EXPECT_EQ(firstDeletions, 1);
}

TEST(SharingLink, SwapExchangesRingsWithoutDeleting) {
    int firstDeletions = 0;
    int secondDeletions = 0;
    auto a = std::make_optional<Link>(new Tracked(firstDeletions));
    auto aCopy = std::make_optional<Link>(*a);
    auto b = std::make_optional<Link>(new Tracked(secondDeletions));
    Tracked* first = a->Get();
    Tracked* second = b->Get();

    a->Swap(*b);
    EXPECT_EQ(a->Get(), second);
    EXPECT_EQ(b->Get(), first);
    EXPECT_TRUE(a->IsAlone());

    aCopy.reset();
    EXPECT_EQ(firstDeletions, 0); // b still owns the first object
    b.reset();
    EXPECT_EQ(firstDeletions, 1);
    a.reset();
    EXPECT_EQ(secondDeletions, 1);
}

TEST(AutoLocal, FreesTheBlockItHolds) {
    ReportedAssertions reported;
    {
        AutoLocal block(LocalAlloc(LMEM_FIXED, 16));
        ASSERT_NE(block.Get(), nullptr);
    }
    EXPECT_TRUE(reported.None());
}

TEST(AutoLocal, RefusedFreeThrowsOrIsReportedInTheDestructor) {
    int notABlock = 0;
    {
        AutoLocal block(&notABlock);
        EXPECT_THROW(block.Free(), LocalFreeFailed);
        EXPECT_EQ(block.Get(), nullptr);
    }
    ReportedAssertions reported;
    { AutoLocal block(&notABlock); }
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"false"});
}

} // namespace
