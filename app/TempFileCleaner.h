#pragma once

#include <filesystem>
#include <string_view>

namespace quillmere::app {

// Deletes the wizard's temporary files and folders. Nothing here reports a failure and nothing
// stops early: what cannot be deleted stays.
class TempFileCleaner {
  public:
    // One entry of the wizard's list: a folder when it ends with a separator, otherwise a file,
    // and a folder after all when it cannot be deleted as a file.
    static void deleteEntry(std::u16string_view entry);

    // Deletes everything in the folder but hidden entries (names beginning with "."), emptying
    // and removing sub-folders. Links are deleted, never followed.
    static void RemoveFolderContents(const std::filesystem::path& folder);

    static bool endsWithSeparator(std::u16string_view entry);
};

}  // namespace quillmere::app
