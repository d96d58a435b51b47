#include "app/ui/CMainWizard.h"

#include "app/ui/CAboutEmoiconDlgDlg.h"
#include "app/ui/CAboutQuillmereSplash.h"
#include "app/ui/CPropertyPage.h"
#include "app/ui/CPropertyPageInit.h"
#include "app/ui/CPropertyPageWelcome.h"
#include "app/ui/QtUserDialogs.h"
#include "archive/ui/CPropertyPageExportFile.h"
#include "archive/ui/CPropertyPageExportFinish.h"
#include "archive/ui/CPropertyPageImportFile.h"
#include "archive/ui/CPropertyPageImportIconList.h"
#include "resources/StringIds.h"
#include "resources/ui/UiResources.h"
#include "sources/ui/CPropertyPageImportLocalFile.h"
#include "sources/ui/CPropertyPageImportLocalList.h"
#include "sources/ui/CPropertyPageYahooExportFile.h"
#include "sources/ui/CPropertyPageYahooExportFinish.h"
#include "sources/ui/CPropertyPageYahooExportList.h"
#include "sources/ui/CPropertyPageYahooExportWait.h"
#include "sources/ui/CPropertyPageYahooImportList.h"
#include "sources/ui/CPropertyPageYahooImportWait.h"
#include "store/ui/CPropertyPageIconList.h"
#include "store/ui/CPropertyPageImportFinish.h"
#include "store/ui/CPropertyPageImportLocalFinish.h"
#include "store/ui/CPropertyPageYahooImportFinish.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace quillmere::app {

using resources::qtext;

namespace {

constexpr int kSplashMilliseconds = 5000;

}  // namespace

std::vector<std::unique_ptr<CPropertyPage>> CMainWizard::makeStandardPages(CMainWizard& w) {
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    pages.push_back(std::make_unique<CPropertyPageWelcome>(w));
    pages.push_back(std::make_unique<CPropertyPageInit>(w));
    pages.push_back(std::make_unique<store::CPropertyPageIconList>(w));
    pages.push_back(std::make_unique<archive::CPropertyPageExportFile>(w));
    pages.push_back(std::make_unique<archive::CPropertyPageExportFinish>(w));
    pages.push_back(std::make_unique<archive::CPropertyPageImportFile>(w));
    pages.push_back(std::make_unique<archive::CPropertyPageImportIconList>(w));
    pages.push_back(std::make_unique<store::CPropertyPageImportFinish>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageYahooExportWait>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageYahooExportList>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageYahooExportFile>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageYahooExportFinish>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageYahooImportWait>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageYahooImportList>(w));
    pages.push_back(std::make_unique<store::CPropertyPageYahooImportFinish>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageImportLocalFile>(w));
    pages.push_back(std::make_unique<sources::CPropertyPageImportLocalList>(w));
    pages.push_back(std::make_unique<store::CPropertyPageImportLocalFinish>(w));
    return pages;
}

CMainWizard::CMainWizard(const QString& caption, const resources::StringTable& strings,
                         QWidget* parent, int firstPage)
    : CMainWizard(caption, strings, &CMainWizard::makeStandardPages, kSplashMilliseconds,
                  firstPage) {
    setParent(parent, windowFlags());
}

WizardServices CMainWizard::makeStandardServices(CMainWizard& wizard) {
    const platform::Environment env = platform::Environment::fromProcess();
    WizardServices services;
    services.profile = platform::PlatformProfile::detect(env);
    services.dialogs = std::make_unique<QtUserDialogs>(&wizard);
    services.web =
        std::make_unique<services::CGenericWeb>(services::WebOptions::fromEnvironment(env));
    services.accountLogin = std::make_unique<services::WebAccountLogin>(
        *services.web, services::WebAccountLogin::endpointFrom(env, "QUILLMERE_ACCOUNT_PRIMARY"),
        services::WebAccountLogin::endpointFrom(env, "QUILLMERE_ACCOUNT_SECONDARY"),
        services.profile->codePage(), services.profile->tempPath());
    return services;
}

