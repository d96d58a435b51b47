#pragma once

#include <string_view>
#include <vector>

namespace quillmere::resources {

inline constexpr int IDC_STATIC = -1;

enum class ControlKind {
    Heading,  // a static text set in bold
    Static,   // a static text
    Edit,
    Password,
    ReadOnlyEdit,
    Button,
    FirstRadio,  // the first radio button of a group
    Radio,
    Check,
    List,       // the emoticon list: tick box, picture, shortcut and name
    PlainList,  // a list of picture, shortcut and name
    Progress,
};

struct DialogControl {
    int id;
    ControlKind kind;
    std::u16string_view text;
};

// A page's dialog template: its controls top to bottom, addressed by their resource numbers.
struct DialogTemplate {
    int id;
    std::u16string_view caption;
    std::vector<DialogControl> controls;

    const DialogControl* control(int controlId) const;
};

class DialogTemplates {
  public:
    // Nothing for a number the program does not have.
    static const DialogTemplate* find(int templateId);
};

}  // namespace quillmere::resources
