#include "tests/support/ReportedAssertions.h"

#include <regex>

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
