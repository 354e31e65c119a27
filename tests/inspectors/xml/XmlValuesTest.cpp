// The XML vocabulary as the recording host evaluates it: documents and their
// lifetime, node properties and navigation, attributes and selections, with
// "no value" apart from a failure (a Windows::Error).
#include "tests/support/InspectorLibrary.h"
#include "tests/support/WineDifferences.h"
#include "universe/exceptions/WindowsError.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <string>
#include <thread>
#include <vector>

using namespace RecordingHost;

namespace {

constexpr const char* node = "xml dom node";

// A document, then a walk from it: steps apart by " / ", each a property,
// "*" and an iterated property (the rest of the walk goes on from each of
// its nodes) or "as" and a cast, with an index written #n (an integer) or
// 'text' (a string). Then the strings at the end apart by ",", "-" when a
// step had no value, or the text of the failure.
struct Row {
    std::string_view xml, path, shown;
};

const Row rows[] = {
    // A document is the text up to its first zero byte; no value without a root.
    {"", "as xml", "-"},
    {"<?xml version=\"1.0\"?><!--no root-->", "as xml", "-"},
    {std::string_view("<r/>\0<", 6), "first child / as xml", "<r/>"},
    {"<r></r>", "first child / as text", ""},
    // Navigation.
    {"<r><a/>t<!--c--></r>", "first child / last child / node name", "#comment"},
    {"<r><a/>t<!--c--></r>", "first child / child node #1 / node value", "t"},
    {"<r><a/>t<!--c--></r>", "first child / child node #4294967297", "-"},
    {"<r><a/></r>", "first child / first child / *child node / as xml", ""},
    {"<r/>", "first child / owner document / first child / node name", "r"},
    {"<r/>", "parent node", "-"},
    {"<r/>", "owner document", "-"},
    // Attributes.
    {"<r a=\"1\" b=\"2\"/>", "first child / attribute #0 / node name", "a"},
    {"<r a=\"1\" b=\"2\"/>", "first child / attribute 'a' / node value", "1"},
    {"<r a=\"1\" b=\"2\"/>", "first child / attribute #2", "-"},
    {"<r a=\"1\" b=\"2\"/>", "first child / attribute 'A'", "-"},
    {"<!DOCTYPE r [<!ATTLIST r b CDATA 'd'>]><r a=\"1\"/>", "last child / *attribute / as xml",
     "a=\"1\",b=\"d\""},
    {"<!DOCTYPE r [<!ATTLIST r b CDATA 'd'>]><r/>", "*xpath 'r[@b = \"d\"]' / as xml", "<r/>"},
    {"<r>t</r>", "first child / first child / attribute #0", "Windows Error: Invalid pointer"},
    {"<r>t</r>", "first child / first child / attribute 'a'", "Windows Error: Invalid pointer"},
    // Each selection sets its own language on the document its node shares.
    {"<r><i>x</i><i>y</i></r>", "*xpath 'r' / *select 'i[1]' / as text", "y"},
    {"<r><i>x</i><i>y</i></r>", "*select 'r' / *xpath 'i[1]' / as text", "x"},
    {"<r><i>x</i></r>", "*select 'none' / as text", ""},
    {"<r/>", "*xpath '//['", "Windows Error: Unspecified error"},
    // Without declarations, no prefix is bound.
    {"<p:a xmlns:p=\"u\"/>", "*xpath 'p:a'", "Windows Error: Unspecified error"},
};

// The recording host initialises COM on the thread it evaluates on, as every
// host of the XML vocabulary must.
class XmlValues : public LoadedInspectors {
protected:
    XmlValues() { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    ~XmlValues() override {
        ReleaseValues();
        CoUninitialize();
    }

    static std::string Walk(std::string_view xml, std::string_view path) try {
        const string_value text = StringValue(xml);
        return From(Evaluate(Find<PropertyCall>("xml document", "string"), nullptr, &text), path);
    } catch (const Windows::Error& error) {
        const std::string message = error.what(); // a system message, with its line break
        return message.substr(0, message.find('\r'));
    }

    // The rest of a walk, from a node.
    static std::string From(const void* from, std::string_view path) {
        if (from == nullptr || path.empty()) {
            return from == nullptr ? "-" : "a node";
        }
        const std::size_t end = std::min(path.find(" / "), path.size());
        const std::string_view rest = path.substr(std::min(end + 3, path.size()));
        const std::size_t at = std::min(path.find_first_of("#'"), end + 1);
        const std::string_view name = path.substr(0, at - 1);
        const std::string_view index = path.substr(std::min(at, end), end - std::min(at, end));
        const integer number(index.starts_with('#') ? std::stoll(std::string(index.substr(1))) : 0);
        const string_value word =
            StringValue(index.starts_with('\'') ? index.substr(1, index.size() - 2) : "");
        const char* type = index.empty() ? "" : index[0] == '#' ? "integer" : "string";
        const void* operand = index.empty()    ? nullptr
                              : type[0] == 'i' ? (const void*)&number
                                               : &word;
        if (name.starts_with("as ")) {
            return std::string(
                View(*Evaluate<string_value>(Find<CastCall>(name.substr(3), node), from)));
        }
        if (name.starts_with('*')) {
            std::string shown;
            for (const void* each :
                 Iterate(Find<IteratedPropertyCall>(name.substr(1), node, type), operand, from)) {
                shown.append(shown.empty() ? "" : ",").append(From(each, rest));
            }
            return shown;
        }
        const auto call = Find<PropertyCall>(name, node, type);
        const void* value = Evaluate(call, operand, from);
        if (value != nullptr && call.resultType == "string") {
            return std::string(View(*static_cast<const string_value*>(value)));
        }
        return From(value, rest);
    }
};

TEST_F(XmlValues, WalksGiveTheseTexts) {
    for (const Row& row : rows) {
        const std::string walk = std::string(row.xml) + ": " + std::string(row.path);
        if (WineDifference(walk) != nullptr) {
            continue;
        }
        EXPECT_EQ(Walk(row.xml, row.path), AsTheSystemWordsIt(std::string(row.shown))) << walk;
    }
}

TEST_F(XmlValues, DocumentsFailWithTheCodeOfTheFailedCreationOnAThreadWithoutCom) {
    if (const char* reason = WineDifference("documents on a thread without COM")) {
        GTEST_SKIP() << reason;
    }
    std::string shown;
    std::thread([&] { shown = Walk("<r/>", "as xml"); }).join();
    EXPECT_EQ(shown + "\r\n", Windows::Error(CO_E_NOTINITIALIZED).what());
}

// Destroyed in an order a host may choose: the document before the nodes
// reached from it, a node before the iteration over its children.
TEST_F(XmlValues, ValuesKeepTheirDocumentAliveInAnyDestroyOrder) {
    const auto documentType = Find<TypeCall>("xml dom document");
    const auto nodeType = Find<TypeCall>(node);
    const auto parse = Find<PropertyCall>("xml document", "string");
    const auto firstChild = Find<PropertyCall>("first child", node, "");
    const auto children = Find<IteratedPropertyCall>("child node", node, "");
    const auto name = [&](void* of) {
        return std::string(
            View(*Evaluate<string_value>(Find<PropertyCall>("node name", node), nullptr, of)));
    };
    Storage document(documentType.valueSize), root(nodeType.valueSize), child(nodeType.valueSize),
        iteration(children.stateSize);
    const string_value text = StringValue("<r><a/><b/></r>");
    parse.evaluate(document.Address(), nullptr, &text, nullptr, parse.registration);
    firstChild.evaluate(root.Address(), nullptr, document.Address(), nullptr,
                        firstChild.registration);
    void* state = children.constructState(iteration.Address());
    children.first(child.Address(), nullptr, root.Address(), state, children.registration);
    documentType.destroyValue(document.Address());
    EXPECT_EQ(name(child.Address()), "a");
    nodeType.destroyValue(child.Address());
    children.next(child.Address(), nullptr, root.Address(), state, children.registration);
    nodeType.destroyValue(root.Address());
    children.destroyState(state);
    EXPECT_EQ(name(child.Address()), "b");
    nodeType.destroyValue(child.Address());
}

} // namespace
