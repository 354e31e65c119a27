#include "universe/receivers/LineMaker.h"

#include "universe/exceptions/Assertion.h"
#include "universe/integers/Overflow.h"

#include <algorithm>

namespace {

constexpr uint8 carriageReturn = 13;
constexpr uint8 lineFeed = 10;

} // namespace

Range::Range(uint32 s, uint32 e)
    : start(s)
    , end(e) {
    ASSERT(s <= e);
}

void LineMaker::Start(uint32 startPosition) {
    ASSERT(out != 0);
    pending = 0;
    position = startPosition;
    out->Start(position);
}

void LineMaker::ReportBreak(uint32 length) {
    ASSERT(CanAdd(position, length));
    out->LineBreak(Range(position, position + length));
    position += length;
    pending = 0;
}

void LineMaker::Receive(ConstData data) {
    ASSERT(out != 0);
    while (!data.IsEmpty()) {
        if (pending != 0) {
            const uint32 n = data[0] == pending ? 2 : 1;
            ReportBreak(n);
            data.Advance(n - 1);
            if (data.IsEmpty()) {
                break;
            }
        }
        const uint8* const lineEnd = std::find_if(
            data.Start(), data.End(), [](uint8 b) { return b == carriageReturn || b == lineFeed; });
        const uint32 textLength = static_cast<uint32>(lineEnd - data.Start());
        if (lineEnd != data.End()) {
            pending = *lineEnd == carriageReturn ? lineFeed : carriageReturn;
        }
        if (textLength > 0) {
            out->Text(data.First(textLength));
            data.Advance(textLength);
            ASSERT(CanAdd(position, textLength));
            position += textLength;
        }
        // The break's own byte is counted when the break is reported.
        if (!data.IsEmpty()) {
            data.Advance(1);
        }
    }
}

void LineMaker::Finish() {
    ASSERT(out != 0);
    if (pending != 0) {
        ReportBreak(1);
    }
    out->Finish(position);
}
