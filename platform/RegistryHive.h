#pragma once

#include "platform/Bytes.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere::platform {

enum RegistryType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
};

// A value as RegQueryValueExW returns it: its type and its raw bytes (strings as UTF-16LE with
// their terminator).
struct RegistryValue {
    std::uint32_t type = kRegNone;
    Bytes data;

    static RegistryValue fromText(std::u16string_view text, std::uint32_t type = kRegSz);
    static RegistryValue fromDword(std::uint32_t value);

    // The text of a REG_SZ or REG_EXPAND_SZ value, up to its first NUL.
    std::optional<std::u16string> text() const;
    std::optional<std::uint32_t> dword() const;
};

// One registry file's keys and values. Key paths and value names are matched without regard to
// letter case; the default value has the empty name.
class RegistryHive {
  public:
    using Values = std::map<std::u16string, RegistryValue>;

    void setValue(std::u16string_view keyPath, std::u16string_view name, RegistryValue value);
    // Creates the key and its ancestors; returns the key's values for filling in.
    Values& addKey(std::u16string_view keyPath);
    static void setValue(Values& values, std::u16string_view name, RegistryValue value);

    bool hasKey(std::u16string_view keyPath) const;
    const RegistryValue* value(std::u16string_view keyPath, std::u16string_view name) const;

  private:
    static std::u16string normalizeKey(std::u16string_view keyPath);

    std::map<std::u16string, Values> m_keys;
};

}  // namespace quillmere::platform
