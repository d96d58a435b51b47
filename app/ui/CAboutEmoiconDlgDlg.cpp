#include "app/ui/CAboutEmoiconDlgDlg.h"

namespace quillmere::app {

CAboutEmoiconDlgDlg::CAboutEmoiconDlgDlg(QWidget* parent)
    : HtmlDialog(QStringLiteral(":/quillmere/about103.html"), parent) {
    setObjectName(QStringLiteral("CAboutEmoiconDlgDlg"));
    setWindowTitle(QStringLiteral("AboutEmoticonDlg"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // 269 by 188 dialog units.
    resize(470, 330);
}

}  // namespace quillmere::app
