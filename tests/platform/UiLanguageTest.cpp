#include "platform/UiLanguage.h"

#include <gtest/gtest.h>

namespace quillmere::platform {
namespace {

struct LanguageCase {
    std::map<std::string, std::string> env;
    int langId;
    int codePage;
};

class UiLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(UiLanguage, FollowsTheFirstLocaleVariableThatIsSet) {
    const auto& c = GetParam();
    const int lang = GetUserDefaultLangID(Environment(c.env));
    EXPECT_EQ(lang, c.langId);
    EXPECT_EQ(codePageForLanguage(lang), c.codePage);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UiLanguage,
    testing::Values(LanguageCase{{}, 1033, 1252},
                    LanguageCase{{{"LANG", "ja_JP.UTF-8"}}, 1041, 932},
                    LanguageCase{{{"LANG", "ja"}}, 1041, 932},
                    LanguageCase{{{"LANG", "zh_TW.UTF-8"}}, 1028, 950},
                    LanguageCase{{{"LANG", "zh_HK"}}, 1028, 950},
                    LanguageCase{{{"LANG", "zh_CN.GB2312"}}, 2052, 936},
                    LanguageCase{{{"LANG", "zh_SG"}}, 2052, 936},
                    LanguageCase{{{"LANG", "de_DE.UTF-8"}}, 1033, 1252},
                    LanguageCase{{{"LANG", "jam_JM"}}, 1033, 1252},
                    // LC_ALL wins over LC_MESSAGES, which wins over LANG; empty counts as unset.
                    LanguageCase{{{"LC_ALL", "C"}, {"LANG", "ja_JP"}}, 1033, 1252},
                    LanguageCase{{{"LC_MESSAGES", "zh_CN"}, {"LANG", "ja_JP"}}, 2052, 936},
                    LanguageCase{{{"LC_ALL", ""}, {"LANG", "ja_JP"}}, 1041, 932}));

}  // namespace
}  // namespace quillmere::platform
