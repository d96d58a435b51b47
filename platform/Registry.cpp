#include "platform/Registry.h"

#include "platform/WineRegistryParser.h"

namespace quillmere::platform {

Registry::Registry(std::optional<RegistryHive> currentUser,
                   std::optional<RegistryHive> localMachine)
    : m_currentUser(std::move(currentUser)), m_localMachine(std::move(localMachine)) {}

Registry Registry::fromWinePrefix(const std::filesystem::path& prefix) {
    return Registry(WineRegistryParser::load(prefix / "user.reg"),
                    WineRegistryParser::load(prefix / "system.reg"));
}

const RegistryHive* Registry::hive(RegistryRoot root) const {
    const auto& chosen = root == RegistryRoot::CurrentUser ? m_currentUser : m_localMachine;
    return chosen ? &*chosen : nullptr;
}

std::u16string Registry::hivePath(RegistryRoot root, std::u16string_view keyPath) {
    if (root == RegistryRoot::ClassesRoot) {
        return u"Software\\Classes\\" + std::u16string(keyPath);
    }
    return std::u16string(keyPath);
}

bool Registry::keyExists(RegistryRoot root, std::u16string_view keyPath) const {
    const RegistryHive* h = hive(root);
    return h != nullptr && h->hasKey(hivePath(root, keyPath));
}

std::optional<RegistryValue> Registry::queryValue(RegistryRoot root, std::u16string_view keyPath,
                                                  std::u16string_view name) const {
    const RegistryHive* h = hive(root);
    const RegistryValue* v = h != nullptr ? h->value(hivePath(root, keyPath), name) : nullptr;
    return v != nullptr ? std::optional<RegistryValue>(*v) : std::nullopt;
}

std::optional<std::u16string> Registry::queryText(RegistryRoot root, std::u16string_view keyPath,
                                                  std::u16string_view name) const {
    const auto v = queryValue(root, keyPath, name);
    return v ? v->text() : std::nullopt;
}

}  // namespace quillmere::platform
