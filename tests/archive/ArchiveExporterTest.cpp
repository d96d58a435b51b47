#include "archive/ArchiveExporter.h"

#include "app/WizardState.h"
#include "platform/Utf.h"
#include "resources/StringTable.h"
#include "store/MsnObjLocation.h"
#include "store/MsnObject.h"
#include "support/PictureFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/StoreFixture.h"
#include "support/ZipContents.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quillmere::archive {
namespace {

using namespace std::literals;

class ArchiveExporterTest : public testing::Test {
  protected:
    bool runExport() {
        ArchiveExporter exporter(state, fixture.profile(), dialogs, strings);
        return exporter.Export();
    }

    std::filesystem::path archivePath() const {
        return fixture.roaming().parent_path() / "out.zip";
    }

    // The temporary folder holds nothing of the export afterwards.
    bool stagingGone() const {
        for (const auto& entry :
             std::filesystem::directory_iterator(fixture.roaming().parent_path())) {
            if (entry.path().filename().string().starts_with("emo")) {
                return false;
            }
        }
        return true;
    }

    test::StoreFixture fixture;
    app::WizardState state;
    test::ScriptedDialogs dialogs;
    resources::StringTable strings;
};

TEST_F(ArchiveExporterTest, WritesThePre8LayoutWithConvertedPicturesAndFreshObjects) {
    const auto account = fixture.writePre8Store(u"kim", {});
    test::writePng(account / "CustomEmoticons/ab12.dat", 16, 16, [](int, int) {
        return image::Rgb{255, 0, 0};
    });
    std::ofstream(account / "CustomEmoticons/face", std::ios::binary) << "not a picture";
    state.setLoginName(u"Kim");
    state.setMsnPath(platform::utf16FromPath(account));
    state.addSelectedIcon(u":)\tsmile\t<msnobj Location=\"ab12.dat\"/>");
    state.addSelectedIcon(u"(f)\tface\t<msnobj Location=\"face\"/>\textra");
    state.addSelectedIcon(u":(\tgone\t<msnobj Location=\"missing.dat\"/>");
    state.setExportFilePath(platform::utf16FromPath(archivePath()));
    ASSERT_TRUE(runExport());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(stagingGone());

    const auto zip = test::readZip(archivePath());
    ASSERT_TRUE(zip.ok);
    EXPECT_EQ(zip.names(), (std::vector<std::string>{"CustomEmoticons/", "CustomEmoticons/ab12.gif",
                                                     "CustomEmoticons/face.gif",
                                                     "CustomEmoticons/map.txt", "ver.cfg"}));
    for (const auto& e : zip.entries) {
        EXPECT_TRUE(e.utf8Flag) << e.name;
    }
    EXPECT_EQ(zip.find("CustomEmoticons/")->method, 0);
    EXPECT_EQ(zip.find("ver.cfg")->data, "2.0");
    EXPECT_EQ(zip.find("CustomEmoticons/face.gif")->data, "not a picture");

    const std::string gif = zip.find("CustomEmoticons/ab12.gif")->data;
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
    const std::filesystem::path copy = fixture.roaming().parent_path() / "ab12.gif";
    std::ofstream(copy, std::ios::binary) << gif;
    const std::u16string obj1 = store::MsnObject::CreateMsnObj(
        copy.parent_path(), u"ab12.gif", 2, u"Kim", platform::CodePage(1252), nullptr,
        store::MsnObjBuildWording::kSilent);
    const std::string expected = ArchiveExporter::wrapLine(u":)\tsmile\t" + obj1) + "\0\r\r\n"s;
    const std::string map = zip.find("CustomEmoticons/map.txt")->data;
    ASSERT_TRUE(map.starts_with(expected)) << map;
    // The second line, then the separator that the missing third picture leaves at the end.
    EXPECT_TRUE(map.ends_with("\0\r\r\n"s));
    EXPECT_EQ(std::count(map.begin(), map.end(), '\0'), 2);
}

TEST_F(ArchiveExporterTest, CopiesMessenger8PicturesUnderTfrNames) {
    const auto folder = fixture.writeMsn8Store(u"kim", u"puid", {{u":)", u"smile", "GIF89a-one"}});
    std::filesystem::path picture;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".dt2") {
            picture = entry.path();
        }
    }
    const std::u16string sha1d = store::MsnObject::fileSha1D(picture).value();
    state.setLoginName(u"kim");
    state.setMsn8(true);
    state.setMsnPath(platform::utf16FromPath(folder));
    state.addSelectedIcon(u"x\tno digest\t<msnobj Location=\"0\"/>");
    state.addSelectedIcon(u":)\tsmile\t<msnobj Creator=\"kim\" Type=\"2\" SHA1D=\"" + sha1d +
                          u"\" Size=\"10\"/>");
    state.setExportFilePath(platform::utf16FromPath(archivePath()));
    ASSERT_TRUE(runExport());
    const auto zip = test::readZip(archivePath());
    ASSERT_EQ(zip.entries.size(), 4u);
    const std::string name = zip.entries[1].name;
    EXPECT_TRUE(name.starts_with("CustomEmoticons/TFR") && name.ends_with(".gif")) << name;
    EXPECT_EQ(zip.entries[1].data, "GIF89a-one");
    const std::string map = zip.find("CustomEmoticons/map.txt")->data;
    EXPECT_TRUE(map.starts_with("\r\r\n")) << "the skipped first line leaves its separator";
    EXPECT_EQ(map.find('\0'), std::string::npos);
    EXPECT_TRUE(stagingGone());
}

TEST_F(ArchiveExporterTest, AnEmptySelectionStillMakesAFile) {
    state.setExportFilePath(platform::utf16FromPath(archivePath()));
    ASSERT_TRUE(runExport());
    const auto zip = test::readZip(archivePath());
    EXPECT_EQ(zip.names(),
              (std::vector<std::string>{"CustomEmoticons/", "CustomEmoticons/map.txt", "ver.cfg"}));
    EXPECT_EQ(zip.find("CustomEmoticons/map.txt")->data, "");
}

TEST_F(ArchiveExporterTest, AFolderThatCannotTakeTheFileLeavesNothingBehind) {
    const auto target = fixture.roaming().parent_path() / "no/such/folder/out.zip";
    state.setExportFilePath(platform::utf16FromPath(target));
    EXPECT_FALSE(runExport());
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::u16string>{u"Failed to create " + platform::utf16FromPath(target)});
    EXPECT_TRUE(stagingGone());

    // An existing file stays whole until the new one is complete.
    std::ofstream(archivePath()) << "previous";
    state.setExportFilePath(platform::utf16FromPath(archivePath()));
    ASSERT_TRUE(runExport());
    EXPECT_TRUE(test::readZip(archivePath()).ok);
}

}  // namespace
}  // namespace quillmere::archive
