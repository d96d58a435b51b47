#include "archive/ExportPathCheck.h"

#include "platform/Utf.h"
#include "resources/StringTable.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillmere::archive {
namespace {

TEST(ExportPathCheck, RefusesEmptyPathsAndFoldersAndAsksBeforeReplacing) {
    test::TempFolder folder;
    const resources::StringTable strings;
    test::ScriptedDialogs dialogs;
    const std::u16string dir = platform::utf16FromPath(folder.path());
    const std::u16string existing = platform::utf16FromPath(folder.write("old.zip", "x"));
    const std::u16string fresh = platform::utf16FromPath(folder / "new.zip");

    EXPECT_EQ(ExportPathCheck::check(u"  ", false, dialogs, strings), u"");
    EXPECT_EQ(ExportPathCheck::check(u" " + fresh + u" ", false, dialogs, strings), fresh);
    EXPECT_EQ(ExportPathCheck::check(dir, false, dialogs, strings), u"");
    EXPECT_EQ(ExportPathCheck::check(existing, false, dialogs, strings), u"");
    dialogs.answers = {true};
    EXPECT_EQ(ExportPathCheck::check(existing, false, dialogs, strings), existing);
    EXPECT_EQ(ExportPathCheck::check(existing, true, dialogs, strings), existing)
        << "the dialog asked already";

    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[0].text, u"Please select a file.");
    EXPECT_EQ(dialogs.shown[1].text,
              dir + u"  is a directory and already exists.\r\nPlease choose a file.");
    EXPECT_EQ(dialogs.shown[2].text, existing + u"  already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(dialogs.shown[2].caption, u"Save As");
    EXPECT_TRUE(dialogs.shown[3].question);
}

}  // namespace
}  // namespace quillmere::archive
