#pragma once

#include "services/QuiLogger.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace quillmere::services {

// Implementation kinds the factory answers for; every one is served by log4cxx.
enum QuiLoggerKind : int {
    kQuiLoggerDefault = 0,
    kQuiLoggerLog4cxx = 1,
    kQuiLoggerLog4j = 2,
};

// The process-wide owner of every logger, created on first use and kept until the process ends.
class QuiLoggerFactory {
  public:
    static QuiLoggerFactory& instance();

    virtual ~QuiLoggerFactory();

    // Nothing for a kind the factory does not know.
    virtual QuiLogger* getLogger(const std::string& name, int kind);
    virtual QuiLogger* getRootLogger(int kind);
    virtual QuiLogger* getLogger(const std::string& name);
    virtual QuiLogger* getRootLogger();
    // Lookups that never create.
    virtual QuiLogger* findLogger(const std::string& name) const;
    virtual QuiLogger* findRootLogger() const;

  protected:
    QuiLoggerFactory();

  private:
    QuiLogger* getOrCreate(const std::string& name, bool root);

    std::map<std::string, std::unique_ptr<QuiLogger>> m_loggers;
    std::string m_rootName = "root";
    mutable std::mutex m_mutex;
};

}  // namespace quillmere::services
