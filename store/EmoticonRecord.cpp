#include "store/EmoticonRecord.h"

namespace quillmere::store {

EmoticonRecord::EmoticonRecord(std::u16string shortcut, std::u16string name, std::u16string msnObj)
    : m_fields{std::move(shortcut), std::move(name), std::move(msnObj)} {}

std::u16string EmoticonRecord::mapTextLine() const {
    return m_fields[0] + u'\t' + m_fields[1] + u'\t' + m_fields[2];
}

std::u16string toMapText(const std::vector<EmoticonRecord>& records) {
    std::u16string out;
    for (const auto& record : records) {
        out += record.mapTextLine();
        out += u'\t';
    }
    return out;
}

}  // namespace quillmere::store
