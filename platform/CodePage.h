#pragma once

#include <string>
#include <string_view>

namespace quillmere::platform {

// The system's 8-bit ("ANSI") code page. Characters it cannot hold become '?', as the Windows
// conversion does.
class CodePage {
  public:
    explicit CodePage(int number = 1252);

    // The code page of this process's user-interface language.
    static CodePage system();

    int number() const { return m_number; }

    std::string toAnsi(std::u16string_view text) const;
    std::u16string fromAnsi(std::string_view text) const;

  private:
    int m_number;
};

}  // namespace quillmere::platform
