#include "store/MsnObject.h"

#include "services/CQuiLoggerBase.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillmere::store {
namespace {

// Expected texts computed independently (Python's hashlib and base64).
constexpr std::u16string_view kSha1d1430 = u"OIi+oB7CTCnggHF/HimD7G4Z2VE=";

class MsnObjectTest : public testing::Test {
  protected:
    MsnObjectTest() {
        std::string bytes;
        for (int i = 0; i < 1430; ++i) {
            bytes.push_back(static_cast<char>(i % 251));
        }
        folder.write("TFR2C.dat", bytes);
        folder.write("empty.gif", "");
    }

    std::u16string create(std::u16string_view name, long type, std::u16string_view creator,
                          int codePage = 1252) {
        return MsnObject::CreateMsnObj(folder.path(), name, type, creator,
                                       platform::CodePage(codePage), nullptr,
                                       MsnObjBuildWording::kSilent);
    }

    test::TempFolder folder;
};

TEST_F(MsnObjectTest, BuildsTheFullFormOverAFile) {
    EXPECT_EQ(create(u"TFR2C.dat", 2, u"kim"),
              u"<msnobj Creator=\"kim\" Size=\"1430\" Type=\"2\" Location=\"TFR2C.dat\" "
              u"Friendly=\"AAA=\" SHA1D=\"OIi+oB7CTCnggHF/HimD7G4Z2VE=\" "
              u"SHA1C=\"btZ6F2VCw6mtRoJZBq8s+5oIqQI=\"/>");
    EXPECT_EQ(create(u"TFR2C.dat", 9, u"Kim"),
              u"<msnobj Creator=\"Kim\" Size=\"1430\" Type=\"9\" Location=\"TFR2C.dat\" "
              u"Friendly=\"AAA=\" SHA1D=\"OIi+oB7CTCnggHF/HimD7G4Z2VE=\" "
              u"SHA1C=\"TYqekXljo6q8GyFIEGsun0djT4w=\"/>");
    EXPECT_EQ(create(u"empty.gif", 2, u"kim"),
              u"<msnobj Creator=\"kim\" Size=\"0\" Type=\"2\" Location=\"empty.gif\" "
              u"Friendly=\"AAA=\" SHA1D=\"2jmj7l5rSw0yVb/vlWAYkK/YBwk=\" "
              u"SHA1C=\"d1LDE/lyNDv1bYN5+gj63l/fCTU=\"/>");
}

TEST_F(MsnObjectTest, HashesTheCheckTextInTheCodePageButKeepsTheWideText) {
    const std::u16string western = create(u"TFR2C.dat", 2, u"k\u00e9m", 1252);
    const std::u16string japanese = create(u"TFR2C.dat", 2, u"k\u00e9m", 932);
    EXPECT_NE(western.find(u"Creator=\"k\u00e9m\""), std::u16string::npos);
    EXPECT_NE(western.find(u"SHA1C=\"EXCphyRKqpZCbki+F96JNEcJLBI=\""), std::u16string::npos);
    EXPECT_NE(japanese.find(u"SHA1C=\"au3+l1n2pWYDghhDmsiWrn5uaQo=\""), std::u16string::npos);
}

TEST_F(MsnObjectTest, AnUnreadablePictureGivesNothingAndTheCatchLine) {
    test::LogCapture capture("MsnObjectTest");
    services::CQuiLoggerBase log("MsnObjectTest");
    capture.clear();
    const MsnObjBuildWording wording{
        u"Start CPropertyPageImportFinish::CreateMsnObj()",
        u"Leaving CPropertyPageImportFinish::CreateMsnObj()",
        u"Catch exception in CPropertyPageImportFinish::CreateMsnObj()"};
    EXPECT_EQ(MsnObject::CreateMsnObj(folder.path(), u"missing.gif", 2, u"kim",
                                      platform::CodePage(1252), &log, wording),
              u"");
    EXPECT_EQ(MsnObject::CreateMsnObj(folder.path(), u"", 2, u"kim", platform::CodePage(1252), &log,
                                      wording),
              u"")
        << "a folder is not a picture";
    EXPECT_FALSE(MsnObject::CreateMsnObj(folder.path(), u"TFR2C.dat", 2, u"kim",
                                         platform::CodePage(1252), &log, wording)
                     .empty());
    EXPECT_EQ(capture.messages(),
              (std::vector<std::string>{
                  "Start CPropertyPageImportFinish::CreateMsnObj()",
                  "Catch exception in CPropertyPageImportFinish::CreateMsnObj()",
                  "Start CPropertyPageImportFinish::CreateMsnObj()",
                  "Catch exception in CPropertyPageImportFinish::CreateMsnObj()",
                  "Start CPropertyPageImportFinish::CreateMsnObj()",
                  "Leaving CPropertyPageImportFinish::CreateMsnObj()",
              }));
}

TEST_F(MsnObjectTest, BuildsTheMessenger8Form) {
    EXPECT_EQ(MsnObject::messenger8Form(u"kim@example.com", folder / "TFR2C.dat", u"Kim"),
              u"<msnobj Creator=\"kim@example.com\" Type=\"2\" "
              u"SHA1D=\"OIi+oB7CTCnggHF/HimD7G4Z2VE=\" Size=\"1430\" Location=\"0\" "
              u"Friendly=\"SwBpAG0AAAA=\"/>");
    EXPECT_EQ(MsnObject::messenger8Form(u"kim", folder / "missing.gif", u""),
              u"<msnobj Creator=\"kim\" Type=\"2\" SHA1D=\"\" Size=\"0\" Location=\"0\" "
              u"Friendly=\"AAA=\"/>");
}

TEST_F(MsnObjectTest, Sha1Base64CarriesItsPrefixUntilCallersStripIt) {
    const std::string text = MsnObject::Sha1Base64({});
    EXPECT_EQ(text, "{SHA}2jmj7l5rSw0yVb/vlWAYkK/YBwk=");
    EXPECT_EQ(text.size(), 33u);
    EXPECT_EQ(MsnObject::withoutShaPrefix(text), "2jmj7l5rSw0yVb/vlWAYkK/YBwk=");
    EXPECT_EQ(MsnObject::withoutShaPrefix("x{SHA}y"), "x{SHA}y");
    EXPECT_EQ(MsnObject::fileSha1D(folder / "TFR2C.dat"), std::u16string(kSha1d1430));
    EXPECT_FALSE(MsnObject::fileSha1D(folder / "missing.gif"));
}

}  // namespace
}  // namespace quillmere::store
