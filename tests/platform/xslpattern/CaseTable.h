#pragma once

#include "Selection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace XslPatternTest {

struct Case {
    const char* pattern;
    std::vector<std::string> selected;
};

// Every pattern must translate and evaluate to exactly the listed nodes, in
// that order, both as the DOM translates it for this document and by the
// general translation that assumes nothing of it.
inline void ExpectSelections(const Document& document, const std::vector<Case>& cases,
                             const std::vector<XslPattern::Binding>& bindings = {},
                             xmlNodePtr context = nullptr) {
    for (Facts facts : {Facts::OfDocument, Facts::None}) {
        for (const Case& c : cases) {
            Outcome outcome = Select(document, c.pattern, bindings, context, facts);
            ASSERT_TRUE(outcome.evaluated) << c.pattern << ": " << outcome.error;
            EXPECT_THAT(outcome.nodes, ::testing::ElementsAreArray(c.selected))
                << c.pattern << (facts == Facts::None ? " (assuming nothing)" : "");
        }
    }
}

} // namespace XslPatternTest
