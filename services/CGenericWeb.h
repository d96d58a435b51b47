#pragma once

#include "services/CTrace.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace quillmere::platform {
class Environment;
}

namespace quillmere::services {

struct WebOptions {
    std::optional<std::string> caFile;  // an extra certificate authority ($QUILLMERE_CA_FILE)
    long connectTimeoutSeconds = 15;
    long timeoutSeconds = 60;
    std::size_t maxBodyBytes = 4u << 20;

    static WebOptions fromEnvironment(const platform::Environment& env);
};

// The program's small HTTP client over libcurl. Certificates are verified; proxies come from the
// usual environment variables; redirects are not followed. No operation logs or shows anything:
// failures are results.
class CGenericWeb {
  public:
    explicit CGenericWeb(WebOptions options);

    // GET address?time=<seconds>. On status 200 the body, every line ended by "\n"; otherwise
    // (or on any error) empty. Returns the text's length.
    std::size_t HttpGetText(const std::string& address, std::string& text);
    // GET into a file. Status 200 writes the file; another status writes none. False only for a
    // transport error.
    bool HttpGetFile(const std::string& address, const std::filesystem::path& file);
    // POSTs the account service's security-token request; appends the reply to `reply` and copies
    // it to msn_response.txt (owner-only) in `tempFolder`. Returns the reply's length, 0 on error.
    std::size_t HttpPostSoap(const std::string& address, const std::string& login,
                             const std::string& password, std::string& reply,
                             const std::filesystem::path& tempFolder);

    // The envelope of the request, with login and password XML-escaped.
    static std::string soapEnvelope(const std::string& login, const std::string& password);

  private:
    struct Response;
    std::optional<Response> get(const std::string& address);

    WebOptions m_options;
    CTrace m_trace;
};

}  // namespace quillmere::services
