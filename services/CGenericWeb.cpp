#include "services/CGenericWeb.h"

#include "platform/Environment.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <memory>

namespace quillmere::services {

namespace {

constexpr const char* kSoapUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 1.1.4322; .NET CLR 2.0.50727; "
    "IDCRL "
    "4.100.313.1; IDCRL-cfg 4.0.5633.0; App msnmsgr.exe, 8.1.178.0, "
    "{7108E71A-9926-4FCB-BCC9-9A9D3F32E423})";
constexpr const char* kAppUserAgent = "Quillmere";

struct CurlFree {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Curl = std::unique_ptr<CURL, CurlFree>;
using Headers = std::unique_ptr<curl_slist, SlistFree>;

void initialiseOnce() {
    static const bool done = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)done;
}

struct Sink {
    std::string body;
    std::size_t limit;
};

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const std::size_t n = size * count;
    if (sink->body.size() + n > sink->limit) {
        return 0;  // too large: abort the transfer
    }
    sink->body.append(data, n);
    return n;
}

Headers headerList(std::initializer_list<const char*> lines) {
    curl_slist* list = nullptr;
    for (const char* line : lines) {
        if (curl_slist* longer = curl_slist_append(list, line)) {
            list = longer;
        }
    }
    return Headers(list);
}

Curl makeHandle(const WebOptions& options, const std::string& address, Sink& sink,
                const char* userAgent) {
    initialiseOnce();
    Curl curl(curl_easy_init());
    if (!curl) {
        return curl;
    }
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_USERAGENT, userAgent);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, options.connectTimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, options.timeoutSeconds);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (options.caFile) {
        curl_easy_setopt(c, CURLOPT_CAINFO, options.caFile->c_str());
    }
    return curl;
}

std::string xmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

