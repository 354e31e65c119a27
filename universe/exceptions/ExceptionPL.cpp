#include "universe/exceptions/ExceptionPL.h"

#include <cstring>

std::unique_ptr<char[]> ExceptionPL::CopyOf(const char* text) {
    const std::size_t length = text == nullptr ? 0 : std::strlen(text);
    auto copy = std::make_unique<char[]>(length + 1);
    if (length != 0) {
        std::memcpy(copy.get(), text, length);
    }
    copy[length] = '\0';
    return copy;
}

ExceptionPL::ExceptionPL()
    : text(CopyOf("")) {}

ExceptionPL::ExceptionPL(const char* text)
    : text(CopyOf(text)) {}

ExceptionPL::ExceptionPL(const ExceptionPL& other)
    : DebuggableException(other)
    , text(CopyOf(other.Text())) {}

ExceptionPL& ExceptionPL::operator=(const ExceptionPL& other) {
    if (this != &other) {
        DebuggableException::operator=(other);
        text = CopyOf(other.Text());
    }
    return *this;
}
