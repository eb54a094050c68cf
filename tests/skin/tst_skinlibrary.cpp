// The skin bundle: loading, the corner sizes, every name the screens ask for, pictures,
// sounds and ApplySkin.
#include "SkinTestSupport.h"

#include "media/SoundService.h"
#include "skin/VelControls.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class RecordingSound : public Media::ISoundService
{
public:
    QList<QByteArray> played;
    void PlayWave(const QByteArray &wavData) override { played << wavData; }
    void PlayWaveFile(const QString &) override {}
    void Stop() override {}
};

// Every picture name the program looks up in the bundle.
QStringList RequiredPictures()
{
    QStringList names;
    for (const char *style : {"_B", "_W"}) {
        for (int i = 1; i <= 9; ++i)
            names << u"DIAL0%1"_s.arg(i) + QLatin1String(style);
        names << u"DIAL_BELKA"_s + QLatin1String(style);
    }
    names << u"MSG_ICON_ERROR"_s << u"MSG_ICON_QUESTION"_s << u"MSG_ICON_INFORMATION"_s
          << u"MSG_ICON_EXCLAMATION"_s;
    for (const char *s : {"_N", "_H", "_P", "_D"}) {
        for (int set = 1; set <= 7; ++set)
            for (const char *piece : {"G01", "G02", "G03"})
                names << QLatin1String(piece) + QLatin1String(s) + u"_3_"_s + QString::number(set);
        for (const char *piece : {"BB01", "BB02", "BB03"})
            names << QLatin1String(piece) + QLatin1String(s);
        names << u"TAB_ROZUM"_s + QLatin1String(s);
    }
    names << u"BELKA_BODY"_s << u"BELKA_BODY2"_s << u"BELKA_FALA"_s;
    for (int i = 1; i <= 3; ++i)
        names << u"BELKA_BODY_STYLE_%1"_s.arg(i);
    for (const char *g : {"K", "M"})
        for (int set : {10, 20})
            for (int c = 1; c <= 6; ++c) {
                names << u"BELKA_LUDZIK_%1_%2"_s.arg(QLatin1String(g)).arg(set + c);
                names << u"C%1%2"_s.arg(QLatin1String(g)).arg(set + c);
            }
    for (int c = 1; c <= 6; ++c)
        names << u"COLOR%1"_s.arg(c);
    for (int set : {1, 4, 6})
        for (int i = 1; i <= 9; ++i)
            names << u"RAMKA%1_0%2"_s.arg(set).arg(i);
    for (int style = 1; style <= 3; ++style)
        for (const char *state : {"H", "D", "Z"})
            for (int i = 1; i <= 4; ++i)
                names << u"RAMKA5_%1%2%3"_s.arg(style).arg(QLatin1String(state)).arg(i);
    names << u"DYMEK_01"_s << u"DYMEK_02"_s << u"DYMEK_03"_s << u"WYKRES_BG"_s << u"WYKRES_100"_s;
    for (int step = 0; step < 100; step += 5)
        names << u"WYKRES_%1"_s.arg(step, 2, 10, QLatin1Char('0'));
    names << u"ZESZYT_OK"_s << u"ZESZYT_BAD"_s << u"ZESZYT_XFA"_s << u"ZESZYT_SEP"_s;
    // The exercise host's common pictures and the table of contents' rows and icons.
    names << u"IMG_Sprawdz"_s << u"IMG_JeszczeRaz"_s << u"IMG_OK"_s << u"IMG_Zle"_s << u"IMG_Info"_s
          << u"IMG_Video"_s << u"IMG_Glosnik"_s << u"IMG_Help"_s << u"IMG_Wroc"_s << u"IMG_Slownik"_s
          << u"IMG_Drukuj"_s << u"IMG_Close_N"_s << u"IMG_Close_H"_s << u"IMG_Close_D"_s << u"IMG_Min_N"_s
          << u"IMG_Min_H"_s << u"IMG_Min_D"_s << u"IMG_Mikrofon1"_s << u"IMG_Mikrofon2"_s
          << u"IMG_Analizator"_s;
    names << u"Tabka_UP"_s << u"Tabka_Hover"_s << u"Wiersz_L1_UP"_s << u"Wiersz_L1_Hover"_s
          << u"Wiersz_L2_Up"_s << u"Wiersz_L2_Hover"_s << u"IMG_Books"_s << u"IMG_Plus"_s << u"IMG_Minus"_s
          << u"img_prtlo"_s << u"img_pr"_s;
    for (int level = 1; level <= 4; ++level)
        names << u"img_poz%1"_s.arg(level);
    for (int kind : {1, 3, 4, 7, 8, 11, 14, 18, 21, 22, 24, 26, 31, 50, 52})
        names << u"Typ_%1"_s.arg(kind);
    names << u"Typ_101_1"_s << u"Typ_101_2"_s << u"Typ_102"_s << u"Typ_103"_s;
    // The word tiles and the places they are dropped into.
    for (const char *set : {"IMG_Kostka", "IMG_Klocek"})
        for (int part = 1; part <= 3; ++part)
            names << u"%1%2"_s.arg(QLatin1String(set)).arg(part);
    names << u"IMG_Miejsce1"_s << u"IMG_miejsce2"_s << u"IMG_miejsce3"_s << u"IMG_GradCell"_s
          << u"IMG_GradHeader"_s;
    // The dialogue screens' speakers, microphone and the learner's recordings.
    for (int speaker = 1; speaker <= 5; ++speaker)
        names << u"IMG_Osoba_%1"_s.arg(speaker);
    names << u"IMG_Osoba_X"_s << u"IMG_Mic"_s << u"IMG_Mic_Stop"_s << u"IMG_Chlopek"_s << u"IMG_Chlopek_A"_s;
    return names;
}

