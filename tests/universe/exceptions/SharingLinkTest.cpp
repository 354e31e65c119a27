#include "universe/autopointers/SharingLink.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/autopointers/AutoLocal.h"
#include "universe/exceptions/LocalFreeFailed.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct Counted {
    explicit Counted(int& deletions)
        : deletions(deletions) {}
    ~Counted() { ++deletions; }
    int& deletions;
};
using Link = SharingLink<Counted>;

TEST(SharingLink, TheLastOwnerDeletesOnce) {
    int deletions = 0;
    std::optional<Link> owners[4];
    owners[0].emplace(new Counted(deletions));
    owners[1].emplace(*owners[0]);
    owners[2].emplace(*owners[1]);
    owners[3].emplace(*owners[0]);
    for (int i : {2, 0, 3}) {
        owners[i].reset();
    }
    EXPECT_EQ(deletions, 0);
    owners[1].reset();
    EXPECT_EQ(deletions, 1);
}

TEST(SharingLink, SwapAndAssignmentMoveOwnersBetweenRings) {
    int first = 0, second = 0;
    auto a = std::make_optional<Link>(new Counted(first));
    auto aCopy = std::make_optional<Link>(*a);
    auto b = std::make_optional<Link>(new Counted(second));
    a->Swap(*b);
    aCopy.reset();
    EXPECT_EQ(first, 0); // b now shares the first object
    *b = *a;             // b was its last owner
    EXPECT_EQ(first, 1);
    a.reset();
    EXPECT_EQ(second, 0);
    b.reset();
    EXPECT_EQ(second, 1);
}

TEST(AutoLocal, RefusedFreeThrowsOrIsReportedInTheDestructor) {
    int notABlock = 0;
    AutoLocal block(&notABlock);
    EXPECT_THROW(block.Free(), LocalFreeFailed);

    ReportedAssertions reported;
    { AutoLocal held(LocalAlloc(LMEM_FIXED, 4)); }
    { AutoLocal refused(&notABlock); }
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"false"});
}

} // namespace
