#include "tools/veritor/Json.h"

#include <cstdio>

namespace veritor::tool {

namespace {

// Length of the valid UTF-8 sequence at the start of `bytes`, or 0.
std::size_t ValidSequence(std::string_view bytes) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    unsigned char lead = byte(0);
    std::size_t length = lead < 0x80   ? 1
                         : lead < 0xC2 ? 0
                         : lead < 0xE0 ? 2
                         : lead < 0xF0 ? 3
                         : lead < 0xF5 ? 4
                                       : 0;
    if (length == 0 || length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F)) {
        return 0;
    }
    return length;
}

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
    std::string text = "\"";
    for (std::size_t i = 0; i < bytes.size();) {
        auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t length = ValidSequence(bytes.substr(i));
        if (length == 0) {
            text += "\xEF\xBF\xBD";
            lossy = true;
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            text += '\\';
            text += static_cast<char>(c);
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else if (c == '\t') {
            text += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            text += escape;
        } else {
            text.append(bytes.substr(i, length));
        }
        i += length;
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
