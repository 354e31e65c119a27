// The counted interface pointer, its failure hook, and the template
// library's variant copy.
#include <atlbase.h>
#include <comdef.h>
#include <gtest/gtest.h>

namespace {

// A counted object that answers for IXMLDOMNodeList only, or fails every
// question with a chosen code.
class Counted final : public IXMLDOMNodeList {
public:
    explicit Counted(HRESULT refusal = E_NOINTERFACE)
        : refusal_(refusal) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        *object = nullptr;
        if (refusal_ == S_OK && (iid == IID_IUnknown || iid == IID_IXMLDOMNodeList)) {
            *object = static_cast<IXMLDOMNodeList*>(this);
            AddRef();
            return S_OK;
        }
        return refusal_ == S_OK ? E_NOINTERFACE : refusal_;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++count; }
    STDMETHODIMP_(ULONG) Release() override { return --count; }
    STDMETHODIMP get_item(LONG, IXMLDOMNode**) override { return E_NOTIMPL; }
    STDMETHODIMP get_length(LONG* length) override {
        *length = 7;
        return S_OK;
    }
    STDMETHODIMP nextNode(IXMLDOMNode**) override { return E_NOTIMPL; }
    STDMETHODIMP reset() override { return S_OK; }

    ULONG count = 1;

private:
    HRESULT refusal_;
};

TEST(ComPtr, CopiesAddReferencesAndDestructionReleasesThem) {
    Counted object(S_OK);
    {
        IXMLDOMNodeListPtr first(&object);
        EXPECT_EQ(object.count, 2u);
        IXMLDOMNodeListPtr second = first;
        EXPECT_EQ(object.count, 3u);
        second = first; // self-equal assignment keeps the count
        EXPECT_EQ(object.count, 3u);
        second = NULL; // Windows code spells it so
        EXPECT_EQ(object.count, 2u);
        EXPECT_FALSE(IXMLDOMNodeListPtr(NULL));
        IXMLDOMNodeListPtr moved = std::move(first);
        EXPECT_EQ(object.count, 2u);
        EXPECT_FALSE(first);
    }
    EXPECT_EQ(object.count, 1u);
}

TEST(ComPtr, ConversionAsksTheObjectAndARefusalGivesNull) {
    Counted object(S_OK);
    IUnknownPtr unknown(static_cast<IUnknown*>(&object));
    IXMLDOMNodeListPtr list(unknown);
    EXPECT_TRUE(list);
    IXMLDOMNodePtr node(unknown);
    EXPECT_FALSE(node);
    list = nullptr;
    unknown = nullptr;
    EXPECT_EQ(object.count, 1u);
}

class ComErrorHook : public ::testing::Test {
protected:
    ~ComErrorHook() override { _set_com_error_handler(nullptr); }
};

TEST_F(ComErrorHook, ByDefaultThrowsComErrorForANullPointer) {
    IXMLDOMNodeListPtr empty;
    try {
        // Only the arrow itself: a call through it would be through null
        // should the hook return, which GCC at -O3 reports (-Wnonnull).
        static_cast<void>(empty.operator->());
        FAIL() << "no exception";
    } catch (const _com_error& error) {
        EXPECT_EQ(error.Error(), E_POINTER);
    }
}

TEST_F(ComErrorHook, AFailedConversionOtherThanNoInterfaceGoesToTheHook) {
    Counted object(E_OUTOFMEMORY);
    IUnknownPtr unknown(static_cast<IUnknown*>(&object));
    EXPECT_THROW(IXMLDOMNodeListPtr{unknown}, _com_error);
}

struct HookError {
    HRESULT hr;
};

void ThrowHookError(HRESULT hr, IErrorInfo* info) {
    EXPECT_EQ(info, nullptr);
    throw HookError{hr};
}

TEST_F(ComErrorHook, AnInstalledHandlerReplacesTheDefault) {
    _set_com_error_handler(&ThrowHookError);
    try {
        _com_issue_error(E_FAIL);
        FAIL() << "no exception";
    } catch (const HookError& error) {
        EXPECT_EQ(error.hr, E_FAIL);
    }
    IXMLDOMNodeListPtr empty;
    EXPECT_THROW(empty.AddRef(), HookError);
}

TEST(CComVariant, AFailedCopyThrowsCAtlExceptionWithTheCode) {
    VARIANT odd;
    VariantInit(&odd);
    odd.vt = 0x7FFF;
    try {
        ATL::CComVariant copy(odd);
        FAIL() << "no exception";
    } catch (const ATL::CAtlException& error) {
        EXPECT_EQ(static_cast<HRESULT>(error), DISP_E_BADVARTYPE);
    }
}

TEST(CComVariant, CopiesAndConvertsStrings) {
    ATL::CComVariant text(u"abc");
    ATL::CComVariant copy(text);
    EXPECT_NE(copy.bstrVal, text.bstrVal);
    ATL::CComVariant number(42);
    ASSERT_EQ(number.ChangeType(VT_BSTR), S_OK);
    EXPECT_EQ(std::u16string(number.bstrVal, SysStringLen(number.bstrVal)), u"42");
}

} // namespace
