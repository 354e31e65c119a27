#include "universe/receivers/Pump.h"

#include "universe/buffers/BufferOfCapacity.h"

namespace {

void PumpThrough(DataReceiver& receiver, DataFilter& filter, ConstData input,
                 BufferOfCapacity<pumpBufferSize>& buffer) {
    while (!input.Exhausted()) {
        filter.Filter(input, buffer.Unused());
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
