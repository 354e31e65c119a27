// Reads the dynamic symbol table of a shared library file: what it offers to
// and what it needs from the process that loads it.
#pragma once

#include <string>
#include <vector>

// Global and weak symbols the library defines (its exports).
std::vector<std::string> DefinedDynamicSymbols(const std::string& path);
// Symbols the library leaves to the loading process.
std::vector<std::string> UndefinedDynamicSymbols(const std::string& path);
