#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillmere::test {

// A zip archive read back with minizip's reader: entry names in order, their contents and
// whether each name is flagged UTF-8.
struct ZipContents {
    struct Entry {
        std::string name;
        std::string data;
        bool utf8Flag;
        int method;
    };
    bool ok = false;
    std::vector<Entry> entries;

    std::vector<std::string> names() const;
    const Entry* find(const std::string& name) const;
};

ZipContents readZip(const std::filesystem::path& file);

}  // namespace quillmere::test
