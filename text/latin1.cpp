#include "text/latin1.h"

std::string latin1ToUtf8(const char* text) {
    std::string utf8;
    for (const char* at = text; *at; ++at) {
        const auto code = static_cast<unsigned char>(*at);
        if (code < 0x80) {
            utf8 += *at;
        } else {
            utf8 += static_cast<char>(0xC0 | code >> 6);
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}
