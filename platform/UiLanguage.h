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

// The user-interface language, from LC_ALL, LC_MESSAGES and LANG (the first one set).
int GetUserDefaultLangID(const Environment& env);

// The 8-bit code page that goes with a language: 932, 950, 936, else 1252.
int codePageForLanguage(int langId);

}  // namespace quillmere::platform
