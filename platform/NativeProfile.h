#pragma once

#include "platform/PlatformProfile.h"

namespace quillmere::platform {

// No Wine prefix: roaming application data under $XDG_DATA_HOME/quillmere, no local
// application-data folder, no registry and no Windows version, so every road works offline with
// the pre-8 store.
class NativeProfile : public PlatformProfile {
  public:
    explicit NativeProfile(Environment env);

    std::string kindName() const override { return "native"; }
    const Registry& registry() const override { return m_registry; }
    std::optional<WindowsVersion> windowsVersion() const override { return std::nullopt; }
    std::string userName() const override;

  protected:
    std::optional<std::filesystem::path> profileRoamingAppData() const override;
    std::optional<std::filesystem::path> profileLocalAppData() const override {
        return std::nullopt;
    }
    std::vector<std::string> otherUserNames() const override;

  private:
    Registry m_registry;
};

}  // namespace quillmere::platform
