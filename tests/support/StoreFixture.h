#pragma once

#include "platform/PlatformProfile.h"
#include "support/TempFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace quillmere::test {

// A machine with a native profile whose roaming and local folders are in a temporary folder, and
// helpers that lay out the messenger's two stores there the way the messenger does.
class StoreFixture {
  public:
    struct Emoticon {
        std::u16string shortcut;
        std::u16string name;
        std::string pictureBytes;  // empty: the picture file is not there
    };

    StoreFixture();

    const platform::PlatformProfile& profile() const { return *m_profile; }
    std::filesystem::path roaming() const { return m_folder / "roaming"; }
    std::filesystem::path local() const { return m_folder / "local"; }

    // The pre-8 store of `login`: pictures, the TRF file holding `trfText` (or the records'
    // map text), and map.dat naming it. Returns the account folder.
    std::filesystem::path writePre8Store(std::u16string_view login,
                                         const std::vector<Emoticon>& emoticons);
    std::filesystem::path writePre8Raw(std::u16string_view login, std::u16string_view trfText,
                                       std::u16string_view trfName = u"TFR1A.dat");
    std::filesystem::path pre8Account(std::u16string_view login) const;

    // The Messenger 8 store of `login` under `puid`. Returns the store folder.
    std::filesystem::path writeMsn8Store(std::u16string_view login, std::u16string_view puid,
                                         const std::vector<Emoticon>& emoticons);
    std::filesystem::path msn8Folder(std::u16string_view login) const;

    // Bytes that make a distinct small GIF-looking picture.
    static std::string pictureBytes(int seed);

  private:
    TempFolder m_folder;
    std::unique_ptr<platform::PlatformProfile> m_profile;
};

}  // namespace quillmere::test
