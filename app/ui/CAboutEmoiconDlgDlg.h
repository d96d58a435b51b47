#pragma once

#include "app/ui/HtmlDialog.h"

namespace quillmere::app {

// The About box: the product's about page, run modally from the wizard's About button.
class CAboutEmoiconDlgDlg : public HtmlDialog {
    Q_OBJECT

  public:
    explicit CAboutEmoiconDlgDlg(QWidget* parent = nullptr);
};

}  // namespace quillmere::app
