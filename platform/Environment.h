#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere::platform {

// A snapshot of the environment variables that the platform layer reads, so that tests can
// describe a machine without touching the process environment.
class Environment {
  public:
    Environment() = default;
    explicit Environment(std::map<std::string, std::string> variables);

    static Environment fromProcess();

    // Empty values count as unset, as most shells and tools treat them.
    std::optional<std::string> get(std::string_view name) const;

    // $HOME, else the account's home directory from the password database.
    std::string homeDirectory() const;
    // $USER, else the account name from the password database.
    std::string userName() const;

  private:
    std::map<std::string, std::string, std::less<>> m_variables;
    bool m_fromProcess = false;
};

}  // namespace quillmere::platform
