#pragma once
// Wire texts and the data files are GBK; everything inside the client is UTF-8.
// These are the only places where the two meet.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantry::text {

// UTF-8 -> GBK. Characters GBK cannot hold become '?'.
std::string ToGbk(std::string_view utf8);

// GBK -> UTF-8. Bytes that do not form a GBK character become U+FFFD.
std::string FromGbk(std::string_view gbk);

// One displayed character of a text as GBK counts it: a single-byte character
// has width 1, a double-byte character width 2.
struct GbkChar {
    std::string bytes;  // one or two GBK bytes
    std::string utf8;   // the same character in UTF-8
};

// Splits a UTF-8 text into its characters with their GBK bytes.
std::vector<GbkChar> GbkChars(std::string_view utf8);

// The number of characters of a text (each counts one, whatever its width).
std::size_t CharCount(std::string_view utf8);

// The display width of a text in GBK columns (double-byte characters count two).
std::size_t GbkWidth(std::string_view utf8);

// The first `count` characters of a UTF-8 text.
std::string FirstChars(std::string_view utf8, std::size_t count);

// Each character as one byte, its GBK code (the "one byte per character" fields of
// the protocol: account names, keys, proxy credentials). Returns false when a
// character's code does not fit in one byte; `out` then holds 0 for it.
bool ToSingleBytes(std::string_view utf8, std::vector<unsigned char>& out);

}  // namespace vantry::text
