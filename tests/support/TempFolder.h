#pragma once

#include <filesystem>
#include <string_view>

namespace quillmere::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const {
        return m_path / relative;
    }

    // Writes a file (creating its folders) and returns its path.
    std::filesystem::path write(const std::filesystem::path& relative,
                                std::string_view content) const;

  private:
    std::filesystem::path m_path;
};

}  // namespace quillmere::test
