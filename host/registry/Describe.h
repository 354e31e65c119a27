// A registration as the embedding API shows it.
#pragma once

#include "host/Veritor.h"
#include "host/registry/Registration.h"

namespace veritor::host {

VocabularyEntry Describe(const Registration& registration);

} // namespace veritor::host
