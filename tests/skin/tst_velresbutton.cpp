// The skinned push button: piece names by size, state, Down, Flat and picture set; glyph
// fallback; caption placement; press from code. Also the message box's answers.
#include "SkinTestSupport.h"

#include "skin/VelControls.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

enum Mouse { Rest, Hot, Pressed };

void Put(TVelResButton &b, Mouse mouse)
{
    if (mouse == Rest)
        return;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    if (mouse == Pressed)
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
}

QStringList Names(const TVelResButton::PaintPlan &plan)
{
    QStringList names;
    for (const auto &piece : plan.Pieces)
        names << piece.Name;
    return names;
}

QImage Picture(QColor c, int w = 10, int h = 8)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(c);
    return image;
}

} // namespace

class TestVelResButton : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(TestSkin().Handle); }

    void pieces_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("mouse");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("expected");
        const QStringList n2{u"G01_N_3_2"_s, u"G02_N_3_2"_s, u"G03_N_3_2"_s};
        QTest::addRow("roz32 set 2 at rest") << int(roz32) << 2 << int(Rest) << false << false << true << n2;
        QTest::addRow("roz32 set 2 hot") << int(roz32) << 2 << int(Hot) << false << false << true
                                         << QStringList{u"G01_H_3_2"_s, u"G02_H_3_2"_s, u"G03_H_3_2"_s};
        QTest::addRow("roz32 set 2 disabled") << int(roz32) << 2 << int(Rest) << false << false << false
                                              << QStringList{u"G01_D_3_2"_s, u"G02_D_3_2"_s, u"G03_D_3_2"_s};
        QTest::addRow("roz22 pressed set 7") << int(roz22) << 7 << int(Pressed) << false << false << true
                                             << QStringList{u"G01_P_3_7"_s, u"G02_P_3_7"_s, u"G03_P_3_7"_s};
        QTest::addRow("down shows pressed even hot")
            << int(roz50) << 1 << int(Hot) << true << false << true
            << QStringList{u"G01_P_3_1"_s, u"G02_P_3_1"_s, u"G03_P_3_1"_s};
        QTest::addRow("flat at rest has no frame")
            << int(roz50) << 1 << int(Rest) << false << true << true << QStringList{};
        QTest::addRow("flat disabled has no frame")
            << int(roz50) << 1 << int(Rest) << false << true << false << QStringList{};
        QTest::addRow("flat hot has its frame")
            << int(roz50) << 3 << int(Hot) << false << true << true
            << QStringList{u"G01_H_3_3"_s, u"G02_H_3_3"_s, u"G03_H_3_3"_s};
        QTest::addRow("bar button at rest: none")
            << int(rozBelka) << 1 << int(Rest) << false << false << true << QStringList{};
        QTest::addRow("bar button hot") << int(rozBelka) << 1 << int(Hot) << false << false << true
                                        << QStringList{u"BB01_H"_s, u"BB02_H"_s, u"BB03_H"_s};
        QTest::addRow("bar button down") << int(rozBelka) << 1 << int(Rest) << true << false << true
                                         << QStringList{u"BB01_P"_s, u"BB02_P"_s, u"BB03_P"_s};
        QTest::addRow("bar button disabled") << int(rozBelka) << 1 << int(Rest) << false << false << false
                                             << QStringList{u"BB01_D"_s, u"BB02_D"_s, u"BB03_D"_s};
        QTest::addRow("tab disabled") << int(rozTabka_Rozum) << 1 << int(Rest) << false << false << false
                                      << QStringList{u"TAB_ROZUM_D"_s};
        QTest::addRow("tab pressed") << int(rozTabka_Rozum) << 1 << int(Pressed) << false << false << true
                                     << QStringList{u"TAB_ROZUM_P"_s};
        QTest::addRow("undefined size never skinned")
            << int(rozUndefined) << 1 << int(Hot) << false << false << true << QStringList{};
    }

    void pieces()
    {
        QFETCH(int, size);
        QFETCH(int, set);
        QFETCH(int, mouse);
        QFETCH(bool, down);
        QFETCH(bool, flat);
        QFETCH(bool, enabled);
        QFETCH(QStringList, expected);
        QWidget form;
        auto *b = new TVelResButton(&form);
        b->SetRozmiar(TRozmiar(size));
        b->resize(120, b->height());
        b->SetGrafikaIndex(set);
        b->SetDown(down);
        b->SetFlat(flat);
        b->setEnabled(enabled);
        ApplySkin(&form, TestSkin());
        Put(*b, Mouse(mouse));
        const auto plan = b->Plan();
        QCOMPARE(Names(plan), expected);
        for (const QString &name : expected)
            QVERIFY2(TestSkin().Handle->HasPicture(name), qPrintable(name));
        if (expected.size() == 3) {
            // Caps at both ends, the middle stretched between them.
            const int bw = size == roz50 ? 8 : 4;
            QCOMPARE(plan.Pieces[0].Target, QRect(0, 0, bw, b->height()));
            QCOMPARE(plan.Pieces[1].Target, QRect(bw, 0, 120 - 2 * bw, b->height()));
            QCOMPARE(plan.Pieces[2].Target, QRect(120 - bw, 0, bw, b->height()));
        }
    }

    void sizesSetTheHeight_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("expected");
        QTest::addRow("roz22") << int(roz22) << QSize(120, 22);
        QTest::addRow("roz32") << int(roz32) << QSize(120, 32);
        QTest::addRow("roz50") << int(roz50) << QSize(120, 50);
        QTest::addRow("rozBelka") << int(rozBelka) << QSize(120, 48);
        QTest::addRow("rozTabka_Rozum") << int(rozTabka_Rozum) << QSize(59, 42);
        QTest::addRow("rozUndefined") << int(rozUndefined) << QSize(120, 22);
    }

    void sizesSetTheHeight()
    {
        QFETCH(int, size);
        QFETCH(QSize, expected);
        TVelResButton b;
        b.SetRozmiar(TRozmiar(size));
        QCOMPARE(b.size(), expected);
        QCOMPARE(b.Caption(), u"VelResButton"_s);
    }

    void glyphFallback_data()
    {
        QTest::addColumn<int>("mouse");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("stateGlyphs");
        QTest::addColumn<QColor>("expected");
        QTest::addRow("normal") << int(Rest) << true << true << QColor(Qt::red);
        QTest::addRow("hot") << int(Hot) << true << true << QColor(Qt::green);
        QTest::addRow("pressed") << int(Pressed) << true << true << QColor(Qt::blue);
        QTest::addRow("disabled") << int(Rest) << false << true << QColor(Qt::gray);
        QTest::addRow("hot without its picture") << int(Hot) << true << false << QColor(Qt::red);
        QTest::addRow("pressed without its picture") << int(Pressed) << true << false << QColor(Qt::red);
        QTest::addRow("disabled without its picture") << int(Rest) << false << false << QColor(Qt::red);
    }

    void glyphFallback()
    {
        QFETCH(int, mouse);
        QFETCH(bool, enabled);
        QFETCH(bool, stateGlyphs);
        QFETCH(QColor, expected);
        TVelResButton b;
        b.SetGlyph(Picture(Qt::red));
        if (stateGlyphs) {
            b.SetGlyphHot(Picture(Qt::green));
            b.SetGlyphDown(Picture(Qt::blue));
            b.SetGlyphDisabled(Picture(Qt::gray));
        }
        b.setEnabled(enabled);
        Put(b, Mouse(mouse));
        QCOMPARE(b.Plan().Glyph.pixelColor(0, 0), expected);
    }

    void captionPlacement_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("glyph");
        QTest::addColumn<bool>("showCaption");
        QTest::addRow("left with glyph") << int(taLeftJustify) << true << true;
        QTest::addRow("right with glyph") << int(taRightJustify) << true << true;
        QTest::addRow("centre with glyph") << int(taCenter) << true << true;
        QTest::addRow("centre without glyph") << int(taCenter) << false << true;
        QTest::addRow("centre glyph only") << int(taCenter) << true << false;
        QTest::addRow("left without glyph") << int(taLeftJustify) << false << true;
    }

    void captionPlacement()
    {
        QFETCH(int, alignment);
        QFETCH(bool, glyph);
        QFETCH(bool, showCaption);
        TVelResButton b;
        b.SetRozmiar(roz50);
        b.resize(200, 50);
        b.SetCaption(u"Sprawdź"_s);
        QFont font(u"Tahoma"_s);
        font.setPixelSize(15);
        b.setFont(font);
        b.SetAlignment(TAlignment(alignment));
        b.SetSpacing(6);
        b.SetKorekta(2);
        b.SetKorektaCaption(3);
        b.SetKorektaCaptionY(-1);
        b.SetShowCaption(showCaption);
        if (glyph)
            b.SetGlyph(Picture(Qt::red, 30, 20));
        const auto plan = b.Plan();
        const int W = 200, H = 50;
        const int h = SkinTextLine(font).Height;
        const int c = QFontMetrics(font).horizontalAdvance(u"Sprawdź"_s);
        const int g = (glyph ? 30 : 0) + 4;
        int x = 0;
        if (alignment == taLeftJustify)
            x = g + 6;
        else if (alignment == taRightJustify)
            x = W - 6 - g - c - 2;
        else
            x = W / 2 + g / 2 - (c + 2) / 2;
        QCOMPARE(plan.DrawCaption, showCaption);
        QCOMPARE(plan.CaptionPos, QPoint(x + 3, H / 2 - h / 2 - 1));
        if (glyph) {
            QPoint expected(x - g, (H - 20) / 2);
            if (alignment == taRightJustify)
                expected.setX(W - 6 - g);
            else if (alignment == taCenter && !showCaption)
                expected.setX((W - 30) / 2);
            QCOMPARE(plan.GlyphPos, expected);
            // The glyph and the caption never overlap.
            if (showCaption) {
                const QRect glyphRect(plan.GlyphPos, QSize(30, 20));
                const QRect captionRect(QPoint(x, 0), QSize(c, H));
                QVERIFY(!glyphRect.intersects(captionRect));
            }
        }
    }

    void disabledCaptionIsSilverAndPaints()
    {
        QWidget form;
        form.resize(200, 60);
        auto *b = new TVelResButton(&form);
        b->SetRozmiar(roz32);
        b->SetGrafikaIndex(2);
        b->SetFontColor(Qt::black);
        ApplySkin(&form, TestSkin());
        QCOMPARE(b->Plan().CaptionColor, QColor(Qt::black));
        b->setEnabled(false);
        QCOMPARE(b->Plan().CaptionColor, QColor(192, 192, 192));
        // The pieces land on the button: its left cap is the picture's left column.
        const QImage shot = b->grab().toImage();
        const QImage cap = LoadSkinPicture(u"G01_D_3_2"_s);
        QCOMPARE(shot.pixelColor(0, 16).rgb(), cap.pixelColor(0, 16).rgb());
    }

    void mouseStatesAndPress()
    {
        QWidget form;
        auto *b = new TVelResButton(&form);
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        form.show();
        Put(*b, Hot);
        QCOMPARE(b->MouseState(), 1);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(b->MouseState(), 2);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(b->MouseState(), 1);
        QCOMPARE(clicks.size(), 1);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(500, 5)); // released outside
        QCOMPARE(b->MouseState(), 0);
        QCOMPARE(clicks.size(), 1);
        b->Press();
        QCOMPARE(clicks.size(), 2);
        b->setEnabled(false);
        b->Press();
        QCOMPARE(clicks.size(), 2);
    }

    // A screen hidden while its bar button was lit (the button's click hid it) shows the button
    // at rest when it comes back.
    void noStaleHoverAfterHiding()
    {
        QWidget screen;
        auto *b = new TVelResButton(&screen);
        b->SetRozmiar(rozBelka);
        screen.show();
        Put(*b, Hot);
        QCOMPARE(b->MouseState(), 1);
        QCOMPARE(b->Plan().Suffix, u"_H"_s);
        screen.hide();
        screen.show();
        QCOMPARE(b->MouseState(), 0);
        QCOMPARE(b->Plan().Suffix, u"_N"_s);
    }

    void autoSizeFollowsGlyphOnlyWhenUndefined()
    {
        TVelResButton close;
        close.SetRozmiar(rozUndefined);
        close.SetAutoSize(true);
        close.SetGlyph(LoadSkinPicture(u"IMG_Close_N"_s));
        QCOMPARE(close.size(), QSize(34, 18));
        TVelResButton normal;
        normal.SetAutoSize(true);
        normal.SetGlyph(LoadSkinPicture(u"IMG_Close_N"_s));
        QCOMPARE(normal.size(), QSize(120, 22));
    }

    // ---- the message box --------------------------------------------------------------------

    void messageBoxAnswers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("expected");
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Space)}) {
            QTest::addRow("question key %x", key) << int(smQuestion) << key << QString() << 1;
            QTest::addRow("information key %x", key) << int(smInformation) << key << QString() << 1;
        }
        QTest::addRow("question Esc") << int(smQuestion) << int(Qt::Key_Escape) << QString() << 0;
        // A question that loses data if answered yes: Enter and Space mean "Nie".
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Space), int(Qt::Key_Escape)})
            QTest::addRow("default-no question key %x", key)
                << int(smQuestionDefaultNo) << key << QString() << 0;
        QTest::addRow("default-no question, Tak") << int(smQuestionDefaultNo) << 0 << u"btnTak"_s << 1;
        QTest::addRow("question, Tab to Nie, Enter") << int(smQuestion) << int(Qt::Key_Tab) << QString() << 0;
        QTest::addRow("information Esc") << int(smInformation) << int(Qt::Key_Escape) << QString() << 1;
        QTest::addRow("Tak") << int(smQuestion) << 0 << u"btnTak"_s << 1;
        QTest::addRow("Nie") << int(smQuestion) << 0 << u"btnNie"_s << 0;
        QTest::addRow("OK") << int(smInformation) << 0 << u"btnOK"_s << 1;
        QTest::addRow("closed question") << int(smQuestion) << -1 << QString() << 0;
        QTest::addRow("closed information") << int(smInformation) << -1 << QString() << 0;
    }

    void messageBoxAnswers()
    {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(QString, button);
        QFETCH(int, expected);
        TfrmMsgBox box;
        QTimer::singleShot(0, &box, [&] {
            if (!button.isEmpty())
                QTest::mouseClick(box.findChild<TVelResButton *>(button), Qt::LeftButton, {}, QPoint(10, 10));
            else if (key < 0)
                box.close();
            else if (key == Qt::Key_Tab) {
                QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, Qt::Key_Tab);
                QTest::keyClick(&box, Qt::Key_Return);
            } else
                QTest::keyClick(&box, Qt::Key(key));
        });
        QCOMPARE(box.Execute(u"Czy na pewno?"_s, u"Pytanie"_s, kind), expected);
    }

    void messageBoxLayoutByKind()
    {
        TfrmMsgBox box;
        box.Prepare(u"Treść"_s, u"Tytuł"_s, smQuestion);
        QCOMPARE(box.size(), QSize(423, 190));
        QVERIFY(!box.btnTak->isHidden() && !box.btnNie->isHidden() && box.btnOK->isHidden());
        QCOMPARE(box.Body->Icon(), icoQuestion);
        QCOMPARE(box.Body->Caption(), u"Tytuł"_s);
        QCOMPARE(box.lblTresc->Caption(), u"Treść"_s);
        QCOMPARE(box.btnTak->geometry(), QRect(193, 146, 100, 32));
        QCOMPARE(box.btnNie->geometry(), QRect(300, 146, 100, 32));
        box.Prepare(u"Treść"_s, u"Tytuł"_s, smInformation);
        QVERIFY(box.btnTak->isHidden() && box.btnNie->isHidden() && !box.btnOK->isHidden());
        QCOMPARE(box.Body->Icon(), icoInformation);
        QCOMPARE(box.btnOK->geometry(), QRect(299, 146, 100, 32));
    }

    void hookAnswersInsteadOfTheForm()
    {
        QString seen;
        SetSkinnedMessageHook([&](const QString &message, const QString &caption, int kind) {
            seen = message + u'|' + caption + u'|' + QString::number(kind);
            return 0;
        });
        QCOMPARE(ShowSkinnedMessage(u"A"_s, u"B"_s, smQuestion), 0);
        QCOMPARE(seen, u"A|B|0"_s);
        SetSkinnedMessageHook({});
    }
};

QTEST_MAIN(TestVelResButton)
#include "tst_velresbutton.moc"
