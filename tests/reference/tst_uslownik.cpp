// The dictionary window: search controls, letter buttons, the drawn list, scrolling, look-up.

#include "reference/Slownik.h"
#include "reference/uSlownik.h"
#include "skin/VelCheckBox.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

class RecordingProgress : public Utils::IProgress
{
public:
    void ShowProgress(int maximum, const QString &) override { Maximum = maximum, ++Shown; }
    void StepProgress(int position) override { Last = position; }
    void Close() override { ++Closed; }
    int Maximum = -1, Last = -1, Shown = 0, Closed = 0;
};

QList<QString> DictionaryLines()
{
    QList<QString> lines;
    int n = 0;
    auto add = [&](const QString &head, QChar digit, const QString &translation) {
        TDane d;
        d.Number = ++n;
        d.Headword = head;
        d.Translation = translation;
        lines << Reference::FormatDictionaryLine(d, digit);
    };
    // Twenty headwords beginning with "ap" give a list longer than the 8 shown rows.
    for (int i = 0; i < 20; ++i)
        add(u"ap"_s + QChar(u'a' + i) + u"x"_s, u'1', u"[1] słowo"_s);
    add(u"walk"_s, u'3', u"[3] chodzić"_s);
    add(u"run"_s, u'3', u"[3] biec"_s);
    add(u"bread"_s, u'1', u"[1] chleb"_s);
    add(u"big"_s, u'2', u"[2] duży"_s);
    add(u"b"_s, u'1', u"[1] litera b"_s);
    return lines;
}

QStringList Headwords(const QList<TDane> &list)
{
    QStringList out;
    for (const TDane &d : list)
        out << d.Headword;
    return out;
}

} // namespace

class TestDictionaryWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir program;
    TfrmSlownik *window = nullptr;

    QLineEdit *edit() const { return window->findChild<QLineEdit *>(u"edtSzukaj"_s); }
    QAbstractButton *button(const QString &name) const { return window->findChild<QAbstractButton *>(name); }
    QWidget *area() const { return window->findChild<QWidget *>(u"pbSlownik"_s); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        InstallSkinFonts();
        QVERIFY(QDir(program.path()).mkpath(u"Dane"_s));
        QFile file(program.filePath(u"Dane/Slownik.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Reference::WriteDictionary(DictionaryLines(), false));
        file.close();
        Utils::SetProgramFolder(program.path());
    }

    void init()
    {
        window = new TfrmSlownik();
        frmSlownik = window;
    }

    void cleanup()
    {
        delete window;
        window = nullptr;
        QVERIFY(!frmSlownik);
    }

    void loadsWithProgress()
    {
        RecordingProgress progress;
        TfrmSlownik own(nullptr, &progress);
        QCOMPARE(own.Entries().size(), 25);
        QCOMPARE(progress.Shown, 1);
        QCOMPARE(progress.Maximum, 25);
        QCOMPARE(progress.Last, 25);
        QCOMPARE(progress.Closed, 1);
    }

    // A read on the worker thread gives the same entries, shows no progress, and a look-up
    // made meanwhile waits for it; an explicit load while it runs replaces its entries.
    void prefetchedOnAWorkerThread()
    {
        RecordingProgress progress;
        TfrmSlownik own(nullptr, &progress);
        own.PrefetchDictionary();
        QCOMPARE(own.SearchDictionary(u"a"_s, true) > 0, true);
        QCOMPARE(own.Entries().size(), 25);
        const auto headwords = [](const QList<TDane> &entries) {
            QStringList words;
            for (const TDane &entry : entries)
                words << entry.Headword + u'=' + entry.Translation;
            return words;
        };
        QCOMPARE(headwords(own.Entries()), headwords(window->Entries()));
        QCOMPARE(progress.Shown, 0);
        own.PrefetchDictionary(); // read already: nothing more happens

        TfrmSlownik other;
        other.PrefetchDictionary();
        other.LoadDictionary(program.filePath(u"Dane/brak.txt"_s));
        QVERIFY(other.Entries().isEmpty());
    }

    void controlsInPlace()
    {
        window->ShowDictionary();
        QCOMPARE(window->size(), QSize(550, 322));
        QCOMPARE(edit()->geometry(), QRect(162, 56, 116, 27));
        QCOMPARE(button(u"btnSzukaj"_s)->geometry(), QRect(284, 59, 23, 22));
        QCOMPARE(area()->geometry(), QRect(27, 178, 482, 130));
        QCOMPARE(window->findChild<QWidget *>(u"ScrollBar"_s)->geometry(), QRect(515, 174, 18, 138));
        // 27 letter buttons, 7 to a row from (360, 68); the last one is twice as wide.
        QCOMPARE(button(u"Litera0"_s)->geometry(), QRect(360, 68, 22, 22));
        QCOMPARE(button(u"Litera6"_s)->geometry(), QRect(492, 68, 22, 22));
        QCOMPARE(button(u"Litera7"_s)->geometry(), QRect(360, 90, 22, 22));
        QCOMPARE(button(u"Litera26"_s)->geometry(), QRect(470, 134, 44, 22));
        QVERIFY(!button(u"Litera27"_s));
        QVERIFY(window->ShowsAll());
        QCOMPARE(window->ScrollMaximum(), 25 - 8);
    }

    void searchButtonAndEnter()
    {
        window->ShowDictionary();
        edit()->setText(u"AP"_s);
        QTest::mouseClick(button(u"btnSzukaj"_s), Qt::LeftButton);
        QVERIFY(!window->ShowsAll());
        QCOMPARE(window->Results().size(), 20);
        // Twenty results leave 8 on view: the bar runs 0 … 12.
        QCOMPARE(window->ScrollMaximum(), 12);

        // Translations, with Enter in the field.
        button(u"rdSzukajTlumaczenia"_s)->click(); // the boxes take their height from skin pictures
        QVERIFY(!button(u"rdSzukajSlowka"_s)->isChecked());
        edit()->setText(u"chleb"_s);
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(Headwords(window->Results()), QStringList{u"bread"_s});
        QCOMPARE(edit()->text(), u"chleb"_s);
        QCOMPARE(window->ScrollMaximum(), 0);
    }

    void letterButtons()
    {
        window->ShowDictionary();
        QTest::mouseClick(button(u"Litera1"_s), Qt::LeftButton);
        QCOMPARE(Headwords(window->Results()), (QStringList{u"bread"_s, u"big"_s, u"b"_s}));
        button(u"chkCaleWyrazy"_s)->click();
        QTest::mouseClick(button(u"Litera1"_s), Qt::LeftButton);
        QCOMPARE(Headwords(window->Results()), QStringList{u"b"_s});
    }

    void wheelAndScrollBar()
    {
        window->ShowDictionary();
        edit()->setText(u"ap"_s);
        QTest::keyClick(edit(), Qt::Key_Return);
        auto *bar = window->findChild<QAbstractSlider *>(u"ScrollBar"_s);
        const QPoint centre = area()->rect().center();
        auto wheel = [&](int delta) {
            QWheelEvent e(centre, area()->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(area(), &e);
        };
        wheel(-120);
        wheel(-120);
        QCOMPARE(bar->value(), 2);
        for (int i = 0; i < 20; ++i)
            wheel(-120);
        QCOMPARE(bar->value(), 12);
        wheel(120);
        QCOMPARE(bar->value(), 11);
        // A new search starts at the top again.
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(bar->value(), 0);
    }

    void layoutOfLabels()
    {
        TDane run;
        run.Headword = u"run"_s;
        run.Translation = u"[3] biec"_s;
        QFont font(u"Verdana"_s);
        font.setPointSize(10);
        QFont italic = font;
        italic.setItalic(true);
        const QFontMetrics plain(font), slanted(italic);
        const QList<TSlownikRun> runs = LayoutResultList({run}, 0, plain, slanted, 482, 130);
        QCOMPARE(runs.size(), 3);
        QCOMPARE(runs.at(0).Text, u"run"_s);
        QCOMPARE(runs.at(0).Pos, QPoint(10, 0));
        QCOMPARE(runs.at(1).Text, u"v"_s);
        QVERIFY(runs.at(1).Label);
        QCOMPARE(runs.at(1).Pos, QPoint(200, 0));
        QCOMPARE(runs.at(2).Text, u"biec"_s);
        QVERIFY(!runs.at(2).Label);
        QCOMPARE(runs.at(2).Pos, QPoint(200 + slanted.horizontalAdvance(u"v"_s) + 4, 0));
    }

    void layoutWrapsAndStops()
    {
        QList<TDane> list;
        for (int i = 0; i < 12; ++i) {
            TDane d;
            d.Headword = u"very long headword number %1"_s.arg(i);
            d.Translation = u"jedno"_s;
            list << d;
        }
        QFont font(u"Verdana"_s);
        font.setPointSize(10);
        const QFontMetrics fm(font);
        const int line = fm.height();
        const auto runs = LayoutResultList(list, 3, fm, fm, 482, 130);
        // The headword wraps before x 200, and the next entry starts below its last line.
        int maxRight = 0;
        for (const auto &r : runs)
            if (r.Pos.x() < 200)
                maxRight = std::max(maxRight, r.Pos.x() + fm.horizontalAdvance(r.Text));
        QVERIFY(maxRight <= 200);
        QVERIFY(runs.first().Text == u"very"_s);
        const auto secondEntry =
            std::find_if(runs.begin(), runs.end(), [](const TSlownikRun &r) { return r.Text == u"4"_s; });
        QVERIFY(secondEntry != runs.end());
        QVERIFY(secondEntry->Pos.y() >= line);
        // Never more than 8 entries, and none starts below the area.
        QVERIFY(std::count_if(runs.begin(), runs.end(),
                              [](const TSlownikRun &r) { return r.Text == u"jedno"_s; }) <= 8);
        for (const auto &r : runs)
            QVERIFY(r.Pos.y() <= 130 + 3 * line);
    }

    // Entries are never cut at the bottom, and the last scroll position shows the last entry.
    void lastEntryShownWhole()
    {
        QList<TDane> list;
        for (int i = 0; i < 10; ++i) {
            TDane d;
            d.Headword = u"word%1"_s.arg(i);
            d.Translation = u"pierwsze znaczenie; drugie znaczenie; trzecie znaczenie; czwarte znaczenie"_s;
            list << d;
        }
        QFont font(u"Verdana"_s);
        font.setPointSize(10);
        const QFontMetrics fm(font);
        const int width = 482, height = 130;
        const int maximum = ResultListScrollMax(list, fm, fm, width, height);
        QVERIFY(maximum > 10 - 8); // fewer than eight fit
        for (int first = 0; first <= maximum; ++first) {
            const auto runs = LayoutResultList(list, first, fm, fm, width, height);
            for (const TSlownikRun &run : runs)
                QVERIFY2(run.Pos.y() + fm.height() <= height, qPrintable(run.Text));
            if (first == maximum)
                QVERIFY(std::any_of(runs.begin(), runs.end(),
                                    [](const TSlownikRun &r) { return r.Text == u"word9"_s; }));
        }
    }

    void labelDrawnGreyItalic()
    {
        window->ShowDictionary();
        edit()->setText(u"run"_s);
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(window->Results().size(), 1);
        const QImage image = area()->grab().toImage();
        QFont italic(u"Verdana"_s);
        italic.setPointSize(10);
        italic.setItalic(true);
        const QFontMetrics fm(italic);
        const QRect label(200, 0, fm.horizontalAdvance(u"v"_s), fm.height());
        const QRect word(label.right() + 5, 0, 30, fm.height());
        int darkest = 255, darkestAfter = 255;
        for (int y = 0; y < fm.height(); ++y) {
            for (int x = label.left(); x <= label.right(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
            for (int x = word.left(); x <= word.right(); ++x)
                darkestAfter = std::min(darkestAfter, qGray(image.pixel(x, y)));
        }
        // The label is drawn, in grey (100, 100, 100) and not in the black of the words.
        QVERIFY2(darkest < 200, "no label drawn");
        QVERIFY2(darkest >= 90, "label drawn in black");
        QVERIFY(darkestAfter < 60);
    }

    void lookUpWordAt()
    {
        TPozycjeSlowek words;
        words.AddWord(u"walked,"_s, QRect(10, 10, 60, 16));
        words.AddWord(u"1999"_s, QRect(80, 10, 40, 16));
        LookUpWordAt(words, QPoint(20, 15));
        QVERIFY(window->isVisible());
        QCOMPARE(edit()->text(), u"walk"_s);
        QCOMPARE(Headwords(window->Results()), QStringList{u"walk"_s});

        window->hide();
        LookUpWordAt(words, QPoint(90, 15));  // a year
        LookUpWordAt(words, QPoint(300, 15)); // a blank place
        QVERIFY(!window->isVisible());

        frmSlownik = nullptr; // no window: the look-up is a no-op
        LookUpWordAt(u"walk"_s);
        frmSlownik = window;
    }

    // A look-up from an exercise searches the English headwords even after the learner searched
    // the translations in the window.
    void lookUpAfterTranslationSearch()
    {
        window->ShowDictionary();
        button(u"rdSzukajTlumaczenia"_s)->click(); // no skin here: the box has no height to click on
        edit()->setText(u"chleb"_s);
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(Headwords(window->Results()), QStringList{u"bread"_s});
        window->hide();

        LookUpWordAt(u"b"_s);
        QCOMPARE(edit()->text(), u"b"_s);
        QCOMPARE(Headwords(window->Results()), (QStringList{u"bread"_s, u"big"_s, u"b"_s}));
        auto *inWords = window->findChild<TVelCheckBox *>(u"rdSzukajSlowka"_s);
        auto *inTranslations = window->findChild<TVelCheckBox *>(u"rdSzukajTlumaczenia"_s);
        QVERIFY(inWords->Checked());
        QVERIFY(!inTranslations->Checked());
    }

    void showingResetsAndHidingCloses()
    {
        window->ShowDictionary();
        edit()->setText(u"ap"_s);
        QTest::keyClick(edit(), Qt::Key_Return);
        window->findChild<QAbstractSlider *>(u"ScrollBar"_s)->setValue(3);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(window, &deactivate);
        QVERIFY(!window->isVisible());
        QVERIFY(!button(u"Litera0"_s)); // letter buttons live while the window is shown

        window->ShowDictionary();
        QVERIFY(window->ShowsAll());
        QVERIFY(window->Results().isEmpty());
        QVERIFY(edit()->text().isEmpty());
        QCOMPARE(window->ScrollPosition(), 0);
        QTest::mouseClick(button(u"btnClose"_s), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void missingDictionaryShowsNoResults()
    {
        window->LoadDictionary(program.filePath(u"Dane/none.txt"_s));
        QVERIFY(window->Entries().isEmpty());
        window->ShowDictionary();
        QCOMPARE(window->ScrollMaximum(), 0);
        const QImage image = area()->grab().toImage();
        // "Brak wyników wyszukiwania!" stands centred near the top.
        int inked = 0;
        for (int y = 0; y < 25; ++y)
            for (int x = 150; x < 330; ++x)
                inked += qGray(image.pixel(x, y)) < 100;
        QVERIFY(inked > 50);
    }
};

QTEST_MAIN(TestDictionaryWindow)
#include "tst_uslownik.moc"
