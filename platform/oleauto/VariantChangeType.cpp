// Variant conversions between the numeric kinds, booleans and strings. Texts
// are written and read in the C locale; Windows would use the user's locale,
// which here is always the C one.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <oleauto.h>
#include <optional>
#include <string>

namespace {

// A source value reduced to one of three shapes before it is written out.
struct Scalar {
    enum class Kind { Integer, Real, Boolean, Text } kind;
    LONGLONG integer = 0;
    double real = 0;
    std::string text;
};

std::optional<Scalar> Read(const VARIANTARG& source) {
    switch (source.vt) {
    case VT_I2:
        return Scalar{Scalar::Kind::Integer, source.iVal, 0, {}};
    case VT_I4:
        return Scalar{Scalar::Kind::Integer, source.lVal, 0, {}};
    case VT_I8:
        return Scalar{Scalar::Kind::Integer, source.llVal, 0, {}};
    case VT_UI1:
        return Scalar{Scalar::Kind::Integer, source.bVal, 0, {}};
    case VT_BOOL:
        return Scalar{Scalar::Kind::Boolean, source.boolVal != 0 ? -1 : 0, 0, {}};
    case VT_R4:
        return Scalar{Scalar::Kind::Real, 0, source.fltVal, {}};
    case VT_R8:
        return Scalar{Scalar::Kind::Real, 0, source.dblVal, {}};
    case VT_BSTR: {
        std::string text;
        const UINT length = SysStringLen(source.bstrVal);
        for (UINT i = 0; i < length; ++i) {
            const char16_t c = source.bstrVal[i];
            // Numbers and boolean words are ASCII; anything else cannot be one.
            text.push_back(c < 0x80 ? static_cast<char>(c) : '\x7f');
        }
        return Scalar{Scalar::Kind::Text, 0, 0, std::move(text)};
    }
    default:
        return std::nullopt;
    }
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool EqualsIgnoringCase(const std::string& text, const char* word) {
    std::size_t i = 0;
    for (; word[i] != 0; ++i) {
        if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) !=
                                    std::tolower(static_cast<unsigned char>(word[i]))) {
            return false;
        }
    }
    return i == text.size();
}

// Texts become numbers; "True" and "False" are accepted as booleans.
HRESULT ToNumber(Scalar& value) {
    if (value.kind != Scalar::Kind::Text) {
        return S_OK;
    }
    const std::string text = Trim(value.text);
    if (EqualsIgnoringCase(text, "true") || EqualsIgnoringCase(text, "false")) {
        value.kind = Scalar::Kind::Boolean;
        value.integer = EqualsIgnoringCase(text, "true") ? -1 : 0;
        return S_OK;
    }
    if (text.empty()) {
        return DISP_E_TYPEMISMATCH;
    }
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || std::isnan(number)) {
        return DISP_E_TYPEMISMATCH;
    }
    if (std::isinf(number)) {
        return DISP_E_OVERFLOW;
    }
    value.kind = Scalar::Kind::Real;
    value.real = number;
    return S_OK;
}

// Windows rounds reals to integers half to even and refuses what does not fit.
HRESULT ToInteger(const Scalar& value, LONGLONG low, LONGLONG high, LONGLONG& result) {
    if (value.kind == Scalar::Kind::Real) {
        const double rounded = std::nearbyint(value.real);
        if (!(rounded >= static_cast<double>(low) && rounded <= static_cast<double>(high)) ||
            rounded >= 9223372036854775808.0) {
            return DISP_E_OVERFLOW;
        }
        result = static_cast<LONGLONG>(rounded);
        return S_OK;
    }
    if (value.integer < low || value.integer > high) {
        return DISP_E_OVERFLOW;
    }
    result = value.integer;
    return S_OK;
}

double ToReal(const Scalar& value) {
    return value.kind == Scalar::Kind::Real ? value.real : static_cast<double>(value.integer);
}

