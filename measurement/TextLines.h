#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file's lines without their line ends (LF or CR LF) and without a UTF-8 byte order mark at
// the start; line k of the file is element k - 1.
std::vector<std::string_view> splitLines(std::string_view text);

// The line without blanks (spaces, tabs) at either end.
std::string_view trimmed(std::string_view line);

// The line's words, split at runs of blanks.
std::vector<std::string_view> words(std::string_view line);

// The text with A–Z in lower case and every other byte as it is.
std::string lowerAscii(std::string_view text);
