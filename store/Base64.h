#pragma once

#include "platform/Bytes.h"

#include <string>
#include <string_view>

namespace quillmere::store {

class Base64 {
  public:
    // Standard alphabet, "=" padding, no line breaks.
    static std::string encode(platform::ByteView data);
    // Decodes from the start up to the first character outside the alphabet (the "=" pad and a
    // NUL both end it). A final group of three characters gives two bytes, of two gives one, of
    // one gives none.
    static platform::Bytes decode(std::string_view text);
};

}  // namespace quillmere::store
