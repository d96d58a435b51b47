#include "app/ui/CAboutEmoiconDlgDlg.h"
#include "app/ui/CAboutQuillmereSplash.h"
#include "app/ui/CMainWizard.h"
#include "app/ui/CPropertyPage.h"
#include "platform/Utf.h"
#include "support/TempFolder.h"
#include "ui/UiTestRegistry.h"

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

namespace quillmere::app {
namespace {

// A page whose hooks a test scripts; by default it behaves like a page with default hooks.
class ScriptedPage : public CPropertyPage {
  public:
    ScriptedPage(CMainWizard& wizard, int index) : CPropertyPage(wizard, index, -1) {}

    std::function<bool(CMainWizard&)> onActivate;
    std::function<int(CMainWizard&)> onNext;
    std::function<int(CMainWizard&)> onBack;

    bool OnSetActive() override {
        const bool accepted = CPropertyPage::OnSetActive();
        return onActivate ? onActivate(wizard()) : accepted;
    }
    int OnWizardNext() override { return onNext ? onNext(wizard()) : 0; }
    int OnWizardBack() override { return onBack ? onBack(wizard()) : 0; }
};

std::vector<std::unique_ptr<CPropertyPage>> scriptedPages(CMainWizard& wizard) {
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    for (int i = 0; i < 18; ++i) {
        pages.push_back(std::make_unique<ScriptedPage>(wizard, i));
    }
    return pages;
}

ScriptedPage& scripted(CMainWizard& wizard, int index) {
    return static_cast<ScriptedPage&>(*wizard.page(index));
}

// Jumps to `to` from the page's Next (or Back) and stays.
void jumpOnNext(CMainWizard& wizard, int from, int to) {
    scripted(wizard, from).onNext = [to](CMainWizard& w) {
        w.OnSetNext(to, 0);
        return -1;
    };
}

void jumpOnBack(CMainWizard& wizard, int from, int to) {
    scripted(wizard, from).onBack = [to](CMainWizard& w) {
        w.OnSetBack(to, 0);
        return -1;
    };
}

QPushButton* button(CMainWizard& wizard, const char* name) {
    return wizard.findChild<QPushButton*>(QString::fromLatin1(name));
}

void click(CMainWizard& wizard, const char* name) {
    QPushButton* b = button(wizard, name);
    QVERIFY(b != nullptr);
    QVERIFY(b->isVisible() && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

class CMainWizardTest : public QObject {
    Q_OBJECT

    resources::StringTable m_strings;

  private slots:
    void opensOnTheWelcomePageWithNextOnly() {
        CMainWizard wizard("Import/Export Wizard", m_strings, &CMainWizard::makeStandardPages, 0);
        wizard.show();
        QCOMPARE(wizard.windowTitle(), QString("Import/Export Wizard"));
        QCOMPARE(wizard.activeIndex(), 0);
        QCOMPARE(wizard.pageCount(), 18);
        const char* classes[] = {
            "CPropertyPageWelcome",           "CPropertyPageInit",
            "CPropertyPageIconList",          "CPropertyPageExportFile",
            "CPropertyPageExportFinish",      "CPropertyPageImportFile",
            "CPropertyPageImportIconList",    "CPropertyPageImportFinish",
            "CPropertyPageYahooExportWait",   "CPropertyPageYahooExportList",
            "CPropertyPageYahooExportFile",   "CPropertyPageYahooExportFinish",
            "CPropertyPageYahooImportWait",   "CPropertyPageYahooImportList",
            "CPropertyPageYahooImportFinish", "CPropertyPageImportLocalFile",
            "CPropertyPageImportLocalList",   "CPropertyPageImportLocalFinish"};
        for (int i = 0; i < 18; ++i) {
            QCOMPARE(wizard.page(i)->objectName(), QString(classes[i]));
            QCOMPARE(wizard.page(i)->index(), i);
        }
        QVERIFY(button(wizard, "nextButton")->isVisible());
        QVERIFY(button(wizard, "nextButton")->isEnabled());
        QVERIFY(!button(wizard, "backButton")->isEnabled());
        QVERIFY(!button(wizard, "finishButton")->isVisible());
        QPushButton* about = button(wizard, "ctl9003");
        QCOMPARE(about->text(), QString("About"));
        QCOMPARE(about->width(), button(wizard, "cancelButton")->width());
        QVERIFY(about->geometry().left() < button(wizard, "backButton")->geometry().left());
        QVERIFY(wizard.page(0)->control(1016) != nullptr);
        QVERIFY(wizard.page(1)->control(1000) != nullptr);
        QVERIFY(!wizard.windowIcon().isNull());
    }

    void travelsTheFourRoadsWithItsButtons() {
        struct Road {
            int jumpFromInit;
            std::vector<int> forward;
            std::vector<int> backward;
        };
        const Road roads[] = {{-1, {1, 2, 3, 4}, {3, 2, 1, 0}},
                              {5, {1, 5, 6, 7}, {6, 5, 1, 0}},
                              {12, {1, 12, 13, 14}, {13, 1, 0}},
                              {15, {1, 15, 16, 17}, {16, 15, 1, 0}}};
        for (const Road& road : roads) {
            CMainWizard wizard("w", m_strings, &scriptedPages, 0);
            if (road.jumpFromInit >= 0) {
                jumpOnNext(wizard, 1, road.jumpFromInit);
            }
            jumpOnNext(wizard, 12, 13);
            for (int page : {5, 12, 13, 15}) {
                jumpOnBack(wizard, page, 1);
            }
            wizard.show();
            for (int expected : road.forward) {
                click(wizard, "nextButton");
                QCOMPARE(wizard.activeIndex(), expected);
            }
            QVERIFY(!button(wizard, "nextButton")->isVisible());
            QVERIFY(button(wizard, "finishButton")->isVisible());
            for (int expected : road.backward) {
                click(wizard, "backButton");
                QCOMPARE(wizard.activeIndex(), expected);
            }
        }
    }

    void refusedPagesPassOnInTheDirectionOfTravel() {
        CMainWizard wizard("w", m_strings, &scriptedPages, 0);
        // Skipping the preview: the list page hands on, jumps to its next page and refuses.
        scripted(wizard, 2).onActivate = [](CMainWizard& w) {
            w.state().addSelectedIcon(u"a\tb\tc");
            w.OnSetNext(3, 0);
            return false;
        };
        scripted(wizard, 3).onBack = [](CMainWizard& w) {
            w.state().clearSelectedIcons();
            return 0;
        };
        wizard.show();
        click(wizard, "nextButton");
        click(wizard, "nextButton");
        QCOMPARE(wizard.activeIndex(), 3);
        QCOMPARE(wizard.state().getSelectedIcons().size(), size_t{1});
        click(wizard, "backButton");
        QCOMPARE(wizard.activeIndex(), 1);
        wizard.OnSetNext(2, 0);
        QCOMPARE(wizard.activeIndex(), 3);
    }

    void finishClosesTheWizardWhenThePageAgrees() {
        CMainWizard wizard("w", m_strings, &scriptedPages, 0, 4);
        wizard.show();
        QCOMPARE(wizard.activeIndex(), 4);
        click(wizard, "finishButton");
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
    }

    void cancelRemovesEveryRegisteredTemporaryFileAndFolder() {
        test::TempFolder root;
        const auto file = root.write("afx12.tmp", "gif");
        const auto folder =
            root.write("emo3.tmp_tmp/CustomEmoticons/map.txt", "m").parent_path().parent_path();
        const auto keeper = root.write("yahoo/.hidden", "h").parent_path();
        root.write("yahoo/1.gif", "g");
        const auto after = root.write("local/a.gif", "g").parent_path();
        {
            CMainWizard wizard("w", m_strings, &scriptedPages, 0);
            wizard.show();
            click(wizard, "nextButton");
            wizard.state().AddTempFile(platform::utf16FromPath(file));
            wizard.state().AddTempFile(platform::utf16FromPath(folder) + u"/");
            wizard.state().AddTempFile(platform::utf16FromPath(keeper) + u"/");
            wizard.state().AddTempFile(platform::utf16FromPath(after));
            click(wizard, "cancelButton");
            QCOMPARE(wizard.result(), int(QDialog::Rejected));
        }
        QVERIFY(!std::filesystem::exists(file));
        QVERIFY(!std::filesystem::exists(folder));
        QVERIFY(std::filesystem::exists(keeper / ".hidden"));
        QVERIFY(!std::filesystem::exists(keeper / "1.gif"));
        QVERIFY(!std::filesystem::exists(after));
    }

    void aboutOpensWhileTheSplashShowsAndTheSplashClosesItself() {
        CMainWizard wizard("w", m_strings, &scriptedPages, 60000);
        wizard.show();
        QTRY_VERIFY(CAboutQuillmereSplash::current() != nullptr);
        CAboutQuillmereSplash* splash = CAboutQuillmereSplash::current();
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        CAboutQuillmereSplash::ShowSplash(&wizard, 60000);
        QCOMPARE(CAboutQuillmereSplash::current(), splash);

        bool sawAbout = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<CAboutEmoiconDlgDlg*>(QApplication::activeModalWidget());
            sawAbout = about != nullptr && CAboutQuillmereSplash::current() == splash;
            if (about != nullptr) {
                QCOMPARE(about->windowTitle(), QString("AboutEmoticonDlg"));
                QVERIFY(about->browser()->toPlainText().contains("Quillmere"));
                about->OnElementClicked("ButtonOK");
            }
        });
        QTest::mouseClick(button(wizard, "ctl9003"), Qt::LeftButton);
        QVERIFY(sawAbout);
        QCOMPARE(CAboutQuillmereSplash::current(), splash);
        splash->close();
        QTRY_VERIFY(CAboutQuillmereSplash::current() == nullptr);

        CAboutQuillmereSplash::ShowSplash(&wizard, 20);
        QVERIFY(CAboutQuillmereSplash::current() != nullptr);
        QTRY_VERIFY(CAboutQuillmereSplash::current() == nullptr);
    }

    void htmlButtonsCloseTheirDialog() {
        CAboutEmoiconDlgDlg about;
        about.show();
        about.OnElementClicked("ButtonSomething");
        QVERIFY(about.isVisible());
        about.OnElementClicked("ButtonCancel");
        QCOMPARE(about.result(), int(QDialog::Rejected));
        about.show();
        emit about.browser()->anchorClicked(QUrl("#ButtonOK"));
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

const test::UiTestRegistry::Add<CMainWizardTest> registered;

}  // namespace
}  // namespace quillmere::app

#include "CMainWizardTest.moc"
