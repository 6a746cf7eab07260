#include "kvprj/prjinfo.h"

#include <cstring>

namespace kvprj {

void CopyText(char* target, std::size_t size, const std::string& text)
{
    if (!target || size == 0)
        return;
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n < text.size()) {
        // text[n] is the first byte left out. If it continues a multibyte
        // sequence, the sequence's start (at most three bytes back) goes too.
        // Anything else is not UTF-8 and is cut where it falls.
        std::size_t start = n;
        const auto continuation
            = [&](std::size_t i) { return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; };
        while (start > 0 && n - start < 3 && continuation(start))
            --start;
        if (start < n && static_cast<unsigned char>(text[start]) >= 0xC0)
            n = start;
    }
    std::memcpy(target, text.data(), n);
    target[n] = '\0';
}

} // namespace kvprj
