// The tool runs through CreateProcessW: its arguments as one command line
// quoted the way the C run time splits it again, its standard streams files
// of this process's own, its memory bounded by a job.
#include "tests/support/Process.h"

#include "host/windows/WideText.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <process.h>
#include <stdexcept>
#include <windows.h>

namespace {

using veritor::host::WideFromUtf8;

// One argument as CommandLineToArgvW and the C run time read it back:
// quoted, each quote escaped, the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

// A handle closed when it goes; null stays unclosed.
struct Closing {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, Closing>;

// A file the child inherits; deleted when the last handle closes.
HANDLE Inheritable(const std::wstring& name, DWORD access, DWORD disposition, DWORD flags) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE file =
        CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    &inherit, disposition, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot open a file for the tool: error " +
                                 std::to_string(GetLastError()));
    }
    return file;
}

HANDLE Capture(const std::string& stem) {
    return Inheritable(WideFromUtf8(TemporaryFile(stem)), GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
}

std::string ReadBack(HANDLE file) {
    std::string text;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

// A job that bounds the memory of each process in it to 1 GiB.
HANDLE BoundedJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    limits.ProcessMemoryLimit = SIZE_T{1} << 30;
    if (job != nullptr) {
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    return job;
}

} // namespace

// With forward slashes, which Windows reads as well, so that the name may
// stand in a query's string literal, where a backslash starts an escape.
std::string TemporaryFile(const std::string& stem) {
    static std::atomic<int> files{0};
    std::string name =
        testing::TempDir() + stem + "-" + std::to_string(_getpid()) + "-" + std::to_string(files++);
    for (char& c : name) {
        c = c == '\\' ? '/' : c;
    }
    return name;
}

// Windows programs start as they are; the shell commands that would run
// them do not run here.
std::string TargetCommand(const std::string& path) {
    return path;
}

// There is no POSIX shell: the command does not run, as where sh is missing.
ProcessOutcome RunProcess(const std::string& commandLine) {
    return {-1, "", "no shell to run " + commandLine};
}

ProcessOutcome RunVeritor(const std::vector<std::string>& arguments, const std::string& input) {
    std::wstring commandLine = Quoted(WideFromUtf8(VERITOR_TOOL));
    for (const std::string& argument : arguments) {
        commandLine += L" " + Quoted(WideFromUtf8(argument));
    }
    Handle in(Inheritable(input.empty() ? L"NUL" : WideFromUtf8(input), GENERIC_READ, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL));
    Handle out(Capture("veritor-run-out"));
    Handle err(Capture("veritor-run-err"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                        nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot run the tool: error " + std::to_string(GetLastError()));
    }
    Handle child(process.hProcess);
    Handle thread(process.hThread);
    Handle job(BoundedJob());
    if (job) {
        AssignProcessToJobObject(job.get(), child.get());
    }
    ResumeThread(thread.get());
    WaitForSingleObject(child.get(), INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(child.get(), &status);
    return {static_cast<int>(status), ReadBack(out.get()), ReadBack(err.get())};
}
