#pragma once

#include "store/EmoticonRecord.h"

#include <functional>
#include <string_view>

namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::store {

// What a page's per-record step tells the split.
enum class RecordStep { Continue, Stop };

enum class SplitEnd { Completed, StoppedByStep, MissingFirstTab, MissingSecondTab };

using RecordHandler = std::function<RecordStep(EmoticonRecord&&)>;

// The log lines of one page's copy of ParseTRFdat.
struct TrfSplitWording {
    std::u16string_view start;
    bool logsInput;  // "parse input data: %s"
    std::u16string_view missingFirstTab;
    std::u16string_view missingSecondTab;
    std::u16string_view leaving;
    bool leavesAfterFault;  // whether `leaving` is logged after a format error or a stop too

    static const TrfSplitWording kIconList;
    static const TrfSplitWording kImportFinish;
};

// Splits a map text, or a single map text line, into records: shortcut up to a TAB, name up to
// the next TAB, msnobj up to the next TAB or the end. The text ends at its first NUL unit. A
// missing first or second TAB ends the split; the records handed on before stay handed on.
SplitEnd splitMapText(std::u16string_view text, const RecordHandler& step);

// splitMapText with the page's log lines. `log` may be null.
SplitEnd ParseTRFdat(std::u16string_view text, const RecordHandler& step,
                     const services::CQuiLoggerBase* log, const TrfSplitWording& wording);

}  // namespace quillmere::store
