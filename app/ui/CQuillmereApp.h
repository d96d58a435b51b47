#pragma once

#include "resources/StringTable.h"

#include <QApplication>

namespace quillmere::app {

// The application: picks the user-interface language and its string module, then shows the
// wizard window until it closes.
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
