#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace quillmere::image {

// The picture of one row of an emoticon list, as the store readers see it: the user interface
// supplies pictures that draw; the command line supplies ones that only note their file.
class ListPicture {
  public:
    virtual ~ListPicture() = default;

    virtual bool Load(const std::filesystem::path& path) = 0;
    virtual bool LoadFromResource(int resourceId) = 0;
    // The temporary GIF the picture made, or empty.
    virtual std::u16string tempGifPath() const = 0;
};

// Notes the file a row's picture comes from and loads nothing.
class PicturePathOnly : public ListPicture {
  public:
    bool Load(const std::filesystem::path& path) override {
        m_path = path;
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    }
    bool LoadFromResource(int) override { return false; }
    std::u16string tempGifPath() const override { return {}; }
    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

}  // namespace quillmere::image
