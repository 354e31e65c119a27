// A broken property aborts the fuzz target, which makes libFuzzer keep the
// input; the message names the condition and where it is checked.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void Broken(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, condition);
    std::abort();
}

#define CHECK(holds) ((holds) ? void() : Broken(__FILE__, __LINE__, #holds))
