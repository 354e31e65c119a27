#include "tests/inspectors/StandardErrorCapture.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

StandardErrorCapture::StandardErrorCapture() {
    std::fflush(stderr);
    char name[] = "/tmp/veritor-stderr-XXXXXX";
    captureDescriptor = mkstemp(name);
    if (captureDescriptor < 0) {
        throw std::runtime_error("cannot create a file to capture standard error");
    }
    unlink(name);
    savedDescriptor = dup(STDERR_FILENO);
    dup2(captureDescriptor, STDERR_FILENO);
}

StandardErrorCapture::~StandardErrorCapture() {
    std::fflush(stderr);
    dup2(savedDescriptor, STDERR_FILENO);
    close(savedDescriptor);
    close(captureDescriptor);
}

std::string StandardErrorCapture::Text() const {
    std::fflush(stderr);
    std::string text;
    char block[512];
    for (off_t offset = 0;;) {
        const ssize_t got = pread(captureDescriptor, block, sizeof block, offset);
        if (got <= 0) {
            break;
        }
        text.append(block, static_cast<std::size_t>(got));
        offset += got;
    }
    return text;
}
