#pragma once
// The classic sectioned key-value file ("[section]" lines followed by
// "key=value" lines) kept beside the executable for the deal records and the
// quick phrases. Section and key names match without regard to case; values
// are trimmed and cut to 1023 bytes; the file is GBK on disk and UTF-8 here.
// A missing file, section or key reads as the empty text; failed writes leave
// the file as it was and are not reported.

#include <string>
#include <string_view>

namespace vantry::app {

class classIniFile {
  public:
    classIniFile() = default;
    explicit classIniFile(std::string path) : INIFileName(std::move(path)) {}

    // Sets the file to folder + "/" + name, whatever separators the folder
    // ends with and the name starts with ('\' and '/' alike).
    void SetPath(std::string_view folder, std::string_view name);

    void WriteIniKey(std::string_view section, std::string_view key, std::string_view value);
    std::string GetIniKey(std::string_view section, std::string_view key) const;
    void DelIniKey(std::string_view section, std::string_view key);
    void DelIniSec(std::string_view section);

    std::string INIFileName;
};

// Longest value returned by GetIniKey, in bytes of its GBK form.
inline constexpr std::size_t kIniValueMax = 1023;

}  // namespace vantry::app
