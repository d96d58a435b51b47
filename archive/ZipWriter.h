#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace quillmere::archive {

// A zip archive being written with minizip: deflated files and folder entries, names in UTF-8
// with the UTF-8 flag set.
class ZipWriter {
  public:
    // Nothing is open when the file cannot be created.
    explicit ZipWriter(const std::filesystem::path& file);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    bool isOpen() const { return m_zip != nullptr; }
    bool addFolder(const std::string& name);  // name ends with "/"
    bool addFile(const std::string& name, const std::filesystem::path& source);
    // Writes the central directory; false when that fails.
    bool close();

  private:
    void* m_zip = nullptr;
};

}  // namespace quillmere::archive
