// The XML vocabulary as the recording host evaluates it: documents and their
// lifetime, node properties and navigation, attributes and selections. "No
// value" is a null result; a failure is the code of the Windows::Error.
#include "tests/support/InspectorLibrary.h"
#include "universe/exceptions/WindowsError.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace RecordingHost;

namespace {

constexpr const char* node = "xml dom node";

// The recording host initialises COM on the thread it evaluates on, as every
// host of the XML vocabulary must.
class XmlValues : public LoadedInspectors {
protected:
    XmlValues() { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    ~XmlValues() override {
        ReleaseValues();
        CoUninitialize();
    }

    static const void* Document(std::string_view xml) {
        const string_value text = StringValue(xml);
        return Evaluate(Find<PropertyCall>("xml document", "string"), nullptr, &text).Address();
    }
    static const void* Step(std::string_view name, const void* from) {
        return Evaluate(Find<PropertyCall>(name, node, ""), nullptr, from).Address();
    }
    static const void* Step(std::string_view name, const void* from, integer index) {
        return Evaluate(Find<PropertyCall>(name, node, "integer"), &index, from).Address();
    }
    static const void* Step(std::string_view name, const void* from, std::string_view index) {
        const string_value text = StringValue(index);
        return Evaluate(Find<PropertyCall>(name, node, "string"), &text, from).Address();
    }
    static std::string Text(std::string_view name, const void* from) {
        return std::string(
            View(*Evaluate<string_value>(Find<PropertyCall>(name, node, ""), nullptr, from)));
    }
    static std::string Cast(std::string_view name, const void* from) {
        return std::string(View(*Evaluate<string_value>(Find<CastCall>(name, node), from)));
    }
    // The "text" of each node an iterated property yields.
    static std::vector<std::string> Each(std::string_view name, const void* from,
                                         std::optional<std::string_view> index = {}) {
        const string_value expression = StringValue(index.value_or(""));
        std::vector<std::string> texts;
        for (const auto& each :
             Iterate(Find<IteratedPropertyCall>(name, node, index ? "string" : ""),
                     index ? &expression : nullptr, from)) {
            texts.push_back(Cast("text", each.Address()));
        }
        return texts;
    }
    template <typename Call>
    static HRESULT Failure(Call call) {
        try {
            call();
        } catch (const Windows::Error& error) {
            return static_cast<HRESULT>(error.Code());
        }
        return S_OK;
    }
};

using Texts = std::vector<std::string>;

// --- Documents and their values ---------------------------------------------

TEST_F(XmlValues, DocumentsParseTextUpToItsFirstNulOrHaveNoValue) {
    EXPECT_FALSE(Document(""));
    EXPECT_FALSE(Document("<?xml version=\"1.0\"?><!--no root-->"));
    EXPECT_EQ(Cast("xml", Step("first child", Document(std::string_view("<r/>\0<", 6)))), "<r/>");
    EXPECT_EQ(Cast("text", Step("first child", Document("<r></r>"))), "");
}

// Destroyed in an order a host may choose: the document before the nodes
// reached from it, a node before the iteration over its children.
TEST_F(XmlValues, ValuesKeepTheirDocumentAliveInAnyDestroyOrder) {
    const auto documentType = Find<TypeCall>("xml dom document");
    const auto nodeType = Find<TypeCall>(node);
    const auto parse = Find<PropertyCall>("xml document", "string");
    const auto firstChild = Find<PropertyCall>("first child", node, "");
    const auto children = Find<IteratedPropertyCall>("child node", node, "");
    Storage document(documentType.valueSize), root(nodeType.valueSize), child(nodeType.valueSize),
        iteration(children.stateSize);
    const string_value text = StringValue("<r><a/><b/></r>");
    parse.evaluate(document.Address(), nullptr, &text, nullptr, parse.registration);
    firstChild.evaluate(root.Address(), nullptr, document.Address(), nullptr,
                        firstChild.registration);
    void* state = children.constructState(iteration.Address());
    children.first(child.Address(), nullptr, root.Address(), state, children.registration);
    documentType.destroyValue(document.Address());
    EXPECT_EQ(Text("node name", child.Address()), "a");
    nodeType.destroyValue(child.Address());
    children.next(child.Address(), nullptr, root.Address(), state, children.registration);
    nodeType.destroyValue(root.Address());
    children.destroyState(state);
    EXPECT_EQ(Text("node name", child.Address()), "b");
    nodeType.destroyValue(child.Address());
}

TEST_F(XmlValues, DocumentsFailWithTheCodeOfTheFailedCreationOnAThreadWithoutCom) {
    HRESULT failure = S_OK;
    std::thread([&] { failure = Failure([] { Document("<r/>"); }); }).join();
    EXPECT_EQ(failure, CO_E_NOTINITIALIZED);
}

// --- Node properties and navigation -----------------------------------------

TEST_F(XmlValues, NodesReadAndWalkTheTree) {
    const void* document = Document("<r><a/>t<!--c--></r>");
    const void* r = Step("first child", document);
    EXPECT_EQ(Text("node name", Step("last child", r)), "#comment");
    EXPECT_EQ(Cast("xml", Step("owner document", r)), Cast("xml", document));
    for (const char* none : {"parent node", "owner document", "next sibling", "previous sibling"}) {
        EXPECT_FALSE(Step(none, document)) << none;
    }
    EXPECT_EQ(Text("node value", Step("child node", r, integer(1))), "t");
    for (std::int64_t outside : {-1LL, 3LL, 4294967297LL}) {
        EXPECT_FALSE(Step("child node", r, integer(outside))) << outside;
    }
    EXPECT_EQ(Each("child node", Step("first child", r)), Texts{});
}

// --- Attributes and selections ----------------------------------------------

TEST_F(XmlValues, AttributesByPositionAndByName) {
    const void* r = Step("first child", Document("<r a=\"1\" b=\"2\"/>"));
    EXPECT_EQ(Text("node name", Step("attribute", r, integer(0))), "a");
    EXPECT_EQ(Text("node value", Step("attribute", r, "a")), "1");
    EXPECT_FALSE(Step("attribute", r, integer(2)));
    EXPECT_FALSE(Step("attribute", r, integer(-1)));
    EXPECT_FALSE(Step("attribute", r, "A"));
    const void* text = Step("first child", Step("first child", Document("<r>t</r>")));
    EXPECT_EQ(Failure([&] { Step("attribute", text, integer(0)); }), E_POINTER);
    EXPECT_EQ(Failure([&] { Step("attribute", text, "a"); }), E_POINTER);
}

TEST_F(XmlValues, SelectionsSetTheirOwnLanguageOnTheSharedDocument) {
    const void* items = Document("<r><i>x</i><i>y</i></r>");
    EXPECT_EQ(Each("select", items, "r/i[1]"), Texts{"y"});
    EXPECT_EQ(Each("xpath", items, "r/i[1]"), Texts{"x"});
    EXPECT_EQ(Each("select", items, "r/i[1]"), Texts{"y"});
    EXPECT_EQ(Each("select", items, "none"), Texts{});
    EXPECT_EQ(Failure([&] { Each("xpath", items, "//["); }), E_FAIL);
    // Without declarations, no prefix is bound.
    EXPECT_EQ(Failure([&] { Each("xpath", Document("<p:a xmlns:p=\"u\"/>"), "p:a"); }), E_FAIL);
}

} // namespace
