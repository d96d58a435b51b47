#include "app/LanguageSetup.h"

#include "platform/UiLanguage.h"

#include <clocale>
#include <string>

namespace quillmere::app {

bool LanguageSetup::apply(int langId, const std::filesystem::path& programFolder,
                          resources::StringTable& strings) {
    const platform::LocalizedLanguage* language = platform::localizedLanguage(langId);
    if (language == nullptr) {
        return false;
    }
    const char* current = std::setlocale(LC_ALL, nullptr);
    const std::string previous = current != nullptr ? current : "C";
    // The locale may not be installed; the texts still come from the module.
    std::setlocale(LC_ALL, language->locale);
    if (strings.loadModule(programFolder / language->moduleName)) {
        return true;
    }
    std::setlocale(LC_ALL, previous.c_str());
    return false;
}

}  // namespace quillmere::app
