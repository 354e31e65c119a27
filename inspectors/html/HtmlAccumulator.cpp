#include "inspectors/html/HtmlAccumulator.h"

#include "inspectors/html/HtmlEscape.h"
#include "universe/buffers/BufferExceptions.h"

void HtmlAccumulator::Clear() {
    bytes.clear();
    started = false;
}

void HtmlAccumulator::Append(uint8 byte) {
    if (bytes.size() == maxuint32) {
        throw DataOverflow();
    }
    bytes.push_back(byte);
}

void HtmlAccumulator::Append(ConstData text) {
    text.CopyInto(Grow(text.Length()));
}

void HtmlAccumulator::AppendEscaped(ConstData text) {
    WriteEscaped(text, Grow(EscapedLength(text)));
}

void HtmlAccumulator::AppendHtml(const Html& html) {
    RopeWrite(html, Grow(RopeLength(html)));
}

ConstData HtmlAccumulator::View() const {
    return bytes.empty() ? ConstData() : ConstData(bytes.data(), bytes.size());
}

Data HtmlAccumulator::Grow(uint64 length) {
    const std::size_t size = bytes.size();
    if (length > maxuint32 - size) {
        throw DataOverflow();
    }
    if (length == 0) {
        return Data();
    }
    bytes.resize(size + length);
    return Data(bytes.data() + size, static_cast<uint32>(length));
}
