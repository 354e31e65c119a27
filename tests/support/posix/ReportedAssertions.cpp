// Standard error, where the platform layer writes the debugger output, is
// redirected into an unnamed file while in scope.
#include "tests/support/ReportedAssertions.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

struct ReportedAssertions::Capture {
    int savedDescriptor;
    int captureDescriptor;
};

ReportedAssertions::ReportedAssertions()
    : capture(std::make_unique<Capture>()) {
    std::fflush(stderr);
    std::FILE* file = std::tmpfile();
    if (file == nullptr) {
        throw std::runtime_error("cannot create a file to capture standard error");
    }
    capture->captureDescriptor = dup(fileno(file));
    std::fclose(file);
    capture->savedDescriptor = dup(STDERR_FILENO);
    dup2(capture->captureDescriptor, STDERR_FILENO);
}

ReportedAssertions::~ReportedAssertions() {
    const std::string text = Output();
    dup2(capture->savedDescriptor, STDERR_FILENO);
    close(capture->savedDescriptor);
    close(capture->captureDescriptor);
    std::fwrite(text.data(), 1, text.size(), stderr);
}

std::string ReportedAssertions::Output() const {
    std::fflush(stderr);
    // A file opened again reads from its start.
    std::ifstream file("/proc/self/fd/" + std::to_string(capture->captureDescriptor));
    return std::string(std::istreambuf_iterator<char>(file), {});
}
