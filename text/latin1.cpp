#include "text/latin1.h"

std::string latin1ToUtf8(const std::string& text) {
    std::string utf8;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | code >> 6);
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

// U+0080 to U+00FF are the two-byte sequences led by 0xC2 and 0xC3.
std::string utf8ToLatin1(const std::string& text) {
    std::string latin1;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const auto next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        if ((lead == 0xC2 || lead == 0xC3) && (next & 0xC0) == 0x80) {
            latin1 += static_cast<char>((lead & 0x03) << 6 | (next & 0x3F));
            ++at;
        } else {
            latin1 += text[at];
        }
    }
    return latin1;
}
