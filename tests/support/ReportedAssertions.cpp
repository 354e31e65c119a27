#include "tests/support/ReportedAssertions.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>
#include <unistd.h>

ReportedAssertions::ReportedAssertions() {
    std::fflush(stderr);
    std::FILE* file = std::tmpfile();
    if (file == nullptr) {
        throw std::runtime_error("cannot create a file to capture standard error");
    }
    captureDescriptor = dup(fileno(file));
    std::fclose(file);
    savedDescriptor = dup(STDERR_FILENO);
    dup2(captureDescriptor, STDERR_FILENO);
}

ReportedAssertions::~ReportedAssertions() {
    const std::string text = Output();
    dup2(savedDescriptor, STDERR_FILENO);
    close(savedDescriptor);
    close(captureDescriptor);
    std::fwrite(text.data(), 1, text.size(), stderr);
}

std::string ReportedAssertions::Output() const {
    std::fflush(stderr);
    // A file opened again reads from its start.
    std::ifstream file("/proc/self/fd/" + std::to_string(captureDescriptor));
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool ReportedAssertions::Include(const std::string& condition) const {
    return Output().find(": " + condition + "\n") != std::string::npos;
}

std::vector<std::string> ReportedAssertions::Conditions() const {
    static const std::regex report("Assertion failure at line \\d+ of [^:]*: (.*)\n");
    const std::string output = Output();
    std::vector<std::string> found;
    for (std::sregex_iterator i(output.begin(), output.end(), report), end; i != end; ++i) {
        found.push_back((*i)[1]);
    }
    return found;
}
