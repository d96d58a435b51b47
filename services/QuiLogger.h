#pragma once

#include "services/QuiLevel.h"

#include <string>

namespace quillmere::services {

// The abstract logger behind the wizard's handle.
class QuiLogger {
  public:
    virtual ~QuiLogger() = default;

    // Codes 1 to 5 as for log(); 0 switches the logger off and 6 lets everything through.
    virtual void setLevel(const QuiLevel& level) = 0;
    virtual QuiLogger* self() = 0;
    virtual std::string name() const = 0;
    // The message is 8-bit text in the system code page.
    virtual void log(const QuiLevel& level, const std::string& message) = 0;
    // Whether any level from fatal to all is enabled.
    virtual bool isEnabled() const = 0;
};

}  // namespace quillmere::services
