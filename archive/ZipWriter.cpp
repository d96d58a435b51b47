#include "archive/ZipWriter.h"

#include <zip.h>

#include <fstream>
#include <vector>

namespace quillmere::archive {

namespace {

constexpr unsigned long kUtf8Names = 1ul << 11;

bool openEntry(zipFile zip, const std::string& name, int method) {
    zip_fileinfo info{};
    return zipOpenNewFileInZip4_64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                   method, method == 0 ? 0 : Z_BEST_COMPRESSION, 0, -MAX_WBITS,
                                   DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, 0, kUtf8Names,
                                   0) == ZIP_OK;
}

}  // namespace

ZipWriter::ZipWriter(const std::filesystem::path& file)
    : m_zip(zipOpen64(file.c_str(), APPEND_STATUS_CREATE)) {}

ZipWriter::~ZipWriter() {
    if (m_zip != nullptr) {
        zipClose(static_cast<zipFile>(m_zip), nullptr);
    }
}

bool ZipWriter::addFolder(const std::string& name) {
    auto* zip = static_cast<zipFile>(m_zip);
    return zip != nullptr && openEntry(zip, name, 0) && zipCloseFileInZip(zip) == ZIP_OK;
}

bool ZipWriter::addFile(const std::string& name, const std::filesystem::path& source) {
    auto* zip = static_cast<zipFile>(m_zip);
    std::ifstream in(source, std::ios::binary);
    if (zip == nullptr || !in || !openEntry(zip, name, Z_DEFLATED)) {
        return false;
    }
    std::vector<char> buffer(64 * 1024);
    bool ok = true;
    while (ok && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto n = static_cast<unsigned>(in.gcount());
        ok = n == 0 || zipWriteInFileInZip(zip, buffer.data(), n) == ZIP_OK;
    }
    return zipCloseFileInZip(zip) == ZIP_OK && ok && !in.bad();
}

bool ZipWriter::close() {
    auto* zip = static_cast<zipFile>(m_zip);
    m_zip = nullptr;
    return zip != nullptr && zipClose(zip, nullptr) == ZIP_OK;
}

}  // namespace quillmere::archive
