#include "platform/codepage/Transcode.h"

#include <cerrno>
#include <iconv.h>

namespace TextDecoding {

namespace {

class Converter {
public:
    explicit Converter(const std::string& encoding)
        : handle_(iconv_open("UTF-8", encoding.c_str())) {}
    ~Converter() {
        if (Opened()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Opened() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

Transcoded AppendUtf8From(std::string_view bytes, const std::string& encoding, std::string& out) {
    // iconv takes names in any case; one it does not know is refused, not
    // guessed.
    Converter converter(encoding);
    if (!converter.Opened()) {
        return {Transcoded::UnknownEncoding, 0};
    }
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    const std::size_t start = out.size();
    // Most texts grow by less than half; the loop grows the room otherwise.
    std::size_t room = bytes.size() + bytes.size() / 2 + 16;
    std::size_t used = start;
    for (;;) {
        out.resize(used + room);
        char* to = out.data() + used;
        std::size_t toLeft = room;
        const std::size_t result = iconv(converter.Handle(), &in, &inLeft, &to, &toLeft);
        used = static_cast<std::size_t>(to - out.data());
        if (result != static_cast<std::size_t>(-1)) {
            // Any shift state is closed, for encodings that have one.
            to = out.data() + used;
            toLeft = out.size() - used;
            if (iconv(converter.Handle(), nullptr, nullptr, &to, &toLeft) ==
                static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) {
                    room = 64;
                    continue;
                }
            }
            used = static_cast<std::size_t>(to - out.data());
            out.resize(used);
            return {Transcoded::Done, 0};
        }
        if (errno == E2BIG) {
            room = inLeft * 2 + 16;
            continue;
        }
        out.resize(start);
        // EILSEQ: an invalid sequence; EINVAL: one cut short by the end.
        return {Transcoded::InvalidBytes, static_cast<std::size_t>(in - bytes.data())};
    }
}

} // namespace TextDecoding
