#include "services/AccountLogin.h"

#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/Utf.h"
#include "services/CGenericWeb.h"

namespace quillmere::services {

WebAccountLogin::WebAccountLogin(CGenericWeb& web, std::string primaryBase,
                                 std::string secondaryBase, platform::CodePage codePage,
                                 std::filesystem::path tempFolder)
    : m_web(web),
      m_primary(std::move(primaryBase)),
      m_secondary(std::move(secondaryBase)),
      m_codePage(codePage),
      m_tempFolder(std::move(tempFolder)) {}

std::string WebAccountLogin::endpointFrom(const platform::Environment& env, const char* variable) {
    std::string base = env.get(variable).value_or("");
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base.empty() ? base : base + "/RST.srf";
}

std::string WebAccountLogin::extractPuid(const std::string& reply) {
    const std::size_t at = reply.find("PUID");
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t open = reply.find('>', at);
    const std::size_t close = reply.find('<', at);
    if (open == std::string::npos || close == std::string::npos || open > close) {
        return {};
    }
    return reply.substr(open + 1, close - open - 1);
}

std::u16string WebAccountLogin::RequestPuid(std::u16string_view login,
                                            std::u16string_view password) {
    const std::string name = m_codePage.toAnsi(platform::trimWhitespace(login));
    const std::string secret = m_codePage.toAnsi(platform::trimWhitespace(password));
    std::string reply;
    auto post = [&](const std::string& endpoint) {
        return !endpoint.empty() &&
               m_web.HttpPostSoap(endpoint, name, secret, reply, m_tempFolder) > 0 &&
               !reply.empty();
    };
    if (!post(m_primary) && !post(m_secondary)) {
        return {};
    }
    if (reply.find("PUID") == std::string::npos &&
        (!post(m_secondary) || reply.find("PUID") == std::string::npos)) {
        return {};
    }
    return platform::asciiLower(m_codePage.fromAnsi(extractPuid(reply)));
}

}  // namespace quillmere::services
