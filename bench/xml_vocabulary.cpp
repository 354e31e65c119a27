// The XML vocabulary as the host calls it, against the parser called
// directly: every child of one element through the "child nodes" iteration
// and its adapters, against the parser's own get_item loop; and "xml
// document" of a 1 MiB string through its adapter, against loadXML of the
// same text as an automation string.
#include "XmlDocuments.h"
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <msxml2.h>
#include <objbase.h>
#include <oleauto.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using BenchXml::MakeBstr;
using BenchXml::NewDocument;

// The callbacks this benchmark drives, caught as the library registers them.
struct Callbacks {
    PropertyCallback xmlDocument = nullptr;
    const void* xmlDocumentObject = nullptr;
    PropertyCallback firstChild = nullptr;
    const void* firstChildObject = nullptr;
    IterationCallback childFirst = nullptr, childNext = nullptr;
    ConstructStateCallback constructState = nullptr;
    DestroyStateCallback destroyState = nullptr;
    const void* childNodesObject = nullptr;
    DestroyValueCallback destroyNode = nullptr, destroyDocument = nullptr;
};

Callbacks& Registered() {
    static Callbacks callbacks;
    return callbacks;
}

// Storage for one host value or state.
struct alignas(std::max_align_t) Slot {
    std::byte bytes[64];
};

string_value HostString(const std::string& text) {
    return string_value{text.data(), static_cast<std::uint32_t>(text.size())};
}

std::string ElementWithChildren(std::int64_t children) {
    std::string text = "<r>";
    for (std::int64_t i = 0; i < children; ++i) {
        text += "<c/>";
    }
    return text + "</r>";
}

const std::string& MebibyteDocument() {
    static const std::string text = [] {
        std::string result = "<?xml version=\"1.0\"?>\n<root>\n";
        for (std::size_t i = 0; result.size() < (1u << 20) - 64; ++i) {
            result += "  <item id=\"" + std::to_string(i) + "\">text " + std::to_string(i * 7) +
                      "</item>\n";
        }
        return result + "</root>\n";
    }();
    return text;
}

// "xml document" of the text, through its adapter, into `document`.
void ParseThroughAdapter(Slot& document, const std::string& text) {
    const Callbacks& c = Registered();
    const string_value operand = HostString(text);
    if (c.xmlDocument(&document, nullptr, &operand, nullptr, c.xmlDocumentObject) == nullptr) {
        std::abort();
    }
}

void ChildNodes(benchmark::State& state) {
    const Callbacks& c = Registered();
    Slot document, element, iteration, child;
    ParseThroughAdapter(document, ElementWithChildren(state.range(0)));
    c.firstChild(&element, nullptr, &document, nullptr, c.firstChildObject);
    for (auto _ : state) {
        void* walk = c.constructState(&iteration);
        IterationCallback step = c.childFirst;
        try {
            for (;;) {
                step(&child, nullptr, &element, walk, c.childNodesObject);
                c.destroyNode(&child);
                step = c.childNext;
            }
        } catch (const NoSuchObject&) {
        }
        c.destroyState(walk);
    }
    c.destroyNode(&element);
    c.destroyDocument(&document);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void LoadOrAbort(IXMLDOMDocument2* document, BSTR text) {
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (document->loadXML(text, &loaded) != S_OK || loaded != VARIANT_TRUE) {
        std::abort();
    }
}

void RawChildNodes(benchmark::State& state) {
    BSTR text = MakeBstr(ElementWithChildren(state.range(0)));
    IXMLDOMDocument2* document = NewDocument();
    LoadOrAbort(document, text);
    IXMLDOMNode* element = nullptr;
    document->get_firstChild(&element);
    for (auto _ : state) {
        IXMLDOMNodeList* children = nullptr;
        element->get_childNodes(&children);
        LONG length = 0;
        children->get_length(&length);
        for (LONG i = 0; i < length; ++i) {
            IXMLDOMNode* child = nullptr;
            children->get_item(i, &child);
            child->Release();
        }
        children->Release();
    }
    element->Release();
    document->Release();
    SysFreeString(text);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void XmlDocument(benchmark::State& state) {
    const Callbacks& c = Registered();
    Slot document;
    for (auto _ : state) {
        ParseThroughAdapter(document, MebibyteDocument());
        c.destroyDocument(&document);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(MebibyteDocument().size()));
}

void LoadXml(benchmark::State& state) {
    BSTR text = MakeBstr(MebibyteDocument());
    for (auto _ : state) {
        IXMLDOMDocument2* document = NewDocument();
        LoadOrAbort(document, text);
        document->Release();
    }
    SysFreeString(text);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(MebibyteDocument().size()));
}

struct Benchmarks {
    Benchmarks() {
        // Freed memory stays with the process. Otherwise the heap is trimmed
        // after each document and the next one pays the kernel for fresh
        // pages, which on a virtual machine costs several times the parse
        // and varies with the layout of the heap from run to run.
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        benchmark::RegisterBenchmark("BM_ChildNodes", ChildNodes)->Arg(1000)->Arg(100000);
        benchmark::RegisterBenchmark("BM_RawChildNodes", RawChildNodes)->Arg(100000);
        benchmark::RegisterBenchmark("BM_XmlDocument/1MiB", XmlDocument)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_LoadXml/1MiB", LoadXml)->Unit(benchmark::kMillisecond);
    }
} benchmarks;

bool Is(const char* text, std::string_view expected) {
    return text != nullptr && expected == text;
}

} // namespace

// The host side the XML registrations need: registration, removal and
// inspector memory, which lives as long as the program.
extern "C" {

int Register_Type(void*, unsigned, const char* typeName, unsigned, DestroyValueCallback destroy,
                  const char*, const void*) {
    (Is(typeName, "xml dom node") ? Registered().destroyNode : Registered().destroyDocument) =
        destroy;
    return 1;
}

int Register_Property(void*, unsigned, const char* name, const char*, const char* indexType,
                      const char*, const char*, PropertyCallback evaluate, const void* registration,
                      HookCallback) {
    Callbacks& c = Registered();
    if (Is(name, "xml document")) {
        c.xmlDocument = evaluate;
        c.xmlDocumentObject = registration;
    } else if (Is(name, "first child") && Is(indexType, "")) {
        c.firstChild = evaluate;
        c.firstChildObject = registration;
    }
    return 1;
}

int Register_Iterated_Property(void*, unsigned, const char* name, const char*, const char*,
                               const char*, const char*, unsigned,
                               ConstructStateCallback constructState,
                               DestroyStateCallback destroyState, IterationCallback first,
                               IterationCallback next, const void* registration, HookCallback) {
    if (Is(name, "child node")) {
        Callbacks& c = Registered();
        c.constructState = constructState;
        c.destroyState = destroyState;
        c.childFirst = first;
        c.childNext = next;
        c.childNodesObject = registration;
    }
    return 1;
}

int Register_Cast(void*, unsigned, const char*, const char*, const char*, CastCallback, const void*,
                  HookCallback) {
    return 1;
}

int Unregister_Type(void*) {
    return 1;
}
int Unregister_Property(void*) {
    return 1;
}
int Unregister_Cast(void*) {
    return 1;
}

void* Allocate_Inspector_Memory(unsigned size) {
    static std::vector<std::unique_ptr<std::byte[]>> blocks;
    return blocks.emplace_back(std::make_unique<std::byte[]>(size + 1)).get();
}

} // extern "C"

BENCHMARK_MAIN();
