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

int codePageForLanguage(int langId) {
    switch (langId) {
        case kLangJapanese:
            return 932;
        case kLangChineseTraditional:
            return 950;
        case kLangChineseSimplified:
            return 936;
        default:
            return 1252;
    }
}

}  // namespace quillmere::platform
