#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

namespace quillmere::archive {

// The export on Finish: lays the picked emoticons out in a staging folder (pictures as GIFs from
// the pre-8 store, unchanged from the Messenger 8 store, each with a fresh msnobj, map.txt and
// ver.cfg), packs it into the emoticon file and deletes it. The file is written under a
// temporary name beside the target and renamed when complete, so a failure never leaves a
// half-written archive under the user's name.
class ArchiveExporter {
  public:
    ArchiveExporter(app::WizardState& state, const platform::PlatformProfile& profile,
                    app::UserDialogs& dialogs, const resources::StringTable& strings);

    // True when the emoticon file was written.
    bool Export();

    // The picture name a pre-8 Location gets inside the archive.
    static std::u16string pre8PictureName(std::u16string_view location);
    // The SHA1D value of an msnobj: between the first two quotes after the first "SHA1D=".
    static std::u16string sha1dOf(std::u16string_view msnObj);
    // Map text lines wrapped for map.txt: Base64 of the UTF-16LE text and its NUL unit.
    static std::string wrapLine(std::u16string_view line);

  private:
    std::optional<std::filesystem::path> makeStagingFolder();
    void stagePre8(const std::filesystem::path& pictures, const std::vector<std::u16string>& lines);
    void stageMsn8(const std::filesystem::path& pictures, const std::vector<std::u16string>& lines);
    bool pack(const std::filesystem::path& staging, const std::filesystem::path& archive);
    void message(int stringId, const std::filesystem::path& archive) const;

    app::WizardState& m_state;
    const platform::PlatformProfile& m_profile;
    app::UserDialogs& m_dialogs;
    const resources::StringTable& m_strings;
};

}  // namespace quillmere::archive
