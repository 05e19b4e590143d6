// The table the browser converts record names with gives exactly what the desktop's iconv gives.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "game/cp932.h"
#include "game/files.h"

namespace orizen {
namespace {

std::string utf8(unsigned u) {
    std::string s;
    if (u < 0x80) return s += char(u), s;
    if (u < 0x800) return s += char(0xC0 | u >> 6), s += char(0x80 | (u & 0x3F)), s;
    if (u < 0x10000) return s += char(0xE0 | u >> 12), s += char(0x80 | (u >> 6 & 0x3F)), s += char(0x80 | (u & 0x3F)), s;
    return s += char(0xF0 | u >> 18), s += char(0x80 | (u >> 12 & 0x3F)), s += char(0x80 | (u >> 6 & 0x3F)),
           s += char(0x80 | (u & 0x3F)), s;
}

TEST(Cp932Table, EncodesEveryCharacterAsIconvDoes) {
    std::string a, b;
    for (unsigned u = 0; u < 0x10000; u += 1) {
        if (u >= 0xD800 && u < 0xE000) continue;
        const bool ok = toCp932(utf8(u), a);
        ASSERT_EQ(cp932FromUtf8(utf8(u), b), ok) << std::hex << u;
        if (ok) {
            ASSERT_EQ(b, a) << std::hex << u;
        }
    }
    // Not UTF-8, a surrogate, beyond the plane CP932 draws from, a name.
    for (const std::string& s : {std::string("\xC0\x80"), std::string("\xED\xA0\x80"), std::string("\xFF"),
                                 std::string("a\xE3\x81"), utf8(0x1F600), std::string("対局者 Ⅱ ①～")}) {
        const bool ok = toCp932(s, a);
        EXPECT_EQ(cp932FromUtf8(s, b), ok) << s;
        if (ok) {
            EXPECT_EQ(b, a) << s;
        }
    }
}

TEST(Cp932Table, DecodesEveryByteAndPairAndNoiseAsIconvDoes) {
    for (unsigned code = 0; code < 0x10000; ++code) {
        const std::string s = code < 0x100 ? std::string(1, char(code)) : std::string{char(code >> 8), char(code & 0xFF)};
        ASSERT_EQ(cp932ToUtf8(s), fromCp932(s)) << std::hex << code;
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        std::string s(rng() % 12, '\0');
        for (char& c : s) c = char(rng() % 3 == 0 ? 0x80 + rng() % 0x80 : rng());
        ASSERT_EQ(cp932ToUtf8(s), fromCp932(s));
    }
}

}  // namespace
}  // namespace orizen
