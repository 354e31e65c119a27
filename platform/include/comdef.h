// The compiler's COM support as far as this project uses it: the counted
// interface pointer _com_ptr_t with its typedefs, the exception _com_error,
// and the failure hook that every failing operation of this layer goes
// through (_com_issue_error), which a program replaces with
// _set_com_error_handler. The default handler throws _com_error.
#pragma once

#include "msxml2.h"
#include "objbase.h"
#include "oleauto.h"
#include "unknwn.h"

#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>

// The error information object that may accompany a failure. Nothing here
// creates one; the hook receives null.
struct IErrorInfo : IUnknown {
    STDMETHOD(GetGUID)(GUID* guid) PURE;
    STDMETHOD(GetSource)(BSTR* source) PURE;
    STDMETHOD(GetDescription)(BSTR* description) PURE;
    STDMETHOD(GetHelpFile)(BSTR* helpFile) PURE;
    STDMETHOD(GetHelpContext)(DWORD* helpContext) PURE;

protected:
    ~IErrorInfo() = default;
};

inline constexpr IID IID_IErrorInfo{
    0x1CF2B120, 0x547D, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};
template <>
struct InterfaceIdOf<IErrorInfo> {
    static constexpr const IID& value = IID_IErrorInfo;
};

class _com_error {
public:
    explicit _com_error(HRESULT hr, IErrorInfo* errorInfo = nullptr, bool addRef = false);
    _com_error(const _com_error& other);
    _com_error& operator=(const _com_error& other);
    virtual ~_com_error();

    HRESULT Error() const noexcept { return hr_; }
    IErrorInfo* ErrorInfo() const;

private:
    HRESULT hr_;
    IErrorInfo* errorInfo_;
};

// The failure hook. It is expected not to return; if a replacement handler
// does return, the operation that failed carries on as the documentation of
// that operation says (a null pointer, usually).
void _com_issue_error(HRESULT hr);
void _com_issue_errorex(HRESULT hr, IUnknown* object, REFIID iid);
void _set_com_error_handler(void (*handler)(HRESULT hr, IErrorInfo* errorInfo));

// Binds an interface to its identifier for _com_ptr_t.
template <class Interface, const IID* Iid>
class _com_IIID {
public:
    using Interface_t = Interface;
    static const IID& GetIID() { return *Iid; }
};

template <class IIID>
class _com_ptr_t {
public:
    using Interface = typename IIID::Interface_t;

    static const IID& GetIID() { return IIID::GetIID(); }

    _com_ptr_t() noexcept = default;
    _com_ptr_t(std::nullptr_t) noexcept {}
    // NULL, which is an integer here; any other integer is refused.
    template <class Null>
    requires std::is_integral_v<Null> _com_ptr_t(Null null) {
        if (null != 0) {
            _com_issue_error(E_POINTER);
        }
    }
    // Takes a reference unless `addRef` is false (ownership is handed over).
    _com_ptr_t(Interface* pointer, bool addRef = true) noexcept
        : pointer_(pointer) {
        if (pointer_ != nullptr && addRef) {
            pointer_->AddRef();
        }
    }
    _com_ptr_t(const _com_ptr_t& other) noexcept
        : _com_ptr_t(other.pointer_) {}
    _com_ptr_t(_com_ptr_t&& other) noexcept
        : pointer_(other.pointer_) {
        other.pointer_ = nullptr;
    }

    // From a pointer of another interface: asks the object for this one. A
    // refusal (E_NOINTERFACE) leaves the pointer null; any other failure
    // goes to the failure hook.
    template <class OtherIIID>
    _com_ptr_t(const _com_ptr_t<OtherIIID>& other) {
        QueryFrom(other.GetInterfacePtr());
    }
    template <class Other>
    requires(!std::is_convertible_v<Other*, Interface*>) explicit _com_ptr_t(Other* other) {
        QueryFrom(other);
    }

    // Creates an object of `clsid`; a failure other than E_NOINTERFACE goes
    // to the failure hook.
    explicit _com_ptr_t(REFCLSID clsid, IUnknown* outer = nullptr, DWORD context = CLSCTX_ALL) {
        const HRESULT hr = CreateInstance(clsid, outer, context);
        if (FAILED(hr) && hr != E_NOINTERFACE) {
            _com_issue_error(hr);
        }
    }

    ~_com_ptr_t() { Release(); }

