#include "tools/veritor/Report.h"

#include "platform/codepage/Columns.h"

#include <algorithm>
#include <array>

namespace veritor::tool {

void PrintResult(std::ostream& out, const Result& result, bool withTypes) {
    for (const Value& value : result.values) {
        if (withTypes) {
            out << value.type << ": ";
        }
        out << RenderText(value) << '\n';
    }
}

void PrintError(std::ostream& err, std::string_view query, const QueryError& error,
                std::string_view where) {
    std::size_t position = error.Position();
    err << "error: ";
    if (!where.empty()) {
        err << where << ": ";
    }
    err << error.what() << '\n';
    if (position == QueryError::noPosition || position > query.size()) {
        return;
    }
    std::size_t lineStart = query.rfind('\n', position == 0 ? 0 : position - 1);
    lineStart = (lineStart == std::string_view::npos || position == 0) ? 0 : lineStart + 1;
    std::size_t lineEnd = query.find('\n', position);
    std::string_view line =
        query.substr(lineStart, lineEnd == std::string_view::npos ? std::string_view::npos
                                                                  : lineEnd - lineStart);
    // The caret stands under the character at the place: tabs stay tabs,
    // any other character is matched by as many spaces as it takes columns.
    std::string caret;
    std::string_view before = query.substr(lineStart, position - lineStart);
    for (std::size_t tab; (tab = before.find('\t')) != std::string_view::npos;
         before.remove_prefix(tab + 1)) {
        caret.append(Utf8Codec::Columns(before.substr(0, tab)), ' ').push_back('\t');
    }
    caret.append(Utf8Codec::Columns(before), ' ');
    err << "  " << line << "\n  " << caret << "^\n";
}

void PrintVocabularyTable(std::ostream& out, const std::vector<VocabularyEntry>& entries) {
    using Row = std::array<std::string, 6>;
    std::vector<Row> rows = {{"kind", "name", "index", "operand", "result", "library"}};
    for (const auto& e : entries) {
        std::string name = e.name;
        if (!e.pluralName.empty() && e.pluralName != e.name) {
            name += " / " + e.pluralName;
        }
        std::string operand = e.operandType;
        if (e.kind == "operator") {
            name += " (" + std::to_string(e.operatorCode) + ")";
            operand += ", " + e.rightType;
        }
        std::string result =
            e.kind == "type" && !e.resultType.empty() ? "base " + e.resultType : e.resultType;
        rows.push_back({e.kind, name, e.indexType, operand, result, e.library});
    }
    std::array<std::size_t, 6> widths{};
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                line += std::string(widths[i] - row[i].size() + 2, ' ');
            }
        }
        out << line << '\n';
    }
}

int ExitStatusOf(ErrorKind kind) {
    return kind == ErrorKind::Syntax || kind == ErrorKind::Type ? 2 : 1;
}

} // namespace veritor::tool
