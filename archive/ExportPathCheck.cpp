#include "archive/ExportPathCheck.h"

#include "app/UserDialogs.h"
#include "platform/Utf.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "services/FormatText.h"

#include <filesystem>

namespace quillmere::archive {

std::u16string ExportPathCheck::check(std::u16string_view typed, bool fromDialog,
                                      app::UserDialogs& dialogs,
                                      const resources::StringTable& strings) {
    const std::u16string path = platform::trimWhitespace(typed);
    if (path.empty()) {
        dialogs.MessageBox(strings.get(resources::IDS_SELECT_FILE), app::UserDialogs::kCaption,
                           app::UserDialogs::Icon::None);
        return {};
    }
    if (fromDialog) {
        return path;
    }
    std::error_code ec;
    const std::filesystem::path file = platform::pathFromUtf16(path);
    if (!std::filesystem::exists(file, ec)) {
        return path;
    }
    if (std::filesystem::is_directory(file, ec)) {
        dialogs.MessageBox(
            services::formatText(u"%s %s", {path, strings.get(resources::IDS_IS_DIRECTORY)}),
            app::UserDialogs::kCaption, app::UserDialogs::Icon::None);
        return {};
    }
    const bool replace = dialogs.AskYesNo(
        services::formatText(u"%s %s", {path, strings.get(resources::IDS_ALREADY_EXISTS)}),
        strings.get(resources::IDS_SAVE_AS), app::UserDialogs::Icon::Warning);
    return replace ? path : std::u16string();
}

}  // namespace quillmere::archive
