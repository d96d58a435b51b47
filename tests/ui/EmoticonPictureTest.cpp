#include "image/GifWriter.h"
#include "image/ui/EmoticonPicture.h"

#include "platform/Utf.h"
#include "services/CQuiLoggerBase.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"
#include "ui/UiTestRegistry.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace quillmere::image {
namespace {

QImage solid(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

size_t entries(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                             std::filesystem::directory_iterator()));
}

class EmoticonPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void readsGifJpegAndBmpDirectly() {
        test::TempFolder files;
        test::TempFolder temp;
        // Qt writes no GIF; the program's writer makes one.
        Picture gif = Picture::makeIndexed(20, 10, {{255, 0, 0}, {0, 0, 0}});
        QVERIFY(GifWriter::write(files / "a.gif", {gif}, false));
        for (const char* name : {"a.gif", "a.jpg", "a.bmp"}) {
            const auto path = files / name;
            if (path.extension() != ".gif") {
                QVERIFY(solid(20, 10, Qt::red).save(QString::fromStdString(path.string())));
            }
            EmoticonPicture picture(nullptr, temp.path());
            QVERIFY2(picture.Load(path), name);
            QVERIFY(picture.tempGifPath().empty());
            QCOMPARE(picture.Size(), QSize(20, 10));
            QCOMPARE(entries(temp.path()), size_t{0});
        }
    }

    void convertsAPngIntoATemporaryGifAndDeletesIt() {
        test::TempFolder files;
        test::TempFolder temp;
        const auto png = files / "a.png";
        QVERIFY(solid(16, 16, Qt::blue).save(QString::fromStdString(png.string())));
        std::filesystem::path made;
        {
            EmoticonPicture picture(nullptr, temp.path());
            QVERIFY(picture.Load(png));
            made = platform::pathFromUtf16(picture.tempGifPath());
            QCOMPARE(made.parent_path(), temp.path());
            QVERIFY(made.filename().string().starts_with("afx"));
            QCOMPARE(made.extension().string(), std::string(".gif"));
            QVERIFY(std::filesystem::exists(made));
            QCOMPARE(picture.Size(), QSize(16, 16));
        }
        QVERIFY(!std::filesystem::exists(made));
        QCOMPARE(entries(temp.path()), size_t{0});
    }

    void drawsStretchedIntoTheRectangle() {
        test::TempFolder files;
        const auto path = files / "a.bmp";
        QVERIFY(solid(2, 2, Qt::green).save(QString::fromStdString(path.string())));
        EmoticonPicture picture;
        QVERIFY(!picture.Draw(nullptr, QRect(0, 0, 4, 4)));
        QImage canvas(10, 10, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        QVERIFY2(!picture.Draw(&painter, QRect(0, 0, 4, 4)), "nothing loaded yet");
        QVERIFY(picture.Load(path));
        QVERIFY(picture.Draw(&painter, QRect(2, 2, 8, 8)));
        QVERIFY(picture.Draw(&painter, QRect()));
        painter.end();
        QCOMPARE(canvas.pixelColor(9, 9), QColor(Qt::green));
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(canvas.pixelColor(1, 5), QColor(Qt::white));
    }

    void logsWhyALoadFailed() {
        test::TempFolder files;
        const auto text = files.write("not-a-picture.gif", "hello");
        test::LogCapture capture("EmoticonPictureTest");
        services::CQuiLoggerBase log("EmoticonPictureTest");
        EmoticonPicture picture(&log);
        capture.clear();
        QVERIFY(!picture.Load(files / "missing.png"));
        QVERIFY(!picture.Load(text));
        const std::vector<std::string> expected{
            "Can not open file: " + (files / "missing.png").string(),
            "Can not find any supported format"};
        QCOMPARE(capture.messages(), expected);
        QVERIFY(!picture.LoadFromResource(129));
        QVERIFY(!picture.isLoaded());
        QCOMPARE(picture.Size(), QSize(0, 0));
    }
};

const test::UiTestRegistry::Add<EmoticonPictureTest> registered;

}  // namespace
}  // namespace quillmere::image

#include "EmoticonPictureTest.moc"
