#include "host/builtins/FileBytes.h"

#include "host/Veritor.h"
#include "host/builtins/HostValues.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace veritor::host {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(std::string_view path, const std::string& reason) {
    std::string message = "cannot read \"";
    for (char c : path) {
        // A NUL byte would end the message wherever it is printed.
        message.append(c == '\0' ? "\\0" : std::string(1, c));
    }
    throw std::runtime_error(message.append("\": ").append(reason));
}

[[noreturn]] void FailWithErrno(std::string_view path, int error) {
    Fail(path, std::generic_category().message(error));
}

[[noreturn]] void TooLarge(std::string_view path, std::uint64_t limit) {
    Fail(path, "larger than the limit of " + std::to_string(limit) + " bytes");
}

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

File Open(const fs::path& path) {
#ifdef _WIN32
    return File(_wfopen(path.c_str(), L"rb"));
#else
    return File(std::fopen(path.c_str(), "rb"));
#endif
}

// Appends the rest of `file` to `bytes`, for files whose size is not known
// in advance (pipes, terminals, files that change while they are read).
void ReadRest(std::FILE* file, std::string& bytes, std::string_view path, std::uint64_t limit) {
    constexpr std::size_t pieceSize = std::size_t{64} * 1024;
    for (;;) {
        const std::size_t used = bytes.size();
        // One byte more than the limit allows tells a file that is too large
        // from one that is exactly as large.
        const std::uint64_t room = limit - std::min<std::uint64_t>(limit, used) + 1;
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, room));
        bytes.resize(used + want);
        errno = 0;
        const std::size_t got = std::fread(bytes.data() + used, 1, want, file);
        const int error = errno;
        bytes.resize(used + got);
        if (bytes.size() > limit) {
            TooLarge(path, limit);
        }
        if (got < want) {
            if (std::ferror(file)) {
                FailWithErrno(path, error != 0 ? error : EIO);
            }
            return;
        }
    }
}

string_value ReadNamedFile(std::string_view path, std::uint64_t limit) {
    if (path.find('\0') != std::string_view::npos) {
        Fail(path, "a file name cannot hold a NUL byte");
    }
    const fs::path name(
        std::u8string_view(reinterpret_cast<const char8_t*>(path.data()), path.size()));
    std::error_code statusError;
    const fs::file_status status = fs::status(name, statusError);
    // Some systems open a directory as a file, others refuse it for a reason
    // that does not say why; both are told the same.
    if (!statusError && fs::is_directory(status)) {
        Fail(path, std::make_error_code(std::errc::is_a_directory).message());
    }
    errno = 0;
    const File file = Open(name);
    if (!file) {
        FailWithErrno(path, errno != 0 ? errno : ENOENT);
    }
    std::string bytes;
    if (!statusError && fs::is_regular_file(status)) {
        std::error_code sizeError;
        const std::uintmax_t size = fs::file_size(name, sizeError);
        if (!sizeError) {
            if (size > limit) {
                TooLarge(path, limit);
            }
            auto* block =
                static_cast<char*>(Allocate_Inspector_Memory(static_cast<unsigned>(size)));
            errno = 0;
            const std::size_t got = std::fread(block, 1, size, file.get());
            const int next = got == size ? std::fgetc(file.get()) : EOF;
            const int error = errno;
            if (std::ferror(file.get())) {
                FailWithErrno(path, error != 0 ? error : EIO);
            }
            if (next == EOF) {
                return string_value{block, static_cast<std::uint32_t>(got)};
            }
            // The file grew while it was read: take what it holds now.
            bytes.assign(block, got);
            bytes.push_back(static_cast<char>(next));
        }
    }
    ReadRest(file.get(), bytes, path, limit);
    return MakeString(bytes);
}

// Standard input can be read only once, so its bytes stay for the rest of
// the process and every use shares them; a failure is remembered the same
// way.
string_value StandardInput(std::uint64_t limit) {
    static std::mutex mutex;
    static bool read = false;
    static std::string* bytes = nullptr; // kept until exit: values point into it
    static std::string failure;
    std::lock_guard lock(mutex);
    if (!read) {
        read = true;
#ifdef _WIN32
        _setmode(_fileno(stdin), _O_BINARY);
#endif
        auto input = std::make_unique<std::string>();
        try {
            ReadRest(stdin, *input, "-", limit);
            bytes = input.release();
        } catch (const std::runtime_error& error) {
            failure = error.what();
        }
    }
    if (bytes == nullptr) {
        throw std::runtime_error(failure);
    }
    return string_value{bytes->data(), static_cast<std::uint32_t>(bytes->size())};
}

} // namespace

string_value ReadFileBytes(std::string_view path, std::uint64_t limit) {
    limit = std::min(limit, Limits::maxFileBytesCap);
    return path == "-" ? StandardInput(limit) : ReadNamedFile(path, limit);
}

} // namespace veritor::host
