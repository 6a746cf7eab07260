#include "kvfd/stringconverter.h"

#include <cstdint>

namespace kvfd {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

void AppendWide(std::wstring& out, char32_t cp)
{
    if constexpr (sizeof(wchar_t) >= 4) {
        out += wchar_t(cp);
    } else {
        if (cp < 0x10000) {
            out += wchar_t(cp);
        } else {
            cp -= 0x10000;
            out += wchar_t(0xD800 + (cp >> 10));
            out += wchar_t(0xDC00 + (cp & 0x3FF));
        }
    }
}

// Decodes one code point at text[i] and advances i. A malformed sequence gives
// one U+FFFD for its longest valid prefix (at least one byte), as Unicode
// recommends, so a damaged name does not swallow the characters after it.
char32_t DecodeOne(const std::string& text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;

    int length;
    char32_t cp;
    // The second byte's range excludes overlong forms, surrogates and values
    // beyond U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return kReplacement;
    }

    for (int k = 1; k < length; ++k) {
        if (i >= text.size())
            return kReplacement;
        const unsigned char c = byte(i);
        if (k == 1 ? (c < low || c > high) : !IsContinuation(c))
            return kReplacement;
        cp = (cp << 6) | (c & 0x3F);
        ++i;
    }
    return cp;
}

} // namespace

void StringConverter::Convert(const std::wstring& wide, std::string& narrow)
{
    narrow.clear();
    narrow.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t cp = static_cast<std::uint32_t>(wide[i]);
        if constexpr (sizeof(wchar_t) < 4) {
            cp &= 0xFFFF;
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < wide.size()) {
                const char32_t next = static_cast<std::uint32_t>(wide[i + 1]) & 0xFFFF;
                if (next >= 0xDC00 && next <= 0xDFFF) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (next - 0xDC00);
                    ++i;
                }
            }
        }
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            cp = kReplacement;
        AppendUtf8(narrow, cp);
    }
}

void StringConverter::Convert(const std::string& narrow, std::wstring& wide)
{
    wide.clear();
    wide.reserve(narrow.size());
    std::size_t i = 0;
    while (i < narrow.size())
        AppendWide(wide, DecodeOne(narrow, i));
}

std::string StringConverter::ToString(const std::wstring& wide)
{
    std::string narrow;
    Convert(wide, narrow);
    return narrow;
}

std::wstring StringConverter::ToWString(const std::string& narrow)
{
    std::wstring wide;
    Convert(narrow, wide);
    return wide;
}

} // namespace kvfd
