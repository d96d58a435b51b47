#pragma once

#include "app/WizardPage.h"

#include <QWidget>

namespace quillmere::resources {
struct DialogTemplate;
}

namespace quillmere::app {

class CMainWizard;

// A wizard page: a widget built from its dialog template, whose controls carry their resource
// numbers as object names ("ctl1000"). By default it shows the button set of its index, accepts
// activation and goes to its neighbours.
class CPropertyPage : public QWidget, public WizardPage {
    Q_OBJECT

  public:
    CPropertyPage(CMainWizard& wizard, int index, int templateId);

    int index() const { return m_index; }
    int templateId() const { return m_templateId; }

    bool OnSetActive() override;
    // The wizard window moved.
    virtual void OnWizardMove() {}

    // The control with that resource number, or null.
    QWidget* control(int id) const;
    template <typename T>
    T* control(int id) const {
        return qobject_cast<T*>(control(id));
    }

    static QString objectNameFor(int controlId);

  protected:
    CMainWizard& wizard() const { return m_wizard; }

  private:
    void buildControls(const resources::DialogTemplate& dialog);

    CMainWizard& m_wizard;
    int m_index;
    int m_templateId;
};

}  // namespace quillmere::app
