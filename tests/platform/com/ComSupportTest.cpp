// Conversions of the counted interface pointer, its failure hook, and the
// template library's variant copy.
#include <atlbase.h>
#include <comdef.h>
#include <gtest/gtest.h>

namespace {

// An object that answers for IXMLDOMNodeList only, or fails every question
// with a chosen code. Reference counts are the sanitizers' to watch: every
// interface pointer of the DOM and XML vocabulary tests is counted.
class Refusing final : public IXMLDOMNodeList {
public:
    explicit Refusing(HRESULT refusal)
        : refusal_(refusal) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        const bool answers =
            refusal_ == S_OK && (iid == IID_IUnknown || iid == IID_IXMLDOMNodeList);
        *object = answers ? static_cast<IXMLDOMNodeList*>(this) : nullptr;
        return answers ? S_OK : refusal_ == S_OK ? E_NOINTERFACE : refusal_;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP get_item(LONG, IXMLDOMNode**) override { return E_NOTIMPL; }
    STDMETHODIMP get_length(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP nextNode(IXMLDOMNode**) override { return E_NOTIMPL; }
    STDMETHODIMP reset() override { return E_NOTIMPL; }

private:
    HRESULT refusal_;
};

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

// A refused conversion gives null. The hook throws _com_error by default, for
// a null pointer used and for a failed conversion other than a refusal; a
// handler replaces it until reset.
TEST(ComErrorHook, ThrowsComErrorUnlessReplaced) {
    Refusing answering(S_OK), failing(E_OUTOFMEMORY);
    const IUnknownPtr answers(static_cast<IUnknown*>(&answering));
    EXPECT_TRUE(IXMLDOMNodeListPtr(answers) && !IXMLDOMNodePtr(answers));
    IXMLDOMNodeListPtr empty;
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
