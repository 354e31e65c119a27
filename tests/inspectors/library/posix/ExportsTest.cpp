// The plug-in's dynamic symbols: nothing defined of its own, the host
// functions left for the loading process.
#include "tests/support/InspectorLibrary.h"
#include "tests/support/Process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

TEST(InspectorLibraryLifecycle, ExportsNothingOfItsOwnAndTakesTheHostFunctionsFromTheProcess) {
    // Anything defined and visible would leak the plug-in's insides to the
    // host, or bind the host's own symbols to them.
    const std::string symbols = "nm -D --format=just-symbols ";
    const ProcessOutcome defined = RunProcess(symbols + "--defined-only " + InspectorLibrary::path);
    EXPECT_EQ(defined.status, 0) << defined.err;
    EXPECT_EQ(defined.out, "");
    std::string undefined = "\n";
    undefined += RunProcess(symbols + "--undefined-only " + InspectorLibrary::path).out;
    EXPECT_THAT(undefined, testing::HasSubstr("\nRegister_Aggregate_Property\n"));
    EXPECT_THAT(undefined, testing::HasSubstr("\nUnregister_Property\n"));
}

} // namespace
