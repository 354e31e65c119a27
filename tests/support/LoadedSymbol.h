// Reaching into a library only while something else keeps it loaded.
#pragma once

// The address of `symbol` in the library at `path` if the library is loaded
// in this process; null otherwise. Neither loads nor pins the library.
void (*LoadedSymbol(const char* path, const char* symbol))();
