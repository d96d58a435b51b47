#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::store {

// Replacement shortcuts for ones already in use: dup000...dup1000, du1000, du0001...du10000,
// d10000, d00001...d100000, the first not in use.
class UniqueShortcut {
  public:
    // `pageClass` names the page in the log lines ("CPropertyPageIconList"). Empty when every
    // candidate is taken.
    static std::u16string getUniqueName(const std::vector<std::u16string>& inUse,
                                        const services::CQuiLoggerBase* log,
                                        std::u16string_view pageClass);
};

}  // namespace quillmere::store
