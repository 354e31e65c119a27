// The template library's counted strings and variants, as far as this
// project uses them. Copying a variant that cannot be copied throws
// ATL::CAtlException with the result code, as the library does by default.
#pragma once

#include <oleauto.h>
#include <utility>

namespace ATL {

class CAtlException {
public:
    explicit CAtlException(HRESULT hr) noexcept
        : m_hr(hr) {}
    operator HRESULT() const noexcept { return m_hr; }

    HRESULT m_hr;
};

[[noreturn]] inline void AtlThrow(HRESULT hr) {
    throw CAtlException(hr);
}

class CComBSTR {
public:
    CComBSTR() noexcept = default;
    CComBSTR(LPCOLESTR text)
        : m_str(SysAllocString(text)) {
        if (text != nullptr && m_str == nullptr) {
            AtlThrow(E_OUTOFMEMORY);
        }
    }
    CComBSTR(int length, LPCOLESTR text)
        : m_str(SysAllocStringLen(text, static_cast<UINT>(length))) {
        if (m_str == nullptr) {
            AtlThrow(E_OUTOFMEMORY);
        }
    }
    CComBSTR(const CComBSTR& other)
        : m_str(other.Copy()) {
        if (other.m_str != nullptr && m_str == nullptr) {
            AtlThrow(E_OUTOFMEMORY);
        }
    }
    CComBSTR(CComBSTR&& other) noexcept
        : m_str(std::exchange(other.m_str, nullptr)) {}
    ~CComBSTR() { SysFreeString(m_str); }

    CComBSTR& operator=(CComBSTR other) noexcept {
        std::swap(m_str, other.m_str);
        return *this;
    }

    unsigned int Length() const noexcept { return SysStringLen(m_str); }
    unsigned int ByteLength() const noexcept { return SysStringByteLen(m_str); }
    operator BSTR() const noexcept { return m_str; }
    BSTR* operator&() noexcept { return &m_str; }

    BSTR Copy() const {
        return m_str == nullptr ? nullptr
                                : SysAllocStringByteLen(reinterpret_cast<LPCSTR>(m_str),
                                                        SysStringByteLen(m_str));
    }
    void Attach(BSTR text) noexcept {
        SysFreeString(m_str);
        m_str = text;
    }
    BSTR Detach() noexcept { return std::exchange(m_str, nullptr); }
    void Empty() noexcept {
        SysFreeString(m_str);
        m_str = nullptr;
    }

    BSTR m_str = nullptr;
};

class CComVariant : public tagVARIANT {
public:
    CComVariant() noexcept { VariantInit(this); }
    CComVariant(const VARIANT& source) {
        VariantInit(this);
        InternalCopy(&source);
    }
    CComVariant(const CComVariant& source)
        : CComVariant(static_cast<const VARIANT&>(source)) {}
    CComVariant(LPCOLESTR text) {
        VariantInit(this);
        vt = VT_BSTR;
        bstrVal = SysAllocString(text);
        if (text != nullptr && bstrVal == nullptr) {
            vt = VT_ERROR;
            scode = E_OUTOFMEMORY;
            AtlThrow(E_OUTOFMEMORY);
        }
    }
    CComVariant(bool value) noexcept {
        VariantInit(this);
        vt = VT_BOOL;
        boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    CComVariant(int value) noexcept {
        VariantInit(this);
        vt = VT_I4;
        lVal = value;
    }
    CComVariant(double value) noexcept {
        VariantInit(this);
        vt = VT_R8;
        dblVal = value;
    }
    ~CComVariant() { Clear(); }

    CComVariant& operator=(const CComVariant& source) {
        if (this != &source) {
            InternalCopy(&source);
        }
        return *this;
    }
    CComVariant& operator=(const VARIANT& source) {
        if (static_cast<const VARIANT*>(this) != &source) {
            InternalCopy(&source);
        }
        return *this;
    }

    HRESULT Clear() noexcept { return VariantClear(this); }
    // Some declarations of the automation API take the sources as non-const;
    // they are only read.
    HRESULT Copy(const VARIANT* source) noexcept {
        return VariantCopy(this, const_cast<VARIANT*>(source));
    }
    // Converts in place, or from `source` when one is given.
    HRESULT ChangeType(VARTYPE type, const VARIANT* source = nullptr) noexcept {
        return VariantChangeType(this, const_cast<VARIANT*>(source != nullptr ? source : this), 0,
                                 type);
    }
    // Moves the value into `destination`, which is cleared first.
    HRESULT Detach(VARIANT* destination) noexcept {
        const HRESULT cleared = VariantClear(destination);
        if (FAILED(cleared)) {
            return cleared;
        }
        *destination = *this;
        VariantInit(this);
        return S_OK;
    }

private:
    void InternalCopy(const VARIANT* source) {
        const HRESULT hr = Copy(source);
        if (FAILED(hr)) {
            Clear();
            vt = VT_ERROR;
            scode = hr;
            AtlThrow(hr);
        }
    }
};

} // namespace ATL
