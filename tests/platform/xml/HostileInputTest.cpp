// Inputs meant to hurt: each either fails to load or loads safely, and
// libxml2 prints nothing while it is at it.
#include "tests/platform/xml/DomHarness.h"

#include <cstdio>
#include <fstream>
#include <thread>
#include <utility>

using namespace DomTest;

namespace {

class HostileInput : public ::testing::Test {
protected:
    ComScope com;

    // Loads `text` with standard error captured; returns whether it loaded.
    bool LoadsQuietly(IXMLDOMDocument2* document, std::u16string_view text) {
        ::testing::internal::CaptureStderr();
        BSTR source = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        VARIANT_BOOL ok = VARIANT_FALSE;
        const HRESULT hr = document->loadXML(source, &ok);
        SysFreeString(source);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(hr, ok == VARIANT_TRUE ? S_OK : S_FALSE);
        return ok == VARIANT_TRUE;
    }
    bool LoadsQuietly(IXMLDOMDocument2* document, std::string_view utf8) {
        const Bstr text(utf8);
        return LoadsQuietly(document, std::u16string_view(text, SysStringLen(text)));
    }
};

TEST_F(HostileInput, EntityExpansionBombFailsToLoad) {
    std::string text = "<!DOCTYPE b [<!ENTITY e0 'lol'>";
    for (int level = 1; level <= 10; ++level) {
        text += "<!ENTITY e" + std::to_string(level) + " '";
        for (int i = 0; i < 10; ++i) {
            text += "&e" + std::to_string(level - 1) + ";";
        }
        text += "'>";
    }
    text += "]><b>&e10;</b>";
    IXMLDOMDocument2Ptr document = NewDocument();
    EXPECT_FALSE(LoadsQuietly(document, text));
}

TEST_F(HostileInput, ExternalEntitiesAndDocumentTypesAreNeverRead) {
    const std::string path = ::testing::TempDir() + "veritor_external_entity.txt";
    {
        std::ofstream secret(path);
        secret << "SECRET-CONTENT";
    }
    const std::string texts[] = {
        "<!DOCTYPE a [<!ENTITY e SYSTEM '" + path + "'>]><a>&e;</a>",
        "<!DOCTYPE a [<!ENTITY e SYSTEM 'file://" + path + "'>]><a>&e;</a>",
        "<!DOCTYPE a SYSTEM '" + path + "'><a/>",
        "<!DOCTYPE a [<!ENTITY % p SYSTEM '" + path + "'> %p;]><a/>",
        "<!DOCTYPE a [<!ENTITY e SYSTEM 'http://127.0.0.1:9/x'>]><a>&e;</a>",
    };
    for (const std::string& text : texts) {
        IXMLDOMDocument2Ptr document = NewDocument();
        ASSERT_EQ(document->put_resolveExternals(VARIANT_TRUE), S_OK);
        if (LoadsQuietly(document, text)) {
            EXPECT_EQ(TextOf(document).find("SECRET"), std::string::npos) << text;
            EXPECT_EQ(XmlOf(document).find("SECRET"), std::string::npos) << text;
        }
    }
    std::remove(path.c_str());
}

TEST_F(HostileInput, ExcessiveNestingFailsToLoad) {
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) {
            text += "<n>";
        }
        for (int i = 0; i < depth; ++i) {
            text += "</n>";
        }
        return text;
    };
    IXMLDOMDocument2Ptr document = NewDocument();
    EXPECT_TRUE(LoadsQuietly(document, nested(200)));
    EXPECT_FALSE(LoadsQuietly(document, nested(300)));
}

// As many small elements, and as one text node.
TEST_F(HostileInput, TenMegabytesOfTextLoad) {
    std::string pieces = "<a>";
    const std::string piece(1023, 'x');
    for (int i = 0; i < 10 * 1024; ++i) {
        pieces += "<p>" + piece + "</p>";
    }
    pieces += "</a>";
    const std::pair<std::string, UINT> cases[] = {
        {pieces, 10u * 1024 * 1023},
        {"<a>" + std::string(10 * 1024 * 1024, 'x') + "</a>", 10u * 1024 * 1024}};
    for (const auto& [text, length] : cases) {
        IXMLDOMDocument2Ptr document = NewDocument();
        ASSERT_TRUE(LoadsQuietly(document, text));
        BSTR content = nullptr;
        ASSERT_EQ(document->get_text(&content), S_OK);
        EXPECT_EQ(SysStringLen(content), length);
        SysFreeString(content);
    }
}

TEST_F(HostileInput, UnpairedSurrogatesBecomeReplacementCharacters) {
    const char16_t text[] = {u'<', u'a', u'>', 0xD800, u'x', 0xDC00, u'<', u'/', u'a', u'>'};
    IXMLDOMDocument2Ptr document = NewDocument();
    ASSERT_TRUE(LoadsQuietly(document, std::u16string_view(text, std::size(text))));
    EXPECT_EQ(TextOf(document), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST_F(HostileInput, NulCharactersFailToLoad) {
    IXMLDOMDocument2Ptr document = NewDocument();
    EXPECT_FALSE(LoadsQuietly(document, std::u16string_view(u"<a>x\0y</a>", 10)));
    EXPECT_FALSE(LoadsQuietly(document, std::u16string_view(u"<a/>\0", 5)));
    // NUL bytes must not make the text look like UTF-16.
    EXPECT_FALSE(LoadsQuietly(document, std::u16string_view(u"\0<\0a\0/\0>", 8)));
}

TEST_F(HostileInput, SelectionErrorsPrintNothing) {
    IXMLDOMDocument2Ptr document = Load("<a/>");
    for (std::string_view language : {"XPath", "XSLPattern"}) {
        ::testing::internal::CaptureStderr();
        const Selection selection = Select(document, language, "a[[");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(selection.status, E_FAIL);
    }
}

// Different documents on different threads work at the same time.
TEST(DocumentThreads, DocumentsOnDifferentThreadsWorkConcurrently) {
    constexpr int Threads = 4;
    std::vector<std::string> results(Threads);
    std::vector<std::thread> workers;
    for (int t = 0; t < Threads; ++t) {
        workers.emplace_back([t, &results] {
            ComScope com;
            std::string text = "<r>";
            for (int i = 0; i < 200; ++i) {
                text += "<i n='" + std::to_string(i % (t + 2)) + "'>" + std::to_string(t) + "</i>";
            }
            text += "</r>";
            for (int round = 0; round < 20; ++round) {
                IXMLDOMDocument2Ptr document = Load(text);
                const Selection selection =
                    Select(document, round % 2 == 0 ? "XPath" : "XSLPattern",
                           round % 2 == 0 ? "/r/i[@n='0']" : "r/i[@n='0']");
                results[t] = std::to_string(selection.nodes.size()) + ":" + TextOf(document);
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (int t = 0; t < Threads; ++t) {
        const std::size_t expected = (200 + t + 1) / (t + 2);
        EXPECT_EQ(results[t], std::to_string(expected) + ":" + std::string(200, char('0' + t)));
    }
}

} // namespace
