// Runs programs as a user would, in a process of their own.
#pragma once

#include <string>

struct ProcessOutcome {
    int status; // the exit status, or -1 when the process did not exit
    std::string out;
    std::string err;
};

// Runs a shell command line with no input.
ProcessOutcome RunProcess(const std::string& commandLine);

// Runs the built veritor tool, with the inspector library built beside it;
// the arguments are shell words, quoted as on a command line. Its address
// space is bounded to 1 GiB, so that a run that would exhaust memory fails;
// sanitizer builds reserve vast address ranges up front, so there it is not.
ProcessOutcome RunVeritor(const std::string& arguments);
