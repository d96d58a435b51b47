#pragma once

#include <string>
#include <string_view>

namespace quillmere::app {
class UserDialogs;
}
namespace quillmere::resources {
class StringTable;
}

namespace quillmere::archive {

// The export destination page's test of the typed path on Next.
class ExportPathCheck {
  public:
    // The trimmed path when it may be written; empty after telling the user why not. A path that
    // came from the Save dialog has been asked about already.
    static std::u16string check(std::u16string_view typed, bool fromDialog,
                                app::UserDialogs& dialogs, const resources::StringTable& strings);
};

}  // namespace quillmere::archive
