#pragma once

#include "platform/PlatformProfile.h"

namespace quillmere::platform {

// The messenger's realistic home on Linux: a Wine prefix, read through its registry files and
// its drive_c tree.
class WinePrefixProfile : public PlatformProfile {
  public:
    WinePrefixProfile(Environment env, std::filesystem::path prefix);

    std::string kindName() const override { return "wine"; }
    std::optional<std::filesystem::path> winePrefix() const override { return m_prefix; }
    const Registry& registry() const override { return m_registry; }
    std::optional<WindowsVersion> windowsVersion() const override;
    // The prefix's user: the folder under drive_c/users that the prefix was made for.
    std::string userName() const override;

  protected:
    std::optional<std::filesystem::path> profileRoamingAppData() const override;
    std::optional<std::filesystem::path> profileLocalAppData() const override;
    std::vector<std::string> otherUserNames() const override;

  private:
    std::optional<std::filesystem::path> shellFolder(
        std::u16string_view valueName, std::initializer_list<const char*> fallbacks) const;
    std::optional<std::string> userFromShellFolders() const;
    std::vector<std::string> userFolders() const;

    std::filesystem::path m_prefix;
    Registry m_registry;
};

}  // namespace quillmere::platform
