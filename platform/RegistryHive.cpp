#include "platform/RegistryHive.h"

#include "platform/Utf.h"

namespace quillmere::platform {

RegistryValue RegistryValue::fromText(std::u16string_view text, std::uint32_t type) {
    RegistryValue v;
    v.type = type;
    v.data = utf16leBytes(text);
    v.data.push_back(0);
    v.data.push_back(0);
    return v;
}

RegistryValue RegistryValue::fromDword(std::uint32_t value) {
    RegistryValue v;
    v.type = kRegDword;
    for (int shift = 0; shift < 32; shift += 8) {
        v.data.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    return v;
}

std::optional<std::u16string> RegistryValue::text() const {
    if (type != kRegSz && type != kRegExpandSz) {
        return std::nullopt;
    }
    std::u16string out;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0) {
            break;
        }
        out.push_back(unit);
    }
    return out;
}

std::optional<std::uint32_t> RegistryValue::dword() const {
    if (type != kRegDword || data.size() < 4) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

std::u16string RegistryHive::normalizeKey(std::u16string_view keyPath) {
    std::u16string out;
    out.reserve(keyPath.size());
    for (char16_t c : keyPath) {
        // Runs of separators and separators at either end carry no meaning.
        if (c == u'\\' && (out.empty() || out.back() == u'\\')) {
            continue;
        }
        out.push_back(c);
    }
    if (!out.empty() && out.back() == u'\\') {
        out.pop_back();
    }
    return asciiLower(out);
}

void RegistryHive::setValue(std::u16string_view keyPath, std::u16string_view name,
                            RegistryValue value) {
    setValue(addKey(keyPath), name, std::move(value));
}

void RegistryHive::setValue(Values& values, std::u16string_view name, RegistryValue value) {
    values.insert_or_assign(asciiLower(name), std::move(value));
}

RegistryHive::Values& RegistryHive::addKey(std::u16string_view keyPath) {
    // A key's ancestors exist as soon as it does, though the file may not list them.
    const std::u16string key = normalizeKey(keyPath);
    for (size_t sep = key.find(u'\\'); sep != std::u16string::npos;
         sep = key.find(u'\\', sep + 1)) {
        m_keys.try_emplace(key.substr(0, sep));
    }
    return m_keys[key];
}

bool RegistryHive::hasKey(std::u16string_view keyPath) const {
    return m_keys.contains(normalizeKey(keyPath));
}

const RegistryValue* RegistryHive::value(std::u16string_view keyPath,
                                         std::u16string_view name) const {
    const auto key = m_keys.find(normalizeKey(keyPath));
    if (key == m_keys.end()) {
        return nullptr;
    }
    const auto it = key->second.find(asciiLower(name));
    return it == key->second.end() ? nullptr : &it->second;
}

}  // namespace quillmere::platform
