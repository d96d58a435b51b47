#pragma once

#include "app/WizardDriver.h"
#include "app/WizardServices.h"
#include "app/WizardState.h"
#include "resources/StringTable.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QStackedWidget;

namespace quillmere::app {

class CPropertyPage;

// The wizard: a sheet of eighteen pages with Back, Next, Finish and Cancel, and an About button
// at its left. It owns the pages and the state they share; its end deletes every registered
// temporary file and folder.
class CMainWizard : public QDialog {
    Q_OBJECT

  public:
    // Makes the pages, in index order, for a wizard.
    using PageFactory = std::function<std::vector<std::unique_ptr<CPropertyPage>>(CMainWizard&)>;
    using ServicesFactory = std::function<WizardServices(CMainWizard&)>;

    CMainWizard(const QString& caption, const resources::StringTable& strings,
                QWidget* parent = nullptr, int firstPage = 0);
    // With other pages or services, for tests; the splash lasts `splashMilliseconds` (0: none).
    CMainWizard(const QString& caption, const resources::StringTable& strings,
                const PageFactory& pages, int splashMilliseconds, int firstPage = 0,
                const ServicesFactory& services = &CMainWizard::makeStandardServices);
    ~CMainWizard() override;

    static std::vector<std::unique_ptr<CPropertyPage>> makeStandardPages(CMainWizard& wizard);
    // The machine's profile, Qt message boxes, the web client and the account service.
    static WizardServices makeStandardServices(CMainWizard& wizard);

    WizardState& state() { return *m_state; }
    const services::CQuiLoggerBase* getLogger() const { return m_state->getLogger(); }
    const resources::StringTable& strings() const { return m_strings; }
    const platform::PlatformProfile& profile() const { return *m_services.profile; }
    UserDialogs& dialogs() { return *m_services.dialogs; }
    services::AccountLogin& accountLogin() { return *m_services.accountLogin; }

    void OnSetNext(int index, int code = 0);
    void OnSetBack(int index, int code = 0);
    void SetWizardButtons(WizardButtons buttons);

    int activeIndex() const { return m_driver.activeIndex(); }
    CPropertyPage* page(int index) const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void buildButtons(QWidget* buttonRow);
    void syncWithDriver();
    void onNext();
    void onBack();
    void onFinish();
    void OnAbout();

    const resources::StringTable& m_strings;
    std::unique_ptr<WizardState> m_state;
    WizardServices m_services;
    WizardDriver m_driver;
    std::vector<std::unique_ptr<CPropertyPage>> m_pages;
    QStackedWidget* m_stack = nullptr;
    QPushButton* m_AboutButton = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_finishButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    int m_firstPage;
    int m_splashMilliseconds;
    bool m_started = false;
};

}  // namespace quillmere::app
