#include "universe/exceptions/Assertion.h"

#include "universe/buffers/ConstData.h"
#include "universe/integers/Numeral.h"

#include <cstring>
#include <windows.h>

namespace {

// One process-wide message, overwritten by each failing check and cut at 255
// characters. Composing it allocates nothing, so a check may fail anywhere,
// destructors included.
class AssertionMessage {
public:
    void Clear() noexcept { length = 0; }

    void Append(ConstData text) noexcept {
        for (uint32 i = 0; i < text.Length() && length < capacity; ++i) {
            characters[length++] = static_cast<char>(text.Start()[i]);
        }
    }

    // The message with a line feed, as a zero-terminated string.
    const char* Line() noexcept {
        std::memcpy(line, characters, length);
        line[length] = '\n';
        line[length + 1] = '\0';
        return line;
    }

private:
    static constexpr uint8 capacity = 255;
    char characters[capacity];
    uint8 length = 0;
    char line[capacity + 2];
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
    OutputDebugStringA(message.Line());
    DebugBreak();
}
