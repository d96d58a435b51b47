#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace quillmere::cli {

// Writes one flat JSON object, member by member.
class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void text(std::string_view name, std::string_view value);
    void textOrNull(std::string_view name, const std::optional<std::string>& value);
    void number(std::string_view name, long long value);

    // A JSON string literal for UTF-8 text.
    static std::string quote(std::string_view text);

  private:
    void key(std::string_view name);

    std::ostream& m_out;
    bool m_first = true;
};

}  // namespace quillmere::cli
