#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace quillmere::services {

// An argument of formatText: text for %s, a number for %i, %d or %u.
class FormatArg {
  public:
    FormatArg(std::u16string_view text) : m_value(text) {}
    FormatArg(const std::u16string& text) : m_value(std::u16string_view(text)) {}
    FormatArg(const char16_t* text) : m_value(std::u16string_view(text)) {}
    FormatArg(long long number) : m_value(number) {}
    FormatArg(int number) : m_value(static_cast<long long>(number)) {}
    FormatArg(unsigned number) : m_value(static_cast<long long>(number)) {}
    FormatArg(long number) : m_value(static_cast<long long>(number)) {}

    std::u16string render() const;

  private:
    std::variant<std::u16string_view, long long> m_value;
};

// Fills the printf-style message texts of the program (%s, %i, %d, %u, %%) in order. A
// placeholder without an argument is left as it stands.
std::u16string formatText(std::u16string_view format, std::initializer_list<FormatArg> args);

}  // namespace quillmere::services
