// Gallery pages of the skinned control set: every control in its states.
#include "Gallery.h"

#include "skin/VelControls.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// A page: a plain board the controls are placed on.
class Board : public QWidget
{
public:
    Board(int w, int h, const QColor &color = QColor(238, 242, 246)) : m_color(color)
    {
        setAttribute(Qt::WA_DontShowOnScreen);
        resize(w, h);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), m_color);
        p.setPen(QColor(90, 96, 104));
        QFont font(u"DejaVu Sans"_s);
        font.setPixelSize(11);
        p.setFont(font);
        for (const auto &[pos, text] : m_notes)
            p.drawText(pos, text);
    }
    void Note(int x, int y, const QString &text) { m_notes.append({QPoint(x, y), text}); }

private:
    QColor m_color;
    QVector<QPair<QPoint, QString>> m_notes;
};

QFont Font(const QString &family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

TVelResButton *Button(QWidget *parent, const QRect &geometry, TRozmiar size, int set, const QString &caption)
{
    auto *b = new TVelResButton(parent);
    b->SetRozmiar(size);
    b->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                   size == rozUndefined ? geometry.height() : b->height());
    b->SetGrafikaIndex(set);
    b->SetCaption(caption);
    b->setFont(Font(u"Tahoma"_s, 13, true));
    b->SetFontColor(set == 6 ? QColor(Qt::white) : QColor(52, 52, 52));
    return b;
}

