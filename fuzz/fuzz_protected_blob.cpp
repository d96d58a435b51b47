#include "platform/DataProtection.h"
#include "store/ProtectedTextFile.h"

#include <cstddef>
#include <cstdint>

// The bytes after a protected file's two header bytes: the blob, then (if it opens) the wrapped
// text inside it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    static const platform::DataProtection protection({"fuzz"});
    const platform::ByteView input(data, size);
    if (const auto plain = protection.CryptUnprotectData(input, platform::asBytes("kim"))) {
        (void)store::ProtectedTextFile::unwrap(*plain);
    }
    (void)store::ProtectedTextFile::unwrap(input);
    return 0;
}
