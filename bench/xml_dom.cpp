// The XML document class against libxml2 used directly: loading an 8 MiB
// document from an automation string, and a descendant query with a
// predicate by XPath and by XSL pattern. Also the cost per operand of a long
// XSL pattern, translated and selected on a small document, and the cost per
// node of an XPath union against a plain descendant query.
#include "XmlDocuments.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <msxml2.h>
#include <objbase.h>
#include <oleauto.h>
#include <string>
#include <vector>

namespace {

using BenchXml::MakeBstr;
using BenchXml::NewDocument;

constexpr std::size_t DocumentSize = 8u << 20;
constexpr const char* XPathQuery = "//item[@kind='k3']";
constexpr const char* PatternQuery = "//item[@kind='k3']";

const std::string& DocumentText() {
    static const std::string text = [] {
        std::string result = "<?xml version=\"1.0\"?>\n<root>\n";
        for (std::size_t i = 0; result.size() < DocumentSize; ++i) {
            result += "  <item id=\"" + std::to_string(i) + "\" kind=\"k" + std::to_string(i % 7) +
                      "\">\n    <name>item " + std::to_string(i) + "</name>\n    <value>" +
                      std::to_string(i * 3) + "</value>\n  </item>\n";
        }
        return result + "</root>\n";
    }();
    return text;
}

IXMLDOMDocument2* LoadedDocument(BSTR text) {
    IXMLDOMDocument2* document = NewDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    if (document->loadXML(text, &ok) != S_OK || ok != VARIANT_TRUE) {
        std::abort();
    }
    return document;
}

void LoadXml(benchmark::State& state) {
    BSTR text = MakeBstr(DocumentText());
    // One load before timing: the first would count the faults of heap pages
    // that every later load finds mapped.
    LoadedDocument(text)->Release();
    for (auto _ : state) {
        IXMLDOMDocument2* document = LoadedDocument(text);
        document->Release();
    }
    SysFreeString(text);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * DocumentText().size()));
}

void Libxml2Read(benchmark::State& state) {
    const std::string& text = DocumentText();
    xmlFreeDoc(xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                             XML_PARSE_NONET));
    for (auto _ : state) {
        xmlDocPtr document = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr,
                                           nullptr, XML_PARSE_NONET);
        if (document == nullptr) {
            std::abort();
        }
        xmlFreeDoc(document);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void SelectNodes(benchmark::State& state, const char* language, const char* query) {
    BSTR text = MakeBstr(DocumentText());
    IXMLDOMDocument2* document = LoadedDocument(text);
    BSTR name = MakeBstr("SelectionLanguage");
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = MakeBstr(language);
    if (document->setProperty(name, value) != S_OK) {
        std::abort();
    }
    BSTR expression = MakeBstr(query);
    LONG length = 0;
    for (auto _ : state) {
        IXMLDOMNodeList* list = nullptr;
        if (document->selectNodes(expression, &list) != S_OK) {
            std::abort();
        }
        list->get_length(&length);
        list->Release();
    }
    state.counters["nodes"] = static_cast<double>(length);
    SysFreeString(expression);
    VariantClear(&value);
    SysFreeString(name);
    document->Release();
    SysFreeString(text);
}

void Libxml2XPath(benchmark::State& state) {
    const std::string& text = DocumentText();
    xmlDocPtr document = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                       XML_PARSE_NONET | XML_PARSE_NOBLANKS);
    int length = 0;
    for (auto _ : state) {
        xmlXPathContextPtr context = xmlXPathNewContext(document);
        xmlXPathObjectPtr result =
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(XPathQuery), context);
        length = result->nodesetval != nullptr ? result->nodesetval->nodeNr : 0;
        xmlXPathFreeObject(result);
        xmlXPathFreeContext(context);
    }
    state.counters["nodes"] = length;
    xmlFreeDoc(document);
}

