#pragma once

#include <log4cxx/logger.h>

#include <memory>
#include <string>
#include <vector>

namespace quillmere::test {

class MemoryAppender;

// Collects what one log4cxx logger writes (messages in UTF-8) while it lives, at every level.
class LogCapture {
  public:
    explicit LogCapture(const std::string& loggerName = "MainWizard");
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> messages() const;
    // Level names ("DEBUG", "INFO", ...) of the captured messages, in order.
    std::vector<std::string> levels() const;
    void clear();

  private:
    log4cxx::LoggerPtr m_logger;
    log4cxx::LevelPtr m_previousLevel;
    std::shared_ptr<MemoryAppender> m_appender;
};

}  // namespace quillmere::test
