#include "services/AccountLogin.h"
#include "services/CGenericWeb.h"

#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "support/TempFolder.h"
#include "support/TlsTestServer.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

namespace quillmere::services {
namespace {

class WebClientTest : public testing::Test {
  protected:
    WebOptions options() const {
        WebOptions o;
        o.caFile = server.caFile();
        o.timeoutSeconds = 2;
        o.connectTimeoutSeconds = 2;
        return o;
    }

    test::TlsTestServer server;
    test::TempFolder folder;
};

TEST_F(WebClientTest, GetsTextWithATimeStampAndRebuiltLines) {
    std::string target;
    server.get("/img/image.txt", [&](const httplib::Request& req, httplib::Response& res) {
        target = req.target;
        res.set_content("a.gif\thttp://x/a\r\nb.gif\thttp://x/b", "text/plain");
    });
    server.get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("not here", "text/plain");
    });
    server.get("/moved", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/img/image.txt");
    });
    server.get("/huge", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(10u << 20, 'x'), "text/plain");
    });
    server.get("/slow", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::seconds(3));
        res.set_content("late", "text/plain");
    });
    server.start();
    CGenericWeb web(options());
    std::string text = "old";
    const size_t length = web.HttpGetText(server.baseUrl() + "/img/image.txt", text);
    EXPECT_EQ(length, text.size());
    EXPECT_EQ(text, "a.gif\thttp://x/a\nb.gif\thttp://x/b\n");
    EXPECT_TRUE(target.starts_with("/img/image.txt?time=")) << target;
    for (const char* path : {"/missing", "/moved", "/huge", "/slow"}) {
        text = "old";
        EXPECT_EQ(web.HttpGetText(server.baseUrl() + path, text), 0u) << path;
        EXPECT_EQ(text, "") << path;
    }
}

TEST_F(WebClientTest, GetsFilesAndWritesNoneForAnErrorStatus) {
    server.get("/img/a.gif", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string("GIF89a\0\1", 8), "image/gif");
    });
    server.get("/img/gone.gif",
               [](const httplib::Request&, httplib::Response& res) { res.status = 404; });
    server.start();
    CGenericWeb web(options());
    EXPECT_TRUE(web.HttpGetFile(server.baseUrl() + "/img/a.gif", folder / "a.gif"));
    EXPECT_EQ(std::filesystem::file_size(folder / "a.gif"), 8u);
    EXPECT_TRUE(web.HttpGetFile(server.baseUrl() + "/img/gone.gif", folder / "gone.gif"));
    EXPECT_FALSE(std::filesystem::exists(folder / "gone.gif"));
    EXPECT_FALSE(web.HttpGetFile("https://127.0.0.1:1/nothing", folder / "x.gif"));
}

TEST_F(WebClientTest, RefusesAServerItCannotVerify) {
    server.get("/img/image.txt", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("secret", "text/plain");
    });
    server.start();
    WebOptions untrusting = options();
    untrusting.caFile.reset();
    CGenericWeb web(untrusting);
    std::string text;
    EXPECT_EQ(web.HttpGetText(server.baseUrl() + "/img/image.txt", text), 0u);
}

class AccountLoginTest : public WebClientTest {
  protected:
    std::u16string login(const std::u16string& name = u"  Kim@Example.com ",
                         const std::u16string& password = u"p<&>w") {
        CGenericWeb web(options());
        WebAccountLogin account(web, server.baseUrl() + "/primary/RST.srf",
                                server.baseUrl() + "/secondary/RST.srf", codePage, folder.path());
        return account.RequestPuid(name, password);
    }

    platform::CodePage codePage{1252};
    std::atomic<int> primaryCalls{0};
    std::atomic<int> secondaryCalls{0};
};

