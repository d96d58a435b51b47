#include "services/CQuiLoggerBase.h"

#include "platform/Utf.h"
#include "services/QuiLoggerFactory.h"

namespace quillmere::services {

CQuiLoggerBase::CQuiLoggerBase(const std::string& name)
    : m_factory(&QuiLoggerFactory::instance()), m_logger(m_factory->getLogger(name)) {
    if (m_logger != nullptr) {
        log(QUI_DEBUG, u"Initializing logger: " + platform::utf16FromUtf8(name));
    }
}

void CQuiLoggerBase::log(const QuiLevel& level, std::u16string_view message) const {
    if (m_logger != nullptr) {
        m_logger->log(level, platform::CodePage::system().toAnsi(message));
    }
}

}  // namespace quillmere::services
