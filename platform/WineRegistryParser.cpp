#include "platform/WineRegistryParser.h"

#include "platform/Utf.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace quillmere::platform {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Appends the raw run text[from, to) as UTF-8.
void appendRaw(std::u16string& out, std::string_view run) {
    out += utf16FromUtf8(run);
}

char16_t controlEscape(char c) {
    switch (c) {
        case 'a':
            return 0x07;
        case 'b':
            return 0x08;
        case 'e':
            return 0x1B;
        case 'f':
            return 0x0C;
        case 'n':
            return 0x0A;
        case 'r':
            return 0x0D;
        case 't':
            return 0x09;
        case 'v':
            return 0x0B;
        default:
            return static_cast<unsigned char>(c);
    }
}

// Decodes one escape after a backslash at text[pos]; advances pos past it.
char16_t decodeEscape(std::string_view text, size_t& pos) {
    const char c = text[pos++];
    if (c == 'x') {
        unsigned value = 0;
        int digits = 0;
        while (digits < 4 && pos < text.size() && hexDigit(text[pos]) >= 0) {
            value = value * 16 + static_cast<unsigned>(hexDigit(text[pos++]));
            ++digits;
        }
        return digits == 0 ? u'x' : static_cast<char16_t>(value);
    }
    if (c >= '0' && c <= '7') {
        unsigned value = static_cast<unsigned>(c - '0');
        for (int digits = 1;
             digits < 3 && pos < text.size() && text[pos] >= '0' && text[pos] <= '7'; ++digits) {
            value = value * 8 + static_cast<unsigned>(text[pos++] - '0');
        }
        return static_cast<char16_t>(value);
    }
    return controlEscape(c);
}

// Reads an escaped string from text[pos] up to the unescaped terminator; pos ends just past the
// terminator. Nothing when the terminator is missing.
std::optional<std::u16string> readEscaped(std::string_view text, size_t& pos, char terminator) {
    std::u16string out;
    size_t runStart = pos;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == terminator) {
            appendRaw(out, text.substr(runStart, pos - runStart));
            ++pos;
            return out;
        }
        if (c == '\\' && pos + 1 < text.size()) {
            appendRaw(out, text.substr(runStart, pos - runStart));
            ++pos;
            out.push_back(decodeEscape(text, pos));
            runStart = pos;
            continue;
        }
        ++pos;
    }
    return std::nullopt;
}

std::optional<Bytes> parseHexBytes(std::string_view text) {
    Bytes out;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == ',' || c == ' ' || c == '\t' || c == '\\') {
            ++pos;
            continue;
        }
        if (pos + 1 >= text.size() || hexDigit(c) < 0 || hexDigit(text[pos + 1]) < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<std::uint8_t>(hexDigit(c) * 16 + hexDigit(text[pos + 1])));
        pos += 2;
    }
    return out;
}

std::optional<std::uint32_t> parseTypeNumber(std::string_view text, size_t& pos) {
    // "(N)" with N in hexadecimal, as Wine writes it.
    const size_t close = text.find(')', pos);
    if (pos >= text.size() || text[pos] != '(' || close == std::string_view::npos) {
        return std::nullopt;
    }
    std::uint32_t type = 0;
    const auto [end, ec] = std::from_chars(text.data() + pos + 1, text.data() + close, type, 16);
    if (ec != std::errc() || end != text.data() + close) {
        return std::nullopt;
    }
    pos = close + 1;
    return type;
}

// After "str" or "hex": an optional "(N)" naming the type, then ':'. Moves pos past the ':'.
std::optional<std::uint32_t> parseKind(std::string_view text, size_t& pos,
                                       std::uint32_t plainType) {
    std::uint32_t type = plainType;
    if (pos < text.size() && text[pos] == '(') {
        const auto n = parseTypeNumber(text, pos);
        if (!n) {
            return std::nullopt;
        }
        type = *n;
    }
    if (pos >= text.size() || text[pos] != ':') {
        return std::nullopt;
    }
    ++pos;
    return type;
}

std::optional<RegistryValue> parseData(std::string_view text) {
    size_t pos = 0;
    std::uint32_t type = kRegSz;
    if (text.starts_with("str")) {
        pos = 3;
        const auto kind = parseKind(text, pos, kRegSz);
        if (!kind) {
            return std::nullopt;
        }
        type = *kind;
    }
    if (pos < text.size() && text[pos] == '"') {
        ++pos;
        const auto str = readEscaped(text, pos, '"');
        if (!str) {
            return std::nullopt;
        }
        return RegistryValue::fromText(*str, type);
    }
    if (text.starts_with("dword:")) {
        std::uint32_t value = 0;
        const char* first = text.data() + 6;
        const char* last = text.data() + text.size();
        const auto [end, ec] = std::from_chars(first, last, value, 16);
        if (ec != std::errc() || end == first) {
            return std::nullopt;
        }
        return RegistryValue::fromDword(value);
    }
    if (text.starts_with("hex")) {
        pos = 3;
        const auto kind = parseKind(text, pos, kRegBinary);
        auto bytes = kind ? parseHexBytes(text.substr(pos)) : std::nullopt;
        if (!bytes) {
            return std::nullopt;
        }
        type = *kind;
        RegistryValue v;
        v.type = type;
        v.data = std::move(*bytes);
        return v;
    }
    return std::nullopt;
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

class Reader {
  public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool next(std::string_view& line) {
        if (m_pos >= m_text.size()) {
            return false;
        }
        size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos) {
            end = m_text.size();
        }
        line = trimRight(m_text.substr(m_pos, end - m_pos));
        m_pos = end + 1;
        return true;
    }

  private:
    std::string_view m_text;
    size_t m_pos = 0;
};

void parseValueLine(std::string_view line, Reader& reader, RegistryHive::Values& values) {
    size_t pos = 0;
    std::u16string name;
    if (line[0] == '@') {
        pos = 1;
    } else {
        pos = 1;
        const auto parsed = readEscaped(line, pos, '"');
        if (!parsed) {
            return;
        }
        name = *parsed;
    }
    const size_t eq = line.find_first_not_of(" \t", pos);
    if (eq == std::string_view::npos || line[eq] != '=') {
        return;
    }
    std::string data(trimLeft(line.substr(eq + 1)));
    // Binary data continues on the next line after a trailing backslash.
    std::string_view more;
    while (data.starts_with("hex") && data.ends_with('\\') && reader.next(more)) {
        data.pop_back();
        data += trimLeft(more);
    }
    if (auto value = parseData(data)) {
        RegistryHive::setValue(values, name, std::move(*value));
    }
}

}  // namespace

RegistryHive WineRegistryParser::parse(std::string_view text) {
    RegistryHive hive;
    Reader reader(text);
    std::string_view line;
    RegistryHive::Values* values = nullptr;
    while (reader.next(line)) {
        line = trimLeft(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            size_t pos = 1;
            const auto key = readEscaped(line, pos, ']');
            values = key ? &hive.addKey(*key) : nullptr;
            continue;
        }
        if (values != nullptr && (line[0] == '"' || line[0] == '@')) {
            parseValueLine(line, reader, *values);
        }
    }
    return hive;
}

std::optional<RegistryHive> WineRegistryParser::load(const std::filesystem::path& file) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<size_t>(in.gcount()));
    return parse(text);
}

}  // namespace quillmere::platform
