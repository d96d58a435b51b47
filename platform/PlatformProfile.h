#pragma once

#include "platform/CodePage.h"
#include "platform/DataProtection.h"
#include "platform/Environment.h"
#include "platform/Registry.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillmere::platform {

struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

// Where the messenger's files live on this machine and what the Windows services they rely on
// answer: a Wine prefix, or a native profile when there is none. APPDATA, LOCALAPPDATA and TMPDIR
// override the folders in both.
class PlatformProfile {
  public:
    explicit PlatformProfile(Environment env);
    virtual ~PlatformProfile();
    PlatformProfile(const PlatformProfile&) = delete;
    PlatformProfile& operator=(const PlatformProfile&) = delete;

    // The Wine prefix at $WINEPREFIX, else ~/.wine, when it holds system.reg, user.reg and
    // drive_c; otherwise the native profile.
    static std::unique_ptr<PlatformProfile> detect(Environment env);

    virtual std::string kindName() const = 0;
    virtual std::optional<std::filesystem::path> winePrefix() const { return std::nullopt; }
    virtual const Registry& registry() const = 0;
    // GetVersionExW; nothing when the query fails.
    virtual std::optional<WindowsVersion> windowsVersion() const = 0;
    // The name that data protection binds blobs to, in UTF-8.
    virtual std::string userName() const = 0;

    // What "%APPDATA%" expands to.
    std::optional<std::filesystem::path> roamingAppData() const;
    // SHGetFolderPathW(CSIDL_LOCAL_APPDATA); nothing when the shell has no such folder.
    std::optional<std::filesystem::path> localAppData() const;
    // GetTempPathW: $TMPDIR or /tmp, with a trailing separator.
    std::filesystem::path tempPath() const;
    int uiLanguage() const;
    CodePage codePage() const;
    // ExpandEnvironmentStringsW: %APPDATA%, %LOCALAPPDATA%, %TEMP%, %TMP%, %USERNAME% and the
    // process environment; unknown names stay as they are.
    std::u16string ExpandEnvironmentStrings(std::u16string_view text) const;
    // Data protection bound to userName(), reading blobs of the other candidate names too.
    DataProtection dataProtection() const;

  protected:
    const Environment& environment() const { return m_env; }
    virtual std::optional<std::filesystem::path> profileRoamingAppData() const = 0;
    virtual std::optional<std::filesystem::path> profileLocalAppData() const = 0;
    virtual std::vector<std::string> otherUserNames() const { return {}; }

  private:
    Environment m_env;
};

}  // namespace quillmere::platform
