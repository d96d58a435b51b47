#pragma once

#include "platform/CodePage.h"
#include "services/Log4Proxy.h"
#include "services/QuiLogger.h"
#include "services/TLogFunctor.h"

#include <array>
#include <string>

namespace quillmere::services {

// The log4cxx implementation of QuiLogger.
class Log4CXX_Impl : public virtual QuiLogger {
  public:
    // The logger of that name; the root logger when `root` is true.
    Log4CXX_Impl(const std::string& name, bool root, platform::CodePage codePage);

    void setLevel(const QuiLevel& level) override;
    QuiLogger* self() override { return this; }
    std::string name() const override { return m_name; }
    void log(const QuiLevel& level, const std::string& message) override;
    bool isEnabled() const override;

  private:
    log4cxx::LoggerPtr m_logger;
    std::string m_name;
    platform::CodePage m_codePage;
    TLogFunctorImpl<Log4Proxy> m_fatal;
    TLogFunctorImpl<Log4Proxy> m_error;
    TLogFunctorImpl<Log4Proxy> m_warn;
    TLogFunctorImpl<Log4Proxy> m_info;
    TLogFunctorImpl<Log4Proxy> m_debug;
    // OFF, FATAL, ERROR, WARN, INFO, DEBUG, ALL.
    std::array<log4cxx::LevelPtr, 7> m_levels;
};

}  // namespace quillmere::services
