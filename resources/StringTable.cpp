#include "resources/StringTable.h"

#include "platform/UiLanguage.h"
#include "platform/Utf.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace quillmere::resources {

namespace {

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out.push_back(text[i]);
            continue;
        }
        switch (text[++i]) {
            case 'r':
                out.push_back('\r');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 't':
                out.push_back('\t');
                break;
            case '\\':
                out.push_back('\\');
                break;
            default:
                out.push_back('\\');
                out.push_back(text[i]);
        }
    }
    return out;
}

std::optional<std::pair<int, std::u16string>> parseLine(std::string_view line) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0) {
        return std::nullopt;
    }
    int id = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + tab, id);
    if (ec != std::errc() || end != line.data() + tab || id < 0 || id > 65535) {
        return std::nullopt;
    }
    return std::pair{id, platform::utf16FromUtf8(unescape(line.substr(tab + 1)))};
}

}  // namespace

StringTable::StringTable() {
    for (const auto& [id, text] : builtInEntries()) {
        m_strings.emplace(id, std::u16string(text));
    }
}

const std::u16string& StringTable::get(int id) const {
    static const std::u16string empty;
    const auto it = m_strings.find(id);
    return it == m_strings.end() ? empty : it->second;
}

bool StringTable::contains(int id) const {
    return m_strings.contains(id);
}

bool StringTable::loadModule(const std::filesystem::path& file) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxModuleBytes) {
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    if (!in.eof() && in.fail()) {
        return false;
    }
    return loadModuleText(content);
}

bool StringTable::loadModuleText(std::string_view content) {
    std::map<int, std::u16string> replacements;
    std::string_view rest(content);
    if (rest.starts_with("\xEF\xBB\xBF")) {
        rest.remove_prefix(3);
    }
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        if (auto entry = parseLine(rest.substr(0, end))) {
            replacements.insert_or_assign(entry->first, std::move(entry->second));
        }
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    if (replacements.empty()) {
        return false;
    }
    for (auto& [id, text] : replacements) {
        m_strings.insert_or_assign(id, std::move(text));
    }
    return true;
}

std::optional<std::string> StringTable::moduleNameFor(int langId) {
    const platform::LocalizedLanguage* language = platform::localizedLanguage(langId);
    return language != nullptr ? std::optional<std::string>(language->moduleName) : std::nullopt;
}

}  // namespace quillmere::resources
