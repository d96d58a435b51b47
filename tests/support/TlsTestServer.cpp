#include "support/TlsTestServer.h"

#include <httplib.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <stdexcept>

namespace quillmere::test {

namespace {

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct CertFree {
    void operator()(X509* cert) const { X509_free(cert); }
};
struct ExtFree {
    void operator()(X509_EXTENSION* ext) const { X509_EXTENSION_free(ext); }
};
struct FileClose {
    void operator()(FILE* f) const { std::fclose(f); }
};

// A self-signed certificate for 127.0.0.1, valid for a day.
void makeCertificate(const std::filesystem::path& certFile, const std::filesystem::path& keyFile) {
    std::unique_ptr<EVP_PKEY, KeyFree> key(EVP_EC_gen("P-256"));
    std::unique_ptr<X509, CertFree> cert(X509_new());
    if (!key || !cert) {
        throw std::runtime_error("cannot make a test certificate");
    }
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -60);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 86400);
    X509_set_pubkey(cert.get(), key.get());
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(cert.get(), name);
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert.get(), cert.get(), nullptr, nullptr, 0);
    for (const char* ext : {"subjectAltName", "basicConstraints"}) {
        const char* value =
            std::string_view(ext) == "subjectAltName" ? "IP:127.0.0.1" : "critical,CA:TRUE";
        std::unique_ptr<X509_EXTENSION, ExtFree> e(X509V3_EXT_conf(nullptr, &ctx, ext, value));
        X509_add_ext(cert.get(), e.get(), -1);
    }
    X509_sign(cert.get(), key.get(), EVP_sha256());
    std::unique_ptr<FILE, FileClose> c(std::fopen(certFile.c_str(), "w"));
    std::unique_ptr<FILE, FileClose> k(std::fopen(keyFile.c_str(), "w"));
    PEM_write_X509(c.get(), cert.get());
    PEM_write_PrivateKey(k.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr);
}

}  // namespace

TlsTestServer::TlsTestServer()
    : m_certificate(m_folder / "server.crt"), m_key(m_folder / "server.key") {
    makeCertificate(m_certificate, m_key);
    m_server = std::make_unique<httplib::SSLServer>(m_certificate.c_str(), m_key.c_str());
}

TlsTestServer::~TlsTestServer() {
    m_server->stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void TlsTestServer::get(const std::string& pattern, Handler handler) {
    m_server->Get(pattern, std::move(handler));
}

void TlsTestServer::post(const std::string& pattern, Handler handler) {
    m_server->Post(pattern, std::move(handler));
}

void TlsTestServer::start() {
    m_port = m_server->bind_to_any_port("127.0.0.1");
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    // The socket is bound and listening already, so clients can connect even before the loop runs.
}

}  // namespace quillmere::test