// `r/a[b and b and ...]` with `state.range(0)` operands, on a document with a
// namespace, so that names cannot become plain XPath name tests.
void XslPatternChain(benchmark::State& state) {
    BSTR text = MakeBstr("<r xmlns:p='urn:p'><a><b/></a><a><p:b/></a><c/></r>");
    IXMLDOMDocument2* document = LoadedDocument(text);
    SysFreeString(text);
    std::string pattern = "r/a[b";
    for (std::int64_t i = 1; i < state.range(0); ++i) {
        pattern += " and b";
    }
    pattern += "]";
    BSTR expression = MakeBstr(pattern);
    for (auto _ : state) {
        IXMLDOMNodeList* list = nullptr;
        LONG length = 0;
        if (document->selectNodes(expression, &list) != S_OK || list->get_length(&length) != S_OK ||
            length == 0) {
            state.SkipWithError("the chain selected nothing");
            break;
        }
        list->Release();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    SysFreeString(expression);
    document->Release();
}

// `catalog/book[t][...]` over one catalog of `state.range(0)` books, each
// with a `t`: index() and end() after a first filter count among the
// siblings, once per book. Items per second count books, so a linear
// evaluation keeps the same rate at every size. With `names` "a" and "b" the
// books alternate the two names and a group selects both: each counts among
// the siblings of its own name.
void XslPosition(benchmark::State& state, std::vector<std::string> names, const char* pattern,
                 int ends) {
    std::string xml = "<catalog>";
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        const std::string& name = names[static_cast<std::size_t>(i) % names.size()];
        xml.append("<").append(name).append("><t/></").append(name).append(">");
    }
    xml += "</catalog>";
    BSTR text = MakeBstr(xml);
    IXMLDOMDocument2* document = LoadedDocument(text);
    SysFreeString(text);
    BSTR expression = MakeBstr(pattern);
    auto select = [&] {
        IXMLDOMNodeList* list = nullptr;
        LONG length = 0;
        if (document->selectNodes(expression, &list) != S_OK || list->get_length(&length) != S_OK) {
            std::abort();
        }
        list->Release();
        return length;
    };
    // The first book and the last of each name: anything else is a wrong count.
    if (select() != ends) {
        std::abort();
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(select());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    SysFreeString(expression);
    document->Release();
}

// `query` by XPath over `state.range(0)` elements that alternate the names
// a and b under one root; items per second count the elements, so a linear
// (or n log n) evaluation keeps nearly the same rate at every size.
void XPathOverAlternating(benchmark::State& state, const char* query) {
    std::string xml = "<r>";
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        xml += i % 2 ? "<b/>" : "<a/>";
    }
    xml += "</r>";
    BSTR text = MakeBstr(xml);
    IXMLDOMDocument2* document = LoadedDocument(text);
    SysFreeString(text);
    BSTR name = MakeBstr("SelectionLanguage");
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = MakeBstr("XPath");
    BSTR expression = MakeBstr(query);
    auto select = [&] {
        IXMLDOMNodeList* list = nullptr;
        LONG length = 0;
        if (document->setProperty(name, value) != S_OK ||
            document->selectNodes(expression, &list) != S_OK || list->get_length(&length) != S_OK) {
            std::abort();
        }
        list->Release();
        return length;
    };
    // Both queries select every element (the union all but the root).
    if (select() < state.range(0)) {
        std::abort();
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(select());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    SysFreeString(expression);
    VariantClear(&value);
    SysFreeString(name);
    document->Release();
}

struct Registration {
    Registration() {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        benchmark::RegisterBenchmark("BM_LoadXml/doc", LoadXml)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_Libxml2Read/doc", Libxml2Read)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_SelectNodes/xpath", SelectNodes, "XPath", XPathQuery)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_SelectNodes/xslpattern", SelectNodes, "XSLPattern",
                                     PatternQuery)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_Libxml2XPath", Libxml2XPath)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_XslPatternChain", XslPatternChain)
            ->Arg(1000)
            ->Arg(10000)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_XslPosition", XslPosition,
                                     std::vector<std::string>{"book"},
                                     "catalog/book[t][index() = 0 or end()]", 2)
            ->Arg(1000)
            ->Arg(100000)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_XslGroupPosition", XslPosition,
                                     std::vector<std::string>{"a", "b"},
                                     "catalog/(a | b)[t][index() = 0 or end()]", 4)
            ->Arg(1000)
            ->Arg(100000)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_XPathUnion", XPathOverAlternating, "(//a | //b)")
            ->Arg(10000)
            ->Arg(80000)
            ->Arg(1000000)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_XPathAll", XPathOverAlternating, "//*")
            ->Arg(10000)
            ->Arg(80000)
            ->Arg(1000000)
            ->Unit(benchmark::kMillisecond);
    }
} registration;

} // namespace

BENCHMARK_MAIN();
