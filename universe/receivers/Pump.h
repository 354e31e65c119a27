// Connects a producer's bytes to a receiver, optionally through a filter:
// the receiver is started, given the (filtered) bytes and finished.
#pragma once

#include "universe/buffers/ConstDataRope.h"
#include "universe/receivers/DataFilter.h"
#include "universe/receivers/DataReceiver.h"

// The size of the intermediate buffer between a filter and the receiver: the
// receiver gets the filtered bytes in chunks of at most this many.
inline constexpr uint32 pumpBufferSize = 2048;

void Pump(DataReceiver& receiver, ConstData input);
void Pump(DataReceiver& receiver, const ConstDataRope& input);
void Pump(DataReceiver& receiver, DataFilter& filter, ConstData input);
void Pump(DataReceiver& receiver, DataFilter& filter, const ConstDataRope& input);
