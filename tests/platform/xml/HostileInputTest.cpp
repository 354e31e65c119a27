// Inputs meant to hurt, with the outcome each must have; libxml2 prints
// nothing while it is at it. Inputs that must merely not crash are the
// fuzzer's (fuzz/xml_dom.cpp); documents on several threads at once are the
// host's concurrency test's (tests/host).
#include "tests/platform/xml/DomHarness.h"

#include <cstdio>
#include <fstream>

using namespace DomTest;

namespace {

// Loads `text` into a new document with standard error captured and
// external resources asked for; the document, or null if it did not load.
IXMLDOMDocument2Ptr LoadQuietly(BSTR text) {
    IXMLDOMDocument2Ptr document = NewDocument();
    EXPECT_EQ(document->put_resolveExternals(VARIANT_TRUE), S_OK);
    ::testing::internal::CaptureStderr();
    const bool loaded = Loads(document, text);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    return loaded ? document : nullptr;
}

// Documents just within each bound load, and just beyond it do not: elements
// nested 2,048 deep with entity references expanded, references nested 40
// deep, and content no more than ten times the text plus 1 MiB when expanded
// (in element content, attribute values and entity values alike). An entity
// bomb and ten megabytes of text are the tool's test's (tests/tools).
std::string Chain(int entities) {
    std::string text = "<!DOCTYPE r [<!ENTITY e0 'x'>";
    for (int level = 1; level < entities; ++level) {
        text.append("<!ENTITY e").append(std::to_string(level)).append(" '&e");
        text.append(std::to_string(level - 1)).append(";'>");
    }
    return text.append("]><r>&e").append(std::to_string(entities - 1)).append(";</r>");
}

TEST(HostileInput, LoadsWithinTheBoundsAndNotBeyond) {
    const std::string big(100000, 'x');
    const std::string bigEntity = "<!DOCTYPE r [<!ENTITY e '" + big + "'>]>";
    const struct {
        std::string text;
        bool loads;
    } cases[] = {
        {Repeated("<n>", 2048) + Repeated("</n>", 2048), true},
        {Repeated("<n>", 2049) + Repeated("</n>", 2049), false},
        {"<!DOCTYPE n [<!ENTITY e '<n><n/></n>'>]>" + Repeated("<n>", 2046) + "&e;" +
             Repeated("</n>", 2046),
         true},
        {"<!DOCTYPE n [<!ENTITY e '<n><n/></n>'>]>" + Repeated("<n>", 2047) + "&e;" +
             Repeated("</n>", 2047),
         false},
        {"<!DOCTYPE n [<!ENTITY e '" + Repeated("<n>", 2049) + Repeated("</n>", 2049) +
             "'>]><n>&e;</n>",
         false},
        {Chain(40), true},
        {Chain(41), false},
        {bigEntity + "<r>" + Repeated("&e;", 10) + "</r>", true},
        {bigEntity + "<r>" + Repeated("&e;", 100) + "</r>", false},
        {bigEntity + "<r a='" + Repeated("&e;", 100) + "'/>", false},
        {"<!DOCTYPE r [<!ENTITY e '" + big + "'><!ENTITY f '" + Repeated("&e;", 100) +
             "'>]><r a='&f;'/>",
         false},
        // Each element takes its own copy of an attribute default.
        {"<!DOCTYPE r [<!ATTLIST i a CDATA '" + big + "'>]><r>" + Repeated("<i/>", 10) + "</r>",
         true},
        {"<!DOCTYPE r [<!ATTLIST i a CDATA '" + big + "'>]><r>" + Repeated("<i/>", 100) + "</r>",
         false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<bool>(LoadQuietly(Bstr(c.text))), c.loads) << c.text.substr(0, 80);
    }
}

TEST(HostileInput, ExternalEntitiesAndDocumentTypesAreNeverRead) {
    const std::string path = ::testing::TempDir() + "veritor_external_entity.txt";
    std::ofstream(path) << "SECRET-CONTENT";
    const std::string texts[] = {
        "<!DOCTYPE a [<!ENTITY e SYSTEM '" + path + "'>]><a>&e;</a>",
        "<!DOCTYPE a SYSTEM '" + path + "'><a/>",
        "<!DOCTYPE a SYSTEM '" + path + "' [<!ATTLIST a b CDATA 'c'>]><a/>",
        "<!DOCTYPE a [<!ENTITY % p SYSTEM '" + path + "'> %p;]><a/>",
    };
    for (const std::string& text : texts) {
        if (IXMLDOMDocument2Ptr document = LoadQuietly(Bstr(text))) {
            EXPECT_EQ((TextOf(document) + XmlOf(document)).find("SECRET"), std::string::npos)
                << text;
        }
    }
    std::remove(path.c_str());
}

// Unpaired surrogates are replaced; NUL characters are refused, and NUL
// bytes must not make the text look like UTF-16.
TEST(HostileInput, SurrogatesAreReplacedAndNulCharactersRefused) {
    const char16_t unpaired[] = {u'<', u'a', u'>', 0xD800, u'x', 0xDC00, u'<', u'/', u'a', u'>'};
    const IXMLDOMDocument2Ptr document = LoadQuietly(ATL::CComBSTR(10, unpaired));
    ASSERT_TRUE(document);
    EXPECT_EQ(TextOf(document), "\xEF\xBF\xBDx\xEF\xBF\xBD");
    for (std::u16string_view nul :
         {std::u16string_view(u"<a>x\0y</a>", 10), std::u16string_view(u"<a/>\0", 5),
          std::u16string_view(u"\0<\0a\0/\0>", 8)}) {
        EXPECT_FALSE(LoadQuietly(ATL::CComBSTR(static_cast<int>(nul.size()), nul.data())));
    }
}

} // namespace
