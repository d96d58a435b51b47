#pragma once

#include "app/UserDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quillmere::test {

// Records every message box and question, and answers questions from a script (No when the
// script has run out).
class ScriptedDialogs : public app::UserDialogs {
  public:
    struct Shown {
        std::u16string text;
        std::u16string caption;
        Icon icon;
        bool question;
    };

    void MessageBox(std::u16string_view text, std::u16string_view caption, Icon icon) override {
        shown.push_back({std::u16string(text), std::u16string(caption), icon, false});
    }
    bool AskYesNo(std::u16string_view text, std::u16string_view caption, Icon icon) override {
        shown.push_back({std::u16string(text), std::u16string(caption), icon, true});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::u16string> SaveFileName(std::u16string_view, std::u16string_view) override {
        ++fileDialogs;
        return saveAnswer;
    }

    std::vector<std::u16string> texts() const {
        std::vector<std::u16string> out;
        for (const auto& s : shown) {
            out.push_back(s.text);
        }
        return out;
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::optional<std::u16string> saveAnswer;
    int fileDialogs = 0;
};

}  // namespace quillmere::test
