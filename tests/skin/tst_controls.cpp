// Frames, bars and labels: gauge and notebook rules, radio-style boxes, both scroll bars'
// arithmetic, the tooltip layout, the list box, the bubble and the title bar.
#include "SkinTestSupport.h"

#include "skin/VelControls.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(TestSkin().Handle); }

    void gauge_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("picture");
        QTest::addRow("0") << 0 << u"WYKRES_00"_s;
        QTest::addRow("4") << 4 << u"WYKRES_00"_s;
        QTest::addRow("5") << 5 << u"WYKRES_05"_s;
        QTest::addRow("67") << 67 << u"WYKRES_65"_s;
        QTest::addRow("99") << 99 << u"WYKRES_95"_s;
        QTest::addRow("100") << 100 << u"WYKRES_100"_s;
    }

    void gauge()
    {
        QFETCH(int, result);
        QFETCH(QString, picture);
        QCOMPARE(TVelProgress::GaugePictureName(result), picture);
        QVERIFY(TestSkin().Handle->HasPicture(picture));
        TVelProgress panel;
        panel.SetWynik(result);
        panel.SetWynik(120); // ignored
        panel.SetWynik(-1);  // ignored
        QCOMPARE(panel.Wynik(), result);
        QCOMPARE(panel.size(), QSize(259, 90));
        QCOMPARE(panel.Tekst(), u"Twój wynik:"_s);
    }

    void gaugePaintsTheComposedBackground()
    {
        QWidget form;
        auto *panel = new TVelProgress(&form);
        panel->SetWynik(67);
        ApplySkin(&form, TestSkin());
        const QImage shot = panel->grab().toImage();
        const QImage gauge = LoadSkinPicture(u"WYKRES_65"_s);
        // Find an opaque pixel of the gauge picture and look for it at (113, 2) + that point.
        for (int y = 0; y < gauge.height(); ++y)
            for (int x = 0; x < gauge.width(); ++x)
                if (gauge.pixelColor(x, y).alpha() == 255) {
                    QCOMPARE(shot.pixelColor(113 + x, 2 + y).rgb(), gauge.pixelColor(x, y).rgb());
                    return;
                }
        QFAIL("the gauge picture has no opaque pixel");
    }

    // The figure's colour follows the result: never the green of success at 0 %.
    void gaugeFigureColour_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("0") << 0 << QColor(200, 36, 30);
        QTest::addRow("49") << 49 << QColor(200, 36, 30);
        QTest::addRow("50") << 50 << QColor(214, 128, 0);
        QTest::addRow("74") << 74 << QColor(214, 128, 0);
        QTest::addRow("75") << 75 << QColor(0, 154, 43);
        QTest::addRow("100") << 100 << QColor(0, 154, 43);
    }

    void gaugeFigureColour()
    {
        QFETCH(int, result);
        QFETCH(QColor, colour);
        QCOMPARE(TVelProgress::ResultColor(result), colour);
        QWidget form;
        auto *panel = new TVelProgress(&form);
        panel->SetWynik(result);
        ApplySkin(&form, TestSkin());
        const QImage shot = panel->grab().toImage();
        bool found = false;
        for (int y = 17; y < 60 && !found; ++y)
            for (int x = 185; x < 259 && !found; ++x)
                found = shot.pixelColor(x, y).rgb() == colour.rgb();
        QVERIFY2(found, "the figure is not drawn in its colour");
    }

    void notebookNumberColumn_data()
    {
        QTest::addColumn<unsigned>("value");
        QTest::addColumn<int>("x");
        QTest::addRow("0") << 0u << 34;
        QTest::addRow("9") << 9u << 34;
        QTest::addRow("10") << 10u << 25;
        QTest::addRow("99") << 99u << 25;
        QTest::addRow("100") << 100u << 14;
        QTest::addRow("1000") << 1000u << 14;
        QTest::addRow("1001 not drawn") << 1001u << -1;
    }

    void notebookNumberColumn()
    {
        QFETCH(unsigned, value);
        QFETCH(int, x);
        QCOMPARE(TVelZeszytStatystyki::NumberX(value), x);
    }

    void notebookRowAbove1000IsBlank()
    {
        auto shotWith = [](unsigned right) {
            QWidget form;
            auto *z = new TVelZeszytStatystyki(&form);
            z->SetPoprawnie(right);
            ApplySkin(&form, TestSkin());
            return z->grab().toImage().copy(0, 30, 50, 26); // the number cell of the first row
        };
        QImage blank(50, 26, QImage::Format_ARGB32_Premultiplied);
        const QImage over = shotWith(1001);
        const QImage seven = shotWith(7);
        QVERIFY(over != seven);
        QCOMPARE(over, shotWith(5000)); // nothing drawn either way
        Q_UNUSED(blank);
    }

    void radioBoxesInAGroup()
    {
        QWidget form;
        auto make = [&](int group, bool radio, bool checked) {
            auto *b = new TVelCheckBox(&form);
            b->SetRadioStyle(radio);
            b->SetRadioGroup(group);
            b->SetChecked(checked);
            return b;
        };
        auto *k = make(1, true, true);
        auto *m = make(1, true, false);
        auto *other = make(2, true, true);
        auto *plain = make(1, false, true);
        QSignalSpy clicks(k, &QAbstractButton::clicked);
        form.show();
        QTest::mouseClick(m, Qt::LeftButton);
        QVERIFY(m->Checked());
        QVERIFY(!k->Checked());
        QVERIFY(other->Checked()); // another group
        QVERIFY(plain->Checked()); // not radio-style
        QTest::mouseClick(k, Qt::LeftButton);
        QTest::mouseClick(k, Qt::LeftButton); // a ticked radio box stays ticked
        QVERIFY(k->Checked());
        QVERIFY(!m->Checked());
        QCOMPARE(clicks.size(), 2); // and still fires its click
        QTest::mouseClick(plain, Qt::LeftButton);
        QVERIFY(!plain->Checked()); // a normal box toggles
    }

    void checkBoxSizeFollowsPictures()
    {
        TVelCheckBox box;
        box.SetGfxChecked(QImage(20, 30, QImage::Format_ARGB32));
        QCOMPARE(box.height(), 30);
        box.SetGfxUnChecked(QImage(12, 14, QImage::Format_ARGB32));
        QCOMPARE(box.height(), 14);
        box.SetSpacing(6);
        box.SetKorekta(3);
        box.SetChecked(false);
        const int caption = QFontMetrics(box.font()).horizontalAdvance(u"VelCheckBox"_s);
        QCOMPARE(box.width(), caption + 12 + 6 + 3);
        box.SetCaption(u"Kobieta"_s);
        QCOMPARE(box.width(), QFontMetrics(box.font()).horizontalAdvance(u"Kobieta"_s) + 20 + 6 + 3);
    }

    void alScrollBarThumb_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("thumb");
        // free = length - 36; thumb = 18 + R((free - 15) * position / max)
        QTest::addRow("top") << 200 << 100 << 0 << 18;
        QTest::addRow("end") << 200 << 100 << 100 << 200 - 18 - 15;
        QTest::addRow("rounds half up") << 200 << 2 << 1 << 18 + 75; // 149 / 2 = 74.5
        QTest::addRow("max below 1") << 200 << 0 << 0 << 18;
        QTest::addRow("track no longer than thumb") << 51 << 100 << 50 << -1;
    }

    void alScrollBarThumb()
    {
        QFETCH(int, length);
        QFETCH(int, max);
        QFETCH(int, position);
        QFETCH(int, thumb);
        TALScrollBar bar;
        bar.resize(21, length);
        bar.SetMax(max);
        bar.SetPosition(position);
        QCOMPARE(bar.ThumbStart(), thumb);
    }

    void alScrollBarClicksAndDrag()
    {
        TALScrollBar bar;
        bar.resize(21, 218); // free 182, movable 167
        bar.SetMax(167);
        bar.SetPosition(50);
        QSignalSpy changes(&bar, &QAbstractSlider::valueChanged);
        bar.show();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(bar.Position(), 49);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 210));
        QCOMPARE(bar.Position(), 50);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 20)); // track before the thumb
        QCOMPARE(bar.Position(), 45);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 190)); // track after
        QCOMPARE(bar.Position(), 50);
        QCOMPARE(changes.size(), 4);
        // Dragging the thumb: one pixel is one step here.
        const int thumb = bar.ThumbStart();
        QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(10, thumb + 3));
        QMouseEvent move(QEvent::MouseMove, QPointF(10, thumb + 3 + 40), QPointF(), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&bar, &move);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(10, thumb + 43));
        QCOMPARE(bar.Position(), 90);
        bar.SetPosition(500);
        QCOMPARE(bar.Position(), 167); // code setting clamps like any slider
    }

    void ownerScrollBarThumb_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("thumb");
        // length 200, buttons 18, track 20: L = 200 - 36 - 20 - 1 = 143
        QTest::addRow("at min") << 0 << 10 << 0 << 19;
        QTest::addRow("at max") << 0 << 10 << 10 << 143 + 19;
        QTest::addRow("middle rounds") << 0 << 10 << 5 << 72 + 19; // 71.5
        QTest::addRow("offset range") << 5 << 15 << 10 << 72 + 19;
        QTest::addRow("empty range") << 3 << 3 << 3 << 19;
    }

    void ownerScrollBarThumb()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, position);
        QFETCH(int, thumb);
        TWOwnrScrllBar bar;
        bar.resize(18, 200);
        bar.SetButtonHeight(18);
        bar.SetTrackHeight(20);
        bar.SetMax(max);
        bar.SetMin(min);
        QVERIFY(bar.SetPosition(position));
        QCOMPARE(bar.FreeLength(), 143);
        QCOMPARE(bar.ThumbStart(), thumb);
    }

    void ownerScrollBarIgnoresOutOfRange()
    {
        TWOwnrScrllBar bar;
        bar.resize(18, 375);
        bar.SetMax(10);
        bar.SetSmallChange(1);
        bar.SetLargeChange(4);
        bar.SetPosition(2);
        QSignalSpy changes(&bar, &QAbstractSlider::valueChanged);
        bar.show();
        // The track before the thumb: 2 - 4 lies outside, nothing moves.
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(9, bar.ThumbStart() - 3));
        QCOMPARE(bar.Position(), 2);
        QVERIFY(!bar.SetPosition(11));
        QVERIFY(!bar.SetPosition(-1));
        QCOMPARE(changes.size(), 0);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(9, bar.ThumbStart() + bar.TrackHeight() + 5));
        QCOMPARE(bar.Position(), 6);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(9, 5));
        QCOMPARE(bar.Position(), 5);
        bar.SetPosition(0);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(9, 5)); // already at Min
        QCOMPARE(bar.Position(), 0);
        QCOMPARE(changes.size(), 3);
    }

    void ownerScrollBarAutoTrack()
    {
        TWOwnrScrllBar bar;
        bar.resize(18, 200);
        bar.SetAutoSizeTrack(true);
        bar.SetMinTrackSize(10);
        bar.SetMax(40);
        QCOMPARE(bar.TrackHeight(), 200 - 36 - 1 - 40);
        bar.SetMax(190);
        QCOMPARE(bar.TrackHeight(), 10);
    }

    void hintLayout()
    {
        QFont font(u"Verdana"_s);
        font.setPixelSize(11);
        const auto layout = TMyHint::LayoutHint(u"Hello <B>World</B> <BR> again"_s, font);
        QCOMPARE(layout.Lines, 2);
        QCOMPARE(layout.Words.size(), 3);
        QCOMPARE(layout.Words[0].Text, u"Hello"_s);
        QVERIFY(!layout.Words[0].Bold);
        QCOMPARE(layout.Words[0].Pos, QPoint(10, 2));
        QCOMPARE(layout.Words[1].Text, u"World"_s);
        QVERIFY(layout.Words[1].Bold);
        QCOMPARE(layout.Words[1].Pos, QPoint(10 + QFontMetrics(font).horizontalAdvance(u"Hello"_s) + 4, 2));
        QCOMPARE(layout.Words[2].Text, u"again"_s);
        QVERIFY(!layout.Words[2].Bold);
        QCOMPARE(layout.Words[2].Pos, QPoint(10, 22));
        const auto one = TMyHint::LayoutHint(u"Hello"_s, font);
        QCOMPARE(layout.Size.height() - one.Size.height(), 20);
        QVERIFY(TMyHint::LayoutHint(u"   "_s, font).Words.isEmpty());
        // Separate marker words, as the table of contents writes them.
        const auto dates = TMyHint::LayoutHint(u"<B> Przy stole </B> - 12-11-2026"_s, font);
        QCOMPARE(dates.Words.size(), 4);
        QVERIFY(dates.Words[0].Bold && dates.Words[1].Bold);
        QVERIFY(!dates.Words[2].Bold && !dates.Words[3].Bold);
    }

    void hintWindowIsTheProgramsTooltip()
    {
        TMyHint::Install();
        QWidget form;
        form.resize(200, 100);
        form.setToolTip(u"Poprawnie: <B>is</B>"_s);
        form.show();
        QHelpEvent event(QEvent::ToolTip, QPoint(10, 10), form.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&form, &event);
        QVERIFY(TMyHint::Instance()->isVisible());
        QCOMPARE(TMyHint::Instance()->Text(), u"Poprawnie: <B>is</B>"_s);
        form.setToolTip(QString());
        QVERIFY(!TMyHint::Instance()->isVisible());
    }

    void listBoxScrollMax()
    {
        TVelListBox list;
        list.resize(798, 552);
        for (int i = 0; i < 30; ++i)
            list.AddItem(QString::number(i));
        QCOMPARE(list.GetScrollBarMax(), 30 - 23);
        list.SetItemHeight(75);
        list.resize(334, 375);
        QCOMPARE(list.GetScrollBarMax(), 25);
        QCOMPARE(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(list.focusPolicy(), Qt::NoFocus);
    }

    void bubbleStandsAbovePoint()
    {
        QWidget form;
        form.resize(800, 600);
        auto *bubble = new TVelDymek(&form);
        ApplySkin(&form, TestSkin());
        QVERIFY(bubble->isHidden());
        bubble->ShowBubble(300, 400, u"Posłuchaj i wybierz."_s);
        QVERIFY(!bubble->isHidden());
        QCOMPARE(bubble->width(), 332);
        QCOMPARE(bubble->x(), 296);
        QCOMPARE(bubble->y() + bubble->height() + 4, 400);
        const int oneLine = bubble->height();
        bubble->ShowBubble(300, 400, QString(u"długie słowo "_s).repeated(20));
        QVERIFY(bubble->height() > oneLine);
        // The text keeps clear of the outline: no dark (text) pixel within 12 pixels of the
        // bubble's left and right edges or 8 of its top; the light blue outline is no text.
        const QImage picture = bubble->Picture();
        for (int y = 0; y < bubble->height() - 20; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool nearEdge = x < 12 || x >= picture.width() - 12 || y < 8;
                if (nearEdge && picture.pixelColor(x, y).alpha() == 255)
                    QVERIFY2(qGray(picture.pixel(x, y)) >= 100,
                             qPrintable(u"text at %1, %2"_s.arg(x).arg(y)));
            }
        }
        // Around the rounded picture the bubble is transparent.
        QCOMPARE(bubble->Picture().pixelColor(0, 0).alpha(), 0);
        QCOMPARE(bubble->Picture().pixelColor(160, bubble->height() / 2).alpha(), 255);
    }

    void titleBarAndFrames()
    {
        TVelBelka bar;
        bar.SetPlec(u'K');
        bar.SetLudzikIndex(11);
        QCOMPARE(bar.FigurePictureName(), u"BELKA_LUDZIK_K_11"_s);
        QCOMPARE(bar.height(), 50);
        QCOMPARE(bar.TekstBelki(), u"Jesteś zalogowany jako:"_s);
        TVel3ObrazkiFrame frame;
        QCOMPARE(frame.PieceName(1), QString());
        frame.SetStylRamki(ft3obC);
        frame.SetStanRamki(fsZle);
        QCOMPARE(frame.PieceName(4), u"RAMKA5_3Z4"_s);
        frame.SetStanRamki(fsHover);
        QCOMPARE(frame.PieceName(2), u"RAMKA5_3H2"_s);
        TVelGroupFrame group;
        QCOMPARE(group.PictureSet() * 100 + group.CornerSize(), 110);
        group.SetFrameType(ftFrame_White);
        QCOMPARE(group.PictureSet() * 100 + group.CornerSize(), 607);
    }

    void labelAutoSize()
    {
        TAALabel label;
        QFont font(u"Tahoma"_s);
        font.setPixelSize(21);
        label.SetFont(font);
        label.SetExtraWidth(7);
        label.SetCaption(u"Spis treści"_s);
        label.SetAutoSize(true);
        QCOMPARE(label.width(), QFontMetrics(font).horizontalAdvance(u"Spis treści"_s) + 7);
        QCOMPARE(label.height(), SkinTextLine(font).Height);
        label.SetHint(u"Tłumaczenie"_s);
        QVERIFY(label.toolTip().isEmpty()); // the translation is for the bubble
        label.SetShowHint(true);
        QCOMPARE(label.toolTip(), u"Tłumaczenie"_s);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
