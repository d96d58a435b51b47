#include "store/MsnObjLocation.h"

#include "services/CQuiLoggerBase.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace quillmere::store {
namespace {

struct LocationCase {
    std::u16string msnObj;
    std::u16string location;
    std::string lastLog;
};

class ParseMsnObjTest : public testing::TestWithParam<LocationCase> {};

TEST_P(ParseMsnObjTest, TakesTheTextBetweenTheFirstTwoQuotesAfterLocation) {
    test::LogCapture capture("MsnObjTest");
    services::CQuiLoggerBase log("MsnObjTest");
    capture.clear();
    EXPECT_EQ(ParseMsnObj(GetParam().msnObj, &log, MsnObjWording::kIconList), GetParam().location);
    const auto lines = capture.messages();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Start CPropertyPageIconList::ParseMsnObj()");
    EXPECT_EQ(lines.back(), GetParam().lastLog);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseMsnObjTest,
    testing::Values(
        LocationCase{u"<msnobj Creator=\"kim\" Size=\"10\" Type=\"2\" Location=\"TFR2C.dat\" "
                     u"Friendly=\"AAA=\"/>",
                     u"TFR2C.dat",
                     "Find mapFileName: TFR2C.dat, leaving CPropertyPageIconList::ParseMsnObj()"},
        LocationCase{u"<msnobj Location=\"0\"/>", u"0",
                     "Find mapFileName: 0, leaving CPropertyPageIconList::ParseMsnObj()"},
        LocationCase{u"<msnobj Location=\"\"/>", u"",
                     "Find mapFileName: , leaving CPropertyPageIconList::ParseMsnObj()"},
        LocationCase{u"<msnobj Size=\"1\"/>", u"", "Can not find keyword: \"Location\""},
        LocationCase{u"<msnobj location=\"x\"/>", u"", "Can not find keyword: \"Location\""},
        LocationCase{u"<msnobj Location=x/>", u"", "Can not find \", format is wrong"},
        LocationCase{u"<msnobj Location=\"x/>", u"", "Can not find \", format is wrong"},
        // The first "Location" wins wherever it stands, and nothing is unescaped.
        LocationCase{u"<msnobj Friendly=\"Location\" Location=\"b\"/>", u" Location=",
                     "Find mapFileName:  Location=, leaving CPropertyPageIconList::ParseMsnObj()"},
        LocationCase{u"<msnobj Location=\"a&amp;b\"/>", u"a&amp;b",
                     "Find mapFileName: a&amp;b, leaving CPropertyPageIconList::ParseMsnObj()"},
        LocationCase{std::u16string(u"<msnobj \0Location=\"a\"/>", 24), u"",
                     "Can not find keyword: \"Location\""}));

TEST(ParseMsnObj, UsesTheOtherPagesWordingWithoutALogger) {
    EXPECT_EQ(ParseMsnObj(u"Location=\"a\"", nullptr, MsnObjWording::kImportFinish), u"a");
    test::LogCapture capture("MsnObjTest.Import");
    services::CQuiLoggerBase log("MsnObjTest.Import");
    capture.clear();
    ParseMsnObj(u"Location=\"a", &log, MsnObjWording::kImportFinish);
    EXPECT_EQ(capture.messages(), (std::vector<std::string>{
                                      "Start CPropertyPageImportFinish::ParseMsnObj()",
                                      "Cannot find second \", the format is wrong ",
                                  }));
}

}  // namespace
}  // namespace quillmere::store
