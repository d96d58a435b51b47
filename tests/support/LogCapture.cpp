#include "support/LogCapture.h"

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/spi/loggingevent.h>

#include <mutex>

namespace quillmere::test {

// log4cxx's class macros name their types relative to its namespace.
using namespace log4cxx;

class MemoryAppender : public log4cxx::AppenderSkeleton {
  public:
    DECLARE_LOG4CXX_OBJECT(MemoryAppender)
    BEGIN_LOG4CXX_CAST_MAP()
    LOG4CXX_CAST_ENTRY(MemoryAppender)
    LOG4CXX_CAST_ENTRY_CHAIN(AppenderSkeleton)
    END_LOG4CXX_CAST_MAP()

    void append(const log4cxx::spi::LoggingEventPtr& event, log4cxx::helpers::Pool&) override {
        std::lock_guard lock(mutex);
        messages.push_back(event->getMessage());
        levels.push_back(event->getLevel()->toString());
    }
    void close() override {}
    bool requiresLayout() const override { return false; }

    mutable std::mutex mutex;
    std::vector<std::string> messages;
    std::vector<std::string> levels;
};

IMPLEMENT_LOG4CXX_OBJECT(MemoryAppender)

LogCapture::LogCapture(const std::string& loggerName)
    : m_logger(::log4cxx::Logger::getLogger(loggerName)),
      m_previousLevel(m_logger->getLevel()),
      m_appender(std::make_shared<MemoryAppender>()) {
    m_logger->setLevel(::log4cxx::Level::getAll());
    m_logger->addAppender(m_appender);
}

LogCapture::~LogCapture() {
    m_logger->removeAppender(m_appender);
    m_logger->setLevel(m_previousLevel);
}

std::vector<std::string> LogCapture::messages() const {
    std::lock_guard lock(m_appender->mutex);
    return m_appender->messages;
}

std::vector<std::string> LogCapture::levels() const {
    std::lock_guard lock(m_appender->mutex);
    return m_appender->levels;
}

void LogCapture::clear() {
    std::lock_guard lock(m_appender->mutex);
    m_appender->messages.clear();
    m_appender->levels.clear();
}

}  // namespace quillmere::test
