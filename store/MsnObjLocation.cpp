#include "store/MsnObjLocation.h"

#include "services/CQuiLoggerBase.h"
#include "services/FormatText.h"

namespace quillmere::store {

const MsnObjWording MsnObjWording::kIconList{
    u"Start CPropertyPageIconList::ParseMsnObj()",
    true,
    u"Can not find keyword: \"Location\"",
    u"Can not find \", format is wrong",
    u"Can not find \", format is wrong",
    u"Find mapFileName: %s, leaving CPropertyPageIconList::ParseMsnObj()",
};

const MsnObjWording MsnObjWording::kImportFinish{
    u"Start CPropertyPageImportFinish::ParseMsnObj()",
    false,
    u"Cannot find \"Location\", the format is wrong ",
    u"Cannot find first \", the format is wrong ",
    u"Cannot find second \", the format is wrong ",
    u"Leaving CPropertyPageImportFinish::ParseMsnObj()",
};

std::u16string ParseMsnObj(std::u16string_view msnObj, const services::CQuiLoggerBase* log,
                           const MsnObjWording& wording) {
    auto say = [log](std::u16string_view line) {
        if (log != nullptr && !line.empty()) {
            log->debug(line);
        }
    };
    msnObj = msnObj.substr(0, msnObj.find(u'\0'));
    say(wording.start);
    if (wording.logsInput) {
        say(u"parsing " + std::u16string(msnObj));
    }
    const size_t keyword = msnObj.find(u"Location");
    if (keyword == std::u16string_view::npos) {
        say(wording.noKeyword);
        return {};
    }
    const size_t open = msnObj.find(u'"', keyword);
    if (open == std::u16string_view::npos) {
        say(wording.noFirstQuote);
        return {};
    }
    const size_t close = msnObj.find(u'"', open + 1);
    if (close == std::u16string_view::npos) {
        say(wording.noSecondQuote);
        return {};
    }
    std::u16string location(msnObj.substr(open + 1, close - open - 1));
    say(services::formatText(wording.found, {location}));
    return location;
}

}  // namespace quillmere::store
