#include "store/MapText.h"
#include "store/MsnObjLocation.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    using namespace quillmere::store;
    ParseTRFdat(
        text,
        [](EmoticonRecord&& record) {
            return ParseMsnObj(record.wsMsnObj(), nullptr, MsnObjWording::kIconList).empty()
                       ? RecordStep::Stop
                       : RecordStep::Continue;
        },
        nullptr, TrfSplitWording::kIconList);
    return 0;
}
