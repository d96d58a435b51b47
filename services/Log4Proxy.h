#pragma once

#include <log4cxx/level.h>
#include <log4cxx/logger.h>

#include <string>

namespace quillmere::services {

// One log4cxx logger at one level.
class Log4Proxy {
  public:
    Log4Proxy(log4cxx::LoggerPtr logger, log4cxx::LevelPtr level);

    bool isEnabled() const;
    // The message is UTF-8; it is logged without source file and with line -1.
    void log(const std::string& message) const;

  private:
    log4cxx::LoggerPtr m_logger;
    log4cxx::LevelPtr m_level;
};

}  // namespace quillmere::services
