// Code-page conversion. The system's ANSI code page (CP_ACP) is UTF-8 here,
// so every supported code page converts as CP_UTF8 does on Windows: invalid
// byte sequences become U+FFFD, unpaired surrogates become U+FFFD on the way
// back, and the ...ERR_INVALID_CHARS flags turn either into a failure.
#pragma once

#include "win/basetypes.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_COMPOSITE 0x00000002
#define MB_USEGLYPHCHARS 0x00000004
#define MB_ERR_INVALID_CHARS 0x00000008

#define WC_COMPOSITECHECK 0x00000200
#define WC_DISCARDNS 0x00000010
#define WC_SEPCHARS 0x00000020
#define WC_DEFAULTCHAR 0x00000040
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_NO_BEST_FIT_CHARS 0x00000400

#ifndef ERROR_INVALID_FLAGS
#define ERROR_INVALID_FLAGS 1004L
#endif
#ifndef ERROR_NO_UNICODE_TRANSLATION
#define ERROR_NO_UNICODE_TRANSLATION 1113L
#endif

// With cchWideChar == 0 returns the number of UTF-16 units needed; with -1 the
// input ends at (and the count includes) its terminating zero. Returns 0 and
// sets the last error on failure: ERROR_INVALID_PARAMETER (bad pointers or
// lengths, unknown code page), ERROR_INVALID_FLAGS, ERROR_INSUFFICIENT_BUFFER,
// ERROR_NO_UNICODE_TRANSLATION (with MB_ERR_INVALID_CHARS). The ANSI code
// pages also accept MB_PRECOMPOSED and MB_USEGLYPHCHARS, which change nothing.
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);

// The mirror image of MultiByteToWideChar. As for CP_UTF8 on Windows, a
// default character cannot be given: lpDefaultChar and lpUsedDefaultChar must
// be null. The ANSI code pages also accept WC_NO_BEST_FIT_CHARS, which changes
// nothing.
int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                               LPBOOL lpUsedDefaultChar);

// The length of a zero-terminated text in bytes; 0 for a null pointer.
int WINAPI lstrlenA(LPCSTR lpString);
