#pragma once

#include <QDialog>

class QTextBrowser;
class QUrl;

namespace quillmere::app {

// A dialog that shows one HTML page; a click on the element "ButtonOK" closes it as OK and one on
// "ButtonCancel" as Cancel.
class HtmlDialog : public QDialog {
    Q_OBJECT

  public:
    HtmlDialog(const QString& htmlResource, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }
    // Acts on a click of the page's element with that identifier.
    void OnElementClicked(const QString& elementId);

  private:
    void onAnchor(const QUrl& url);

    QTextBrowser* m_browser;
};

}  // namespace quillmere::app
