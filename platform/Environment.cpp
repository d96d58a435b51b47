#include "platform/Environment.h"

#include <pwd.h>
#include <unistd.h>

extern char** environ;

namespace quillmere::platform {

namespace {

const passwd* accountEntry() {
    return getpwuid(getuid());
}

}  // namespace

Environment::Environment(std::map<std::string, std::string> variables)
    : m_variables(variables.begin(), variables.end()) {}

Environment Environment::fromProcess() {
    Environment env;
    env.m_fromProcess = true;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        std::string_view text(*entry);
        const auto eq = text.find('=');
        if (eq != std::string_view::npos) {
            env.m_variables.emplace(std::string(text.substr(0, eq)),
                                    std::string(text.substr(eq + 1)));
        }
    }
    return env;
}

std::optional<std::string> Environment::get(std::string_view name) const {
    const auto it = m_variables.find(name);
    if (it == m_variables.end() || it->second.empty()) {
        return std::nullopt;
    }
    return it->second;
}

std::string Environment::homeDirectory() const {
    if (auto home = get("HOME")) {
        return *home;
    }
    if (!m_fromProcess) {
        return {};
    }
    const passwd* entry = accountEntry();
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : std::string();
}

std::string Environment::userName() const {
    if (auto user = get("USER")) {
        return *user;
    }
    if (!m_fromProcess) {
        return {};
    }
    const passwd* entry = accountEntry();
    return entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : std::string();
}

}  // namespace quillmere::platform