QImage ButtonsPage()
{
    Board board(760, 520);
    const char *states[4] = {"normal", "hot", "pressed", "disabled"};
    QVector<QPair<TVelResButton *, int>> stateOf;
    for (int s = 0; s < 4; ++s)
        board.Note(120 + s * 160, 20, QString::fromLatin1(states[s]));
    for (int set = 1; set <= 7; ++set) {
        board.Note(16, 52 + (set - 1) * 44, u"set %1 (roz32)"_s.arg(set));
        for (int s = 0; s < 4; ++s) {
            auto *b =
                Button(&board, QRect(120 + s * 160, 30 + (set - 1) * 44, 140, 32), roz32, set, u"Sprawdź"_s);
            stateOf.append({b, s});
        }
    }
    // Sizes and rules.
    const int y = 30 + 7 * 44 + 10;
    board.Note(16, y + 16, u"roz22"_s);
    Button(&board, QRect(120, y, 140, 22), roz22, 1, u"Rozwiń wszystko"_s);
    auto *key = Button(&board, QRect(280, y, 22, 22), roz22, 7, u"A"_s);
    key->setFont(Font(u"Tahoma"_s, 13));
    key->SetKorektaCaption(-2);
    Button(&board, QRect(302, y, 22, 22), roz22, 7, u"B"_s)->setFont(Font(u"Tahoma"_s, 13));
    Button(&board, QRect(324, y, 44, 22), roz22, 7, u"Ż"_s)->setFont(Font(u"Tahoma"_s, 13));
    board.Note(16, y + 56, u"roz50"_s);
    auto *big = Button(&board, QRect(120, y + 36, 200, 50), roz50, 2, u"Sprawdź"_s);
    big->SetGlyph(LoadSkinPicture(u"IMG_Sprawdz"_s));
    big->SetAlignment(taLeftJustify);
    auto *flat = Button(&board, QRect(340, y + 36, 101, 50), roz50, 1, u"Drukuj"_s);
    flat->SetFlat(true);
    flat->SetGlyph(LoadSkinPicture(u"IMG_Drukuj"_s));
    flat->SetShowCaption(false);
    auto *flatHot = Button(&board, QRect(450, y + 36, 101, 50), roz50, 1, u"Drukuj"_s);
    flatHot->SetFlat(true);
    flatHot->SetGlyph(LoadSkinPicture(u"IMG_Drukuj"_s));
    flatHot->SetShowCaption(false);
    auto *down = Button(&board, QRect(570, y + 36, 140, 32), roz32, 2, u"Wciśnięty"_s);
    down->SetDown(true);
    board.Note(340, y + 104, u"flat at rest / hot"_s);
    board.Note(570, y + 86, u"Down"_s);
    auto *right = Button(&board, QRect(120, y + 100, 200, 32), roz32, 3, u"Dalej"_s);
    right->SetGlyph(
        LoadSkinPicture(u"IMG_Wroc"_s).scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    right->SetAlignment(taRightJustify);
    ApplySkin(&board);
    board.show();
    Gallery::ProcessEvents();
    for (const auto &[b, s] : stateOf) {
        if (s == 1)
            Gallery::Hover(b);
        else if (s == 2)
            Gallery::Press(b);
        else if (s == 3)
            b->setEnabled(false);
    }
    Gallery::Hover(flatHot);
    return Gallery::Grab(&board);
}

QImage OneTitleBar(QChar gender, int figure, const QString &name, bool learner, int variant)
{
    Board board(1024, 60);
    auto *bar = new TVelBelka(&board);
    bar->SetPlec(gender);
    bar->SetLudzikIndex(figure);
    bar->SetZalogowany(name);
    bar->SetPokazZalogowanie(learner);
    if (variant == 2)
        bar->SetTekstBelki(u"Wybierz swój profil"_s);
    const QFont caption = Font(u"Trebuchet MS"_s, 16);
    auto barButton = [&](int left, int width, const QString &text, const char *glyph) {
        auto *b = new TVelResButton(bar);
        b->SetRozmiar(rozBelka);
        b->setGeometry(left, 0, width, 48);
        b->SetCaption(text);
        b->setFont(caption);
        b->SetFontColor(Qt::white);
        b->SetGlyph(LoadSkinPicture(QString::fromLatin1(glyph)));
        return b;
    };
    auto *back = barButton(330, 170, u"Powrót"_s, "IMG_Wroc");
    auto *dict = barButton(630, 170, u"Słownik"_s, "IMG_Slownik");
    auto *help = barButton(810, 120, u"Pomoc"_s, "IMG_Help");
    auto windowButton = [&](int left, int width, const char *stem) {
        auto *b = new TVelResButton(bar);
        b->SetRozmiar(rozUndefined);
        b->setGeometry(left, 0, width, 18);
        b->SetShowCaption(false);
        b->SetGlyph(LoadSkinPicture(QString::fromLatin1(stem) + u"_N"_s));
        b->SetGlyphHot(LoadSkinPicture(QString::fromLatin1(stem) + u"_H"_s));
        b->SetGlyphDown(LoadSkinPicture(QString::fromLatin1(stem) + u"_D"_s));
        return b;
    };
    auto *close = windowButton(982, 34, "IMG_Close");
    auto *minimise = windowButton(948, 32, "IMG_Min");
    ApplySkin(&board);
    board.show();
    Gallery::ProcessEvents();
    if (variant == 1) {
        Gallery::Hover(back);
        Gallery::Press(dict);
        Gallery::Hover(close);
    } else if (variant == 2) {
        help->setEnabled(false);
        Gallery::Press(minimise);
        back->hide();
        dict->hide();
    }
    return Gallery::Grab(&board).copy(0, 0, 1024, 50);
}

QImage TitleBarPage()
{
    QVector<QPair<QString, QImage>> bars;
    bars.append({u"learner K 11, at rest"_s, OneTitleBar(u'K', 11, u"Agnieszka Żółkiewska"_s, true, 0)});
    bars.append({u"learner M 24: back hot, dictionary pressed, close hot"_s,
                 OneTitleBar(u'M', 24, u"Łukasz"_s, true, 1)});
    bars.append({u"login: no learner, help disabled, minimise pressed"_s,
                 OneTitleBar(QChar(), 1, QString(), false, 2)});

    Board tabs(1024, 60);
    for (int n = 1; n <= 5; ++n) {
        auto *tab = new TVelResButton(&tabs);
        tab->SetRozmiar(rozTabka_Rozum);
        tab->move(415 + 55 * (n - 1), 10);
        tab->SetCaption(QString::number(n));
        tab->setFont(Font(u"Tahoma"_s, 17, true));
        tab->SetKorektaCaptionY(-5);
        tab->setEnabled(n != 3);
        if (n == 4)
            tab->setProperty("hover", true);
    }
    ApplySkin(&tabs);
    tabs.show();
    Gallery::ProcessEvents();
    for (auto *tab : tabs.findChildren<TVelResButton *>())
        if (tab->property("hover").toBool())
            Gallery::Hover(tab);
    bars.append({u"package tabs from x 415, item 3 current, 4 hot"_s, Gallery::Grab(&tabs)});
    return Gallery::Sheet(bars, 1, u"TVelBelka with bar buttons"_s);
}

QImage DialogPage()
{
    Board board(900, 520);
    const struct
    {
        TDialogStyle style;
        TBelkaSize bar;
        QPoint at;
        QString caption;
    } windows[3] = {{dsBlue, bs40, {20, 20}, u"Nowy profil użytkownika"_s},
                    {dsWhite, bs40, {460, 20}, u"Ustawienia programu"_s},
                    {dsBlue, bs60, {20, 270}, u"Analizator głosu"_s}};
    for (const auto &w : windows) {
        auto *form = new QWidget(&board);
        form->setGeometry(QRect(w.at, QSize(420, 230)));
        auto *dialog = new TVelDialogWindow(form);
        dialog->SetDialogStyle(w.style);
        dialog->SetBelkaSize(w.bar);
        dialog->SetCaption(w.caption);
        auto *ok = Button(form, QRect(300, 186, 100, 32), roz32, 1, u"OK"_s);
        Q_UNUSED(ok);
        ApplySkin(form);
    }
    auto *form = new QWidget(&board);
    form->setGeometry(460, 270, 423, 190);
    auto *box = new TVelMsgBoxWindow(form);
    box->SetIcon(icoExclamation);
    box->SetCaption(u"Uwaga"_s);
    ApplySkin(form);
    board.Note(460, 480, u"TVelMsgBoxWindow, icoExclamation"_s);
    return Gallery::Grab(&board);
}

QImage MessageBoxPage()
{
    QVector<QPair<QString, QImage>> shots;
    const struct
    {
        int kind;
        QString text, caption;
    } boxes[6] = {
        {smQuestion, u"Czy na pewno chcesz zakończyć pracę z programem?"_s, u"Pytanie"_s},
        {smInformation, u"Ćwiczenie zostało zapisane. Twój wynik znajdziesz w spisie treści."_s,
         u"Informacja"_s},
        {smQuestionDefaultNo, u"Czy usunąć profil „Łucja”? Wszystkie wyniki tego profilu zostaną utracone."_s,
         u"Usuwanie profilu"_s},
        {smInformation, u"Zapamiętaj!"_s, u"Uwaga"_s},
        {smInformation, u"To ćwiczenie nie jest dostępne w tej wersji programu."_s, u"Informacja"_s},
        {smInformation,
         u"Nie znaleziono urządzenia dźwiękowego, więc nagrania nie będą odtwarzane. "
         u"Ćwiczenia działają dalej bez dźwięku."_s,
         u"Informacja"_s}};
    TfrmMsgBox box;
    box.setAttribute(Qt::WA_DontShowOnScreen);
    for (const auto &b : boxes) {
        box.Prepare(b.text, b.caption, b.kind);
        // Active, as a shown box is, so the default button shows its focus.
        Gallery::Grab(&box);
        box.activateWindow();
        Gallery::ProcessEvents();
        box.Prepare(b.text, b.caption, b.kind);
        const QString name = b.kind == smQuestion            ? u"question"_s
                             : b.kind == smQuestionDefaultNo ? u"question, \"Nie\" by default"_s
                                                             : u"information"_s;
        shots.append({name, Gallery::Grab(&box)});
    }
    return Gallery::Sheet(shots, 2, u"TfrmMsgBox"_s);
}

QImage FramesPage()
{
    Board board(980, 600, QColor(216, 226, 236));
    auto frame = [&](TFrameType type, const QRect &r, const QString &caption) {
        auto *f = new TVelGroupFrame(&board);
        f->setGeometry(r);
        f->SetFrameType(type);
        f->SetShowCaption(!caption.isEmpty());
        f->SetCaption(caption);
        f->setFont(Font(u"Tahoma"_s, 13, true));
        return f;
    };
    frame(ftFrame_Blue, QRect(20, 20, 280, 150), u"Statystyka ćwiczenia"_s);
    frame(ftFrame_White, QRect(320, 20, 280, 150), u"Ustawienia"_s);
    auto *quiet = new QWidget(&board);
    quiet->setGeometry(620, 20, 280, 150);
    struct Quiet : QWidget
    {
        using QWidget::QWidget;
        void paintEvent(QPaintEvent *) override
        {
            QPainter p(this);
            PaintNinePieceFrame(p, CurrentSkin().Handle, 4, 10, rect());
        }
    };
    (new Quiet(&board))->setGeometry(620, 20, 280, 150);
    board.Note(620, 186, u"frame set 4"_s);
    const TStanRamki states[4] = {fsNone, fsHover, fsDobrze, fsZle};
    for (int i = 0; i < 3; ++i) {
        auto *picture = new QWidget(&board);
        picture->setGeometry(20 + i * 316, 220, 296, 248);
        picture->setAutoFillBackground(true);
        QPalette pal = picture->palette();
        pal.setColor(QPalette::Window, QColor(250, 244, 228));
        picture->setPalette(pal);
        auto *r = new TVel3ObrazkiFrame(&board);
        r->move(20 + i * 316, 220);
        r->SetStylRamki(TStylRamki(i));
        r->SetStanRamki(states[i + 1]);
    }
    board.Note(20, 490, u"TVel3ObrazkiFrame: A hover, B right, C wrong"_s);
    ApplySkin(&board);
    return Gallery::Grab(&board);
}

QImage LabelsPage()
{
    Board board(760, 300);
    auto label = [&](const QRect &r, const QString &text, TAlignment a, bool wrap, bool aa,
                     bool transparent) {
        auto *l = new TAALabel(&board);
        l->setGeometry(r);
        l->SetCaption(text);
        l->SetAlignment(a);
        l->SetWordWrap(wrap);
        l->SetUseAntiAlias(aa);
        l->SetTransparent(transparent);
        l->SetColor(QColor(255, 255, 255));
        l->SetFont(Font(u"Tahoma"_s, 15));
        l->SetFontColor(QColor(6, 54, 99));
        return l;
    };
    label(QRect(20, 20, 340, 22), u"Wyrównanie do lewej: zażółć gęślą jaźń"_s, taLeftJustify, false, true,
          true);
    label(QRect(20, 50, 340, 22), u"Do środka"_s, taCenter, false, true, false);
    label(QRect(20, 80, 340, 22), u"Do prawej"_s, taRightJustify, false, true, false);
    label(QRect(20, 110, 340, 22), u"Bez wygładzania: zażółć gęślą jaźń"_s, taLeftJustify, false, false,
          true);
    auto *wrap = label(
        QRect(400, 20, 300, 100),
        u"Aby rozpocząć naukę z programem, wybierz swój profil użytkownika. Łatwe ćwiczenia są na początku."_s,
        taRightJustify, true, true, false);
    Q_UNUSED(wrap);
    auto *heading = label(QRect(20, 160, 500, 40), u" Spis treści"_s, taLeftJustify, false, true, true);
    heading->SetFont(Font(u"Tahoma"_s, 28));
    heading->SetFontColor(QColor(170, 170, 170));
    auto *auto1 =
        label(QRect(20, 220, 10, 10), u"AutoSize + ExtraWidth 20"_s, taLeftJustify, false, true, false);
    auto1->SetExtraWidth(20);
    auto1->SetAutoSize(true);
    return Gallery::Grab(&board);
}

QImage CheckBoxPage()
{
    Board board(620, 200);
    auto box = [&](int x, int y, const QString &caption, TCheckBoxLook look, bool checked, bool radio,
                   int group) {
        auto *c = new TVelCheckBox(&board);
        c->move(x, y);
        c->setFont(Font(u"Tahoma"_s, 14));
        c->SetFontColor(QColor(52, 52, 52));
        c->SetSkinPictures(look);
        c->SetRadioStyle(radio);
        c->SetRadioGroup(group);
        c->SetCaption(caption);
        c->SetChecked(checked);
        return c;
    };
    box(20, 20, u"Kobieta"_s, cbRound, true, true, 1);
    auto *man = box(20, 50, u" Mężczyzna"_s, cbRound, false, true, 1);
    box(200, 20, u"Hasło do logowania:"_s, cbSquare, true, false, 0);
    auto *hot = box(200, 50, u"Archiwizuj nagrania"_s, cbSquare, false, false, 0);
    box(420, 20, u"Prawda"_s, cbTick, true, true, 2);
    box(420, 55, u"Fałsz"_s, cbTick, false, true, 2);
    auto *disabled = box(20, 100, u"Niedostępne"_s, cbSquare, true, false, 0);
    disabled->setEnabled(false);
    board.Note(200, 100, u"second row hovered"_s);
    board.show();
    Gallery::ProcessEvents();
    Gallery::Hover(man);
    Gallery::Hover(hot);
    return Gallery::Grab(&board);
}

QImage BubblePage()
{
    Board board(720, 260, QColor(226, 232, 238));
    auto *instruction = new TAALabel(&board);
    instruction->setGeometry(100, 170, 600, 22);
    instruction->SetFont(Font(u"Tahoma"_s, 15, true));
    instruction->SetFontColor(QColor(6, 54, 99));
    instruction->SetCaption(u"Listen and choose the right answer."_s);
    auto *bubble = new TVelDymek(&board);
    ApplySkin(&board);
    board.show();
    Gallery::ProcessEvents();
    bubble->ShowBubble(
        140, 168,
        u"Posłuchaj nagrania i wybierz właściwą odpowiedź. Zaznacz jedną z możliwości w każdej grupie pytań."_s);
    auto *small = new TVelDymek(&board);
    small->SetSkin(CurrentSkin().Handle);
    small->ShowBubble(390, 60, u"Krótka podpowiedź."_s);
    return Gallery::Grab(&board);
}

QImage GaugePage()
{
    Board board(600, 320, QColor(226, 232, 238));
    const int results[4] = {0, 37, 67, 100};
    for (int i = 0; i < 4; ++i) {
        auto *gauge = new TVelProgress(&board);
        gauge->move(20 + (i % 2) * 290, 20 + (i / 2) * 110);
        gauge->SetWynik(results[i]);
    }
    auto *notebook = new TVelZeszytStatystyki(&board);
    notebook->move(20, 240);
    notebook->hide();
    ApplySkin(&board);
    return Gallery::Grab(&board);
}

QImage NotebookPage()
{
    Board board(400, 230, QColor(250, 246, 214));
    const unsigned values[2][3] = {{7, 42, 86}, {1000, 1001, 100}};
    for (int i = 0; i < 2; ++i) {
        auto *z = new TVelZeszytStatystyki(&board);
        z->move(20 + i * 190, 15);
        z->SetPoprawnie(values[i][0]);
        z->SetBlednie(values[i][1]);
        z->SetXFactor(values[i][2]);
        z->SetShowPowtorki(i == 0);
        z->SetPowtorki(3);
        z->SetOstataniaPowtorka("12-11-2026");
    }
    ApplySkin(&board);
    return Gallery::Grab(&board);
}

QImage ScrollBarsPage()
{
    Board board(520, 300);
    for (int i = 0; i < 3; ++i) {
        auto *bar = new TALScrollBar(&board);
        bar->setGeometry(20 + i * 40, 20, 21, 260);
        bar->SetSkinPictures();
        bar->SetMax(100);
        bar->SetPosition(i * 50);
    }
    auto *h = new TALScrollBar(&board);
    h->SetKind(Qt::Horizontal);
    h->setGeometry(160, 20, 340, 21);
    h->SetSkinPictures();
    h->SetPosition(30);
    auto *owner = new TWOwnrScrllBar(&board);
    owner->setGeometry(160, 60, 18, 220);
    owner->SetSkinPictures();
    owner->SetMax(6);
    owner->SetPosition(2);
    auto *autoTrack = new TWOwnrScrllBar(&board);
    autoTrack->setGeometry(200, 60, 18, 220);
    autoTrack->SetSkinPictures();
    autoTrack->SetAutoSizeTrack(true);
    autoTrack->SetMax(60);
    autoTrack->SetPosition(60);
    board.Note(240, 80, u"TALScrollBar at 0, 50, 100; horizontal at 30"_s);
    board.Note(240, 100, u"TWOwnrScrllBar at 2 of 6; auto-sized at the end"_s);
    return Gallery::Grab(&board);
}

QImage ListBoxPage()
{
    Board board(600, 300);
    auto *list = new TVelListBox(&board);
    list->setGeometry(20, 20, 520, 24 * 10);
    const SkinHandle skin = CurrentSkin().Handle;
    const QStringList rows = {u"G|Słuchanie ze zrozumieniem"_s,
                              u"E|Przy stole|3|75"_s,
                              u"E|Na dworcu|8|40"_s,
                              u"P|Rozmowy w sklepie|102|0"_s,
                              u"I|Część 1|11|100"_s,
                              u"I|Część 2|21|-1"_s,
                              u"G|Gramatyka w praktyce"_s,
                              u"E|Czasy przeszłe|4|67"_s,
                              u"E|Prawda czy fałsz?|31|90"_s,
                              u"E|Słówka|50|-1"_s,
                              u"E|Odkrywanka|52|-1"_s,
                              u"E|Dyktando|22|-1"_s};
    for (const QString &row : rows)
        list->AddItem(row);
    list->OnDrawItem = [skin](QPainter &p, int, const QRect &r, bool, bool hot) {
        Q_UNUSED(p);
        Q_UNUSED(r);
        Q_UNUSED(hot);
        Q_UNUSED(skin);
    };
    list->OnDrawItem = [skin, list](QPainter &p, int index, const QRect &r, bool, bool hot) {
        const QStringList f = list->ItemText(index).split(u'|');
        const QString kind = f[0];
        p.setFont(Font(u"Tahoma"_s, kind == u"G"_s ? 15 : 13, true));
        if (kind == u"G"_s) {
            p.drawImage(r.topLeft(), SkinPictureOrNull(skin, hot ? u"Tabka_Hover"_s : u"Tabka_UP"_s));
            p.drawImage(r.topLeft() + QPoint(24, 1), SkinPictureOrNull(skin, u"IMG_Books"_s));
            p.setPen(QColor(6, 54, 99));
            p.drawText(r.adjusted(55, 0, 0, 0), Qt::AlignVCenter, f[1]);
            return;
        }
        const bool item = kind == u"I"_s;
        p.drawImage(r, SkinPictureOrNull(skin, item ? (hot ? u"Wiersz_L2_Hover"_s : u"Wiersz_L2_Up"_s)
                                                    : (hot ? u"Wiersz_L1_Hover"_s : u"Wiersz_L1_UP"_s)));
        const int x = item ? 83 : 55;
        p.drawImage(r.topLeft() + QPoint(x, 0), SkinPictureOrNull(skin, u"Typ_"_s + f[2]));
        p.setPen(hot ? QColor(0, 41, 79) : QColor(80, 80, 80));
        p.drawText(r.adjusted(x + 28, 0, 0, 0), Qt::AlignVCenter, f[1]);
        if (!item)
            p.drawImage(r.topLeft() + QPoint(340, 4),
                        SkinPictureOrNull(skin, u"img_poz%1"_s.arg(index % 4 + 1)));
        const int progress = f[3].toInt();
        if (progress >= 0) {
            p.drawImage(r.topLeft() + QPoint(370, 9), SkinPictureOrNull(skin, u"img_prtlo"_s));
            if (progress / 2 > 0) // an empty source rectangle would mean the whole picture
                p.drawImage(QPoint(r.left() + 370, r.top() + 9), SkinPictureOrNull(skin, u"img_pr"_s),
                            QRect(0, 0, progress / 2, 6));
            p.drawText(r.adjusted(434, 0, 0, 0), Qt::AlignVCenter, u"%1%"_s.arg(progress));
        }
    };
    list->SetHotIndex(2);
    auto *bar = new TALScrollBar(&board);
    bar->setGeometry(542, 20, 21, 240);
    bar->SetSkinPictures();
    bar->SetMax(list->GetScrollBarMax());
    board.Note(20, 280,
               u"TVelListBox with selection-screen rows; scroll max %1"_s.arg(list->GetScrollBarMax()));
    return Gallery::Grab(&board);
}

QImage HintPage()
{
    TMyHint hint;
    hint.setAttribute(Qt::WA_DontShowOnScreen);
    QVector<QPair<QString, QImage>> shots;
    const QString texts[3] = {u"Hello <B>World</B> <BR> again"_s,
                              u"<B> Przy stole </B> - 12-11-2026 <BR> <B> Na dworcu </B> - 14-11-2026"_s,
                              u"Poprawna odpowiedź: <B>is</B>"_s};
    for (const QString &text : texts) {
        hint.ShowHint(QPoint(0, 0), text);
        shots.append({text.left(40), Gallery::Grab(&hint)});
    }
    return Gallery::Sheet(shots, 1, u"TMyHint"_s);
}

QImage PicturesSheet(const QStringList &names, int columns, const QString &title)
{
    QVector<QPair<QString, QImage>> items;
    for (const QString &name : names)
        items.append({name, LoadSkinPicture(name)});
    return Gallery::Sheet(items, columns, title);
}

QImage FiguresPage()
{
    QStringList names;
    for (const char *g : {"K", "M"})
        for (int set : {10, 20})
            for (int c = 1; c <= 6; ++c)
                names << u"C%1%2"_s.arg(QLatin1String(g)).arg(set + c);
    for (int c = 1; c <= 6; ++c)
        names << u"COLOR%1"_s.arg(c);
    return PicturesSheet(names, 12, u"Profile figures and colours"_s);
}

QImage IconsPage()
{
    QStringList names = {u"IMG_Sprawdz"_s,
                         u"IMG_JeszczeRaz"_s,
                         u"IMG_OK"_s,
                         u"IMG_Zle"_s,
                         u"IMG_Info"_s,
                         u"IMG_Video"_s,
                         u"IMG_Glosnik"_s,
                         u"IMG_Help"_s,
                         u"IMG_Wroc"_s,
                         u"IMG_Slownik"_s,
                         u"IMG_Drukuj"_s,
                         u"IMG_Mikrofon1"_s,
                         u"IMG_Mikrofon2"_s,
                         u"IMG_Analizator"_s,
                         u"IMG_Close_N"_s,
                         u"IMG_Close_H"_s,
                         u"IMG_Close_D"_s,
                         u"IMG_Min_N"_s,
                         u"IMG_Min_H"_s,
                         u"IMG_Min_D"_s,
                         u"MSG_ICON_ERROR"_s,
                         u"MSG_ICON_QUESTION"_s,
                         u"MSG_ICON_INFORMATION"_s,
                         u"MSG_ICON_EXCLAMATION"_s};
    for (int kind : {0, 1, 3, 4, 7, 8, 11, 14, 18, 21, 22, 24, 26, 31, 41, 42, 44, 48, 50, 52})
        names << u"Typ_%1"_s.arg(kind);
    names << u"Typ_101_1"_s << u"Typ_101_2"_s << u"Typ_102"_s << u"Typ_103"_s << u"IMG_Books"_s
          << u"IMG_Plus"_s << u"IMG_Minus"_s << u"img_poz1"_s << u"img_poz2"_s << u"img_poz3"_s
          << u"img_poz4"_s << u"ZESZYT_OK"_s << u"ZESZYT_BAD"_s << u"ZESZYT_XFA"_s << u"CHECK_ON"_s
          << u"RADIO_ON"_s << u"TICK_ON"_s;
    for (int speaker = 1; speaker <= 5; ++speaker)
        names << u"IMG_Osoba_%1"_s.arg(speaker);
    names << u"IMG_Osoba_X"_s << u"IMG_Mic"_s << u"IMG_Mic_Stop"_s << u"IMG_Chlopek"_s << u"IMG_Chlopek_A"_s;
    return PicturesSheet(names, 10, u"Icons of the host, the table of contents and the controls"_s);
}

} // namespace

void RegisterGalleryPages_skin(Gallery &gallery)
{
    gallery.AddPage(u"skin-buttons"_s, ButtonsPage);
    gallery.AddPage(u"skin-titlebar"_s, TitleBarPage);
    gallery.AddPage(u"skin-dialogs"_s, DialogPage);
    gallery.AddPage(u"skin-msgbox"_s, MessageBoxPage);
    gallery.AddPage(u"skin-frames"_s, FramesPage);
    gallery.AddPage(u"skin-labels"_s, LabelsPage);
    gallery.AddPage(u"skin-checkboxes"_s, CheckBoxPage);
    gallery.AddPage(u"skin-bubble"_s, BubblePage);
    gallery.AddPage(u"skin-gauge"_s, GaugePage);
    gallery.AddPage(u"skin-notebook"_s, NotebookPage);
    gallery.AddPage(u"skin-scrollbars"_s, ScrollBarsPage);
    gallery.AddPage(u"skin-listbox"_s, ListBoxPage);
    gallery.AddPage(u"skin-hint"_s, HintPage);
    gallery.AddPage(u"skin-figures"_s, FiguresPage);
    gallery.AddPage(u"skin-icons"_s, IconsPage);
}
