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
    explicit Counted(HRESULT refusal)
        : refusal_(refusal) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        const bool answers =
            refusal_ == S_OK && (iid == IID_IUnknown || iid == IID_IXMLDOMNodeList);
        *object = answers ? static_cast<IXMLDOMNodeList*>(this) : nullptr;
        count += answers ? 1 : 0;
        return answers ? S_OK : refusal_ == S_OK ? E_NOINTERFACE : refusal_;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++count; }
    STDMETHODIMP_(ULONG) Release() override { return --count; }
    STDMETHODIMP get_item(LONG, IXMLDOMNode**) override { return E_NOTIMPL; }
    STDMETHODIMP get_length(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP nextNode(IXMLDOMNode**) override { return E_NOTIMPL; }
    STDMETHODIMP reset() override { return E_NOTIMPL; }

    ULONG count = 1;

private:
    HRESULT refusal_;
};

TEST(ComPtr, CountsReferencesAndConvertsByAskingTheObject) {
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
        IXMLDOMNodeListPtr moved = std::move(first);
        EXPECT_EQ(object.count, 2u);
        EXPECT_FALSE(first);
        // A refusal gives null.
        IUnknownPtr unknown(static_cast<IUnknown*>(&object));
        EXPECT_TRUE(IXMLDOMNodeListPtr(unknown));
        EXPECT_FALSE(IXMLDOMNodePtr(unknown));
    }
    EXPECT_EQ(object.count, 1u);
}

struct HookError {
    HRESULT hr;
};

// The code of what `use` throws, or S_OK.
template <class Use>
HRESULT CodeOf(Use use) {
    try {
        use();
    } catch (const _com_error& error) {
        return error.Error();
    } catch (const HookError& error) {
        return error.hr;
    } catch (const ATL::CAtlException& error) {
        return error;
    }
    return S_OK;
}

// The hook throws _com_error by default, for a null pointer used and for a
// failed conversion other than a refusal; a handler replaces it until reset.
TEST(ComErrorHook, ThrowsComErrorUnlessReplaced) {
    IXMLDOMNodeListPtr empty;
    Counted failing(E_OUTOFMEMORY);
    IUnknownPtr unknown(static_cast<IUnknown*>(&failing));
    // Only the arrow itself: a call through it would be through null should
    // the hook return, which GCC at -O3 reports (-Wnonnull).
    EXPECT_EQ(CodeOf([&] { static_cast<void>(empty.operator->()); }), E_POINTER);
    EXPECT_EQ(CodeOf([&] { IXMLDOMNodeListPtr{unknown}; }), E_OUTOFMEMORY);
    _set_com_error_handler([](HRESULT hr, IErrorInfo* info) {
        EXPECT_EQ(info, nullptr);
        throw HookError{hr};
    });
    EXPECT_THROW(empty.AddRef(), HookError);
    EXPECT_EQ(CodeOf([] { _com_issue_error(E_FAIL); }), E_FAIL);
    _set_com_error_handler(nullptr);
    EXPECT_THROW(_com_issue_error(E_FAIL), _com_error);
}

TEST(CComVariant, AFailedCopyThrowsCAtlExceptionWithTheCode) {
    VARIANT odd;
    VariantInit(&odd);
    odd.vt = 0x7FFF;
    EXPECT_EQ(CodeOf([&] { ATL::CComVariant copy(odd); }), DISP_E_BADVARTYPE);
}

} // namespace
