#include "app/ui/CMainWizard.h"
#include "app/ui/CPropertyPage.h"
#include "platform/Utf.h"
#include "store/LoginHash.h"
#include "support/ScriptedDialogs.h"
#include "support/StoreFixture.h"
#include "ui/UiTestRegistry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quillmere::app {
namespace {

struct NoLogin : services::AccountLogin {
    std::u16string RequestPuid(std::u16string_view, std::u16string_view) override { return {}; }
};

class CPropertyPageInitTest : public QObject {
    Q_OBJECT

    resources::StringTable m_strings;

    // A wizard on the task page over a native profile in `fixture`, answering with `dialogs`.
    std::unique_ptr<CMainWizard> wizard(const test::StoreFixture& fixture,
                                        test::ScriptedDialogs*& dialogs) {
        auto w = std::make_unique<CMainWizard>(
            "w", m_strings, &CMainWizard::makeStandardPages, 0, 1,
            [&fixture, &dialogs](CMainWizard&) {
                WizardServices services;
                services.profile = platform::PlatformProfile::detect(
                    platform::Environment(std::map<std::string, std::string>{
                        {"HOME", fixture.roaming().parent_path().string()},
                        {"WINEPREFIX", "/none"},
                        {"APPDATA", fixture.roaming().string()}}));
                auto scripted = std::make_unique<test::ScriptedDialogs>();
                dialogs = scripted.get();
                services.dialogs = std::move(scripted);
                services.accountLogin = std::make_unique<NoLogin>();
                return services;
            });
        w->show();
        return w;
    }

    static void next(CMainWizard& w) {
        QTest::mouseClick(w.findChild<QPushButton*>("nextButton"), Qt::LeftButton);
    }

  private slots:
    void checksTheLoginAndFollowsTheChosenTask() {
        test::StoreFixture fixture;
        test::ScriptedDialogs* dialogs = nullptr;
        const auto w = wizard(fixture, dialogs);
        CPropertyPage* page = w->page(1);
        QCOMPARE(w->activeIndex(), 1);
        QVERIFY(page->control<QRadioButton>(1002)->isChecked());

        next(*w);
        QCOMPARE(w->activeIndex(), 1);
        QCOMPARE(dialogs->texts(), std::vector<std::u16string>{u"Please enter your MSN login."});

        page->control<QLineEdit>(1000)->setText(" Kim ");
        page->control<QCheckBox>(1022)->setChecked(true);
        next(*w);
        QCOMPARE(w->activeIndex(), 1);
        QCOMPARE(dialogs->texts().back(), std::u16string(u"Your MSN login is not correct."));
        QVERIFY(w->state().isSkipPreview());

        std::filesystem::create_directories(
            fixture.roaming() / "Microsoft/MSN Messenger" /
            platform::pathFromUtf16(store::LoginHash::taskPageHash(u"kim")));
        page->control<QRadioButton>(1003)->setChecked(true);
        next(*w);
        QCOMPARE(w->activeIndex(), 5);
        QCOMPARE(w->state().getLoginName(), std::u16string(u"Kim"));
        QVERIFY(!w->state().isMsn8());
    }
};

const test::UiTestRegistry::Add<CPropertyPageInitTest> registered;

}  // namespace
}  // namespace quillmere::app

#include "CPropertyPageInitTest.moc"
