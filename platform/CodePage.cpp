#include "platform/CodePage.h"

#include "platform/Environment.h"
#include "platform/UiLanguage.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace quillmere::platform {

namespace {

struct IconvCloser {
    void operator()(iconv_t handle) const { iconv_close(handle); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

IconvHandle openConverter(const char* to, const char* from) {
    iconv_t handle = iconv_open(to, from);
    return IconvHandle(handle == reinterpret_cast<iconv_t>(-1) ? nullptr : handle);
}

std::string iconvName(int codePage) {
    return "CP" + std::to_string(codePage);
}

// Converts one unit of input at a time on failure so that one bad character costs one
// replacement, not the rest of the text.
template <typename In, typename Out>
void convert(iconv_t cd, const In* in, size_t inCount, size_t unitOnError,
             std::basic_string<Out>& out, Out replacement) {
    char* src = const_cast<char*>(reinterpret_cast<const char*>(in));
    size_t srcLeft = inCount * sizeof(In);
    char buffer[1024];
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof(buffer);
        const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(reinterpret_cast<const Out*>(buffer), (sizeof(buffer) - dstLeft) / sizeof(Out));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // Unconvertible or truncated input: one replacement, skip the offending unit.
            const size_t skip = std::min(unitOnError, srcLeft);
            src += skip;
            srcLeft -= skip;
            out.push_back(replacement);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Windows maps the five bytes that 1252 leaves undefined to the same code points, both ways;
// glibc refuses them, so conversions go around them.
bool isUndefinedIn1252(char16_t c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

}  // namespace

CodePage::CodePage(int number) : m_number(number) {}

CodePage CodePage::system() {
    static const CodePage current(
        codePageForLanguage(GetUserDefaultLangID(Environment::fromProcess())));
    return current;
}

std::string CodePage::toAnsi(std::u16string_view text) const {
    std::string out;
    IconvHandle cd = openConverter(iconvName(m_number).c_str(), "UTF-16LE");
    if (!cd) {
        for (char16_t c : text) {
            out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
        return out;
    }
    out.reserve(text.size());
    size_t start = 0;
    // Convert in runs so that a surrogate pair that fails is replaced by one '?', not two.
    for (size_t i = 0; i < text.size(); ++i) {
        if (m_number == 1252 && isUndefinedIn1252(text[i])) {
            convert(cd.get(), text.data() + start, i - start, 2, out, '?');
            out.push_back(static_cast<char>(text[i]));
            start = i + 1;
        } else if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            convert(cd.get(), text.data() + start, i - start, 2, out, '?');
            convert(cd.get(), text.data() + i, 2, 4, out, '?');
            start = ++i + 1;
        }
    }
    convert(cd.get(), text.data() + start, text.size() - start, 2, out, '?');
    return out;
}

std::u16string CodePage::fromAnsi(std::string_view text) const {
    std::u16string out;
    IconvHandle cd = openConverter("UTF-16LE", iconvName(m_number).c_str());
    if (!cd) {
        for (char c : text) {
            out.push_back(static_cast<unsigned char>(c));
        }
        return out;
    }
    out.reserve(text.size());
    if (m_number != 1252) {
        convert(cd.get(), text.data(), text.size(), 1, out, u'?');
        return out;
    }
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (isUndefinedIn1252(b)) {
            convert(cd.get(), text.data() + start, i - start, 1, out, u'?');
            out.push_back(b);
            start = i + 1;
        }
    }
    convert(cd.get(), text.data() + start, text.size() - start, 1, out, u'?');
    return out;
}

}  // namespace quillmere::platform
