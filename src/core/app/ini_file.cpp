#include "app/ini_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "text/gbk.h"

namespace vantry::app {
namespace {

std::string_view Trim(std::string_view s) {
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && space(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// The file as lines of UTF-8 text; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::vector<std::string> lines;
    std::string line;
    std::istringstream stream(text::FromGbk(buffer.str()));
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Writes a new file beside the old one and renames it over it, so that the
// file is never left half-written.
void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines)
        content += text::ToGbk(line) + "\r\n";
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return;
        out << content;
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        std::remove(temp.c_str());
}

bool IsSectionLine(std::string_view line) {
    line = Trim(line);
    return line.size() >= 2 && line.front() == '[' && line.find(']') != std::string_view::npos;
}

std::string_view SectionName(std::string_view line) {
    line = Trim(line);
    return line.substr(1, line.find(']') - 1);
}

// The range of lines [first, end) that belong to a section, header excluded.
struct SectionRange {
    std::size_t header = 0, first = 0, end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!IsSectionLine(lines[i]) || !SameName(SectionName(lines[i]), section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !IsSectionLine(lines[end]))
            ++end;
        return SectionRange{i, i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, SectionRange range,
                                   std::string_view key) {
    for (std::size_t i = range.first; i < range.end; ++i) {
        const std::string_view line = lines[i];
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || Trim(line).starts_with(';'))
            continue;
        if (SameName(line.substr(0, eq), key))
            return i;
    }
    return std::nullopt;
}

// The value as a caller sees it: trimmed, without zero characters, and no
// longer than 1023 bytes in its GBK form (never cutting a character in two).
std::string CleanValue(std::string_view raw) {
    std::string value(Trim(raw));
    std::erase(value, '\0');
    std::string cut;
    std::size_t bytes = 0;
    for (const text::GbkChar& c : text::GbkChars(value)) {
        if (bytes + c.bytes.size() > kIniValueMax)
            break;
        bytes += c.bytes.size();
        cut += c.utf8;
    }
    return cut;
}

}  // namespace

void classIniFile::SetPath(std::string_view folder, std::string_view name) {
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    while (!folder.empty() && separator(folder.back()))
        folder.remove_suffix(1);
    while (!name.empty() && separator(name.front()))
        name.remove_prefix(1);
    INIFileName = std::string(folder) + "/" + std::string(name);
}

std::string classIniFile::GetIniKey(std::string_view section, std::string_view key) const {
    const auto lines = ReadLines(INIFileName);
    if (!lines)
        return {};
    const auto range = FindSection(*lines, section);
    if (!range)
        return {};
    const auto at = FindKey(*lines, *range, key);
    if (!at)
        return {};
    const std::string& line = (*lines)[*at];
    return CleanValue(std::string_view(line).substr(line.find('=') + 1));
}

void classIniFile::WriteIniKey(std::string_view section, std::string_view key,
                               std::string_view value) {
    std::vector<std::string> lines = ReadLines(INIFileName).value_or(std::vector<std::string>{});
    const std::string entry = std::string(Trim(key)) + "=" + std::string(value);
    if (const auto range = FindSection(lines, section)) {
        if (const auto at = FindKey(lines, *range, key)) {
            lines[*at] = entry;
        } else {
            // After the section's last non-empty line.
            std::size_t insert = range->end;
            while (insert > range->first && Trim(lines[insert - 1]).empty())
                --insert;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert), entry);
        }
    } else {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    }
    WriteLines(INIFileName, lines);
}

void classIniFile::DelIniKey(std::string_view section, std::string_view key) {
    auto lines = ReadLines(INIFileName);
    if (!lines)
        return;
    const auto range = FindSection(*lines, section);
    if (!range)
        return;
    const auto at = FindKey(*lines, *range, key);
    if (!at)
        return;
    lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(*at));
    WriteLines(INIFileName, *lines);
}

void classIniFile::DelIniSec(std::string_view section) {
    auto lines = ReadLines(INIFileName);
    if (!lines)
        return;
    const auto range = FindSection(*lines, section);
    if (!range)
        return;
    lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(range->header),
                 lines->begin() + static_cast<std::ptrdiff_t>(range->end));
    WriteLines(INIFileName, *lines);
}

}  // namespace vantry::app
