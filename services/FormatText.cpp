#include "services/FormatText.h"

namespace quillmere::services {

std::u16string FormatArg::render() const {
    if (const auto* text = std::get_if<std::u16string_view>(&m_value)) {
        return std::u16string(*text);
    }
    const std::string digits = std::to_string(std::get<long long>(m_value));
    return std::u16string(digits.begin(), digits.end());
}

std::u16string formatText(std::u16string_view format, std::initializer_list<FormatArg> args) {
    std::u16string out;
    out.reserve(format.size());
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        const char16_t c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out.push_back(c);
            continue;
        }
        const char16_t kind = format[i + 1];
        if (kind == u'%') {
            out.push_back(u'%');
            ++i;
        } else if ((kind == u's' || kind == u'i' || kind == u'd' || kind == u'u') &&
                   next != args.end()) {
            out += (next++)->render();
            ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace quillmere::services
