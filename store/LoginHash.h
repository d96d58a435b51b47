#pragma once

#include "platform/CodePage.h"

#include <string>
#include <string_view>

namespace quillmere::store {

// The pre-8 store names an account's folder by a hash of its login name.
class LoginHash {
  public:
    // The store reader's hash: the login lower-cased (A-Z only) in the 8-bit code page, each byte
    // counted as signed, h = h * 101 + b modulo 2^32, in decimal.
    static std::u16string GetLoginHash(std::u16string_view login, platform::CodePage codePage);

    // The task page's check: the same over the lower-cased UTF-16 code units, unsigned. Both
    // agree for ASCII names.
    static std::u16string taskPageHash(std::u16string_view login);

    // The entropy of the account's protected files: the lower-cased login in the code page.
    static std::string accountEntropy(std::u16string_view login, platform::CodePage codePage);
};

}  // namespace quillmere::store
