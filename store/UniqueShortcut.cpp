#include "store/UniqueShortcut.h"

#include "services/CQuiLoggerBase.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace quillmere::store {

namespace {

struct Range {
    const char* prefix;
    int width;
    int first;  // tried before the run 1..last
    int last;
};

// dup with 0 to 1000 is the one run that starts at 0 rather than at its "first".
constexpr Range kRanges[] = {{"dup", 3, -1, 1000}, {"du", 4, 1000, 10000}, {"d", 5, 10000, 100000}};

std::u16string candidate(const Range& range, int n) {
    char text[32];
    std::snprintf(text, sizeof(text), "%s%0*d", range.prefix, range.width, n);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

std::u16string UniqueShortcut::getUniqueName(const std::vector<std::u16string>& inUse,
                                             const services::CQuiLoggerBase* log,
                                             std::u16string_view pageClass) {
    auto say = [&](std::u16string_view what) {
        if (log != nullptr) {
            log->debug(std::u16string(what) + std::u16string(pageClass) + u"::getUniqueName()");
        }
    };
    say(u"Start ");
    const std::unordered_set<std::u16string> taken(inUse.begin(), inUse.end());
    for (const Range& range : kRanges) {
        const int start = range.first < 0 ? 0 : 1;
        if (range.first >= 0) {
            if (const auto c = candidate(range, range.first); !taken.contains(c)) {
                say(u"Leaving ");
                return c;
            }
        }
        for (int n = start; n <= range.last; ++n) {
            if (const auto c = candidate(range, n); !taken.contains(c)) {
                say(u"Leaving ");
                return c;
            }
        }
    }
    return {};
}

}  // namespace quillmere::store
