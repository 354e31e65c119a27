// Thread error codes, the system's message texts, and local memory blocks.
#pragma once

#include "win/basetypes.h"

#include <cstdarg>

#define ERROR_SUCCESS 0L
#define ERROR_INVALID_FUNCTION 1L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MR_MID_NOT_FOUND 317L
#define ERROR_RESOURCE_LANG_NOT_FOUND 1815L

DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD dwErrCode);

#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x00000100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_STRING 0x00000400
#define FORMAT_MESSAGE_FROM_HMODULE 0x00000800
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define FORMAT_MESSAGE_ARGUMENT_ARRAY 0x00002000
#define FORMAT_MESSAGE_MAX_WIDTH_MASK 0x000000FF

#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01
#define MAKELANGID(primary, sub) ((static_cast<WORD>(sub) << 10) | static_cast<WORD>(primary))

// Only system messages (FORMAT_MESSAGE_FROM_SYSTEM) are available, in
// English. With FORMAT_MESSAGE_ALLOCATE_BUFFER, lpBuffer is really an LPSTR*
// that receives a block to be freed with LocalFree. The system texts have no
// inserts, so Arguments is never read. Returns the number of characters
// stored (without the terminating zero), or 0 with the last error set.
DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                            LPSTR lpBuffer, DWORD nSize, va_list* Arguments);

#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

// Fixed blocks only (LMEM_FIXED, optionally LMEM_ZEROINIT); the handle is
// the address of the block. Returns NULL with the last error set on failure.
HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes);

// Returns NULL on success. A handle that LocalAlloc did not return (or that
// was freed already) is refused: the handle is returned and the last error is
// ERROR_INVALID_HANDLE. NULL is ignored.
HLOCAL WINAPI LocalFree(HLOCAL hMem);
