#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QImage>
#include <QLabel>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestUtilsGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void randomBackgroundChoosesEveryPicture()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"Gfx/Background_roz"_s));
        const QString folder = dir.filePath(u"Gfx/Background_roz"_s);
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < colours.size(); ++i) {
            QImage picture(8, 4, QImage::Format_RGB32);
            picture.fill(colours.at(i));
            QVERIFY(picture.save(folder + u"/tlo%1.%2"_s.arg(i).arg(i == 2 ? u"BMP"_s : u"bmp"_s), "BMP"));
        }
        QImage png(8, 4, QImage::Format_RGB32);
        png.fill(Qt::white);
        QVERIFY(png.save(folder + u"/inny.png"_s, "PNG"));
        QFile broken(folder + u"/zly.bmp"_s);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();

        Utils::SetProgramFolder(dir.path());
        // Stored paths keep "\" and any case; the picture extension is matched in any case.
        QCOMPARE(Utils::BackgroundCandidates(Utils::ProgramFolder() + u"\\gfx\\background_ROZ"_s).size(), 4);
        QRandomGenerator random(7);
        QSet<QRgb> seen;
        for (int i = 0; i < 60; ++i) {
            QImage image;
            QVERIFY(Utils::LoadRandomBackground(image, Utils::ProgramFolder() + u"\\Gfx\\Background_roz"_s,
                                                &random));
            QCOMPARE(image.size(), QSize(8, 4));
            seen.insert(image.pixel(0, 0));
        }
        QCOMPARE(seen.size(), 3); // the broken file is never the result, the png never listed
        QVERIFY(!seen.contains(QColor(Qt::white).rgb()));

        QLabel label;
        QVERIFY(Utils::LoadRandomBackground(&label, folder));
        QCOMPARE(label.pixmap().size(), QSize(8, 4));
    }

    void randomBackgroundWithoutPictures()
    {
        QTemporaryDir dir;
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(Qt::black);
        QVERIFY(!Utils::LoadRandomBackground(image, dir.path()));
        QVERIFY(!Utils::LoadRandomBackground(image, dir.filePath(u"missing"_s)));
        QCOMPARE(image.size(), QSize(2, 2));
    }

    // The direct bitmap decoder must give what Qt's reader gives, for every row padding, both
    // row orders, and files it leaves to the reader.
    void pictureFileDecodesAsQtDoes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("topDown");
        QTest::addColumn<QByteArray>("format");
        for (int width : {1, 2, 3, 5, 8})
            QTest::addRow("bmp %d", width) << width << false << QByteArray("BMP");
        QTest::addRow("bmp top-down 3") << 3 << true << QByteArray("BMP");
        QTest::addRow("png") << 5 << false << QByteArray("PNG");
    }
    void pictureFileDecodesAsQtDoes()
    {
        QFETCH(int, width);
        QFETCH(bool, topDown);
        QFETCH(QByteArray, format);
        QImage picture(width, 4, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, qRgb(40 * x + 3, 60 * y + 7, (x * 31 + y * 17) & 255));
        QTemporaryDir dir;
        const QString path = dir.filePath(u"p."_s + QString::fromLatin1(format.toLower()));
        QVERIFY(picture.save(path, format.constData()));
        if (topDown) {
            // The same pixels, rows stored from the top, as some editors write them.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray data = file.readAll();
            const qint32 offset = qFromLittleEndian<qint32>(data.constData() + 10);
            const qint64 stride = (width * 3 + 3) & ~3;
            QByteArray rows;
            for (int y = picture.height() - 1; y >= 0; --y)
                rows += data.mid(offset + stride * y, stride);
            data.replace(offset, rows.size(), rows);
            qToLittleEndian<qint32>(-picture.height(), data.data() + 22);
            QVERIFY(file.seek(0));
            QCOMPARE(file.write(data), data.size());
        }
        if (format == "BMP") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(qFromLittleEndian<quint16>(file.readAll().constData() + 28), quint16(24));
        }
        const QImage loaded = Utils::LoadPictureFile(path);
        QCOMPARE(loaded.format(), QImage::Format_RGB32);
        QCOMPARE(loaded, picture);
        QCOMPARE(loaded, QImage(path).convertToFormat(QImage::Format_RGB32));
    }

    void pictureFileThatDoesNotDecode()
    {
        QTemporaryDir dir;
        QImage picture(6, 6, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString path = dir.filePath(u"cut.bmp"_s);
        QVERIFY(picture.save(path, "BMP"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() - 20)); // the last rows are missing
        file.close();
        QCOMPARE(Utils::LoadPictureFile(path).isNull(), QImage(path).isNull());
        QVERIFY(Utils::LoadPictureFile(dir.filePath(u"missing.bmp"_s)).isNull());
    }

    void deferredPictureDecodesAtFirstPaint()
    {
        QTemporaryDir dir;
        QImage picture(7, 3, QImage::Format_RGB32);
        picture.fill(qRgb(10, 120, 200));
        const QString path = dir.filePath(u"tlo.bmp"_s);
        QVERIFY(picture.save(path, "BMP"));
        Utils::TDeferredPictureLabel label(nullptr, path);
        label.resize(7, 3);
        QVERIFY(label.pixmap().isNull());
        QCOMPARE(label.grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
        Utils::TDeferredPictureLabel missing(nullptr, dir.filePath(u"brak.bmp"_s));
        QVERIFY(!missing.LoadPicture());
    }

    void measureText()
    {
        QFont font(u"DejaVu Sans"_s);
        font.setPixelSize(16);
        const QSize one = Utils::MeasureText(font, u"W"_s);
        const QSize three = Utils::MeasureText(font, u"WWW"_s);
        QVERIFY(one.width() > 0);
        QVERIFY(qAbs(three.width() - 3 * one.width()) <= 2); // advances are fractional
        QCOMPARE(three.height(), one.height());
        QVERIFY(one.height() >= 16);
        QCOMPARE(Utils::MeasureText(font, QString()).width(), 0);
    }

    void productCaption()
    {
        QWidget window;
        Utils::SetProductCaption(&window);
        QCOMPARE(window.windowTitle(), u"Lernivo 6.0 Audivox"_s);
    }
};

QTEST_MAIN(TestUtilsGui)
#include "tst_utils_gui.moc"
