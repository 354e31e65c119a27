// Per-thread initialisation and object creation. That a plug-in sees the
// apartment its host entered, through the one shared library that keeps it,
// every query over XML documents in tests/host and tests/tools shows.
#include <gtest/gtest.h>
#include <msxml2.h>
#include <objbase.h>
#include <thread>

namespace {

HRESULT CreateDocument(REFIID iid, void** object, DWORD context = CLSCTX_INPROC_SERVER) {
    return CoCreateInstance(CLSID_DOMDocument30, nullptr, context, iid, object);
}

TEST(ComRuntime, InitialisationNestsPerThreadAndCreationNeedsIt) {
    void* object = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(CreateDocument(IID_IUnknown, &object), CO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    std::thread([] {
        void* other = nullptr;
        EXPECT_EQ(CreateDocument(IID_IUnknown, &other), CO_E_NOTINITIALIZED);
    }).join();
    CoUninitialize();
    ASSERT_EQ(CreateDocument(IID_IUnknown, &object), S_OK);
    static_cast<IUnknown*>(object)->Release();
    CoUninitialize();
    EXPECT_EQ(CreateDocument(IID_IUnknown, &object), CO_E_NOTINITIALIZED);
}

TEST(ComRuntime, CreationAnswersForClassesInterfacesAndContexts) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    const CLSID unknownClass{0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(unknownClass, nullptr, CLSCTX_ALL, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CreateDocument(IID_IUnknown, &object, CLSCTX_LOCAL_SERVER), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CreateDocument(IID_IXMLDOMNodeList, &object, CLSCTX_ALL), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CreateDocument(IID_IUnknown, nullptr, CLSCTX_ALL), E_POINTER);
    CoUninitialize();
}

} // namespace
