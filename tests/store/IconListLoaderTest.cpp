#include "store/IconListLoader.h"

#include "app/WizardState.h"
#include "platform/Utf.h"
#include "resources/StringTable.h"
#include "store/LoginHash.h"
#include "store/Msn8Store.h"
#include "support/LogCapture.h"
#include "support/ScriptedDialogs.h"
#include "support/StoreFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace quillmere::store {
namespace {

using Emoticon = test::StoreFixture::Emoticon;

class IconListLoaderTest : public testing::Test {
  protected:
    IconListLoader makeLoader() {
        return IconListLoader(state, fixture.profile(), dialogs, strings,
                              [] { return std::make_unique<image::PicturePathOnly>(); });
    }

    std::vector<std::u16string> shortcuts(IconListLoader& loader) {
        std::vector<std::u16string> out;
        for (const auto& r : loader.list().m_IconListVector) {
            out.push_back(r.wsShortcutKey());
        }
        return out;
    }

    bool logged(const std::string& line) const {
        const auto lines = capture.messages();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    test::StoreFixture fixture;
    test::LogCapture capture;
    app::WizardState state;
    test::ScriptedDialogs dialogs;
    resources::StringTable strings;
};

TEST_F(IconListLoaderTest, ListsAPre8StoreSkippingMissingPictures) {
    const auto account = fixture.writePre8Store(
        u"kim@example.com", {{u":)", u"smile", test::StoreFixture::pictureBytes(1)},
                             {u":(", u"sad", ""},
                             {u";)", u"wink", test::StoreFixture::pictureBytes(3)}});
    state.setLoginName(u"Kim@Example.com");
    auto loader = makeLoader();
    loader.LoadEmotionIcons();
    EXPECT_EQ(shortcuts(loader), (std::vector<std::u16string>{u":)", u";)"}));
    EXPECT_EQ(loader.list().counter, 2);
    EXPECT_EQ(loader.list().iconMap.size(), 2u);
    EXPECT_EQ(state.getMsnPath(), platform::utf16FromPath(account));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(
        logged("The file " + (account / "CustomEmoticons/TFR2.dat").string() + " does not exist"));
    const auto* first = dynamic_cast<image::PicturePathOnly*>(loader.list().iconMap.at(0).get());
    EXPECT_EQ(first->path(), account / "CustomEmoticons/TFR1.dat");
}

TEST_F(IconListLoaderTest, NoStoreGivesAnEmptyListWithoutAMessage) {
    state.setLoginName(u"nobody");
    auto loader = makeLoader();
    loader.LoadEmotionIcons();
    EXPECT_TRUE(loader.list().m_IconListVector.empty());
    EXPECT_TRUE(dialogs.shown.empty());
    const auto account = fixture.pre8Account(u"nobody");
    EXPECT_TRUE(
        logged("The map " + (account / "CustomEmoticons/map.dat").string() + " does not exist."));
    EXPECT_TRUE(logged("The file " + (account / "MapFile").string() + "/ does not exist."));
}

TEST_F(IconListLoaderTest, AStoreOfAnotherAccountCannotBeDecrypted) {
    const auto other =
        fixture.writePre8Store(u"other", {{u":)", u"smile", test::StoreFixture::pictureBytes(1)}});
    const auto mine = fixture.pre8Account(u"kim");
    std::filesystem::create_directories(mine.parent_path());
    std::filesystem::rename(other, mine);
    state.setLoginName(u"kim");
    auto loader = makeLoader();
    loader.LoadEmotionIcons();
    EXPECT_TRUE(loader.list().m_IconListVector.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, u"The program cannot decrypt the map file");
    EXPECT_EQ(dialogs.shown[0].icon, app::UserDialogs::Icon::Warning);
    EXPECT_TRUE(logged("The program cannot decrypt the map file."));
}

TEST_F(IconListLoaderTest, AnUnreadableMapFileIsTheExceptionCase) {
    const auto account = fixture.pre8Account(u"kim");
    std::filesystem::create_directories(account / "CustomEmoticons/map.dat");
    state.setLoginName(u"kim");
    auto loader = makeLoader();
    loader.LoadEmotionIcons();
    ASSERT_EQ(dialogs.texts(),
              std::vector<std::u16string>{u"The program catch exception and can not continue."});
}

TEST_F(IconListLoaderTest, StopsAtAnEmptyLocationAndAtGarbage) {
    const std::u16string good = u":)\tsmile\t<msnobj Location=\"a.gif\"/>\t";
    const struct {
        std::u16string trf;
        std::vector<std::u16string> expected;
    } cases[] = {
        {good + u":(\tsad\t<msnobj Location=\"\"/>\t" + good, {u":)"}},
        {good + u"garbage without tabs", {u":)"}},
        {good + u"x\ty\t<msnobj Location=\"../../escape.gif\"/>\t", {u":)"}},
    };
    for (const auto& c : cases) {
        test::StoreFixture local;
        const auto account = local.writePre8Raw(u"kim", c.trf);
        std::ofstream(account / "CustomEmoticons/a.gif") << "GIF89a";
        std::ofstream(account / "escape.gif") << "GIF89a";
        app::WizardState s;
        s.setLoginName(u"kim");
        IconListLoader loader(s, local.profile(), dialogs, strings,
                              [] { return std::make_unique<image::PicturePathOnly>(); });
        loader.LoadEmotionIcons();
        EXPECT_EQ(shortcuts(loader), c.expected);
    }
}

TEST_F(IconListLoaderTest, AMapFileNamingAFileOutsideMapFileIsNotFollowed) {
    const auto account = fixture.writePre8Raw(u"kim", u":)\tsmile\t<msnobj Location=\"a.gif\"/>\t",
                                              u"../outside.dat");
    state.setLoginName(u"kim");
    auto loader = makeLoader();
    loader.LoadEmotionIcons();
    EXPECT_TRUE(loader.list().m_IconListVector.empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(IconListLoaderTest, ListsAMessenger8StoreSkippingForeignRecordsSilently) {
    const auto folder =
        fixture.writeMsn8Store(u"Kim@Example.com", u"0006bffd8c1a7a2c",
                               {{u":)", u"smile", ""}, {u":(", u"sad", ""}, {u";)", u"wink", ""}});
    fixture.writeMsn8Store(u"Kim@Example.com", u"ffffffffffffffff",
                           {{u"x", u"foreign", test::StoreFixture::pictureBytes(77)}});
    // One record has lost its picture.
    const auto id2 = Msn8Store::listId2Files(folder);
    ASSERT_EQ(id2.size(), 4u);
    std::filesystem::path lost;
    for (const auto& f : id2) {
        auto r = Msn8Store::readRecordFile(f, u"0006bffd8c1a7a2c", nullptr);
        if (r && r->shortcut == u":(") {
            lost = f;
            lost.replace_extension(".dt2");
            std::filesystem::remove(lost);
        }
    }
    state.setLoginName(u"kim@example.com");
    state.setMsn8(true);
    state.setPuid(u"0006bffd8c1a7a2c");
    auto loader = makeLoader();
    capture.clear();
    loader.LoadEmotionIcons();
    auto got = shortcuts(loader);
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::u16string>{u":(", u":)", u";)"}));
    EXPECT_EQ(loader.list().iconMap.size(), 3u);
    EXPECT_EQ(state.getMsnPath(), platform::utf16FromPath(folder));
    EXPECT_TRUE(logged("The picture class can not load the file: " + lost.string()));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(IconListLoaderTest, ConvertsAPre8StoreOnceAfterAskingWithFreshShortcuts) {
    fixture.writePre8Store(u"kim", {{u":)", u"smile", test::StoreFixture::pictureBytes(1)},
                                    {u":(", u"\r", test::StoreFixture::pictureBytes(2)},
                                    {u"new", u"", test::StoreFixture::pictureBytes(3)}});
    fixture.writeMsn8Store(u"kim", u"puid", {{u":)", u"a", ""}, {u":(", u"b", ""}});
    state.setLoginName(u"kim");
    state.setMsn8(true);
    state.setPuid(u"puid");
    dialogs.answers = {true};
    auto loader = makeLoader();
    loader.LoadEmotionIcons();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].question);
    EXPECT_EQ(dialogs.shown[0].text,
              u"Quillmere found some older version of MSN icons.\r\nDo you want to convert it to "
              u"the latest version?");
    std::vector<std::pair<std::u16string, std::u16string>> got;
    for (const auto& r : loader.list().m_IconListVector) {
        got.emplace_back(r.wsShortcutKey(), r.wsName());
    }
    std::sort(got.begin(), got.end());
    const std::vector<std::pair<std::u16string, std::u16string>> expected{
        {u":(", u"b"}, {u":)", u"a"}, {u"dup000", u"smile"}, {u"dup001", u"dup001"}, {u"new", u""}};
    EXPECT_EQ(got, expected);

    // A second load asks nothing and converts nothing more.
    loader.list().clear();
    loader.LoadEmotionIcons();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(loader.list().m_IconListVector.size(), 5u);
}

TEST_F(IconListLoaderTest, AnsweringNoConvertsNothing) {
    fixture.writePre8Store(u"kim", {{u":)", u"smile", test::StoreFixture::pictureBytes(1)}});
    state.setLoginName(u"kim");
    state.setMsn8(true);
    state.setPuid(u"puid");
    auto loader = makeLoader();
    loader.LoadEmotionIcons();
    loader.LoadEmotionIcons();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(Msn8Store::listId2Files(fixture.msn8Folder(u"kim")).empty());
    EXPECT_TRUE(loader.list().m_IconListVector.empty());
}

}  // namespace
}  // namespace quillmere::store
