#pragma once

#include "platform/CodePage.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillmere::platform {
class Environment;
}  // namespace quillmere::platform

namespace quillmere::services {

class CGenericWeb;

// The account login of the task page: asks the account service's token endpoints for the
// account identifier (PUID). The endpoints are configuration: $QUILLMERE_ACCOUNT_PRIMARY and
// $QUILLMERE_ACCOUNT_SECONDARY, base addresses to which "/RST.srf" is appended.
class AccountLogin {
  public:
    // Any way of asking; the task page takes one, tests give their own.
    virtual ~AccountLogin() = default;
    // The identifier in lower case, or empty on any failure.
    virtual std::u16string RequestPuid(std::u16string_view login, std::u16string_view password) = 0;
};

class WebAccountLogin : public AccountLogin {
  public:
    WebAccountLogin(CGenericWeb& web, std::string primaryBase, std::string secondaryBase,
                    platform::CodePage codePage, std::filesystem::path tempFolder);

    static std::string endpointFrom(const platform::Environment& env, const char* variable);

    std::u16string RequestPuid(std::u16string_view login, std::u16string_view password) override;

    // The identifier between the first ">" and the first "<" after "PUID"; empty otherwise.
    static std::string extractPuid(const std::string& reply);

  private:
    CGenericWeb& m_web;
    std::string m_primary;
    std::string m_secondary;
    platform::CodePage m_codePage;
    std::filesystem::path m_tempFolder;
};

}  // namespace quillmere::services
