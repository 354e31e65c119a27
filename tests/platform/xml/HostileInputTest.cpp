// Inputs meant to hurt, with the outcome each must have; libxml2 prints
// nothing while it is at it. Inputs that must merely not crash are the
// fuzzer's (fuzz/xml_dom.cpp).
#include "tests/platform/xml/DomHarness.h"

#include <cstdio>
#include <fstream>
#include <objbase.h>
#include <thread>

using namespace DomTest;

namespace {

// Loads `text` into a new document with standard error captured; the
// document, or null if it did not load.
IXMLDOMDocument2Ptr LoadQuietly(BSTR text, bool resolveExternals = false) {
    IXMLDOMDocument2Ptr document = NewDocument();
    EXPECT_EQ(document->put_resolveExternals(resolveExternals ? VARIANT_TRUE : VARIANT_FALSE),
              S_OK);
    ::testing::internal::CaptureStderr();
    const bool loaded = Loads(document, text);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    return loaded ? document : nullptr;
}

TEST(HostileInput, EntityExpansionBombAndExcessiveNestingFailToLoad) {
    std::string bomb = "<!DOCTYPE b [<!ENTITY e0 'lol'>";
    for (int level = 1; level <= 10; ++level) {
        const std::string lower = "&e" + std::to_string(level - 1) + ";";
        bomb += "<!ENTITY e" + std::to_string(level) + " '" + Repeated(lower, 10) + "'>";
    }
    EXPECT_FALSE(LoadQuietly(Bstr(bomb + "]><b>&e10;</b>")));
    EXPECT_TRUE(LoadQuietly(Bstr(Repeated("<n>", 200) + Repeated("</n>", 200))));
    EXPECT_FALSE(LoadQuietly(Bstr(Repeated("<n>", 300) + Repeated("</n>", 300))));
}

TEST(HostileInput, ExternalEntitiesAndDocumentTypesAreNeverRead) {
    const std::string path = ::testing::TempDir() + "veritor_external_entity.txt";
    std::ofstream(path) << "SECRET-CONTENT";
    const std::string texts[] = {
        "<!DOCTYPE a [<!ENTITY e SYSTEM '" + path + "'>]><a>&e;</a>",
        "<!DOCTYPE a [<!ENTITY e SYSTEM 'file://" + path + "'>]><a>&e;</a>",
        "<!DOCTYPE a SYSTEM '" + path + "'><a/>",
        "<!DOCTYPE a [<!ENTITY % p SYSTEM '" + path + "'> %p;]><a/>",
        "<!DOCTYPE a [<!ENTITY e SYSTEM 'http://127.0.0.1:9/x'>]><a>&e;</a>",
    };
    for (const std::string& text : texts) {
        if (IXMLDOMDocument2Ptr document = LoadQuietly(Bstr(text), true)) {
            EXPECT_EQ((TextOf(document) + XmlOf(document)).find("SECRET"), std::string::npos)
                << text;
        }
    }
    std::remove(path.c_str());
}

// Ten megabytes of text in one node load whole.
TEST(HostileInput, TenMegabytesOfTextLoad) {
    const IXMLDOMDocument2Ptr document =
        LoadQuietly(Bstr("<a>" + std::string(10 * 1024 * 1024, 'x') + "</a>"));
    ASSERT_TRUE(document);
    EXPECT_EQ(TextOf(document).size(), 10u * 1024 * 1024);
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

// Different documents on different threads work at the same time.
TEST(DocumentThreads, DocumentsOnDifferentThreadsWorkConcurrently) {
    std::vector<std::string> results(4);
    std::vector<std::thread> workers;
    for (std::size_t t = 0; t < results.size(); ++t) {
        workers.emplace_back([t, &result = results[t]] {
            EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
            const std::string item = "<i>" + std::to_string(t) + "</i>";
            for (int round = 0; round < 20; ++round) {
                IXMLDOMDocument2Ptr document = Load("<r>" + Repeated(item, 200 + t) + "</r>");
                const bool xpath = round % 2 == 0;
                result = std::to_string(Select(document, xpath ? "XPath" : "XSLPattern",
                                               xpath ? "/r/i" : "r/i[index() > 99]")
                                            .size()) +
                         TextOf(document);
            }
            CoUninitialize();
        });
    }
    for (std::size_t t = 0; t < results.size(); ++t) {
        workers[t].join();
        EXPECT_EQ(results[t], std::to_string(100 + t) + Repeated(std::to_string(t), 200 + t));
    }
}

} // namespace
