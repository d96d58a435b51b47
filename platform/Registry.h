#pragma once

#include "platform/RegistryHive.h"

#include <filesystem>
#include <optional>

namespace quillmere::platform {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// The read-only registry behind RegOpenKeyExW / RegQueryValueExW. HKCU and HKLM are a Wine
// prefix's user.reg and system.reg; HKCR is HKLM\Software\Classes. Without a prefix it is empty.
class Registry {
  public:
    Registry() = default;
    Registry(std::optional<RegistryHive> currentUser, std::optional<RegistryHive> localMachine);

    static Registry fromWinePrefix(const std::filesystem::path& prefix);

    bool keyExists(RegistryRoot root, std::u16string_view keyPath) const;
    // The default value has the empty name.
    std::optional<RegistryValue> queryValue(RegistryRoot root, std::u16string_view keyPath,
                                            std::u16string_view name) const;
    std::optional<std::u16string> queryText(RegistryRoot root, std::u16string_view keyPath,
                                            std::u16string_view name) const;

  private:
    const RegistryHive* hive(RegistryRoot root) const;
    static std::u16string hivePath(RegistryRoot root, std::u16string_view keyPath);

    std::optional<RegistryHive> m_currentUser;
    std::optional<RegistryHive> m_localMachine;
};

}  // namespace quillmere::platform
