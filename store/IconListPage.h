#pragma once

#include "store/IconListLoader.h"

#include <string>
#include <utility>
#include <vector>

namespace quillmere::store {

// The emoticon selection page without its widgets: when to read the store, what to hand to the
// export, and keeping the user's edits across Back and Next.
class IconListPage {
  public:
    IconListPage(app::WizardState& state, const platform::PlatformProfile& profile,
                 app::UserDialogs& dialogs, const resources::StringTable& strings,
                 PictureFactory pictures);

    // Dialog initialisation: reads the store. False when the preview is skipped and everything
    // was handed on already.
    bool OnInitDialog();
    // Activation: hands everything on (false) when the preview is skipped; otherwise rereads the
    // store unless edits were kept, and the rows are to be shown (true).
    bool OnSetActive();
    // The edited shortcut and name of every row, when the list says they changed.
    void keepEdits(const std::vector<std::pair<std::u16string, std::u16string>>& cells);
    // Next: the ticked rows, in row order, become the wizard's picked emoticons.
    void OnWizardNext(const std::vector<bool>& ticked);

    const EmoticonList& list() { return m_loader.list(); }

  private:
    void handOverEverything();
    void select(size_t row);

    app::WizardState& m_state;
    IconListLoader m_loader;
    bool m_bKeepEdits = false;
};

}  // namespace quillmere::store
