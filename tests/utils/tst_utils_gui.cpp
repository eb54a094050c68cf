#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QImage>
#include <QLabel>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
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
            QVERIFY(Utils::LoadRandomBackground(image, Utils::ProgramFolder() + u"\\Gfx\\Background_roz"_s, &random));
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
