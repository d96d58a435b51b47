#pragma once

#include "store/EmoticonList.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quillmere::app {
class UserDialogs;
class WizardState;
}  // namespace quillmere::app
namespace quillmere::platform {
class PlatformProfile;
}
namespace quillmere::resources {
class StringTable;
}
namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::store {

// What the emoticon selection page does to fill its list from the account's store: the pre-8
// store through map.dat and the TRF file, or the Messenger 8 store (after offering to convert a
// pre-8 store into it). Failures are logged, and shown where the user must know.
class IconListLoader {
  public:
    IconListLoader(app::WizardState& state, const platform::PlatformProfile& profile,
                   app::UserDialogs& dialogs, const resources::StringTable& strings,
                   PictureFactory pictures);

    // Appends the account's emoticons to the list and sets the wizard's m_MsnPath.
    void LoadEmotionIcons();

    void ConvertPre8EmotionIcons();
    void LoadEmotionIconsFromMSN8();

    EmoticonList& list() { return m_list; }

  private:
    // map.dat, then the TRF file it names. Nothing when the store has no emoticons or a file
    // fails; `silent` keeps failures from the user.
    std::optional<std::u16string> readTrfText(bool silent);
    void ParseTRFdat(std::u16string_view text);
    // The picture a pre-8 record names, with the reader's log lines; nothing when it is missing.
    // `stop` is set for a record without a Location, which ends the split.
    std::optional<std::filesystem::path> pre8Picture(const EmoticonRecord& record,
                                                     const std::filesystem::path& pictures,
                                                     bool& stop) const;
    void ParseTRFdatForMSN8(std::u16string_view text);
    void addPicture(const std::filesystem::path& path);
    void log(std::u16string_view line) const;
    void showWarning(int stringId) const;

    app::WizardState& m_state;
    const platform::PlatformProfile& m_profile;
    app::UserDialogs& m_dialogs;
    const resources::StringTable& m_strings;
    PictureFactory m_pictures;
    const services::CQuiLoggerBase* m_log;

    EmoticonList m_list;
    std::u16string m_MsnPath;
    std::u16string m_email;
    bool m_bAskConvert = true;
};

}  // namespace quillmere::store
