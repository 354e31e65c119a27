#include "universe/receivers/Pump.h"

#include "universe/buffers/BufferOfCapacity.h"
#include "universe/exceptions/Assertion.h"

namespace {

void PumpThrough(DataReceiver& receiver, DataFilter& filter, ConstData input,
                 BufferOfCapacity<pumpBufferSize>& buffer) {
    while (!input.Exhausted()) {
        const uint32 before = input.Length();
        filter.Filter(input, buffer.Unused());
        const bool progressed = input.Length() != before || !buffer.Used().IsEmpty();
        ASSERT(progressed);
        if (!progressed) {
            break; // a filter that neither reads nor writes would loop for ever
        }
        receiver.Receive(buffer.Used());
        buffer.Reset();
    }
}

} // namespace

void Pump(DataReceiver& receiver, ConstData input) {
    receiver.Start();
    receiver.Receive(input);
    receiver.Finish();
}

void Pump(DataReceiver& receiver, const ConstDataRope& input) {
    receiver.Start();
    for (const ConstData piece : input.Pieces()) {
        receiver.Receive(piece);
    }
    receiver.Finish();
}

void Pump(DataReceiver& receiver, DataFilter& filter, ConstData input) {
    BufferOfCapacity<pumpBufferSize> buffer;
    receiver.Start();
    PumpThrough(receiver, filter, input, buffer);
    receiver.Finish();
}

void Pump(DataReceiver& receiver, DataFilter& filter, const ConstDataRope& input) {
    BufferOfCapacity<pumpBufferSize> buffer;
    receiver.Start();
    for (const ConstData piece : input.Pieces()) {
        PumpThrough(receiver, filter, piece, buffer);
    }
    receiver.Finish();
}
