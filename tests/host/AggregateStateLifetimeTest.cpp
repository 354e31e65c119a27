// Aggregates may return views of their states ("concatenation", "attr list",
// the lists): the host destroys an evaluation's states only after it has
// rendered the query's results.
#ifdef INSPECTORS

#include "host/Veritor.h"

#include <gtest/gtest.h>

namespace {

TEST(AggregateStates, OutliveTheRenderingOfTheResults) {
    veritor::Plugin inspectors(INSPECTORS);
    // Two accumulators of one size: a state destroyed before the rendering
    // would leave its bytes to the next one, or to the allocator.
    const veritor::Result result =
        veritor::Run(R"((html concatenation of (html "the first "; html "accumulator")) & )"
                     R"((html concatenation of (html "and second "; html "accumulator")))");
    ASSERT_EQ(result.values.size(), 1u);
    EXPECT_EQ(veritor::RenderText(result.values[0]), "the first accumulatorand second accumulator");
}

} // namespace

#endif
