// The embedding API over the registry, the compiler and the evaluator.
#include "host/Veritor.h"

#include "host/query/Compiler.h"
#include "host/query/Evaluation.h"
#include "host/registry/Describe.h"
#include "host/registry/Registry.h"

#include <algorithm>

namespace veritor {

namespace detail {
struct CompiledQuery {
    std::string text;
    host::CompiledTree tree;
    std::string type;
    bool plural = false;
};
} // namespace detail

const char* ErrorKindName(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::Syntax:
        return "syntax";
    case ErrorKind::Type:
        return "type";
    case ErrorKind::NoValue:
        return "no value";
    case ErrorKind::Evaluation:
        return "evaluation";
    }
    return "?";
}

Query::Query(std::unique_ptr<detail::CompiledQuery> compiled)
    : compiled(std::move(compiled)) {}
Query::Query(Query&&) noexcept = default;
Query& Query::operator=(Query&&) noexcept = default;
Query::~Query() = default;

const std::string& Query::Text() const {
    return compiled->text;
}
const std::string& Query::Type() const {
    return compiled->type;
}
bool Query::Plural() const {
    return compiled->plural;
}
std::size_t Query::StandardInputAt() const {
    return compiled->tree.standardInputAt;
}

Query Compile(std::string_view text) {
    auto compiled = std::make_unique<detail::CompiledQuery>();
    compiled->text = std::string(text);
    compiled->tree = host::CompileQuery(text, *host::CurrentLexicon());
    compiled->type = compiled->tree.root->Type();
    compiled->plural = compiled->tree.root->Plural();
    return Query(std::move(compiled));
}

Result Evaluate(const Query& query, const Limits& limits) {
    host::EnsureComOnThisThread();
    const host::CompiledTree& tree = query.compiled->tree;
    Result result;
    result.type = query.Type();
    result.plural = query.Plural();
    {
        host::Evaluation evaluation(limits);
        std::vector<const void*> values;
        tree.root->Evaluate(evaluation, values);
        if (!result.plural && values.empty()) {
            throw QueryError(ErrorKind::NoValue, "no value");
        }
        for (const void* value : values) {
            result.values.push_back(tree.renderer->Render(evaluation, value));
        }
        if (std::string failure = evaluation.Finish(); !failure.empty()) {
            throw QueryError(ErrorKind::Evaluation, failure);
        }
    }
    return result;
}

Result Run(std::string_view text, const Limits& limits) {
    return Evaluate(Compile(text), limits);
}

std::vector<VocabularyEntry> Vocabulary() {
    std::vector<VocabularyEntry> entries;
    for (const auto& r : *host::Registry::Instance().Snapshot()) {
        entries.push_back(host::Describe(r));
    }
    return entries;
}

std::vector<std::string> VocabularyNames() {
    std::vector<std::string> names;
    const auto lexicon = host::CurrentLexicon();
    const host::NameTable& table = lexicon->names;
    names.insert(names.end(), table.properties.begin(), table.properties.end());
    names.insert(names.end(), table.casts.begin(), table.casts.end());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace veritor
