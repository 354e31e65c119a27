// The basic Windows data types. Windows is an LLP64 platform: LONG and DWORD
// are 32 bits wide whatever the width of a pointer, so they are spelled with
// fixed-width types here rather than with long.
#pragma once

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using INT = int;
using UINT = unsigned int;
using BOOL = int;
using CHAR = char;
using WCHAR = char16_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;

using LPSTR = CHAR*;
using LPCSTR = const CHAR*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPCCH = const CHAR*;
using LPCWCH = const WCHAR*;
using LPBOOL = BOOL*;
using PVOID = void*;
using LPVOID = void*;
using LPCVOID = const void*;
using HLOCAL = void*;
using HANDLE = void*;
using SIZE_T = std::size_t;

using HRESULT = LONG;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Calling-convention and linkage decorations have no meaning on this
// platform; they are kept so that declarations read as they do on Windows.
#define WINAPI
#define STDMETHODCALLTYPE
#define STDAPI extern "C" HRESULT

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
};

#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

// Result codes are 32-bit patterns; the casts keep them of type HRESULT.
#define MAKE_HRESULT_CONSTANT(value) static_cast<HRESULT>(static_cast<DWORD>(value))
#define S_OK MAKE_HRESULT_CONSTANT(0x00000000)
#define S_FALSE MAKE_HRESULT_CONSTANT(0x00000001)
#define E_NOTIMPL MAKE_HRESULT_CONSTANT(0x80004001)
#define E_NOINTERFACE MAKE_HRESULT_CONSTANT(0x80004002)
#define E_POINTER MAKE_HRESULT_CONSTANT(0x80004003)
#define E_FAIL MAKE_HRESULT_CONSTANT(0x80004005)
#define E_UNEXPECTED MAKE_HRESULT_CONSTANT(0x8000FFFF)
#define E_OUTOFMEMORY MAKE_HRESULT_CONSTANT(0x8007000E)
#define E_INVALIDARG MAKE_HRESULT_CONSTANT(0x80070057)
#define DISP_E_TYPEMISMATCH MAKE_HRESULT_CONSTANT(0x80020005)
#define DISP_E_OVERFLOW MAKE_HRESULT_CONSTANT(0x8002000A)
#define CO_E_NOTINITIALIZED MAKE_HRESULT_CONSTANT(0x800401F0)
#define REGDB_E_CLASSNOTREG MAKE_HRESULT_CONSTANT(0x80040154)
#define RPC_E_CHANGED_MODE MAKE_HRESULT_CONSTANT(0x80010106)
#define CLASS_E_NOAGGREGATION MAKE_HRESULT_CONSTANT(0x80040110)
#define DISP_E_BADVARTYPE MAKE_HRESULT_CONSTANT(0x80020008)

#define FACILITY_WIN32 7
#define HRESULT_FROM_WIN32(x)                                                                      \
    (static_cast<HRESULT>(x) <= 0                                                                  \
         ? static_cast<HRESULT>(x)                                                                 \
         : static_cast<HRESULT>((static_cast<DWORD>(x) & 0x0000FFFF) | (FACILITY_WIN32 << 16) |    \
                                0x80000000))
