#include "app/ui/CAboutQuillmereSplash.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QTimerEvent>

namespace quillmere::app {

QPointer<CAboutQuillmereSplash> CAboutQuillmereSplash::s_current;

CAboutQuillmereSplash::CAboutQuillmereSplash(QWidget* wizard, int milliseconds)
    : HtmlDialog(QStringLiteral(":/quillmere/splash104.html"), wizard) {
    setObjectName(QStringLiteral("CAboutQuillmereSplash"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // 270 by 189 dialog units, with a thin border.
    resize(472, 331);
    browser()->setFrameShape(QFrame::Box);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    m_timer = startTimer(milliseconds);
}

CAboutQuillmereSplash::~CAboutQuillmereSplash() = default;

void CAboutQuillmereSplash::ShowSplash(QWidget* wizard, int milliseconds) {
    if (s_current) {
        return;
    }
    s_current = new CAboutQuillmereSplash(wizard, milliseconds);
    s_current->show();
    s_current->raise();
}

void CAboutQuillmereSplash::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer) {
        HtmlDialog::timerEvent(event);
        return;
    }
    killTimer(m_timer);
    m_timer = 0;
    close();
}

}  // namespace quillmere::app
