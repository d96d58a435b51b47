#pragma once

#include "app/WizardPage.h"

#include <functional>
#include <vector>

namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::app {

// The wizard's page graph: which page is active, the jumps pages ask for, refused activations
// and the button set. The sheet that shows it is a thin view over this.
class WizardDriver {
  public:
    explicit WizardDriver(const services::CQuiLoggerBase* log);

    // Pages in index order; the driver does not own them.
    void addPage(WizardPage* page);
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    int activeIndex() const { return m_active; }

    void start(int firstIndex);
    // The user's buttons.
    void Next();
    void Back();
    // True when the wizard may close.
    bool Finish();

    // Jumps that pages ask for; they log "OnSetNext: to %i ErrorCode: %i" or "OnSetBack: ...".
    void OnSetNext(int index, int code);
    void OnSetBack(int index, int code);

    void SetWizardButtons(WizardButtons buttons);
    WizardButtons buttons() const { return m_buttons; }
    // The set a page shows by default: Next only on page 0, Back and Finish on the finish pages.
    static WizardButtons defaultButtons(int index);

    // Told the new index whenever the active page (or the button set) changes.
    void setChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

  private:
    enum class Direction { Forward = 1, Backward = -1 };
    void activate(int index, Direction direction);
    void notify();

    const services::CQuiLoggerBase* m_log;
    std::vector<WizardPage*> m_pages;
    int m_active = -1;
    int m_depth = 0;
    WizardButtons m_buttons = WizardButtons::NextOnly;
    std::function<void()> m_listener;
};

}  // namespace quillmere::app
