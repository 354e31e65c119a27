// Variant life cycle: the kinds that own something (strings, interfaces) are
// the only ones whose copy and clear do more than move bits.
#include <oleauto.h>

namespace {

bool IsKnownKind(VARTYPE type) {
    switch (type) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BSTR:
    case VT_ERROR:
    case VT_BOOL:
    case VT_UNKNOWN:
    case VT_UI1:
    case VT_I8:
        return true;
    default:
        return false;
    }
}

} // namespace

void VariantInit(VARIANTARG* variant) {
    variant->vt = VT_EMPTY;
    variant->wReserved1 = variant->wReserved2 = variant->wReserved3 = 0;
    variant->llVal = 0;
}

HRESULT VariantClear(VARIANTARG* variant) {
    if (variant == nullptr) {
        return E_INVALIDARG;
    }
    if (!IsKnownKind(variant->vt)) {
        return DISP_E_BADVARTYPE;
    }
    if (variant->vt == VT_BSTR) {
        SysFreeString(variant->bstrVal);
    } else if (variant->vt == VT_UNKNOWN && variant->punkVal != nullptr) {
        variant->punkVal->Release();
    }
    VariantInit(variant);
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* destination, const VARIANTARG* source) {
    if (destination == nullptr || source == nullptr) {
        return E_INVALIDARG;
    }
    if (!IsKnownKind(source->vt)) {
        return DISP_E_BADVARTYPE;
    }
    if (destination == source) {
        return S_OK;
    }
    VARIANT copy = *source;
    if (source->vt == VT_BSTR && source->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(source->bstrVal),
                                             SysStringByteLen(source->bstrVal));
        if (copy.bstrVal == nullptr) {
            return E_OUTOFMEMORY;
        }
    } else if (source->vt == VT_UNKNOWN && source->punkVal != nullptr) {
        source->punkVal->AddRef();
    }
    const HRESULT cleared = VariantClear(destination);
    if (FAILED(cleared)) {
        VariantClear(&copy);
        return cleared;
    }
    *destination = copy;
    return S_OK;
}
