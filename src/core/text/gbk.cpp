#include "text/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace vantry::text {
namespace {

// Decodes one UTF-8 sequence starting at `pos`; returns the code point and
// advances `pos`. Malformed input yields U+FFFD and consumes one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    auto cont = [&](std::size_t i) -> int {
        if (pos + i >= s.size())
            return -1;
        const auto b = static_cast<unsigned char>(s[pos + i]);
        return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
    };
    if (b0 < 0x80) {
        pos += 1;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        pos += 1;
        return 0xFFFD;
    }
    for (int i = 1; i < len; ++i) {
        const int c = cont(i);
        if (c < 0) {
            pos += 1;
            return 0xFFFD;
        }
        cp = (cp << 6) | static_cast<char32_t>(c);
    }
    pos += static_cast<std::size_t>(len);
    return cp;
}

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; returns false if any byte could not be converted.
    bool Convert(std::string_view in, std::string& out) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.assign(in.size() * 4 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        out.resize(out.size() - dstLeft);
        return rc != static_cast<std::size_t>(-1) && srcLeft == 0;
    }

  private:
    iconv_t cd_;
};

// One character (UTF-8) to its GBK bytes, or "" when GBK has no such character.
std::string CharToGbk(std::string_view utf8Char) {
    thread_local Converter toGbk("GBK", "UTF-8");
    std::string out;
    if (!toGbk.Convert(utf8Char, out))
        return {};
    return out;
}

}  // namespace

std::string ToGbk(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const GbkChar& c : GbkChars(utf8))
        out += c.bytes;
    return out;
}

std::string FromGbk(std::string_view gbk) {
    thread_local Converter fromGbk("UTF-8", "GBK");
    std::string out;
    std::size_t i = 0;
    while (i < gbk.size()) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        std::string piece;
        if (i + 1 < gbk.size() && fromGbk.Convert(gbk.substr(i, 2), piece)) {
            out += piece;
            i += 2;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

std::vector<GbkChar> GbkChars(std::string_view utf8) {
    std::vector<GbkChar> chars;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(utf8, pos);
        GbkChar c;
        c.utf8 = std::string(utf8.substr(start, pos - start));
        if (cp < 0x80) {
            c.bytes = std::string(1, static_cast<char>(cp));
        } else {
            c.bytes = CharToGbk(c.utf8);
            if (c.bytes.empty() || c.bytes.size() > 2)
                c.bytes = "?";
        }
        chars.push_back(std::move(c));
    }
    return chars;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        NextCodePoint(utf8, pos);
        ++n;
    }
    return n;
}

std::size_t GbkWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (const GbkChar& c : GbkChars(utf8))
        width += c.bytes.size();
    return width;
}

std::string FirstChars(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < utf8.size(); ++n)
        NextCodePoint(utf8, pos);
    return std::string(utf8.substr(0, pos));
}

bool ToSingleBytes(std::string_view utf8, std::vector<unsigned char>& out) {
    out.clear();
    bool allFit = true;
    for (const GbkChar& c : GbkChars(utf8)) {
        if (c.bytes.size() == 1) {
            out.push_back(static_cast<unsigned char>(c.bytes[0]));
        } else {
            out.push_back(0);
            allFit = false;
        }
    }
    return allFit;
}

}  // namespace vantry::text
