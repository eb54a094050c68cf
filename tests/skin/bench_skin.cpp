// Paint costs of the skinned controls: a title bar with five bar buttons and a 200 x 50
// button, each rendered into an off-screen picture as the screens' double buffering does.
#include "SkinTestSupport.h"

#include "skin/VelControls.h"

using namespace Qt::StringLiterals;

class BenchSkin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(TestSkin().Handle); }

    void titleBarWithFiveBarButtons()
    {
        QWidget form;
        form.resize(1024, 50);
        auto *bar = new TVelBelka(&form);
        bar->SetPlec(u'K');
        bar->SetLudzikIndex(12);
        bar->SetZalogowany(u"Agnieszka"_s);
        QFont caption(u"Trebuchet MS"_s);
        caption.setPixelSize(16);
        const char *glyphs[5] = {"IMG_Wroc", "IMG_Slownik", "IMG_Help", "IMG_Close_N", "IMG_Min_N"};
        for (int i = 0; i < 5; ++i) {
            auto *b = new TVelResButton(bar);
            b->SetRozmiar(rozBelka);
            b->setGeometry(300 + i * 140, 0, 130, 48);
            b->setFont(caption);
            b->SetCaption(u"Przycisk %1"_s.arg(i + 1));
            b->SetGlyph(LoadSkinPicture(QString::fromLatin1(glyphs[i])));
            b->SetDown(i == 1); // one with its frame
        }
        ApplySkin(&form, TestSkin());
        QImage target(1024, 50, QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK
        {
            form.render(&target);
        }
    }

    void button200x50()
    {
        QWidget form;
        auto *b = new TVelResButton(&form);
        b->SetRozmiar(roz50);
        b->resize(200, 50);
        b->SetGrafikaIndex(2);
        b->SetCaption(u"Sprawdź"_s);
        b->SetGlyph(LoadSkinPicture(u"IMG_Sprawdz"_s));
        ApplySkin(&form, TestSkin());
        QImage target(200, 50, QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK
        {
            b->render(&target);
        }
    }
};

QTEST_MAIN(BenchSkin)
#include "bench_skin.moc"
