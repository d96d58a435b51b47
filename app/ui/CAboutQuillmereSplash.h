#pragma once

#include "app/ui/HtmlDialog.h"

#include <QPointer>

namespace quillmere::app {

// The start-up splash: the about page without buttons, topmost and centred on the screen,
// closing itself after a few seconds. At most one exists.
class CAboutQuillmereSplash : public HtmlDialog {
    Q_OBJECT

  public:
    // Shows the splash over the wizard unless one is showing already.
    static void ShowSplash(QWidget* wizard, int milliseconds);
    static CAboutQuillmereSplash* current() { return s_current; }

    ~CAboutQuillmereSplash() override;

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    CAboutQuillmereSplash(QWidget* wizard, int milliseconds);

    static QPointer<CAboutQuillmereSplash> s_current;
    int m_timer = 0;
};

}  // namespace quillmere::app
