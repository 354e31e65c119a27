// Cuts a byte stream into line contents and line breaks. CR, LF, CR LF and
// LF CR each make one break; CR CR and LF LF make two. The stream may arrive
// in chunks split anywhere, also between the two bytes of one break.
#pragma once

#include "universe/receivers/DataReceiver.h"
#include "universe/receivers/LineReceiver.h"

class LineMaker : public DataReceiver {
public:
    // The line receiver is not owned and must outlive the line maker's use.
    explicit LineMaker(LineReceiver& lines)
        : out(&lines) {}

    void Start() override { Start(0); }
    // Counts positions from `startPosition` instead of 0.
    void Start(uint32 startPosition);
    void Receive(ConstData data) override;
    void Finish() override;

private:
    void ReportBreak(uint32 length);

    LineReceiver* out;
    uint32 position = 0;
    // The byte that would complete the break just seen (LF after CR, CR
    // after LF), or 0.
    uint8 pending = 0;
};
