#include "game/cp932.h"

#include <algorithm>
#include <cstdint>

namespace orizen {

namespace {

struct Cp932Pair {
    uint16_t code, unicode;
};
#include "game/cp932_table.inc"

// The character of `code`, or -1.
long decode(unsigned code) {
    const auto it = std::lower_bound(std::begin(kCp932Decode), std::end(kCp932Decode), code,
                                     [](const Cp932Pair& p, unsigned c) { return p.code < c; });
    return it != std::end(kCp932Decode) && it->code == code ? long(it->unicode) : -1;
}

// The code of character u, or -1.
long encode(unsigned u) {
    const auto it = std::lower_bound(std::begin(kCp932Encode), std::end(kCp932Encode), u,
                                     [](const Cp932Pair& p, unsigned c) { return p.unicode < c; });
    if (it != std::end(kCp932Encode) && it->unicode == u) return it->code;
    for (const Cp932Pair& p : kCp932Decode)
        if (p.unicode == u) return p.code;
    return -1;
}

void appendUtf8(std::string& out, unsigned u) {
    if (u < 0x80) {
        out += char(u);
    } else if (u < 0x800) {
        out += char(0xC0 | u >> 6), out += char(0x80 | (u & 0x3F));
    } else {
        out += char(0xE0 | u >> 12), out += char(0x80 | (u >> 6 & 0x3F)), out += char(0x80 | (u & 0x3F));
    }
}

// The next character of well-formed UTF-8 at s[i], advancing i; false for anything else.
bool nextUtf8(const std::string& s, size_t& i, unsigned& u) {
    const auto at = [&](size_t k) { return k < s.size() ? unsigned(uint8_t(s[k])) : 0u; };
    const unsigned b = at(i);
    int n;
    unsigned low = 0x80, high = 0xBF;  // the second byte's range
    if (b < 0x80) {
        u = b, i += 1;
        return true;
    } else if (b >= 0xC2 && b <= 0xDF) {
        n = 1, u = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 2, u = b & 0x0F;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 3, u = b & 0x07;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return false;
    }
    for (int k = 1; k <= n; ++k) {
        const unsigned c = at(i + k);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
        u = u << 6 | (c & 0x3F);
    }
    i += size_t(n) + 1;
    return true;
}

}  // namespace

bool cp932FromUtf8(const std::string& utf8, std::string& out) {
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        unsigned u;
        if (!nextUtf8(utf8, i, u) || u > 0xFFFF) return false;
        const long code = encode(u);
        if (code < 0) return false;
        if (code > 0xFF) out += char(code >> 8);
        out += char(code & 0xFF);
    }
    return true;
}

std::string cp932ToUtf8(const std::string& bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned b = uint8_t(bytes[i]);
        long u = decode(b);
        if (u >= 0) {
            appendUtf8(out, unsigned(u));
            i += 1;
        } else if (i + 1 < bytes.size() && (u = decode(b << 8 | uint8_t(bytes[i + 1]))) >= 0) {
            appendUtf8(out, unsigned(u));
            i += 2;
        } else {
            out += "\xEF\xBF\xBD";
            i += 1;
        }
    }
    return out;
}

}  // namespace orizen