std::string Format(const Scalar& value, VARTYPE sourceType, USHORT flags) {
    char text[64];
    switch (value.kind) {
    case Scalar::Kind::Text:
        return value.text;
    case Scalar::Kind::Boolean:
        if ((flags & VARIANT_ALPHABOOL) != 0 || (flags & VARIANT_LOCALBOOL) != 0) {
            return value.integer != 0 ? "True" : "False";
        }
        return value.integer != 0 ? "-1" : "0";
    case Scalar::Kind::Integer:
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value.integer));
        return text;
    case Scalar::Kind::Real:
        // Single precision carries 7 significant digits, double precision 15.
        std::snprintf(text, sizeof text, sourceType == VT_R4 ? "%.7G" : "%.15G", value.real);
        return text;
    }
    return {};
}

HRESULT Write(const Scalar& source, VARTYPE sourceType, USHORT flags, VARTYPE type,
              VARIANT& result) {
    VariantInit(&result);
    if (type == VT_BSTR) {
        if (source.kind == Scalar::Kind::Text) {
            std::u16string wide(source.text.begin(), source.text.end());
            result.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        } else {
            const std::string text = Format(source, sourceType, flags);
            const std::u16string wide(text.begin(), text.end());
            result.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        }
        if (result.bstrVal == nullptr) {
            return E_OUTOFMEMORY;
        }
        result.vt = VT_BSTR;
        return S_OK;
    }
    Scalar value = source;
    if (const HRESULT parsed = ToNumber(value); FAILED(parsed)) {
        return parsed;
    }
    LONGLONG integer = 0;
    HRESULT status = S_OK;
    switch (type) {
    case VT_I2:
        status = ToInteger(value, std::numeric_limits<SHORT>::min(),
                           std::numeric_limits<SHORT>::max(), integer);
        result.iVal = static_cast<SHORT>(integer);
        break;
    case VT_I4:
        status = ToInteger(value, std::numeric_limits<LONG>::min(),
                           std::numeric_limits<LONG>::max(), integer);
        result.lVal = static_cast<LONG>(integer);
        break;
    case VT_I8:
        status = ToInteger(value, std::numeric_limits<LONGLONG>::min(),
                           std::numeric_limits<LONGLONG>::max(), integer);
        result.llVal = integer;
        break;
    case VT_UI1:
        status = ToInteger(value, 0, 255, integer);
        result.bVal = static_cast<BYTE>(integer);
        break;
    case VT_R4: {
        const double real = ToReal(value);
        if (std::fabs(real) > std::numeric_limits<float>::max()) {
            return DISP_E_OVERFLOW;
        }
        result.fltVal = static_cast<float>(real);
        break;
    }
    case VT_R8:
        result.dblVal = ToReal(value);
        break;
    case VT_BOOL:
        result.boolVal = ToReal(value) != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    default:
        return DISP_E_TYPEMISMATCH;
    }
    if (FAILED(status)) {
        VariantInit(&result);
        return status;
    }
    result.vt = type;
    return S_OK;
}

} // namespace

HRESULT VariantChangeType(VARIANTARG* destination, const VARIANTARG* source, USHORT flags,
                          VARTYPE type) {
    if (destination == nullptr || source == nullptr) {
        return E_INVALIDARG;
    }
    if (source->vt == type) {
        return VariantCopy(destination, source);
    }
    const std::optional<Scalar> value = Read(*source);
    if (!value) {
        return source->vt == VT_EMPTY || source->vt == VT_NULL || source->vt == VT_UNKNOWN ||
                       source->vt == VT_ERROR
                   ? DISP_E_TYPEMISMATCH
                   : DISP_E_BADVARTYPE;
    }
    VARIANT result;
    if (const HRESULT written = Write(*value, source->vt, flags, type, result); FAILED(written)) {
        return written;
    }
    // The source may be the destination: it is read completely before this.
    if (const HRESULT cleared = VariantClear(destination); FAILED(cleared)) {
        VariantClear(&result);
        return cleared;
    }
    *destination = result;
    return S_OK;
}
