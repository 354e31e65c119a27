// Runs programs as a user would, in a process of their own.
#pragma once

#include <string>
#include <vector>

struct ProcessOutcome {
    int status; // the exit status, or -1 when the process did not exit
    std::string out;
    std::string err;
};

// Runs a shell command line with no input; on Windows, where there is no
// POSIX shell, nothing runs and the status is -1.
ProcessOutcome RunProcess(const std::string& commandLine);

// Runs the built veritor tool, with the inspector library built beside it,
// on these arguments, reading standard input from the file `input` (none:
// empty input). Its memory is bounded to 1 GiB, so that a run that would
// exhaust memory fails; sanitizer builds reserve vast address ranges up
// front, so there it is not.
ProcessOutcome RunVeritor(const std::vector<std::string>& arguments, const std::string& input = "");

// A shell command that runs the built program at `path`: on a build whose
// programs need an emulator to run here (32-bit Linux under qemu), through
// it, for the emulator does not follow a program's exec of another one.
std::string TargetCommand(const std::string& path);

// A name for a file of this test process's own in the temporary folder:
// tests may run in parallel processes and threads.
std::string TemporaryFile(const std::string& stem);
