// The veritor tool, apart from the process it runs in: tests drive it with
// their own streams.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace veritor::tool {

struct Environment {
    std::istream* in = nullptr;
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;
    bool terminal = false;     // standard input is a terminal
    std::string toolDirectory; // where the default inspector library is looked for
    // Runs the interactive prompt; `evaluate` handles one line.
    std::function<void(const std::function<void(const std::string&)>& evaluate)> prompt;
};

// The exit status: 0 when every query succeeded, 1 when one had no value or
// failed in evaluation, 2 for usage, syntax or type errors.
int RunTool(const std::vector<std::string>& arguments, const Environment& environment);

// The inspector library the tool loads unless told otherwise: beside it in
// the build tree, or in lib/veritor/ of an installation. Empty when neither
// exists.
std::string DefaultPlugin(const std::string& toolDirectory);

} // namespace veritor::tool
