#include "universe/exceptions/Assertion.h"

#include "universe/buffers/ConstData.h"
#include "universe/integers/Numeral.h"

#include <atomic>
#include <cstring>
#include <windows.h>

namespace {

// One process-wide message, overwritten by each failing check and cut at 255
// characters. Composing it allocates nothing, so a check may fail anywhere,
// destructors included.
//
// It takes no lock. Checks that fail on several threads at once write the
// one buffer together, and the line a thread reports may then mix characters
// of both messages or lose some of its own. What holds all the same: no
// access is a data race, since every character and the length are atomics
// used with relaxed order; no write leaves the buffer, since each thread
// checks the position it writes against the capacity itself; and the line
// handed to the debugger is copied onto the reporting thread's stack, so it
// is always terminated and at most 255 characters and a line feed long.
class AssertionMessage {
public:
    static constexpr uint8 capacity = 255;

    struct Line {
        char text[capacity + 2];
    };

    void Clear() noexcept { length.store(0, std::memory_order_relaxed); }

    void Append(ConstData text) noexcept {
        for (uint32 i = 0; i < text.Length(); ++i) {
            const uint8 at = length.load(std::memory_order_relaxed);
            if (at >= capacity) {
                return;
            }
            characters[at].store(static_cast<char>(text.Start()[i]), std::memory_order_relaxed);
            length.store(static_cast<uint8>(at + 1), std::memory_order_relaxed);
        }
    }

    // The message with a line feed, zero-terminated.
    Line Copy() const noexcept {
        Line line;
        const uint8 count = length.load(std::memory_order_relaxed);
        for (uint8 i = 0; i < count; ++i) {
            line.text[i] = characters[i].load(std::memory_order_relaxed);
        }
        line.text[count] = '\n';
        line.text[count + 1] = '\0';
        return line;
    }

private:
    std::atomic<char> characters[capacity];
    std::atomic<uint8> length = 0;
};

AssertionMessage message;

// The part of the path after its last '/'; a path without one is used whole.
ConstData FileName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    const char* name = slash == nullptr ? path : slash + 1;
    return ConstData(name, std::strlen(name));
}

const char* OrEmpty(const char* text) {
    return text == nullptr ? "" : text;
}

} // namespace

void Assertion::ReportFailure(const char* conditionText, const char* file, unsigned line) {
    message.Clear();
    message.Append("Assertion failure at line ");
    message.Append(Numeral(line).Text());
    message.Append(" of ");
    message.Append(FileName(OrEmpty(file)));
    message.Append(": ");
    const char* condition = OrEmpty(conditionText);
    message.Append(ConstData(condition, std::strlen(condition)));
    const AssertionMessage::Line report = message.Copy();
    OutputDebugStringA(report.text);
    DebugBreak();
}
