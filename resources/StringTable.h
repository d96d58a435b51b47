#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmere::resources {

// The numbered string resources: English built in, replaced by number from a localized module.
class StringTable {
  public:
    static constexpr std::uintmax_t kMaxModuleBytes = 4u << 20;

    StringTable();

    // The text of a number; empty for a number the table does not hold.
    const std::u16string& get(int id) const;
    bool contains(int id) const;

    // Replaces texts from a module of UTF-8 lines "NUMBER<TAB>TEXT" (escapes \r, \n, \t, \\).
    // Lines that do not have that form are skipped. False, with every text left as it was, when
    // the file is missing, unreadable, too large or holds no valid line.
    bool loadModule(const std::filesystem::path& file);
    // The same for a module's content.
    bool loadModuleText(std::string_view content);

    // "932.res", "950.res" or "936.res" for the three Asian user-interface languages.
    static std::optional<std::string> moduleNameFor(int langId);

    static const std::vector<std::pair<int, std::u16string_view>>& builtInEntries();

  private:
    std::map<int, std::u16string> m_strings;
};

}  // namespace quillmere::resources
