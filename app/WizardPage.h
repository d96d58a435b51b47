#pragma once

namespace quillmere::app {

// The three button sets a page shows when it becomes active.
enum class WizardButtons { NextOnly, BackNext, BackFinish };

// The hooks that the wizard calls on its pages.
class WizardPage {
  public:
    virtual ~WizardPage() = default;

    // False refuses the activation; the wizard then passes on to the neighbouring page in the
    // direction of travel.
    virtual bool OnSetActive() = 0;
    // 0 goes to the neighbouring page; -1 stays (the page has jumped already or wants to stay).
    virtual int OnWizardNext() { return 0; }
    virtual int OnWizardBack() { return 0; }
    // True lets the wizard close.
    virtual bool OnWizardFinish() { return true; }
};

}  // namespace quillmere::app
