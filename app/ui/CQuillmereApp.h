#pragma once

#include "resources/StringTable.h"

#include <QApplication>

namespace quillmere::app {

// The application: picks the user-interface language and its string module, then runs the
// wizard modally; the process ends when the wizard closes.
class CQuillmereApp : public QApplication {
    Q_OBJECT

  public:
    CQuillmereApp(int& argc, char** argv);

    int InitInstance();

    const resources::StringTable& strings() const { return m_strings; }

  private:
    resources::StringTable m_strings;
};

}  // namespace quillmere::app
