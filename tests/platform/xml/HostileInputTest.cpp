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

// libxml2's own depth limit stays in force (the HUGE option would raise it
// past what the tool's test nests); an entity bomb and ten megabytes of text
// are the tool's test's (tests/tools).
TEST(HostileInput, ExcessiveNestingFailsToLoad) {
    EXPECT_TRUE(LoadQuietly(Bstr(Repeated("<n>", 200) + Repeated("</n>", 200))));
    EXPECT_FALSE(LoadQuietly(Bstr(Repeated("<n>", 300) + Repeated("</n>", 300))));
}

TEST(HostileInput, ExternalEntitiesAndDocumentTypesAreNeverRead) {
    const std::string path = ::testing::TempDir() + "veritor_external_entity.txt";
    std::ofstream(path) << "SECRET-CONTENT";
    const std::string texts[] = {
        "<!DOCTYPE a [<!ENTITY e SYSTEM '" + path + "'>]><a>&e;</a>",
        "<!DOCTYPE a SYSTEM '" + path + "'><a/>",
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
