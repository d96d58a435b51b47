#include "services/Log4Proxy.h"

#include <log4cxx/spi/location/locationinfo.h>

namespace quillmere::services {

Log4Proxy::Log4Proxy(log4cxx::LoggerPtr logger, log4cxx::LevelPtr level)
    : m_logger(std::move(logger)), m_level(std::move(level)) {}

bool Log4Proxy::isEnabled() const {
    return m_logger->isEnabledFor(m_level);
}

void Log4Proxy::log(const std::string& message) const {
    m_logger->forcedLogLS(m_level, message, log4cxx::spi::LocationInfo::getLocationUnavailable());
}

}  // namespace quillmere::services
