#pragma once

namespace quillmere::services {

// A level code as callers pass it to the log operation: 1 debug, 2 info, 3 warn, 4 error,
// 5 fatal. Any other code logs nothing.
struct QuiLevel {
    int code;
};

inline constexpr QuiLevel QUI_DEBUG{1};
inline constexpr QuiLevel QUI_INFO{2};
inline constexpr QuiLevel QUI_WARN{3};
inline constexpr QuiLevel QUI_ERROR{4};
inline constexpr QuiLevel QUI_FATAL{5};

}  // namespace quillmere::services
