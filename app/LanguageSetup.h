#pragma once

#include "resources/StringTable.h"

#include <filesystem>

namespace quillmere::app {

// Start-up's choice of language: for Japanese and the two Chinese languages, switch the C
// run-time locale and load the localized string module from the program's folder; when the
// module does not load, restore the previous locale and keep the built-in texts.
class LanguageSetup {
  public:
    // True when a localized module replaced the texts.
    static bool apply(int langId, const std::filesystem::path& programFolder,
                      resources::StringTable& strings);
};

}  // namespace quillmere::app
