// The XML vocabulary as the host receives it at load: last of all, in order,
// with its names, types and sizes, and without a hook.
#include "tests/support/InspectorLibrary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

const std::vector<std::string> xmlVocabulary = {
    R"(Register_Type(512, "xml dom document", 24, fn, "xml dom node", null))",
    R"(Register_Type(512, "xml dom node", 16, fn, null, null))",
    R"(Register_Cast(128, "xml", "xml dom node", "string", fn, self, null))",
    R"(Register_Cast(128, "text", "xml dom node", "string", fn, self, null))",
    R"(Register_Property(128, "node name", "node names", "", "xml dom node", "string", fn, self, null))",
    R"(Register_Property(128, "node type", "node types", "", "xml dom node", "integer", fn, self, null))",
    R"(Register_Property(128, "node value", "node values", "", "xml dom node", "string", fn, self, null))",
    R"(Register_Property(128, "owner document", "owner documents", "", "xml dom node", "xml dom document", fn, self, null))",
    R"(Register_Property(128, "parent node", "parent nodes", "", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Property(128, "first child", "first children", "", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Property(128, "last child", "last children", "", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Property(128, "previous sibling", "previous siblings", "", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Property(128, "next sibling", "next siblings", "", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Property(128, "child node", "child nodes", "integer", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Iterated_Property(128, "child node", "child nodes", "", "xml dom node", "xml dom node", 16, fn, fn, fn, fn, self, null))",
    R"(Register_Property(128, "attribute", "attributes", "integer", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Property(128, "attribute", "attributes", "string", "xml dom node", "xml dom node", fn, self, null))",
    R"(Register_Iterated_Property(128, "attribute", "attributes", "", "xml dom node", "xml dom node", 16, fn, fn, fn, fn, self, null))",
    R"(Register_Iterated_Property(128, "select", "selects", "string", "xml dom node", "xml dom node", 16, fn, fn, fn, fn, self, null))",
    R"(Register_Iterated_Property(128, "xpath", "xpaths", "string", "xml dom node", "xml dom node", 16, fn, fn, fn, fn, self, null))",
    R"x(Register_Iterated_Property(128, "xpath", "xpaths", "( string, string )", "xml dom node", "xml dom node", 16, fn, fn, fn, fn, self, null))x",
    R"(Register_Property(128, "xml document", "xml documents", "", "string", "xml dom document", fn, self, null))",
};

using XmlRegistrations = LoadedInspectors;

TEST_F(XmlRegistrations, ComeLastInOrderWithTheirNamesTypesAndSizes) {
    const auto calls = Registrations();
    ASSERT_GE(calls.size(), xmlVocabulary.size());
    const std::size_t first = calls.size() - xmlVocabulary.size();
    for (std::size_t i = 0; i < xmlVocabulary.size(); ++i) {
        EXPECT_EQ(Describe(calls[first + i]), xmlVocabulary[i]) << i;
    }
}

} // namespace
