#include "app/TempFileCleaner.h"

#include "platform/Utf.h"

#include <unistd.h>

#include <vector>

namespace quillmere::app {

namespace {

bool isHidden(const std::filesystem::path& name) {
    return name.native().starts_with('.');
}

void removeFolder(const std::filesystem::path& folder) {
    TempFileCleaner::RemoveFolderContents(folder);
    // Fails, as it should, when hidden entries are left inside.
    ::rmdir(folder.c_str());
}

}  // namespace

bool TempFileCleaner::endsWithSeparator(std::u16string_view entry) {
    return !entry.empty() && (entry.back() == u'/' || entry.back() == u'\\');
}

void TempFileCleaner::deleteEntry(std::u16string_view entry) {
    std::u16string trimmed(entry);
    const bool folder = endsWithSeparator(trimmed);
    while (trimmed.size() > 1 && endsWithSeparator(trimmed)) {
        trimmed.pop_back();
    }
    const std::filesystem::path path = platform::pathFromUtf16(trimmed);
    if (path.empty()) {
        return;
    }
    if (folder || ::unlink(path.c_str()) != 0) {
        removeFolder(path);
    }
}

void TempFileCleaner::RemoveFolderContents(const std::filesystem::path& folder) {
    std::error_code ec;
    std::vector<std::filesystem::directory_entry> entries;
    for (std::filesystem::directory_iterator it(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (!isHidden(it->path().filename())) {
            entries.push_back(*it);
        }
    }
    for (const auto& entry : entries) {
        std::error_code typeError;
        if (entry.is_directory(typeError) && !entry.is_symlink(typeError)) {
            removeFolder(entry.path());
        } else {
            ::unlink(entry.path().c_str());
        }
    }
}

}  // namespace quillmere::app
