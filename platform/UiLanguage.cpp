#include "platform/UiLanguage.h"

#include <string_view>

namespace quillmere::platform {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

int GetUserDefaultLangID(const Environment& env) {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (auto value = env.get(name)) {
            locale = *value;
            break;
        }
    }
    // Only the language and territory matter: "ja_JP.UTF-8" and "ja" are both Japanese.
    const std::string_view tag(locale);
    if (tag == "ja" || startsWith(tag, "ja_") || startsWith(tag, "ja.")) {
        return kLangJapanese;
    }
    if (startsWith(tag, "zh_TW") || startsWith(tag, "zh_HK")) {
        return kLangChineseTraditional;
    }
    if (startsWith(tag, "zh_CN") || startsWith(tag, "zh_SG")) {
        return kLangChineseSimplified;
    }
    return kLangEnglishUS;
}

const LocalizedLanguage* localizedLanguage(int langId) {
    static constexpr LocalizedLanguage kLocalized[] = {
        {kLangJapanese, 932, "932.res", "ja_JP.UTF-8"},
        {kLangChineseTraditional, 950, "950.res", "zh_TW.UTF-8"},
        {kLangChineseSimplified, 936, "936.res", "zh_CN.UTF-8"},
    };
    for (const auto& language : kLocalized) {
        if (language.langId == langId) {
            return &language;
        }
    }
    return nullptr;
}

int codePageForLanguage(int langId) {
    const LocalizedLanguage* language = localizedLanguage(langId);
    return language != nullptr ? language->codePage : 1252;
}

}  // namespace quillmere::platform
