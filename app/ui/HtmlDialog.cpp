#include "app/ui/HtmlDialog.h"

#include "resources/ui/UiResources.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillmere::app {

HtmlDialog::HtmlDialog(const QString& htmlResource, QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this)) {
    resources::initUiResources();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenLinks(false);
    m_browser->setFrameShape(QFrame::NoFrame);
    QFile page(htmlResource);
    if (page.open(QIODevice::ReadOnly)) {
        m_browser->setHtml(QString::fromUtf8(page.readAll()));
    }
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HtmlDialog::onAnchor);
}

void HtmlDialog::onAnchor(const QUrl& url) {
    OnElementClicked(url.fragment());
}

void HtmlDialog::OnElementClicked(const QString& elementId) {
    if (elementId == QLatin1String("ButtonOK")) {
        accept();
    } else if (elementId == QLatin1String("ButtonCancel")) {
        reject();
    }
}

}  // namespace quillmere::app
