#include "store/MapText.h"

#include "services/CQuiLoggerBase.h"

namespace quillmere::store {

const TrfSplitWording TrfSplitWording::kIconList{
    u"Start CPropertyPageIconList::ParseTRFdat()",   true,
    u"missing tab key, the format is wrong",         u"missing tab key, the format is wrong",
    u"Leaving CPropertyPageIconList::ParseTRFdat()", true,
};

const TrfSplitWording TrfSplitWording::kImportFinish{
    u"Start CPropertyPageImportFinish::ParseTRFdat()",
    false,
    u"missing the first tab, the format is wrong",
    u"missing the second tab, the format is wrong",
    u"Leaving CPropertyPageImportFinish::ParseTRFdat()",
    false,
};

SplitEnd splitMapText(std::u16string_view text, const RecordHandler& step) {
    text = text.substr(0, text.find(u'\0'));
    size_t p = 0;
    while (p < text.size()) {
        const size_t first = text.find(u'\t', p);
        if (first == std::u16string_view::npos) {
            return SplitEnd::MissingFirstTab;
        }
        const size_t second = text.find(u'\t', first + 1);
        if (second == std::u16string_view::npos) {
            return SplitEnd::MissingSecondTab;
        }
        size_t third = text.find(u'\t', second + 1);
        if (third == std::u16string_view::npos) {
            third = text.size();
        }
        EmoticonRecord record(std::u16string(text.substr(p, first - p)),
                              std::u16string(text.substr(first + 1, second - first - 1)),
                              std::u16string(text.substr(second + 1, third - second - 1)));
        p = third + 1;
        if (step(std::move(record)) == RecordStep::Stop) {
            return SplitEnd::StoppedByStep;
        }
    }
    return SplitEnd::Completed;
}

SplitEnd ParseTRFdat(std::u16string_view text, const RecordHandler& step,
                     const services::CQuiLoggerBase* log, const TrfSplitWording& wording) {
    auto say = [log](std::u16string_view line) {
        if (log != nullptr && !line.empty()) {
            log->debug(line);
        }
    };
    say(wording.start);
    if (wording.logsInput) {
        say(u"parse input data: " + std::u16string(text.substr(0, text.find(u'\0'))));
    }
    const SplitEnd end = splitMapText(text, step);
    if (end == SplitEnd::MissingFirstTab) {
        say(wording.missingFirstTab);
    } else if (end == SplitEnd::MissingSecondTab) {
        say(wording.missingSecondTab);
    }
    if (end == SplitEnd::Completed || wording.leavesAfterFault) {
        say(wording.leaving);
    }
    return end;
}

}  // namespace quillmere::store
