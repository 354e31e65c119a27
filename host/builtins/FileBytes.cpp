#include "host/builtins/FileBytes.h"

#include "host/Veritor.h"
#include "host/builtins/HostValues.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

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
    Fail(path,
         "larger than the limit of " + std::to_string(limit) + (limit == 1 ? " byte" : " bytes"));
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

// Reads the rest of `file`, after the `prefix` already read from it, for
// input whose size is not known in advance (pipes, terminals, devices,
// files that change while they are read), into one block of `allocate`.
// The bytes are kept in pieces until the end is found, so that an endless
// input is refused holding no more than the limit and one piece; each piece
// is freed as it is copied into the block.
template <typename Allocate>
string_value ReadRest(std::FILE* file, std::string_view prefix, std::string_view path,
                      std::uint64_t limit, Allocate allocate) {
    struct Piece {
        std::unique_ptr<char[]> bytes;
        std::size_t size;
    };
    std::vector<Piece> pieces;
    std::uint64_t total = prefix.size();
    std::size_t pieceSize = std::size_t{64} * 1024;
    constexpr std::size_t largestPiece = std::size_t{16} * 1024 * 1024;
    for (bool end = false; !end && total <= limit;) {
        // One byte more than the limit allows tells a file that is too large
        // from one that is exactly as large.
        const std::uint64_t room = limit + 1 - total;
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, room));
        Piece piece{std::unique_ptr<char[]>(new char[want]), 0};
        errno = 0;
        piece.size = std::fread(piece.bytes.get(), 1, want, file);
        const int error = errno;
        if (piece.size < want && std::ferror(file)) {
            FailWithErrno(path, error != 0 ? error : EIO);
        }
        end = piece.size < want;
        total += piece.size;
        if (piece.size > 0) {
            pieces.push_back(std::move(piece));
        }
        pieceSize = std::min(pieceSize * 2, largestPiece);
    }
    if (total > limit) {
        TooLarge(path, limit);
    }
    char* block = allocate(static_cast<std::size_t>(total));
    std::copy(prefix.begin(), prefix.end(), block);
    std::size_t at = prefix.size();
    for (Piece& piece : pieces) {
        std::copy_n(piece.bytes.get(), piece.size, block + at);
        at += piece.size;
        piece.bytes.reset();
    }
    return string_value{block, static_cast<std::uint32_t>(total)};
}

char* InspectorBlock(std::size_t size) {
    return static_cast<char*>(Allocate_Inspector_Memory(static_cast<unsigned>(size)));
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
    if (!statusError && fs::is_regular_file(status)) {
        std::error_code sizeError;
        const std::uintmax_t size = fs::file_size(name, sizeError);
        if (!sizeError) {
            if (size > limit) {
                TooLarge(path, limit);
            }
            char* block = InspectorBlock(static_cast<std::size_t>(size));
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
            std::string prefix(block, got);
            prefix.push_back(static_cast<char>(next));
            return ReadRest(file.get(), prefix, path, limit, InspectorBlock);
        }
    }
    return ReadRest(file.get(), {}, path, limit, InspectorBlock);
}

struct StandardInputState {
    std::mutex mutex;
    bool read = false;
    std::unique_ptr<char[]> bytes; // kept until exit: values point into it
    string_value value{};
    std::string failure;
    std::string reservedFor; // not empty: the program reads standard input itself
    std::atomic<bool> refused = false;
};

StandardInputState& StandardInputOnce() {
    static StandardInputState state;
    return state;
}

// Standard input can be read only once, so its bytes stay for the rest of
// the process and every use shares them; a failure is remembered the same
// way.
string_value StandardInput(std::uint64_t limit) {
    StandardInputState& state = StandardInputOnce();
    std::lock_guard lock(state.mutex);
    if (!state.reservedFor.empty()) {
        state.refused = true;
        Fail("-", state.reservedFor);
    }
    if (!state.read) {
        state.read = true;
#ifdef _WIN32
        _setmode(_fileno(stdin), _O_BINARY);
#endif
        try {
            state.value = ReadRest(stdin, {}, "-", limit, [&](std::size_t size) {
                state.bytes.reset(new char[std::max<std::size_t>(size, 1)]);
                return state.bytes.get();
            });
        } catch (const std::runtime_error& error) {
            state.failure = error.what();
        }
    }
    if (!state.failure.empty()) {
        throw std::runtime_error(state.failure);
    }
    return state.value;
}

} // namespace

string_value ReadFileBytes(std::string_view path, std::uint64_t limit) {
    limit = std::min(limit, Limits::maxFileBytesCap);
    return path == "-" ? StandardInput(limit) : ReadNamedFile(path, limit);
}

} // namespace veritor::host

namespace veritor {

void ReserveStandardInput(const std::string& reason) {
    host::StandardInputState& state = host::StandardInputOnce();
    std::lock_guard lock(state.mutex);
    state.reservedFor = reason;
    state.refused = false;
}

bool StandardInputRefused() {
    return host::StandardInputOnce().refused;
}

} // namespace veritor
