// An exception carrying a message text of its own, held as a private copy.
#pragma once

#include "universe/exceptions/DebuggableException.h"

#include <memory>

class ExceptionPL : public DebuggableException {
public:
    ExceptionPL();
    explicit ExceptionPL(const char* text);
    ExceptionPL(const ExceptionPL& other);
    ExceptionPL& operator=(const ExceptionPL& other);
    ~ExceptionPL() override = default;

    const char* what() const noexcept override { return Text(); }
    virtual const char* Text() const noexcept { return text.get(); }

private:
    static std::unique_ptr<char[]> CopyOf(const char* text);

    std::unique_ptr<char[]> text;
};
