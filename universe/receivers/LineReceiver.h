// The receiving end of a LineMaker: line contents and the positions of the
// line breaks between them, all counted in bytes from the stream's start.
#pragma once

#include "universe/buffers/ConstData.h"
#include "universe/integers/IntegerTypes.h"

// The stream positions start..end (end not included).
class Range {
public:
    Range(uint32 s, uint32 e);

    uint32 Start() const { return start; }
    uint32 End() const { return end; }
    uint32 Length() const { return end - start; }

    friend bool operator==(const Range&, const Range&) = default;

private:
    uint32 start;
    uint32 end;
};

class LineReceiver {
public:
    LineReceiver() = default;
    LineReceiver(const LineReceiver&) = default;
    LineReceiver& operator=(const LineReceiver&) = default;
    virtual ~LineReceiver() = default;

    virtual void Start(uint32 position) = 0;
    // Some of a line's content; one line may arrive in several pieces.
    virtual void Text(ConstData content) = 0;
    // One line break: CR, LF, CR LF or LF CR.
    virtual void LineBreak(Range positions) = 0;
    virtual void Finish(uint32 position) = 0;
};
