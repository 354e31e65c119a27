// The template library's counted strings and variants are not part of
// mingw-w64: the project's own header, which is written against the
// automation API's declarations, serves on the real API as well.
#pragma once

// clang-format off
// Each header needs those before it.
#include <windows.h>
#include <oleauto.h>
#include "../../include/atlcomcli.h"
// clang-format on
