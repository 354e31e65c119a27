// Linked into every fuzz target and corpus replay: a failed internal check is
// reported and then carries on, which would hide it from a fuzzer, so the
// platform's breakpoint is asked to end the process instead.
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    setenv("VERITOR_BREAK_ABORTS", "1", 1);
    return 0;
}
