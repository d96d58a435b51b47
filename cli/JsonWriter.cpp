#include "cli/JsonWriter.h"

#include <cstdio>

namespace quillmere::cli {

JsonWriter::JsonWriter(std::ostream& out) : m_out(out) {
    m_out << "{";
}

JsonWriter::~JsonWriter() {
    m_out << (m_first ? "}\n" : "\n}\n");
}

std::string JsonWriter::quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
                    out += escaped;
                } else {
                    out.push_back(c);
                }
        }
    }
    return out + "\"";
}

void JsonWriter::key(std::string_view name) {
    m_out << (m_first ? "\n  " : ",\n  ") << quote(name) << ": ";
    m_first = false;
}

void JsonWriter::text(std::string_view name, std::string_view value) {
    key(name);
    m_out << quote(value);
}

void JsonWriter::textOrNull(std::string_view name, const std::optional<std::string>& value) {
    key(name);
    m_out << (value ? quote(*value) : "null");
}

void JsonWriter::number(std::string_view name, long long value) {
    key(name);
    m_out << value;
}

}  // namespace quillmere::cli
