#pragma once

#include <string>
#include <string_view>

namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::store {

// The log lines of one page's copy of ParseMsnObj. `found` may hold one %s for the value.
struct MsnObjWording {
    std::u16string_view start;
    bool logsInput;  // "parsing %s"
    std::u16string_view noKeyword;
    std::u16string_view noFirstQuote;
    std::u16string_view noSecondQuote;
    std::u16string_view found;

    static const MsnObjWording kIconList;
    static const MsnObjWording kImportFinish;
};

// The Location value of an msnobj: the text between the first two double quotes after the first
// "Location" (case-sensitive), or the empty string. Nothing is unescaped. The text ends at its
// first NUL unit. `log` may be null.
std::u16string ParseMsnObj(std::u16string_view msnObj, const services::CQuiLoggerBase* log,
                           const MsnObjWording& wording);

}  // namespace quillmere::store
