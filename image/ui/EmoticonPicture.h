#pragma once

#include "image/ListPicture.h"

#include <QImage>

#include <filesystem>
#include <string>

class QPainter;
class QPaintDevice;

namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::app {
class WizardState;
}

namespace quillmere::image {

// The picture behind one row of an emoticon list. BMP, GIF and JPEG files are read directly;
// other pictures are first converted into a temporary "afx" GIF, which the picture deletes when
// it goes.
class EmoticonPicture : public ListPicture {
  public:
    // `logger` (may be null) receives the failure lines; temporary GIFs go to `tempFolder`.
    explicit EmoticonPicture(
        const services::CQuiLoggerBase* logger = nullptr,
        std::filesystem::path tempFolder = std::filesystem::temp_directory_path());
    ~EmoticonPicture() override;
    EmoticonPicture(const EmoticonPicture&) = delete;
    EmoticonPicture& operator=(const EmoticonPicture&) = delete;

    bool Load(const std::filesystem::path& path) override;
    // A picture of resource type "IMAGE" from the program's resources; the program has none.
    bool LoadFromResource(int resourceId) override;
    // Stretches the picture into `rect`; an empty rectangle means the picture's own size at
    // (0, 0). False without a painter or a picture.
    bool Draw(QPainter* painter, QRect rect) const;
    // The size in device pixels; (0, 0) without a picture.
    QSize Size(const QPaintDevice* device = nullptr) const;

    std::u16string tempGifPath() const override { return m_tempGifPath; }
    bool isLoaded() const { return !m_image.isNull(); }

  private:
    bool readDirectly(const QByteArray& bytes);
    bool convertToTemporaryGif(const std::filesystem::path& path);
    void log(std::u16string_view line) const;

    const services::CQuiLoggerBase* m_logger;
    std::filesystem::path m_tempFolder;
    std::u16string m_tempGifPath;
    QImage m_image;
};

}  // namespace quillmere::image
