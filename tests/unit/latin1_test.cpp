#include "text/latin1.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace {

// glibc's own conversion, as the independent reference.
std::string convert(const char* from, const char* to, const std::string& text) {
    iconv_t converter = iconv_open(to, from);
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::string in = text;
    std::string out(text.size() * 4 + 4, '\0');
    char* inAt = in.data();
    char* outAt = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    EXPECT_NE(iconv(converter, &inAt, &inLeft, &outAt, &outLeft), static_cast<std::size_t>(-1))
        << from << " to " << to;
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

std::string hex(const std::string& bytes) {
    std::string text;
    for (const unsigned char c : bytes) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%02x ", c);
        text += cell;
    }
    return text;
}

} // namespace

// Every byte the game's texts may hold, alone and all in one line, turns into what glibc makes
// of ISO 8859-1, and back into the same byte.
TEST(Latin1, EveryByteAsIconvMakesItAndBackAgain) {
    std::string all;
    for (int code = 1; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        all += byte;
        const std::string utf8 = latin1ToUtf8(byte.c_str());
        EXPECT_EQ(hex(utf8), hex(convert("ISO-8859-1", "UTF-8", byte))) << "byte " << code;
        EXPECT_EQ(utf8.size(), code < 0x80 ? 1u : 2u) << "byte " << code;
        EXPECT_EQ(hex(convert("UTF-8", "ISO-8859-1", utf8)), hex(byte)) << "byte " << code;
    }
    const std::string utf8 = latin1ToUtf8(all.c_str());
    EXPECT_EQ(utf8, convert("ISO-8859-1", "UTF-8", all));
    EXPECT_EQ(convert("UTF-8", "ISO-8859-1", utf8), all);
    EXPECT_EQ(latin1ToUtf8(""), "");
    EXPECT_EQ(latin1ToUtf8("Entra\xeener"), "Entra\xc3\xaener"); // stops at its end
}