// Packs the given pictures into a bundle with the Qt resource compiler.
QString MakeBundle(const QTemporaryDir &dir, const QStringList &pictures)
{
    QDir(dir.path()).mkpath(u"gfx"_s);
    QByteArray qrc = "<RCC><qresource prefix=\"/\">";
    for (const QString &name : pictures) {
        QImage image(6, 5, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        image.save(dir.filePath(u"gfx/"_s + name + u".png"_s));
        qrc += "<file>gfx/" + name.toUtf8() + ".png</file>";
    }
    qrc += "</qresource></RCC>";
    QFile file(dir.filePath(u"t.qrc"_s));
    file.open(QIODevice::WriteOnly);
    file.write(qrc);
    file.close();
    const QString out = dir.filePath(u"t.rcc"_s);
    QProcess rcc;
    rcc.setWorkingDirectory(dir.path());
    rcc.start(QStringLiteral(AUDIVOX_RCC), {u"--binary"_s, u"-o"_s, out, u"t.qrc"_s});
    rcc.waitForFinished();
    return out;
}

} // namespace

class TestSkinLibrary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(TestSkin().Handle, "the assembled program folder has no skin bundle");
    }

    void recordHoldsCornerSizes()
    {
        const SkinRecord &skin = TestSkin();
        const char *corners[4] = {"DIAL01_B", "DIAL03_B", "DIAL07_B", "DIAL09_B"};
        for (int i = 0; i < 4; ++i) {
            const QImage corner = LoadSkinPicture(skin.Handle, QString::fromLatin1(corners[i]));
            QCOMPARE(skin.Sizes[2 * i], corner.width());
            QCOMPARE(skin.Sizes[2 * i + 1], corner.height());
        }
        for (int i = 8; i < 16; ++i)
            QCOMPARE(skin.Sizes[i], 0);
        QCOMPARE(CurrentSkin().Handle, skin.Handle);
    }

    void everyNameTheScreensUseIsThere()
    {
        QStringList missing;
        for (const QString &name : RequiredPictures())
            if (!TestSkin().Handle->HasPicture(name))
                missing << name;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
        for (const char *sound : {"WAV_START", "WAV_OK", "WAV_ZLE", "WAV_WYNIK"}) {
            const QByteArray wave = TestSkin().Handle->Sound(QString::fromLatin1(sound));
            QVERIFY2(wave.startsWith("RIFF") && wave.mid(8, 4) == "WAVE" && wave.size() > 4000, sound);
        }
    }

    void piecesThatMeetHaveMatchingSizes()
    {
        const SkinHandle h = TestSkin().Handle;
        // The gauge picture must fit between the text and the per cent figure of the panel.
        QVERIFY(LoadSkinPicture(h, u"WYKRES_50"_s).width() <= 185 - 113);
        QCOMPARE(LoadSkinPicture(h, u"WYKRES_BG"_s).size(), QSize(259, 90));
        QCOMPARE(LoadSkinPicture(h, u"TAB_ROZUM_N"_s).size(), QSize(59, 42));
        QCOMPARE(LoadSkinPicture(h, u"BB02_H"_s).height(), 48);
        QCOMPARE(LoadSkinPicture(h, u"BELKA_BODY2"_s).width(), 4); // drawn every 4 pixels
        QCOMPARE(LoadSkinPicture(h, u"CK11"_s).size(), QSize(60, 59));
        QCOMPARE(LoadSkinPicture(h, u"IMG_Close_N"_s).size(), QSize(34, 18));
        QCOMPARE(LoadSkinPicture(h, u"IMG_Min_H"_s).size(), QSize(32, 18));
        QCOMPARE(LoadSkinPicture(h, u"IMG_Plus"_s).size(), QSize(9, 9));
        QCOMPARE(LoadSkinPicture(h, u"img_pr"_s).size(), QSize(52, 6));
        QCOMPARE(LoadSkinPicture(h, u"DYMEK_01"_s).width(), TVelDymek::BubbleWidth);
        QCOMPARE(LoadSkinPicture(h, u"RAMKA1_01"_s).size(), QSize(10, 10));
        QCOMPARE(LoadSkinPicture(h, u"RAMKA6_09"_s).size(), QSize(7, 7));
        // The dialogue rows are 25 pixels high; their icons keep within them.
        for (const char *name : {"IMG_Osoba_1", "IMG_Osoba_5", "IMG_Osoba_X"})
            QCOMPARE(LoadSkinPicture(h, QLatin1String(name)).size(), QSize(25, 20));
        QCOMPARE(LoadSkinPicture(h, u"IMG_Mic"_s).size(), QSize(15, 24));
        QCOMPARE(LoadSkinPicture(h, u"IMG_Mic_Stop"_s).size(), QSize(15, 24));
        QCOMPARE(LoadSkinPicture(h, u"IMG_Chlopek"_s).size(), QSize(19, 20));
        QCOMPARE(LoadSkinPicture(h, u"IMG_Chlopek_A"_s).size(), QSize(19, 20));
        // Frame set 5 closes around the 296 x 248 frame.
        const QImage top = LoadSkinPicture(h, u"RAMKA5_2D3"_s), side = LoadSkinPicture(h, u"RAMKA5_2D1"_s),
                     foot = LoadSkinPicture(h, u"RAMKA5_2D4"_s);
        QCOMPARE(top.width(), 296);
        QCOMPARE(24 + side.height() + foot.height(), 248);
    }

    void missingPictureThrowsAndMissingSoundIsSilent()
    {
        QVERIFY_THROWS_EXCEPTION(SkinPictureError, LoadSkinPicture(TestSkin().Handle, u"NO_SUCH_PICTURE"_s));
        QVERIFY_THROWS_EXCEPTION(SkinPictureError, LoadSkinPicture(nullptr, u"DIAL01_B"_s));
        RecordingSound sound;
        Media::SetSoundService(&sound);
        PlaySkinSound(u"WAV_NONE"_s);
        PlaySkinSound(nullptr, u"WAV_OK"_s);
        QVERIFY(sound.played.isEmpty());
        PlaySkinSound(u"WAV_OK"_s);
        QCOMPARE(sound.played.size(), 1);
        QCOMPARE(sound.played.first(), TestSkin().Handle->Sound(u"WAV_OK"_s));
        Media::SetSoundService(nullptr);
        PlaySkinSound(u"WAV_ZLE"_s); // the silent service: nothing happens, nothing waits
    }

    void loadFailures_data()
    {
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<bool>("loads");
        QTest::addRow("all four corners")
            << QStringList{u"DIAL01_B"_s, u"DIAL03_B"_s, u"DIAL07_B"_s, u"DIAL09_B"_s} << true;
        QTest::addRow("one corner missing")
            << QStringList{u"DIAL01_B"_s, u"DIAL03_B"_s, u"DIAL09_B"_s} << false;
        QTest::addRow("white corners only")
            << QStringList{u"DIAL01_W"_s, u"DIAL03_W"_s, u"DIAL07_W"_s, u"DIAL09_W"_s} << false;
    }

    void loadFailures()
    {
        QFETCH(QStringList, pictures);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        const SkinRecord before = CurrentSkin();
        const SkinRecord record = LoadSkinLibrary(MakeBundle(dir, pictures));
        QCOMPARE(record.Handle != nullptr, loads);
        if (loads) {
            QCOMPARE(record.Sizes[0], 6);
            QCOMPARE(record.Sizes[7], 5);
        } else {
            QCOMPARE(CurrentSkin().Handle, before.Handle); // a failed load changes nothing
        }
        SetCurrentSkin(TestSkin());
    }

    void missingOrBrokenFileGivesNullHandle()
    {
        QTemporaryDir dir;
        QCOMPARE(LoadSkinLibrary(dir.filePath(u"resource.rcc"_s)).Handle, nullptr);
        QFile junk(dir.filePath(u"junk.rcc"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a resource file at all");
        junk.close();
        QCOMPARE(LoadSkinLibrary(junk.fileName()).Handle, nullptr);
    }

    void applySkinByClass()
    {
        QWidget form;
        auto *button = new TVelResButton(&form);
        auto *close = new TVelResButton(&form);
        close->SetRozmiar(rozUndefined);
        auto *inner = new QWidget(&form);
        auto *deep = new TVelResButton(inner);
        auto *dialog = new TVelMsgBoxWindow(&form);
        auto *belka = new TVelBelka(&form);
        auto *frame = new TVelGroupFrame(&form);
        auto *progress = new TVelProgress(&form);
        auto *zeszyt = new TVelZeszytStatystyki(&form);
        auto *ramka = new TVel3ObrazkiFrame(&form);
        auto *dymek = new TVelDymek(&form);
        const SkinRecord &skin = TestSkin();
        for (int pass = 0; pass < 2; ++pass) {
            ApplySkin(&form, skin);
            QCOMPARE(button->Skin(), skin.Handle);
            QCOMPARE(deep->Skin(), skin.Handle);
            QCOMPARE(close->Skin(), nullptr);
            QCOMPARE(dialog->Skin(), skin.Handle);
            QCOMPARE(belka->Skin(), skin.Handle);
            QCOMPARE(frame->Skin(), skin.Handle);
            QCOMPARE(progress->Skin(), skin.Handle);
            QCOMPARE(zeszyt->Skin(), skin.Handle);
            QCOMPARE(ramka->Skin(), skin.Handle);
            QCOMPARE(dymek->Skin(), skin.Handle);
        }
    }
};

QTEST_MAIN(TestSkinLibrary)
#include "tst_skinlibrary.moc"
