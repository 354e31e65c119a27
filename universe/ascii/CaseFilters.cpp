#include "universe/ascii/CaseFilters.h"

#include "universe/ascii/CaseConversion.h"

namespace Ascii {

void CaseLoweringFilter::Filter(ConstData& from, Data& to) {
    FilterLowered(from, to);
}

void CaseRaisingFilter::Filter(ConstData& from, Data& to) {
    FilterRaised(from, to);
}

CaseLoweringFilter& TheCaseLoweringFilter() {
    static CaseLoweringFilter lowering;
    return lowering;
}

CaseRaisingFilter& TheCaseRaisingFilter() {
    static CaseRaisingFilter raising;
    return raising;
}

} // namespace Ascii
