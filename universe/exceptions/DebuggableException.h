// The base of every exception class of the library. Its what() is the name
// of the most-derived class, so an exception without a message of its own
// still says what it is. It takes no lock and allocates nothing, and may be
// called at any time, from static destructors as well.
#pragma once

#include <exception>

namespace WindowsPlatform {
// Holds nothing; on the original platform it marks the classes whose throws a
// debugger is asked to stop at.
class ExceptionDebuggingInfo {};
} // namespace WindowsPlatform

class DebuggableException : public std::exception, private WindowsPlatform::ExceptionDebuggingInfo {
public:
    DebuggableException() = default;
    DebuggableException(const DebuggableException&) = default;
    DebuggableException& operator=(const DebuggableException&) = default;
    ~DebuggableException() override = default;

    const char* what() const noexcept override;
};
