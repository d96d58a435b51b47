#include "app/WizardDriver.h"

#include "services/CQuiLoggerBase.h"
#include "services/FormatText.h"

namespace quillmere::app {

namespace {

// A page that keeps jumping from its own activation must not exhaust the stack.
constexpr int kMaxNesting = 64;

}  // namespace

WizardDriver::WizardDriver(const services::CQuiLoggerBase* log) : m_log(log) {}

void WizardDriver::addPage(WizardPage* page) {
    m_pages.push_back(page);
}

WizardButtons WizardDriver::defaultButtons(int index) {
    switch (index) {
        case 0:
            return WizardButtons::NextOnly;
        case 4:
        case 7:
        case 14:
        case 17:
            return WizardButtons::BackFinish;
        default:
            return WizardButtons::BackNext;
    }
}

void WizardDriver::start(int firstIndex) {
    activate(firstIndex, Direction::Forward);
}

void WizardDriver::activate(int index, Direction direction) {
    if (m_depth >= kMaxNesting) {
        return;
    }
    ++m_depth;
    const int from = m_active;
    bool accepted = false;
    for (int i = index; i >= 0 && i < pageCount(); i += static_cast<int>(direction)) {
        m_active = i;
        // The page may jump from inside its activation; a refusal still passes on from here.
        if (m_pages[static_cast<size_t>(i)]->OnSetActive()) {
            accepted = true;
            break;
        }
    }
    if (!accepted) {
        m_active = from;
    }
    --m_depth;
    notify();
}

void WizardDriver::notify() {
    if (m_depth == 0 && m_listener) {
        m_listener();
    }
}

void WizardDriver::Next() {
    if (m_active < 0 || m_pages[static_cast<size_t>(m_active)]->OnWizardNext() != 0) {
        return;
    }
    if (m_active + 1 < pageCount()) {
        activate(m_active + 1, Direction::Forward);
    }
}

void WizardDriver::Back() {
    if (m_active < 0 || m_pages[static_cast<size_t>(m_active)]->OnWizardBack() != 0) {
        return;
    }
    if (m_active > 0) {
        activate(m_active - 1, Direction::Backward);
    }
}

bool WizardDriver::Finish() {
    return m_active >= 0 && m_pages[static_cast<size_t>(m_active)]->OnWizardFinish();
}

void WizardDriver::OnSetNext(int index, int code) {
    if (m_log != nullptr) {
        m_log->debug(services::formatText(u"OnSetNext: to %i ErrorCode: %i", {index, code}));
    }
    activate(index, Direction::Forward);
}

void WizardDriver::OnSetBack(int index, int code) {
    if (m_log != nullptr) {
        m_log->debug(services::formatText(u"OnSetBack: to %i ErrorCode: %i", {index, code}));
    }
    activate(index, Direction::Forward);
}

void WizardDriver::SetWizardButtons(WizardButtons buttons) {
    m_buttons = buttons;
    notify();
}

}  // namespace quillmere::app