// Lines as a text reader yields them, each followed by "\n".
std::string rebuildLines(const std::string& body) {
    std::string out;
    std::size_t start = 0;
    while (start < body.size()) {
        std::size_t end = body.find('\n', start);
        const std::size_t next = end == std::string::npos ? body.size() : end + 1;
        if (end == std::string::npos) {
            end = body.size();
        }
        std::size_t lineEnd = end;
        if (lineEnd > start && body[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        out.append(body, start, lineEnd - start);
        out.push_back('\n');
        start = next;
    }
    return out;
}

std::string withTimeStamp(const std::string& address) {
    return address + "?time=" + std::to_string(static_cast<long long>(std::time(nullptr)));
}

// The reply copy holds account tokens: owner-only, and never through a link planted in /tmp.
void writeReplyCopy(const std::filesystem::path& file, const std::string& reply) {
    const int fd =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    ::fchmod(fd, 0600);
    std::size_t written = 0;
    while (written < reply.size()) {
        const ssize_t n = ::write(fd, reply.data() + written, reply.size() - written);
        if (n <= 0) {
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

}  // namespace

struct CGenericWeb::Response {
    long status;
    std::string body;
};

WebOptions WebOptions::fromEnvironment(const platform::Environment& env) {
    WebOptions options;
    options.caFile = env.get("QUILLMERE_CA_FILE");
    return options;
}

CGenericWeb::CGenericWeb(WebOptions options) : m_options(std::move(options)) {}

std::optional<CGenericWeb::Response> CGenericWeb::get(const std::string& address) {
    Sink sink{{}, m_options.maxBodyBytes};
    Curl curl = makeHandle(m_options, withTimeStamp(address), sink, kAppUserAgent);
    if (!curl) {
        return std::nullopt;
    }
    // Always a fresh copy from the network.
    const Headers headers = headerList({"Content-Type: text/plain", "Cache-Control: no-cache"});
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers.get());
    if (curl_easy_perform(curl.get()) != CURLE_OK) {
        return std::nullopt;
    }
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    return Response{status, std::move(sink.body)};
}

std::size_t CGenericWeb::HttpGetText(const std::string& address, std::string& text) {
    text.clear();
    const auto response = get(address);
    if (response && response->status == 200) {
        text = rebuildLines(response->body);
    }
    return text.size();
}

bool CGenericWeb::HttpGetFile(const std::string& address, const std::filesystem::path& file) {
    const auto response = get(address);
    if (!response) {
        return false;
    }
    if (response->status == 200) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(response->body.data(), static_cast<std::streamsize>(response->body.size()));
    }
    return true;
}

std::size_t CGenericWeb::HttpPostSoap(const std::string& address, const std::string& login,
                                      const std::string& password, std::string& reply,
                                      const std::filesystem::path& tempFolder) {
    Sink sink{{}, m_options.maxBodyBytes};
    Curl curl = makeHandle(m_options, address, sink, kSoapUserAgent);
    if (!curl) {
        return 0;
    }
    const std::string body = soapEnvelope(login, password);
    const Headers headers = headerList({"Connection: Keep-Alive", "Content-Type: text/xml"});
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    if (curl_easy_perform(c) != CURLE_OK) {
        return 0;
    }
    writeReplyCopy(tempFolder / "msn_response.txt", sink.body);
    reply += sink.body;
    return sink.body.size();
}

std::string CGenericWeb::soapEnvelope(const std::string& login, const std::string& password) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<Envelope xmlns=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:wsse=\"http://schemas.xmlsoap.org/ws/2003/06/secext\" "
           "xmlns:saml=\"urn:oasis:names:tc:SAML:1.0:assertion\" "
           "xmlns:wsp=\"http://schemas.xmlsoap.org/ws/2002/12/policy\" "
           "xmlns:wsu=\"http://docs.oasis-open.org/wss/2004/01/"
           "oasis-200401-wss-wssecurity-utility-1.0.xsd\" "
           "xmlns:wsa=\"http://schemas.xmlsoap.org/ws/2004/03/addressing\" "
           "xmlns:wssc=\"http://schemas.xmlsoap.org/ws/2004/04/sc\" "
           "xmlns:wst=\"http://schemas.xmlsoap.org/ws/2004/04/trust\">"
           "<Header>"
           "<ps:AuthInfo xmlns:ps=\"http://schemas.microsoft.com/Passport/SoapServices/PPCRL\" "
           "Id=\"PPAuthInfo\">"
           "<ps:HostingApp>{7108E71A-9926-4FCB-BCC9-9A9D3F32E423}</ps:HostingApp>"
           "<ps:BinaryVersion>4</ps:BinaryVersion>"
           "<ps:UIVersion>1</ps:UIVersion>"
           "<ps:Cookies></ps:Cookies>"
           "<ps:RequestParams>PNFVIXVZIGIuRlFJNPDeESOq</ps:RequestParams>"
           "</ps:AuthInfo>"
           "<wsse:Security>"
           "<wsse:UsernameToken Id=\"user\">"
           "<wsse:Username>" +
           xmlEscape(login) + "</wsse:Username>         <wsse:Password>" + xmlEscape(password) +
           "</wsse:Password>"
           "</wsse:UsernameToken>"
           "</wsse:Security>"
           "</Header>"
           "<Body>"
           "<ps:RequestMultipleSecurityTokens "
           "xmlns:ps=\"http://schemas.microsoft.com/Passport/SoapServices/PPCRL\" "
           "Id=\"RSTS\">"
           "<wst:RequestSecurityToken Id=\"RST0\">"
           "<wst:RequestType>http://schemas.xmlsoap.org/ws/2004/04/security/trust/Issue</"
           "wst:RequestType>"
           "<wsp:AppliesTo><wsa:EndpointReference><wsa:Address>http://Passport.NET/tb</wsa:Address>"
           "</wsa:EndpointReference></wsp:AppliesTo>"
           "</wst:RequestSecurityToken>"
           "<wst:RequestSecurityToken Id=\"RST1\">"
           "<wst:RequestType>http://schemas.xmlsoap.org/ws/2004/04/security/trust/Issue</"
           "wst:RequestType>"
           "<wsp:AppliesTo><wsa:EndpointReference><wsa:Address>messenger.msn.com</wsa:Address>"
           "</wsa:EndpointReference></wsp:AppliesTo>"
           "<wsse:PolicyReference URI=\"?id=507\"></wsse:PolicyReference>"
           "</wst:RequestSecurityToken>"
           "</ps:RequestMultipleSecurityTokens>"
           "</Body>"
           "</Envelope>\r\n";
}

}  // namespace quillmere::services
