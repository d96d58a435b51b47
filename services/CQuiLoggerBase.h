#pragma once

#include "platform/CodePage.h"
#include "services/QuiLevel.h"
#include "services/QuiLogger.h"

#include <string>
#include <string_view>

namespace quillmere::services {

class QuiLoggerFactory;

// The handle that the wizard and its pages log through. It does not own its logger.
class CQuiLoggerBase {
  public:
    explicit CQuiLoggerBase(const std::string& name);

    // Converts the message to the system's 8-bit code page and logs it; does nothing without a
    // logger.
    void log(const QuiLevel& level, std::u16string_view message) const;
    void debug(std::u16string_view message) const { log(QUI_DEBUG, message); }

    QuiLogger* logger() const { return m_logger; }

  private:
    QuiLoggerFactory* m_factory;
    QuiLogger* m_logger;
};

}  // namespace quillmere::services
