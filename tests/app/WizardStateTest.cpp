#include "app/WizardState.h"

#include "platform/Utf.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillmere::app {
namespace {

std::u16string wide(const std::filesystem::path& path) {
    return platform::utf16FromPath(path);
}

TEST(WizardState, StartsEmptyAndKeepsWhatPagesSet) {
    WizardState state;
    EXPECT_FALSE(state.isMsn8());
    EXPECT_FALSE(state.isSkipPreview());
    EXPECT_FALSE(state.isYahooExtractFailed());
    EXPECT_TRUE(state.getSelectedIcons().empty());
    ASSERT_NE(state.getLogger(), nullptr);

    state.setLoginName(u"Kim");
    state.setPuid(u"0006bffd8c1a7a2c");
    state.setMsn8(true);
    state.setYahooExtractFailed();
    state.addSelectedIcon(u"a\tb\tc");
    state.addSelectedIcon(u"a\tb\tc");
    state.addYahooIcon("1.gif\t:)Y!\thappy");
    EXPECT_EQ(state.getLoginName(), u"Kim");
    EXPECT_EQ(state.getPuid(), u"0006bffd8c1a7a2c");
    EXPECT_TRUE(state.isMsn8());
    EXPECT_TRUE(state.isYahooExtractFailed());
    EXPECT_EQ(state.getSelectedIcons().size(), 2u) << "lists keep duplicates";
    state.clearSelectedIcons();
    state.clearYahooIcons();
    EXPECT_TRUE(state.getSelectedIcons().empty());
    EXPECT_TRUE(state.getYahooIcons().empty());
}

TEST(WizardState, LogsRegisteredFiles) {
    test::LogCapture capture;
    WizardState state;
    capture.clear();
    state.AddTempFile(u"/tmp/x.gif");
    state.AddLocalIconFile(u"/home/kim/a.png");
    EXPECT_EQ(capture.messages(), (std::vector<std::string>{"AddTempFile: /tmp/x.gif",
                                                            "AddLocalIconFile: /home/kim/a.png"}));
    EXPECT_EQ(state.getLocalIconFiles(), std::vector<std::u16string>{u"/home/kim/a.png"});
}

TEST(WizardState, DeletesEveryRegisteredFileAndFolder) {
    test::TempFolder root;
    const auto file = root.write("afx1.tmp", "x");
    const auto folder =
        root.write("emo2.tmp_tmp/CustomEmoticons/map.txt", "m").parent_path().parent_path();
    root.write("emo2.tmp_tmp/ver.cfg", "2.0");
    const auto noSeparator = root.write("yahoo/1.gif", "g").parent_path();
    const auto hiddenKeeper = root.write("keep/.hidden", "h").parent_path();
    root.write("keep/visible.gif", "v");
    const auto outside = root.write("outside/precious.txt", "p");
    std::filesystem::create_directory_symlink(outside.parent_path(), folder / "link");
    {
        WizardState state;
        state.AddTempFile(wide(root / "missing.tmp"));
        state.AddTempFile(wide(file));
        state.AddTempFile(wide(folder) + u"/");
        state.AddTempFile(wide(noSeparator));
        state.AddTempFile(wide(hiddenKeeper) + u"/");
        state.AddTempFile(u"");
        state.DeleteTempFiles();
        EXPECT_TRUE(state.getTempFiles().empty());
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_FALSE(std::filesystem::exists(noSeparator));
    EXPECT_TRUE(std::filesystem::exists(hiddenKeeper / ".hidden"));
    EXPECT_FALSE(std::filesystem::exists(hiddenKeeper / "visible.gif"));
    EXPECT_TRUE(std::filesystem::exists(outside)) << "links are deleted, not followed";
}

TEST(WizardState, DeletesItsTemporaryFilesWhenItEnds) {
    test::TempFolder root;
    const auto file = root.write("TFR1.tmp", "x");
    {
        WizardState state;
        state.AddTempFile(wide(file));
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace quillmere::app
