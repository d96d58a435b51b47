#include "services/Log4CXX_Impl.h"

#include "platform/Utf.h"

namespace quillmere::services {

namespace {

log4cxx::LoggerPtr lookUp(const std::string& name, bool root) {
    return root ? log4cxx::Logger::getRootLogger() : log4cxx::Logger::getLogger(name);
}

}  // namespace

Log4CXX_Impl::Log4CXX_Impl(const std::string& name, bool root, platform::CodePage codePage)
    : m_logger(lookUp(name, root)),
      m_name(name),
      m_codePage(codePage),
      m_fatal(Log4Proxy(m_logger, log4cxx::Level::getFatal())),
      m_error(Log4Proxy(m_logger, log4cxx::Level::getError())),
      m_warn(Log4Proxy(m_logger, log4cxx::Level::getWarn())),
      m_info(Log4Proxy(m_logger, log4cxx::Level::getInfo())),
      m_debug(Log4Proxy(m_logger, log4cxx::Level::getDebug())),
      m_levels{log4cxx::Level::getOff(),  log4cxx::Level::getFatal(), log4cxx::Level::getError(),
               log4cxx::Level::getWarn(), log4cxx::Level::getInfo(),  log4cxx::Level::getDebug(),
               log4cxx::Level::getAll()} {}

void Log4CXX_Impl::setLevel(const QuiLevel& level) {
    // Codes count up from debug while the table counts down from fatal.
    if (level.code == 0) {
        m_logger->setLevel(m_levels[0]);
    } else if (level.code >= 1 && level.code <= 5) {
        m_logger->setLevel(m_levels[static_cast<size_t>(6 - level.code)]);
    } else if (level.code == 6) {
        m_logger->setLevel(m_levels[6]);
    }
}

void Log4CXX_Impl::log(const QuiLevel& level, const std::string& message) {
    const TLogFunctor* functor = nullptr;
    switch (level.code) {
        case 1:
            functor = &m_debug;
            break;
        case 2:
            functor = &m_info;
            break;
        case 3:
            functor = &m_warn;
            break;
        case 4:
            functor = &m_error;
            break;
        case 5:
            functor = &m_fatal;
            break;
        default:
            return;
    }
    // log4cxx keeps its text in UTF-8; the code page says what the 8-bit bytes mean.
    (*functor)(platform::utf8FromUtf16(m_codePage.fromAnsi(message)));
}

bool Log4CXX_Impl::isEnabled() const {
    for (size_t i = 1; i < m_levels.size(); ++i) {
        if (m_logger->isEnabledFor(m_levels[i])) {
            return true;
        }
    }
    return false;
}

}  // namespace quillmere::services
