// Case conversion as streaming filters, for pumping text of any length
// through a fixed buffer.
#pragma once

#include "universe/receivers/DataFilter.h"

namespace Ascii {

class CaseLoweringFilter : public DataFilter {
public:
    void Filter(ConstData& from, Data& to) override;
};

class CaseRaisingFilter : public DataFilter {
public:
    void Filter(ConstData& from, Data& to) override;
};

// The process-wide instances.
CaseLoweringFilter& TheCaseLoweringFilter();
CaseRaisingFilter& TheCaseRaisingFilter();

} // namespace Ascii
