#include "support/ZipContents.h"

#include <unzip.h>

namespace quillmere::test {

std::vector<std::string> ZipContents::names() const {
    std::vector<std::string> out;
    for (const auto& e : entries) {
        out.push_back(e.name);
    }
    return out;
}

const ZipContents::Entry* ZipContents::find(const std::string& name) const {
    for (const auto& e : entries) {
        if (e.name == name) {
            return &e;
        }
    }
    return nullptr;
}

ZipContents readZip(const std::filesystem::path& file) {
    ZipContents contents;
    unzFile zip = unzOpen64(file.c_str());
    if (zip == nullptr) {
        return contents;
    }
    contents.ok = true;
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        char name[1024];
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof(name), nullptr, 0, nullptr, 0) !=
                UNZ_OK ||
            unzOpenCurrentFile(zip) != UNZ_OK) {
            contents.ok = false;
            break;
        }
        ZipContents::Entry entry{
            name, {}, (info.flag & (1u << 11)) != 0, static_cast<int>(info.compression_method)};
        char buffer[4096];
        int n = 0;
        while ((n = unzReadCurrentFile(zip, buffer, sizeof(buffer))) > 0) {
            entry.data.append(buffer, static_cast<size_t>(n));
        }
        contents.ok = contents.ok && n == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
        contents.entries.push_back(std::move(entry));
    }
    unzClose(zip);
    return contents;
}

}  // namespace quillmere::test
