#pragma once

#include "platform/Environment.h"

namespace quillmere::platform {

// Windows language identifiers that the program distinguishes.
enum LangId : int {
    kLangEnglishUS = 1033,
    kLangJapanese = 1041,
    kLangChineseTraditional = 1028,
    kLangChineseSimplified = 2052,
};

// A language that the program is localized for: its code page, its string module beside the
// program and the run-time locale that goes with it.
struct LocalizedLanguage {
    int langId;
    int codePage;
    const char* moduleName;
    const char* locale;
};

// The user-interface language, from LC_ALL, LC_MESSAGES and LANG (the first one set).
int GetUserDefaultLangID(const Environment& env);

// Japanese, Traditional and Simplified Chinese; nothing for any other language.
const LocalizedLanguage* localizedLanguage(int langId);

// The 8-bit code page that goes with a language: 932, 950, 936, else 1252.
int codePageForLanguage(int langId);

}  // namespace quillmere::platform
