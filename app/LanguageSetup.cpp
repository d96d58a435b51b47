#include "app/LanguageSetup.h"

#include "platform/UiLanguage.h"

#include <clocale>
#include <string>

namespace quillmere::app {

const char* LanguageSetup::localeFor(int langId) {
    switch (langId) {
        case platform::kLangJapanese:
            return "ja_JP.UTF-8";
        case platform::kLangChineseTraditional:
            return "zh_TW.UTF-8";
        case platform::kLangChineseSimplified:
            return "zh_CN.UTF-8";
        default:
            return "";
    }
}

bool LanguageSetup::apply(int langId, const std::filesystem::path& programFolder,
                          resources::StringTable& strings) {
    const auto module = resources::StringTable::moduleNameFor(langId);
    if (!module) {
        return false;
    }
    const char* current = std::setlocale(LC_ALL, nullptr);
    const std::string previous = current != nullptr ? current : "C";
    // The locale may not be installed; the texts still come from the module.
    std::setlocale(LC_ALL, localeFor(langId));
    if (strings.loadModule(programFolder / *module)) {
        return true;
    }
    std::setlocale(LC_ALL, previous.c_str());
    return false;
}

}  // namespace quillmere::app
