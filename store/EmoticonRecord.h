#pragma once

#include <array>
#include <string>
#include <vector>

namespace quillmere::store {

// One emoticon as the pages carry it: shortcut, friendly name and msnobj text, addressed by
// index 0, 1 and 2. No field may hold a TAB, the separator of every text form.
class EmoticonRecord {
  public:
    EmoticonRecord() = default;
    EmoticonRecord(std::u16string shortcut, std::u16string name, std::u16string msnObj);

    const std::u16string& wsShortcutKey() const { return m_fields[0]; }
    const std::u16string& wsName() const { return m_fields[1]; }
    const std::u16string& wsMsnObj() const { return m_fields[2]; }

    std::u16string& operator[](size_t index) { return m_fields.at(index); }
    const std::u16string& operator[](size_t index) const { return m_fields.at(index); }

    // shortcut TAB name TAB msnobj, with no TAB after the msnobj.
    std::u16string mapTextLine() const;

    bool operator==(const EmoticonRecord&) const = default;

  private:
    std::array<std::u16string, 3> m_fields;
};

// Every record followed by one TAB after each field, concatenated; the content of a TRF file.
std::u16string toMapText(const std::vector<EmoticonRecord>& records);

}  // namespace quillmere::store
