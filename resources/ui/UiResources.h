#pragma once

#include <QString>

#include <string_view>

namespace quillmere::resources {

// Registers the HTML pages and icons built into the user-interface library. Safe to call more
// than once.
void initUiResources();

inline QString qtext(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quillmere::resources
