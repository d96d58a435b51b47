#include "platform/Utf.h"
#include "services/CQuiLoggerBase.h"
#include "services/Log4CXX_Impl.h"
#include "services/QuiLoggerFactory.h"

#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace quillmere::services {
namespace {

TEST(CQuiLoggerBase, AnnouncesItselfOnConstruction) {
    test::LogCapture capture("LoggingTest.Announce");
    CQuiLoggerBase handle("LoggingTest.Announce");
    EXPECT_EQ(capture.messages(),
              std::vector<std::string>{"Initializing logger: LoggingTest.Announce"});
    EXPECT_EQ(capture.levels(), std::vector<std::string>{"DEBUG"});
}

TEST(CQuiLoggerBase, LogsCodesOneToFiveAtTheirLevelsAndNothingElse) {
    test::LogCapture capture("LoggingTest.Levels");
    CQuiLoggerBase handle("LoggingTest.Levels");
    capture.clear();
    for (int code : {-1, 0, 1, 2, 3, 4, 5, 6, 7}) {
        handle.log(QuiLevel{code}, platform::utf16FromUtf8("code " + std::to_string(code)));
    }
    EXPECT_EQ(capture.levels(),
              (std::vector<std::string>{"DEBUG", "INFO", "WARN", "ERROR", "FATAL"}));
    EXPECT_EQ(capture.messages(),
              (std::vector<std::string>{"code 1", "code 2", "code 3", "code 4", "code 5"}));
}

TEST(CQuiLoggerBase, PassesMessagesThroughTheEightBitCodePage) {
    // The tests run with an English locale, so the system code page is 1252.
    test::LogCapture capture("LoggingTest.CodePage");
    CQuiLoggerBase handle("LoggingTest.CodePage");
    capture.clear();
    handle.debug(u"caf\u00e9 \u65e5\u672c");
    EXPECT_EQ(capture.messages(), std::vector<std::string>{"caf\u00e9 ??"});
}

TEST(Log4CXX_Impl, ReadsItsEightBitMessagesInItsCodePage) {
    test::LogCapture capture("LoggingTest.Japanese");
    Log4CXX_Impl logger("LoggingTest.Japanese", false, platform::CodePage(932));
    logger.log(QUI_DEBUG, platform::CodePage(932).toAnsi(u"caf\u00e9 \u65e5\u672c"));
    EXPECT_EQ(capture.messages(), std::vector<std::string>{"caf? \u65e5\u672c"});
}

TEST(CQuiLoggerBase, LogsNothingWhenTheLevelIsOff) {
    test::LogCapture capture("LoggingTest.Off");
    CQuiLoggerBase handle("LoggingTest.Off");
    handle.logger()->setLevel(QuiLevel{0});
    EXPECT_FALSE(handle.logger()->isEnabled());
    capture.clear();
    handle.log(QUI_FATAL, u"dropped");
    EXPECT_TRUE(capture.messages().empty());
    handle.logger()->setLevel(QUI_WARN);
    EXPECT_TRUE(handle.logger()->isEnabled());
    handle.log(QUI_INFO, u"below the level");
    handle.log(QUI_ERROR, u"kept");
    EXPECT_EQ(capture.messages(), std::vector<std::string>{"kept"});
}

TEST(CQuiLoggerBase, WorksWithoutAnyAppender) {
    // No configuration file: log4cxx drops the messages and nothing fails.
    CQuiLoggerBase handle("LoggingTest.Unconfigured");
    ASSERT_NE(handle.logger(), nullptr);
    handle.debug(u"into the void");
}

TEST(QuiLoggerFactory, CreatesEachNameOnceAndFindsWithoutCreating) {
    auto& factory = QuiLoggerFactory::instance();
    EXPECT_EQ(factory.findLogger("LoggingTest.Factory"), nullptr);
    QuiLogger* logger = factory.getLogger("LoggingTest.Factory");
    ASSERT_NE(logger, nullptr);
    EXPECT_EQ(factory.getLogger("LoggingTest.Factory"), logger);
    EXPECT_EQ(factory.findLogger("LoggingTest.Factory"), logger);
    EXPECT_EQ(logger->name(), "LoggingTest.Factory");
    EXPECT_EQ(logger->self(), logger);
    EXPECT_EQ(factory.getLogger("LoggingTest.Factory", kQuiLoggerLog4cxx), logger);
    EXPECT_EQ(factory.getLogger("LoggingTest.Factory", 3), nullptr);
    EXPECT_EQ(factory.getRootLogger(-1), nullptr);
    QuiLogger* root = factory.getRootLogger(kQuiLoggerDefault);
    EXPECT_EQ(factory.findRootLogger(), root);
    EXPECT_EQ(factory.getRootLogger()->name(), "root");
}

}  // namespace
}  // namespace quillmere::services
