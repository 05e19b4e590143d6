// CP932 (Shift_JIS as Windows writes it) without iconv, from tables made from the desktop's
// converter: for a build whose C library has none, the browser's.
#pragma once

#include <string>

namespace orizen {

// The conversions toCp932 and fromCp932 (files.h) make with iconv, byte for byte: UTF-8 to CP932,
// false for a character CP932 does not have or bytes that are not UTF-8; CP932 to UTF-8, U+FFFD for
// each byte that does not start a character.
bool cp932FromUtf8(const std::string& utf8, std::string& out);
std::string cp932ToUtf8(const std::string& bytes);

}  // namespace orizen
