// Text files as the game keeps them: Shift_JIS (code page 932) bytes, written whole and safely.
#pragma once

#include <string>
#include <vector>

namespace orizen {

// UTF-8 to code page 932. False when some character has no Shift_JIS form.
bool toCp932(const std::string& utf8, std::string& out);
// Code page 932 to UTF-8; bytes that are not valid Shift_JIS become U+FFFD.
std::string fromCp932(const std::string& bytes);

// Reads a whole file of at most maxBytes. False with a reason when it cannot be read or is larger.
bool readWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes, std::string& error);
// Writes a whole file through a temporary file in the same folder renamed over the target, so the
// target is either the old file or the new one, never half written.
bool writeWholeFile(const std::string& path, const std::string& bytes, std::string& error);

// Splits text into lines ended by CR LF or LF (a lone CR ends a line too); the end of the text
// does not make an extra empty line.
std::vector<std::string> splitLines(const std::string& text);

}  // namespace orizen
