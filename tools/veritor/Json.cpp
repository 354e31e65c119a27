#include "tools/veritor/Json.h"

#include "platform/codepage/Utf8Codec.h"

#include <cstdio>

namespace veritor::tool {

namespace {

std::string Number(const FloatingPoint& value) {
    std::string text = FormatDouble(value.number);
    if (text == "nan" || text == "inf" || text == "-inf") {
        return "\"" + text + "\"";
    }
    return text;
}

std::string JsonValue(const Value& value, bool& lossy) {
    switch (value.kind) {
    case Value::Kind::Boolean:
        return value.boolean ? "true" : "false";
    case Value::Kind::Integer:
        return RenderText(value);
    case Value::Kind::FloatingPoint:
        return Number(value.floatingPoint);
    case Value::Kind::Tuple: {
        std::string text = "[";
        for (std::size_t i = 0; i < value.components.size(); ++i) {
            text += i == 0 ? "" : ",";
            text += JsonValue(value.components[i], lossy);
        }
        return text + "]";
    }
    case Value::Kind::String:
    case Value::Kind::Library:
        break;
    }
    return JsonString(value.text, lossy);
}

std::string Flags(std::uint32_t flags) {
    std::string text = "[";
    bool first = true;
    for (const auto& name : FlagNames(flags)) {
        text += (first ? "\"" : ",\"") + name + "\"";
        first = false;
    }
    return text + "]";
}

std::string Field(const char* name, const std::string& json) {
    return std::string(",\"") + name + "\":" + json;
}

std::string Close(std::string text, bool lossy) {
    if (lossy) {
        text += ",\"lossy\":true";
    }
    return text + "}";
}

} // namespace

std::string JsonString(std::string_view bytes, bool& lossy) {
    // Through UTF-16 and back: what is not UTF-8 comes out as U+FFFD, as the
    // platform's code-page conversions replace it.
    std::u16string characters;
    if (!Utf8Codec::AppendUtf16(bytes, characters)) {
        lossy = true;
    }
    std::string valid;
    Utf8Codec::AppendUtf8(characters, valid);
    std::string text = "\"";
    for (const char c : valid) {
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else if (c == '\t') {
            text += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            text += escape;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

std::string JsonResult(std::string_view query, const Result& result) {
    bool lossy = false;
    std::string text = "{\"query\":" + JsonString(query, lossy);
    text += Field("type", JsonString(result.type, lossy));
    text += Field("plural", result.plural ? "true" : "false");
    std::string values = "[";
    std::string flags = "[";
    for (std::size_t i = 0; i < result.values.size(); ++i) {
        values += i == 0 ? "" : ",";
        values += JsonValue(result.values[i], lossy);
        flags += i == 0 ? "" : ",";
        flags += Flags(result.values[i].floatingPoint.flags);
    }
    text += Field("values", values + "]");
    if (result.type == "floating point") {
        text += Field("flags", flags + "]");
    }
    return Close(text, lossy);
}

std::string JsonError(std::string_view query, const QueryError& error) {
    bool lossy = false;
    std::string text = "{\"query\":" + JsonString(query, lossy);
    std::string detail = "{\"kind\":" + JsonString(ErrorKindName(error.Kind()), lossy);
    detail += Field("message", JsonString(error.what(), lossy));
    if (error.Position() != QueryError::noPosition) {
        detail += Field("position", std::to_string(error.Position()));
    }
    text += Field("error", detail + "}");
    return Close(text, lossy);
}

std::string JsonRegistration(const VocabularyEntry& entry) {
    bool lossy = false;
    std::string text = "{\"kind\":" + JsonString(entry.kind, lossy);
    text += Field("name", JsonString(entry.name, lossy));
    if (entry.kind == "operator") {
        text += Field("code", std::to_string(entry.operatorCode));
    }
    if (!entry.pluralName.empty()) {
        text += Field("plural", JsonString(entry.pluralName, lossy));
    }
    text += Field("index", JsonString(entry.indexType, lossy));
    text += Field("operand", JsonString(entry.operandType, lossy));
    if (entry.kind == "operator") {
        text += Field("right", JsonString(entry.rightType, lossy));
    }
    text += Field(entry.kind == "type" ? "base" : "result", JsonString(entry.resultType, lossy));
    text += Field("library", JsonString(entry.library, lossy));
    return Close(text, lossy);
}

} // namespace veritor::tool