CMainWizard::CMainWizard(const QString& caption, const resources::StringTable& strings,
                         const PageFactory& pages, int splashMilliseconds, int firstPage,
                         const ServicesFactory& services)
    : m_strings(strings),
      m_state(std::make_unique<WizardState>()),
      m_driver(m_state->getLogger()),
      m_firstPage(firstPage),
      m_splashMilliseconds(splashMilliseconds) {
    resources::initUiResources();
    setObjectName(QStringLiteral("CMainWizard"));
    setWindowTitle(caption);
    setWindowIcon(QIcon(QStringLiteral(":/quillmere/icon124.png")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    m_stack = new QStackedWidget(this);
    layout->addWidget(m_stack, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);
    auto* buttonRow = new QWidget(this);
    layout->addWidget(buttonRow);
    buildButtons(buttonRow);

    m_services = services(*this);
    m_pages = pages(*this);
    for (const auto& page : m_pages) {
        m_stack->addWidget(page.get());
        m_driver.addPage(page.get());
    }
    m_driver.setChangeListener([this] { syncWithDriver(); });
    resize(560, 420);
}

CMainWizard::~CMainWizard() {
    m_state->DeleteTempFiles();
    // Pages go before the state they share, in reverse order.
    while (!m_pages.empty()) {
        m_pages.pop_back();
    }
}

void CMainWizard::buildButtons(QWidget* buttonRow) {
    auto* row = new QHBoxLayout(buttonRow);
    row->setContentsMargins(10, 0, 0, 0);
    auto makeButton = [&](const QString& text, const QString& name) {
        auto* button = new QPushButton(text, buttonRow);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    m_AboutButton = makeButton(qtext(m_strings.get(resources::IDS_ABOUT)), "ctl9003");
    m_backButton = makeButton(tr("< &Back"), "backButton");
    m_nextButton = makeButton(tr("&Next >"), "nextButton");
    m_finishButton = makeButton(tr("Finish"), "finishButton");
    m_cancelButton = makeButton(tr("Cancel"), "cancelButton");
    m_backButton->setAccessibleName(tr("Back"));
    m_nextButton->setAccessibleName(tr("Next"));
    // The About button matches Cancel's width, as the sheet's own buttons do.
    m_AboutButton->setFixedWidth(m_cancelButton->sizeHint().width());
    row->addWidget(m_AboutButton);
    row->addStretch(1);
    for (QPushButton* b : {m_backButton, m_nextButton, m_finishButton, m_cancelButton}) {
        row->addWidget(b);
    }
    connect(m_AboutButton, &QPushButton::clicked, this, &CMainWizard::OnAbout);
    connect(m_backButton, &QPushButton::clicked, this, &CMainWizard::onBack);
    connect(m_nextButton, &QPushButton::clicked, this, &CMainWizard::onNext);
    connect(m_finishButton, &QPushButton::clicked, this, &CMainWizard::onFinish);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CPropertyPage* CMainWizard::page(int index) const {
    return index >= 0 && index < pageCount() ? m_pages[static_cast<size_t>(index)].get() : nullptr;
}

void CMainWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_started) {
        return;
    }
    m_started = true;
    m_driver.start(m_firstPage);
    if (m_splashMilliseconds > 0) {
        // Once the wizard is on screen, so that the splash stands over it.
        QTimer::singleShot(
            0, this, [this] { CAboutQuillmereSplash::ShowSplash(this, m_splashMilliseconds); });
    }
}

void CMainWizard::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (CPropertyPage* welcome = page(0)) {
        welcome->OnWizardMove();
    }
}

void CMainWizard::syncWithDriver() {
    if (CPropertyPage* active = page(m_driver.activeIndex())) {
        m_stack->setCurrentWidget(active);
    }
    const WizardButtons buttons = m_driver.buttons();
    m_backButton->setEnabled(buttons != WizardButtons::NextOnly);
    m_nextButton->setVisible(buttons != WizardButtons::BackFinish);
    m_finishButton->setVisible(buttons == WizardButtons::BackFinish);
    (buttons == WizardButtons::BackFinish ? m_finishButton : m_nextButton)->setDefault(true);
}

void CMainWizard::OnSetNext(int index, int code) {
    m_driver.OnSetNext(index, code);
}

void CMainWizard::OnSetBack(int index, int code) {
    m_driver.OnSetBack(index, code);
}

void CMainWizard::SetWizardButtons(WizardButtons buttons) {
    m_driver.SetWizardButtons(buttons);
}

void CMainWizard::onNext() {
    m_driver.Next();
}

void CMainWizard::onBack() {
    m_driver.Back();
}

void CMainWizard::onFinish() {
    if (m_driver.Finish()) {
        accept();
    }
}

void CMainWizard::OnAbout() {
    CAboutEmoiconDlgDlg about;
    about.exec();
}

}  // namespace quillmere::app
