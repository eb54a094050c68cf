// Anti-aliased text and the font mapping.
#include "SkinTestSupport.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

const QColor Background(12, 200, 90);

QImage Canvas(QSize size = QSize(400, 120))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    return image;
}

// The supersampling as the program has always done it: enlarge the canvas area, write the
// doubled text on it, average each 2x2 block back.
QImage Reference(const QImage &canvas, const QFont &font, const QColor &color, int x, int y,
                 const QString &text)
{
    const QFontMetrics metrics(font);
    const SkinLineBox line = SkinTextLine(font);
    const int w = metrics.horizontalAdvance(text) + 20, h = line.Height;
    const QImage a = canvas.copy(x, y, w, h);
    QImage b = a.scaled(2 * w, 2 * h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    {
        QPainter p(&b);
        QFont big(font);
        big.setPointSizeF(font.pointSizeF() * 2);
        p.setFont(big);
        p.setPen(color);
        p.drawText(QPointF(0, 2 * line.Ascent), text);
    }
    QImage result = canvas;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int r = 0, g = 0, bl = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb v = b.pixel(2 * i + dx, 2 * j + dy);
                    r += qRed(v);
                    g += qGreen(v);
                    bl += qBlue(v);
                }
            if (x + i < result.width() && y + j < result.height())
                result.setPixel(x + i, y + j, qRgb(r / 4, g / 4, bl / 4));
        }
    return result;
}

int MaxDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = qMax(worst, qMax(qAbs(qRed(p) - qRed(q)),
                                     qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)))));
        }
    return worst;
}

} // namespace

class TestAntiAliasedText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InstallSkinFonts(); }

    void cases_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");
        QTest::addRow("tahoma caption")
            << u"Tahoma"_s << 12 << false << u"Zażółć gęślą jaźń"_s << QPoint(10, 10);
        QTest::addRow("bold result") << u"Trebuchet MS"_s << 18 << true << u"100%"_s << QPoint(185, 17);
        QTest::addRow("descenders at the edge")
            << u"Verdana"_s << 14 << false << u"gąbka Ąj"_s << QPoint(0, 0);
        QTest::addRow("serif") << u"Georgia"_s << 10 << false << u"Łódź"_s << QPoint(50, 60);
    }

    void cases()
    {
        QFETCH(QString, family);
        QFETCH(int, points);
        QFETCH(bool, bold);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFont font(family, points);
        font.setBold(bold);
        const QColor ink(6, 54, 99);
        QImage canvas = Canvas();
        {
            QPainter painter(&canvas);
            painter.setFont(font);
            painter.setPen(ink);
            DrawAntiAliasedText(painter, at.x(), at.y(), text);
        }
        const QFontMetrics metrics(font);
        const QRect allowed(at, QSize(metrics.horizontalAdvance(text) + 20, SkinTextLine(font).Height));
        int inked = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const bool changed = canvas.pixelColor(x, y) != Background;
                if (!allowed.contains(x, y))
                    QVERIFY2(!changed, qPrintable(u"painted outside at %1,%2"_s.arg(x).arg(y)));
                inked += changed;
            }
        QVERIFY(inked > 20);
        // Same pixels as the enlarge-write-average method, to rounding.
        QVERIFY(MaxDifference(canvas, Reference(Canvas(), font, ink, at.x(), at.y(), text)) <= 2);
    }

    void translatedPainterKeepsToItsRectangle()
    {
        QImage canvas = Canvas();
        QFont font(u"Tahoma"_s, 11);
        {
            QPainter painter(&canvas);
            painter.translate(100, 40);
            painter.setFont(font);
            painter.setPen(Qt::black);
            DrawAntiAliasedText(painter, 5, 5, u"Przesunięty"_s);
        }
        const QFontMetrics m(font);
        const QRect allowed(105, 45, m.horizontalAdvance(u"Przesunięty"_s) + 20, SkinTextLine(font).Height);
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (!allowed.contains(x, y))
                    QCOMPARE(canvas.pixelColor(x, y), Background);
    }

    // Wine's Tahoma draws the dot of Ż above its nominal ascent; the work images must still
    // hold it.
    void accentsOfCapitalsAreNotCut_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addRow("Tahoma") << u"Tahoma"_s;
        QTest::addRow("Trebuchet MS") << u"Trebuchet MS"_s;
    }

    void accentsOfCapitalsAreNotCut()
    {
        QFETCH(QString, family);
        QFont font(family);
        font.setPixelSize(13);
        auto inkTop = [&](const QString &text) {
            QImage canvas = Canvas(QSize(60, 40));
            QPainter painter(&canvas);
            painter.setFont(font);
            painter.setPen(Qt::black);
            DrawAntiAliasedText(painter, 5, 5, text);
            painter.end();
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x)
                    if (canvas.pixelColor(x, y) != Background)
                        return y;
            return -1;
        };
        QVERIFY(inkTop(u"Z"_s) > 5);
        QVERIFY2(inkTop(u"Ż"_s) < inkTop(u"Z"_s) - 1, "the dot of Ż is missing");
    }

    void rectVariantWrapsInsideItsRectangle()
    {
        QImage canvas = Canvas(QSize(300, 200));
        const QRect rect(0, 0, 180, 90);
        {
            QPainter painter(&canvas);
            painter.setFont(QFont(u"Tahoma"_s, 10));
            painter.setPen(Qt::black);
            DrawAntiAliasedTextInRect(painter, rect, 0, Qt::TextWordWrap,
                                      u"Aby rozpocząć naukę z programem, wybierz swój profil użytkownika."_s,
                                      0);
        }
        int top = -1, bottom = -1;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const bool changed = canvas.pixelColor(x, y) != Background;
                if (!rect.contains(x, y))
                    QVERIFY(!changed);
                if (changed) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
            }
        }
        const int lineHeight = QFontMetrics(QFont(u"Tahoma"_s, 10)).height();
        QVERIFY2(bottom - top > 2 * lineHeight, "the text should wrap into three lines");
    }

    void fontsCarryPolishLetters_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("expected");
        QTest::addRow("Tahoma") << u"Tahoma"_s << u"Tahoma"_s;
        QTest::addRow("Verdana") << u"Verdana"_s << u"DejaVu Sans"_s;
        QTest::addRow("Trebuchet MS") << u"Trebuchet MS"_s << u"Open Sans"_s;
        QTest::addRow("Georgia") << u"Georgia"_s << u"DejaVu Serif"_s;
    }

    void fontsCarryPolishLetters()
    {
        QFETCH(QString, asked);
        QFETCH(QString, expected);
        for (bool bold : {false, true}) {
            QFont font(asked, 12);
            font.setBold(bold);
            QCOMPARE(QFontInfo(font).family(), expected);
            const QFontMetrics metrics(font);
            for (QChar c : u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_s)
                QVERIFY2(metrics.inFont(c), qPrintable(asked + u" lacks "_s + c));
        }
    }
};

QTEST_MAIN(TestAntiAliasedText)
#include "tst_aatext.moc"
