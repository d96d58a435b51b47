#include "resources/StringTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillmere::resources::StringTable strings;
    strings.loadModuleText(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)strings.get(114);
    return 0;
}