    _com_ptr_t& operator=(const _com_ptr_t& other) { return *this = other.pointer_; }
    // std::addressof: operator& is the out-parameter slot, which releases.
    _com_ptr_t& operator=(_com_ptr_t&& other) noexcept {
        if (this != std::addressof(other)) {
            Release();
            pointer_ = other.pointer_;
            other.pointer_ = nullptr;
        }
        return *this;
    }
    // The new pointer gains its reference before the old one loses its own,
    // so assigning a pointer to itself is safe.
    _com_ptr_t& operator=(Interface* pointer) {
        if (pointer != nullptr) {
            pointer->AddRef();
        }
        Interface* old = pointer_;
        pointer_ = pointer;
        if (old != nullptr) {
            old->Release();
        }
        return *this;
    }
    _com_ptr_t& operator=(std::nullptr_t) {
        Release();
        return *this;
    }
    template <class Null>
    requires std::is_integral_v<Null> _com_ptr_t& operator=(Null null) {
        if (null != 0) {
            _com_issue_error(E_POINTER);
            return *this;
        }
        Release();
        return *this;
    }
    template <class OtherIIID>
    _com_ptr_t& operator=(const _com_ptr_t<OtherIIID>& other) {
        _com_ptr_t converted(other);
        return *this = std::move(converted);
    }

    // Returns the result code; never goes to the failure hook.
    HRESULT CreateInstance(REFCLSID clsid, IUnknown* outer = nullptr, DWORD context = CLSCTX_ALL) {
        Release();
        return CoCreateInstance(clsid, outer, context, GetIID(),
                                reinterpret_cast<void**>(&pointer_));
    }

    void Attach(Interface* pointer) noexcept {
        Release();
        pointer_ = pointer;
    }
    Interface* Detach() noexcept {
        Interface* pointer = pointer_;
        pointer_ = nullptr;
        return pointer;
    }
    void Release() noexcept {
        if (pointer_ != nullptr) {
            Interface* old = pointer_;
            pointer_ = nullptr;
            old->Release();
        }
    }
    void AddRef() {
        if (pointer_ == nullptr) {
            _com_issue_error(E_POINTER);
            return;
        }
        pointer_->AddRef();
    }

    Interface* GetInterfacePtr() const noexcept { return pointer_; }
    operator Interface*() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // Using a null pointer goes to the failure hook with E_POINTER.
    Interface* operator->() const {
        if (pointer_ == nullptr) {
            _com_issue_error(E_POINTER);
        }
        return pointer_;
    }
    Interface& operator*() const {
        if (pointer_ == nullptr) {
            _com_issue_error(E_POINTER);
        }
        return *pointer_;
    }
    // For out-parameters: releases what is held and gives the slot.
    Interface** operator&() noexcept {
        Release();
        return &pointer_;
    }

    template <class Other>
    HRESULT QueryInterface(REFIID iid, Other** result) const {
        if (pointer_ == nullptr) {
            return E_POINTER;
        }
        return pointer_->QueryInterface(iid, reinterpret_cast<void**>(result));
    }

private:
    template <class Other>
    void QueryFrom(Other* other) {
        if (other == nullptr) {
            return;
        }
        Interface* result = nullptr;
        const HRESULT hr = other->QueryInterface(GetIID(), reinterpret_cast<void**>(&result));
        if (SUCCEEDED(hr)) {
            pointer_ = result;
        } else if (hr != E_NOINTERFACE) {
            _com_issue_error(hr);
        }
    }

    Interface* pointer_ = nullptr;
};

#define _COM_SMARTPTR_TYPEDEF(Interface, iid)                                                      \
    using Interface##Ptr = _com_ptr_t<_com_IIID<Interface, &(iid)>>

_COM_SMARTPTR_TYPEDEF(IUnknown, IID_IUnknown);
_COM_SMARTPTR_TYPEDEF(IErrorInfo, IID_IErrorInfo);
_COM_SMARTPTR_TYPEDEF(IXMLDOMNode, IID_IXMLDOMNode);
_COM_SMARTPTR_TYPEDEF(IXMLDOMDocument, IID_IXMLDOMDocument);
_COM_SMARTPTR_TYPEDEF(IXMLDOMDocument2, IID_IXMLDOMDocument2);
_COM_SMARTPTR_TYPEDEF(IXMLDOMNodeList, IID_IXMLDOMNodeList);
_COM_SMARTPTR_TYPEDEF(IXMLDOMNamedNodeMap, IID_IXMLDOMNamedNodeMap);
