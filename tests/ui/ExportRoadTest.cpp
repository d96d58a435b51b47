#include "app/ui/CMainWizard.h"
#include "app/ui/CPropertyPage.h"
#include "controls/ui/CCxListCtrl.h"
#include "platform/Utf.h"
#include "support/ScriptedDialogs.h"
#include "support/StoreFixture.h"
#include "support/ZipContents.h"
#include "ui/UiTestRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace quillmere::app {
namespace {

struct NoLogin : services::AccountLogin {
    std::u16string RequestPuid(std::u16string_view, std::u16string_view) override { return {}; }
};

// The export road as a user walks it, over a pre-8 store of three emoticons.
class ExportRoadTest : public QObject {
    Q_OBJECT

    resources::StringTable m_strings;
    std::unique_ptr<test::StoreFixture> m_fixture;
    test::ScriptedDialogs* m_dialogs = nullptr;

    std::unique_ptr<CMainWizard> wizard() {
        m_fixture = std::make_unique<test::StoreFixture>();
        m_fixture->writePre8Store(u"kim", {{u":)", u"smile", test::StoreFixture::pictureBytes(1)},
                                           {u":(", u"sad", test::StoreFixture::pictureBytes(2)},
                                           {u";)", u"wink", test::StoreFixture::pictureBytes(3)}});
        auto w = std::make_unique<CMainWizard>(
            "w", m_strings, &CMainWizard::makeStandardPages, 0, 1, [this](CMainWizard&) {
                WizardServices services;
                services.profile = platform::PlatformProfile::detect(
                    platform::Environment(std::map<std::string, std::string>{
                        {"HOME", m_fixture->roaming().parent_path().string()},
                        {"WINEPREFIX", "/none"},
                        {"USER", "tester"},
                        {"APPDATA", m_fixture->roaming().string()},
                        {"TMPDIR", m_fixture->roaming().parent_path().string()}}));
                auto dialogs = std::make_unique<test::ScriptedDialogs>();
                m_dialogs = dialogs.get();
                services.dialogs = std::move(dialogs);
                services.accountLogin = std::make_unique<NoLogin>();
                return services;
            });
        w->show();
        w->page(1)->control<QLineEdit>(1000)->setText("kim");
        return w;
    }

    static void click(CMainWizard& w, const char* button) {
        QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
    }

  private slots:
    void exportsTheTickedAndEditedEmoticons() {
        const auto w = wizard();
        click(*w, "nextButton");
        QCOMPARE(w->activeIndex(), 2);
        auto* list = w->page(2)->control<controls::CCxListCtrl>(1009);
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->GetHeaderCheck(0), 1);
        list->setChecked(1, false);
        list->OnEndLabelEdit(0, controls::CCxListCtrl::kShortcutColumn, ":D");
        click(*w, "nextButton");
        QCOMPARE(w->activeIndex(), 3);
        QCOMPARE(w->state().getSelectedIcons().size(), size_t{2});
        QVERIFY(w->state().getSelectedIcons()[0].starts_with(u":D\tsmile\t"));

        click(*w, "nextButton");
        QCOMPARE(m_dialogs->texts().back(), std::u16string(u"Please select a file."));
        const auto archive = m_fixture->roaming().parent_path() / "my emoticons.zip";
        w->page(3)->control<QLineEdit>(1007)->setText(QString::fromStdString(archive.string()));
        click(*w, "nextButton");
        QCOMPARE(w->activeIndex(), 4);
        QCOMPARE(w->page(4)->control<QLabel>(1005)->text(),
                 QString::fromStdString(archive.string()));

        // Back and forth keeps the edit without rereading the store.
        click(*w, "backButton");
        click(*w, "backButton");
        QCOMPARE(w->activeIndex(), 2);
        QCOMPARE(list->cellText(0, 2), QString(":D"));
        QVERIFY(w->state().getSelectedIcons().empty());
        // The rows are filled anew, every one ticked.
        QVERIFY(list->isChecked(1));
        list->setChecked(1, false);
        click(*w, "nextButton");
        click(*w, "nextButton");
        click(*w, "finishButton");
        QCOMPARE(w->result(), int(QDialog::Accepted));

        const auto zip = test::readZip(archive);
        QVERIFY(zip.ok);
        const std::vector<std::string> names{"CustomEmoticons/", "CustomEmoticons/TFR1.gif",
                                             "CustomEmoticons/TFR3.gif", "CustomEmoticons/map.txt",
                                             "ver.cfg"};
        QCOMPARE(zip.names(), names);
        const std::string map = zip.find("CustomEmoticons/map.txt")->data;
        QCOMPARE(std::count(map.begin(), map.end(), '\0'), 2);
    }

    void skippingThePreviewHandsEverythingOn() {
        const auto w = wizard();
        w->page(1)->control<QCheckBox>(1022)->setChecked(true);
        click(*w, "nextButton");
        QCOMPARE(w->activeIndex(), 3);
        QCOMPARE(w->state().getSelectedIcons().size(), size_t{3});
        click(*w, "backButton");
        QCOMPARE(w->activeIndex(), 1);
    }
};

const test::UiTestRegistry::Add<ExportRoadTest> registered;

}  // namespace
}  // namespace quillmere::app

#include "ExportRoadTest.moc"
