#include "services/QuiLoggerFactory.h"

#include "services/Log4CXX_Impl.h"

namespace quillmere::services {

namespace {

bool isKnownKind(int kind) {
    return kind == kQuiLoggerDefault || kind == kQuiLoggerLog4cxx || kind == kQuiLoggerLog4j;
}

}  // namespace

QuiLoggerFactory& QuiLoggerFactory::instance() {
    static QuiLoggerFactory factory;
    return factory;
}

QuiLoggerFactory::QuiLoggerFactory() = default;
QuiLoggerFactory::~QuiLoggerFactory() = default;

QuiLogger* QuiLoggerFactory::getOrCreate(const std::string& name, bool root) {
    std::lock_guard lock(m_mutex);
    auto& slot = m_loggers[name];
    if (!slot) {
        slot = std::make_unique<Log4CXX_Impl>(name, root, platform::CodePage::system());
    }
    return slot.get();
}

QuiLogger* QuiLoggerFactory::getLogger(const std::string& name, int kind) {
    return isKnownKind(kind) ? getLogger(name) : nullptr;
}

QuiLogger* QuiLoggerFactory::getRootLogger(int kind) {
    return isKnownKind(kind) ? getRootLogger() : nullptr;
}

QuiLogger* QuiLoggerFactory::getLogger(const std::string& name) {
    return getOrCreate(name, name == m_rootName);
}

QuiLogger* QuiLoggerFactory::getRootLogger() {
    return getOrCreate(m_rootName, true);
}

QuiLogger* QuiLoggerFactory::findLogger(const std::string& name) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_loggers.find(name);
    return it == m_loggers.end() ? nullptr : it->second.get();
}

QuiLogger* QuiLoggerFactory::findRootLogger() const {
    return findLogger(m_rootName);
}

}  // namespace quillmere::services
