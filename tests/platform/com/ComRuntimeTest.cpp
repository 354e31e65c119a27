// Per-thread initialisation and object creation.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <msxml2.h>
#include <objbase.h>
#include <thread>

namespace {

TEST(ComRuntime, CreationNeedsAnInitialisedThread) {
    IUnknown* object = reinterpret_cast<IUnknown*>(0x1);
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);
}

TEST(ComRuntime, InitialisationNestsPerThread) {
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    std::thread other([] {
        IUnknown* object = nullptr;
        EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   reinterpret_cast<void**>(&object)),
                  CO_E_NOTINITIALIZED);
    });
    other.join();
    CoUninitialize();
    IUnknown* object = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              S_OK);
    object->Release();
    CoUninitialize();
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              CO_E_NOTINITIALIZED);
}

TEST(ComRuntime, CreationAnswersForClassesInterfacesAndContexts) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    const CLSID unknownClass{0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(unknownClass, nullptr, CLSCTX_ALL, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(
        CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, &object),
        REGDB_E_CLASSNOTREG);
    EXPECT_EQ(
        CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_ALL, IID_IXMLDOMNodeList, &object),
        E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    for (const IID* iid :
         {&IID_IUnknown, &IID_IXMLDOMNode, &IID_IXMLDOMDocument, &IID_IXMLDOMDocument2}) {
        ASSERT_EQ(
            CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER, *iid, &object),
            S_OK);
        EXPECT_EQ(static_cast<IUnknown*>(object)->Release(), 0u);
    }
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_ALL, IID_IUnknown, nullptr),
              E_POINTER);
    CoUninitialize();
}

// The host and every plug-in link their own copy of the platform layer; the
// initialisation state is shared only because it comes from one library.
TEST(ComRuntime, InitialisationComesFromTheProcessWideLibrary) {
    void* library = dlopen("libveritor_com.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(dlsym(library, "_Z14CoInitializeExPvj"), reinterpret_cast<void*>(&CoInitializeEx));
    dlclose(library);
}

} // namespace
