// A streaming transformation of bytes: each call consumes from `from` and
// writes into `to`, advancing both, and returns once either is exhausted.
// Whatever state a filter needs between chunks it keeps itself.
#pragma once

#include "universe/buffers/Data.h"

class DataFilter {
public:
    DataFilter() = default;
    DataFilter(const DataFilter&) = default;
    DataFilter& operator=(const DataFilter&) = default;
    virtual ~DataFilter() = default;

    // Plain copying.
    virtual void Filter(ConstData& from, Data& to);
};

// The process-wide plain (copying) filter.
DataFilter& ThePlainFilter();
