// The real inspector library through the embedding API.
#ifdef INSPECTORS

#include "host/Veritor.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

using veritor::QueryError;

class InspectorLibrary : public testing::Test {
protected:
    veritor::Plugin plugin{INSPECTORS};
};

TEST_F(InspectorLibrary, EvaluatesBooleanAggregates) {
    struct Case {
        const char* query;
        bool value;
    };
    for (const Case& c :
         {Case{"conjunction of (true; false)", false}, Case{"conjunction of ()", true},
          Case{"disjunction of ()", false}, Case{"disjunction of (false; true; false)", true},
          Case{"conjunctions of (true; true)", true}, Case{"disjunction of (1 = 1)", true}}) {
        veritor::Result result = veritor::Run(c.query);
        ASSERT_EQ(result.values.size(), 1u) << c.query;
        EXPECT_EQ(result.type, "boolean");
        EXPECT_EQ(result.values[0].boolean, c.value) << c.query;
    }
}

TEST_F(InspectorLibrary, RefusesAggregatesOfTheWrongElementType) {
    EXPECT_THROW(veritor::Compile("conjunction of (1; 2)"), QueryError);
}

TEST_F(InspectorLibrary, LeavesNothingBehindWhenUnloaded) {
    auto report = plugin.Unload();
    EXPECT_TRUE(report.leftovers.empty());
    EXPECT_FALSE(report.stillLoaded);
    void* handle = dlopen(INSPECTORS, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(handle, nullptr);
    if (handle != nullptr) {
        dlclose(handle);
    }
    veritor::Plugin again(INSPECTORS);
    EXPECT_EQ(veritor::RenderText(veritor::Run("conjunction of true").values.at(0)), "true");
}

} // namespace

#endif
