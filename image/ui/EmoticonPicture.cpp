#include "image/ui/EmoticonPicture.h"

#include "image/GifWriter.h"
#include "image/ImageLimits.h"
#include "image/PictureDecoder.h"
#include "image/PictureOps.h"
#include "platform/TempFileName.h"
#include "platform/Utf.h"
#include "services/CQuiLoggerBase.h"
#include "services/FormatText.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace quillmere::image {

namespace {

// The formats the platform's own picture loader reads.
bool platformReads(const QByteArray& format) {
    return format == "bmp" || format == "gif" || format == "jpeg" || format == "jpg";
}

std::u16string wide(const std::filesystem::path& path) {
    return platform::utf16FromPath(path);
}

}  // namespace

EmoticonPicture::EmoticonPicture(const services::CQuiLoggerBase* logger,
                                 std::filesystem::path tempFolder)
    : m_logger(logger), m_tempFolder(std::move(tempFolder)) {}

EmoticonPicture::~EmoticonPicture() {
    if (!m_tempGifPath.empty()) {
        std::error_code ec;
        std::filesystem::remove(platform::pathFromUtf16(m_tempGifPath), ec);
    }
}

void EmoticonPicture::log(std::u16string_view line) const {
    if (m_logger != nullptr) {
        m_logger->debug(line);
    }
}

bool EmoticonPicture::readDirectly(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!platformReads(reader.format())) {
        return false;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return false;
    }
    m_image = std::move(image);
    return true;
}

bool EmoticonPicture::Load(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        log(services::formatText(u"Can not open file: %s", {wide(path)}));
        return false;
    }
    if (file.size() <= static_cast<qint64>(PictureDecoder::kMaxFileBytes) &&
        readDirectly(file.readAll())) {
        return true;
    }
    return convertToTemporaryGif(path);
}

bool EmoticonPicture::convertToTemporaryGif(const std::filesystem::path& path) {
    const auto bytes = PictureDecoder::readFile(path);
    auto source = bytes ? PictureDecoder::decode(*bytes) : std::nullopt;
    if (!source) {
        log(u"Can not find any supported format");
        return false;
    }
    std::filesystem::path temporary;
    if (const auto reserved = platform::TempFileName::create(m_tempFolder, "afx")) {
        std::error_code ec;
        if (!std::filesystem::remove(*reserved, ec) && ec) {
            log(services::formatText(u"Catch exception while removing file %s", {wide(*reserved)}));
        }
        temporary = *reserved;
        temporary.replace_extension(".gif");
    }
    m_tempGifPath = wide(temporary);
    std::vector<Picture> frames;
    const bool animated = source->frameCount >= 1;
    if (!animated) {
        frames.push_back(PictureOps::reduceTo8Bits(std::move(source->first)));
    } else {
        PictureDecoder::decodeFrames(
            *bytes, source->format, std::min(source->frameCount, kFrameLimit),
            [&frames, &source](Picture&& frame) {
                if (source->format != PictureFormat::Gif) {
                    frame.disposal = 0;
                }
                frames.push_back(PictureOps::reduceTo8Bits(std::move(frame)));
                return true;
            });
    }
    if (temporary.empty() || frames.empty() || !GifWriter::write(temporary, frames, animated)) {
        log(services::formatText(u"Can not save to GIF file: %s", {m_tempGifPath}));
        return false;
    }
    QFile gif(QString::fromStdString(temporary.string()));
    if (!gif.open(QIODevice::ReadOnly)) {
        log(services::formatText(u"Can not open file: %s", {m_tempGifPath}));
        return false;
    }
    return readDirectly(gif.readAll());
}

bool EmoticonPicture::LoadFromResource(int resourceId) {
    QFile resource(QStringLiteral(":/quillmere/IMAGE/%1").arg(resourceId));
    return resource.open(QIODevice::ReadOnly) && readDirectly(resource.readAll());
}

bool EmoticonPicture::Draw(QPainter* painter, QRect rect) const {
    if (painter == nullptr || m_image.isNull()) {
        return false;
    }
    if (rect.isNull()) {
        rect = QRect(QPoint(0, 0), m_image.size());
    }
    painter->drawImage(rect, m_image);
    return true;
}

QSize EmoticonPicture::Size(const QPaintDevice* device) const {
    if (m_image.isNull()) {
        return {0, 0};
    }
    if (device == nullptr || m_image.dotsPerMeterX() <= 0 || m_image.dotsPerMeterY() <= 0) {
        return m_image.size();
    }
    // The picture's physical size in the device's resolution, as HIMETRIC sizes convert.
    const double inchesW = m_image.width() / (m_image.dotsPerMeterX() * 0.0254);
    const double inchesH = m_image.height() / (m_image.dotsPerMeterY() * 0.0254);
    return {static_cast<int>(inchesW * device->logicalDpiX() + 0.5),
            static_cast<int>(inchesH * device->logicalDpiY() + 0.5)};
}

}  // namespace quillmere::image
