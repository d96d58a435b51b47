#include "platform/WineRegistryParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto hive = quillmere::platform::WineRegistryParser::parse(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* value = hive.value(u"Software\\Wine", u"Version")) {
        (void)value->text();
        (void)value->dword();
    }
    return 0;
}
