#include "universe/autopointers/SharingLink.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/autopointers/AutoLocal.h"
#include "universe/exceptions/LocalFreeFailed.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct Counted {
    int& deletions;
    ~Counted() { ++deletions; }
};
using Link = SharingLink<Counted>;

// The last owner of a ring deletes its object, once; swap and assignment move
// owners between rings.
TEST(SharingLink, TheLastOwnerDeletesOnceAndOwnersMoveBetweenRings) {
    int x = 0, y = 0; // deletions of each object
    std::optional<Link> owners[4];
    owners[0].emplace(new Counted{x});
    owners[1].emplace(*owners[0]);
    owners[2].emplace(*owners[1]);
    owners[3].emplace(*owners[0]);
    for (int i : {2, 0, 3}) {
        owners[i].reset();
    }
    owners[0].emplace(new Counted{y});
    owners[2].emplace(*owners[0]);
    owners[1]->Swap(*owners[0]); // 1 and 2 share y, 0 holds x alone
    owners[2].reset();
    EXPECT_EQ(std::pair(x, y), std::pair(0, 0));
    *owners[1] = *owners[0]; // 1 was y's last owner
    EXPECT_EQ(y, 1);
    owners[0].reset();
    EXPECT_EQ(x, 0);
    owners[1].reset();
    EXPECT_EQ(x, 1);
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
