#pragma once

#include "support/TempFolder.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace httplib {
class SSLServer;
struct Request;
struct Response;
}  // namespace httplib

namespace quillmere::test {

// An HTTPS server on 127.0.0.1 with a certificate made for it at start; tests give the client
// caFile() as the authority to trust.
class TlsTestServer {
  public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    TlsTestServer();
    ~TlsTestServer();
    TlsTestServer(const TlsTestServer&) = delete;
    TlsTestServer& operator=(const TlsTestServer&) = delete;

    void get(const std::string& pattern, Handler handler);
    void post(const std::string& pattern, Handler handler);
    // Starts serving; handlers must be added before.
    void start();

    std::string baseUrl() const { return "https://127.0.0.1:" + std::to_string(m_port); }
    std::string caFile() const { return m_certificate.string(); }

  private:
    TempFolder m_folder;
    std::filesystem::path m_certificate;
    std::filesystem::path m_key;
    std::unique_ptr<httplib::SSLServer> m_server;
    std::thread m_thread;
    int m_port = 0;
};

}  // namespace quillmere::test
