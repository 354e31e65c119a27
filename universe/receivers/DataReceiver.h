// The sink a producer pushes data into: Start, any number of Receive calls,
// Finish. The base class discards everything.
#pragma once

#include "universe/buffers/ConstData.h"

class DataReceiver {
public:
    DataReceiver() = default;
    DataReceiver(const DataReceiver&) = default;
    DataReceiver& operator=(const DataReceiver&) = default;
    virtual ~DataReceiver() = default;

    virtual void Start() {}
    virtual void Receive(ConstData) {}
    virtual void Finish() {}
};

// The process-wide receiver that discards what it is given.
DataReceiver& TheDiscardingReceiver();
