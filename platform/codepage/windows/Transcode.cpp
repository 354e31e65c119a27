// The code pages of Windows by the names that XML declarations use (not
// those whose conversions cannot refuse invalid bytes). Windows
// offers no look-up of a code page by name outside COM, so the names are
// listed here: the common IANA names and the system's own, not the
// conversions, which stay the system's.
#include "platform/codepage/Transcode.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <windows.h>

namespace TextDecoding {

namespace {

struct Named {
    const char* name;
    UINT codePage;
};

constexpr Named CodePages[] = {
    {"us-ascii", 20127},    {"ascii", 20127},       {"iso-8859-1", 28591},  {"latin1", 28591},
    {"iso-8859-2", 28592},  {"iso-8859-3", 28593},  {"iso-8859-4", 28594},  {"iso-8859-5", 28595},
    {"iso-8859-6", 28596},  {"iso-8859-7", 28597},  {"iso-8859-8", 28598},  {"iso-8859-9", 28599},
    {"iso-8859-13", 28603}, {"iso-8859-15", 28605}, {"windows-1250", 1250}, {"windows-1251", 1251},
    {"windows-1252", 1252}, {"windows-1253", 1253}, {"windows-1254", 1254}, {"windows-1255", 1255},
    {"windows-1256", 1256}, {"windows-1257", 1257}, {"windows-1258", 1258}, {"cp1252", 1252},
    {"koi8-r", 20866},      {"koi8-u", 21866},      {"shift_jis", 932},     {"sjis", 932},
    {"windows-31j", 932},   {"euc-jp", 20932},      {"gb2312", 936},        {"gbk", 936},
    {"gb18030", 54936},     {"big5", 950},          {"euc-kr", 949},        {"ks_c_5601-1987", 949},
    {"ibm437", 437},        {"cp437", 437},         {"ibm850", 850},        {"cp850", 850},
    {"ibm866", 866},        {"cp866", 866},         {"macintosh", 10000},   {"tis-620", 874},
    {"windows-874", 874},   {"utf-8", CP_UTF8},     {"utf8", CP_UTF8},
};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Find(const std::string& encoding, UINT& codePage) {
    std::string lower;
    for (char c : encoding) {
        lower += Lower(c);
    }
    for (const Named& named : CodePages) {
        if (lower == named.name) {
            codePage = named.codePage;
            return IsValidCodePage(codePage) != 0;
        }
    }
    return false;
}

bool Converts(UINT codePage, std::string_view bytes) {
    return bytes.empty() || MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

// The first character that does not convert, stepping by the code page's
// lead bytes; for the few code pages with longer characters, the start of
// the first piece of 4 bytes that does not.
std::size_t FirstInvalid(UINT codePage, std::string_view bytes) {
    CPINFO info{};
    const UINT longest = GetCPInfo(codePage, &info) != 0 ? info.MaxCharSize : 4;
    const bool doubleByte = longest == 2;
    const std::size_t step = longest <= 2 ? 1 : 4;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t length = step;
        if (doubleByte && IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[at])) != 0) {
            length = 2;
        }
        length = std::min(length, bytes.size() - at);
        if (!Converts(codePage, bytes.substr(at, length))) {
            return at;
        }
        at += length;
    }
    return bytes.size();
}

} // namespace

Transcoded AppendUtf8From(std::string_view bytes, const std::string& encoding, std::string& out) {
    UINT codePage = 0;
    if (!Find(encoding, codePage)) {
        return {Transcoded::UnknownEncoding, 0};
    }
    if (bytes.empty()) {
        return {Transcoded::Done, 0};
    }
    if (bytes.size() > static_cast<std::size_t>(INT_MAX) / 2) {
        return {Transcoded::InvalidBytes, static_cast<std::size_t>(INT_MAX) / 2};
    }
    const int length = static_cast<int>(bytes.size());
    const int units =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (units <= 0) {
        return {Transcoded::InvalidBytes, FirstInvalid(codePage, bytes)};
    }
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(), units);
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data() + start, size, nullptr, nullptr);
    return {Transcoded::Done, 0};
}

} // namespace TextDecoding