TEST_F(AccountLoginTest, PostsTheEscapedEnvelopeAndTakesThePuidInLowerCase) {
    std::string body;
    std::string agent;
    std::string version;
    server.post("/primary/RST.srf", [&](const httplib::Request& req, httplib::Response& res) {
        ++primaryCalls;
        body = req.body;
        agent = req.get_header_value("User-Agent");
        version = req.version;
        res.set_content("<S:Envelope><psf:PUID>0006BFFD8C1A7A2C</psf:PUID></S:Envelope>",
                        "text/xml");
    });
    server.start();
    EXPECT_EQ(login(), u"0006bffd8c1a7a2c");
    EXPECT_EQ(primaryCalls, 1);
    EXPECT_NE(
        body.find(
            "<wsse:Username>Kim@Example.com</wsse:Username>         <wsse:Password>p&lt;&amp;&gt;w"
            "</wsse:Password>"),
        std::string::npos)
        << body;
    EXPECT_TRUE(agent.find("IDCRL 4.100.313.1") != std::string::npos);
    EXPECT_EQ(version, "HTTP/1.0");
    struct stat info {};
    ASSERT_EQ(stat((folder / "msn_response.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(AccountLoginTest, AsksTheSecondaryOnceMoreWhenThePuidIsMissing) {
    server.post("/primary/RST.srf", [&](const httplib::Request&, httplib::Response& res) {
        ++primaryCalls;
        res.status = 500;
        res.set_content("<fault>busy</fault>", "text/xml");
    });
    server.post("/secondary/RST.srf", [&](const httplib::Request&, httplib::Response& res) {
        ++secondaryCalls;
        res.set_content("<psf:PUID>ABC</psf:PUID>", "text/xml");
    });
    server.start();
    EXPECT_EQ(login(), u"abc");
    EXPECT_EQ(primaryCalls, 1);
    EXPECT_EQ(secondaryCalls, 1);
}

TEST_F(AccountLoginTest, FailsWithoutAUsableAnswer) {
    server.post("/primary/RST.srf", [&](const httplib::Request&, httplib::Response& res) {
        ++primaryCalls;
        res.set_content("no identifier here", "text/xml");
    });
    server.post("/secondary/RST.srf", [&](const httplib::Request&, httplib::Response& res) {
        ++secondaryCalls;
        res.set_content("PUID<oops>", "text/xml");
    });
    server.start();
    EXPECT_EQ(login(), u"");
    EXPECT_EQ(primaryCalls, 1);
    EXPECT_EQ(secondaryCalls, 1);
    EXPECT_EQ(WebAccountLogin::extractPuid("x PUID y>id<"), "id");
    EXPECT_EQ(WebAccountLogin::extractPuid("PUID<a>b"), "");
    EXPECT_EQ(WebAccountLogin::extractPuid("puid>a<"), "");
}

TEST_F(AccountLoginTest, RefusesOversizedAndRedirectedAnswers) {
    server.post("/primary/RST.srf", [&](const httplib::Request&, httplib::Response& res) {
        ++primaryCalls;
        res.set_content("<psf:PUID>abc</psf:PUID>" + std::string(10u << 20, ' '), "text/xml");
    });
    server.post("/secondary/RST.srf", [&](const httplib::Request&, httplib::Response& res) {
        ++secondaryCalls;
        res.set_redirect("https://127.0.0.1:1/elsewhere");
    });
    server.start();
    EXPECT_EQ(login(), u"");
    EXPECT_EQ(primaryCalls, 1);
    EXPECT_GE(secondaryCalls, 1);
}

TEST(AccountLogin, WithoutEndpointsThereIsNoLogin) {
    test::TempFolder folder;
    CGenericWeb web(WebOptions{});
    const platform::CodePage codePage(1252);
    WebAccountLogin account(web, "", "", codePage, folder.path());
    EXPECT_EQ(account.RequestPuid(u"kim", u"pw"), u"");
    EXPECT_EQ(
        WebAccountLogin::endpointFrom(platform::Environment(std::map<std::string, std::string>{
                                          {"QUILLMERE_ACCOUNT_PRIMARY", "https://h:1/"}}),
                                      "QUILLMERE_ACCOUNT_PRIMARY"),
        "https://h:1/RST.srf");
}

}  // namespace
}  // namespace quillmere::services
