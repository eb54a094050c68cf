#include "reference/uSlownik.h"

#include "reference/Emblems.h"
#include "skin/ALScrollBar.h"
#include "skin/VelCheckBox.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelGroupFrame.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

TfrmSlownik *frmSlownik = nullptr;

namespace {

constexpr int ShownEntries = 8;
constexpr int WordGap = 4;
constexpr int HeadwordLeft = 10;
constexpr int TranslationLeft = 200;
const QColor LabelColour(100, 100, 100);

QFont ListFont()
{
    QFont font(u"Verdana"_s);
    font.setPointSize(10);
    return font;
}

QString ResourceCaption(int number, const QString &fallback)
{
    const QString text = Utils::GetInterfaceText(number);
    return text.isEmpty() ? fallback : text;
}

} // namespace

namespace {

// One entry's runs from top y; gives the y below its lower column.
int LayoutEntry(const TDane &entry, int y, const QFontMetrics &plain, const QFontMetrics &italic, int width,
                QList<TSlownikRun> *runs)
{
    const int lineHeight = plain.height();
    int x = HeadwordLeft;
    int headY = y;
    for (const QString &word : entry.Headword.split(u' ', Qt::SkipEmptyParts)) {
        const int w = plain.horizontalAdvance(word);
        if (x + w > TranslationLeft && x > HeadwordLeft) {
            x = HeadwordLeft;
            headY += lineHeight;
        }
        if (runs)
            runs->append({word, QPoint(x, headY), false});
        x += w + WordGap;
    }

    x = TranslationLeft;
    int transY = y;
    for (const QString &word : entry.Translation.split(u' ', Qt::SkipEmptyParts)) {
        const bool marker = word.startsWith(u'[');
        const QString text = marker ? Reference::LabelText(word.size() > 1 ? word.at(1) : QChar()) : word;
        if (text.isEmpty())
            continue;
        const int w = (marker ? italic : plain).horizontalAdvance(text);
        if (x + w > width && x > TranslationLeft) {
            x = TranslationLeft;
            transY += lineHeight;
        }
        if (runs)
            runs->append({text, QPoint(x, transY), marker});
        x += w + WordGap;
    }
    return std::max(headY, transY) + lineHeight;
}

} // namespace

QList<TSlownikRun> LayoutResultList(const QList<TDane> &list, int first, const QFontMetrics &plain,
                                    const QFontMetrics &italic, int width, int height)
{
    QList<TSlownikRun> runs;
    int y = 0;
    const int last = std::min<int>(int(list.size()), first + ShownEntries);
    for (int i = std::max(first, 0); i < last; ++i) {
        QList<TSlownikRun> entry;
        const int below = LayoutEntry(list.at(i), y, plain, italic, width, &entry);
        // An entry is shown whole or not at all; only the first may run past the bottom.
        if (below > height && i > first)
            break;
        runs += entry;
        y = below;
    }
    return runs;
}

int ResultListScrollMax(const QList<TDane> &list, const QFontMetrics &plain, const QFontMetrics &italic,
                        int width, int height)
{
    // As many entries from the end as fit whole (at most 8): the last one can always be reached.
    const int n = int(list.size());
    int fit = 0;
    int used = 0;
    for (int i = n - 1; i >= 0 && fit < ShownEntries; --i) {
        used += LayoutEntry(list.at(i), 0, plain, italic, width, nullptr);
        if (used > height && fit > 0)
            break;
        ++fit;
    }
    return std::max(0, n - fit);
}

// The result list (pbSlownik): draws from the window's model, changes nothing.
class TfrmSlownik::ResultArea : public QWidget
{
public:
    explicit ResultArea(TfrmSlownik *owner) : QWidget(owner), Owner(owner)
    {
        setObjectName(u"pbSlownik"_s);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QFont font = ListFont();
        QFont italicFont = font;
        italicFont.setItalic(true);
        const QFontMetrics plain(font), italic(italicFont);
        const QList<TDane> &list = Owner->ShownList();
        p.setFont(font);
        p.setPen(Qt::black);
        if (list.isEmpty()) {
            const QString text = u"Brak wyników wyszukiwania!"_s;
            p.drawText((width() - plain.horizontalAdvance(text)) / 2, 5 + plain.ascent(), text);
            return;
        }
        const auto runs = LayoutResultList(list, Owner->ScrollPosition(), plain, italic, width(), height());
        for (const TSlownikRun &run : runs) {
            p.setFont(run.Label ? italicFont : font);
            p.setPen(run.Label ? LabelColour : QColor(Qt::black));
            p.drawText(run.Pos.x(), run.Pos.y() + (run.Label ? italic : plain).ascent(), run.Text);
        }
    }

    void wheelEvent(QWheelEvent *event) override { Owner->wheelEvent(event); }

private:
    TfrmSlownik *Owner;
};

struct TfrmSlownik::Controls
{
    TVelDialogWindow *Body = nullptr;
    QLabel *Image1 = nullptr;
    QLineEdit *edtSzukaj = nullptr;
    TVelResButton *btnSzukaj = nullptr;
    TVelCheckBox *rdSzukajSlowka = nullptr;
    TVelCheckBox *rdSzukajTlumaczenia = nullptr;
    TVelCheckBox *chkCaleWyrazy = nullptr;
    TALScrollBar *ScrollBar = nullptr;
    TVelResButton *btnClose = nullptr;
    QList<TVelResButton *> Letters;
    Utils::IProgress *Progress = nullptr;
    Reference::TSearchIndex Index;
};

TfrmSlownik::TfrmSlownik(QWidget *parent, Utils::IProgress *progress)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), ui(std::make_unique<Controls>())
{
    setObjectName(u"frmSlownik"_s);
    setWindowTitle(u"Słownik"_s);
    setFixedSize(550, 322);
    ui->Progress = progress;

    ui->Body = new TVelDialogWindow(this);
    ui->Body->setObjectName(u"Body"_s);
    ui->Body->SetDialogStyle(dsWhite);
    ui->Body->setGeometry(rect());

    auto frame = [this](const QString &name, const QRect &place) {
        auto *f = new TVelGroupFrame(this);
        f->setObjectName(name);
        f->SetFrameType(ftFrame_White);
        f->setGeometry(place);
    };
    frame(u"VelGroupFrame1"_s, QRect(22, 172, 492, 141));
    frame(u"VelGroupFrame2"_s, QRect(146, 48, 192, 118));
    frame(u"VelGroupFrame3"_s, QRect(344, 48, 192, 118));

    // The emblem is drawn when the window is first shown.
    ui->Image1 = new Utils::TDeferredPictureLabel(this, {110, 96},
                                                  [] { return Reference::DictionaryEmblem().toImage(); });
    ui->Image1->setObjectName(u"Image1"_s);
    ui->Image1->move(24, 63);

    ui->edtSzukaj = new QLineEdit(this);
    ui->edtSzukaj->setObjectName(u"edtSzukaj"_s);
    ui->edtSzukaj->setGeometry(162, 56, 116, 27);
    ui->edtSzukaj->installEventFilter(this);

    ui->btnSzukaj = new TVelResButton(this);
    ui->btnSzukaj->setObjectName(u"btnSzukaj"_s);
    ui->btnSzukaj->SetRozmiar(roz22);
    ui->btnSzukaj->SetGrafikaIndex(7);
    ui->btnSzukaj->SetCaption(u">"_s);
    ui->btnSzukaj->setGeometry(284, 59, 23, 22);
    connect(ui->btnSzukaj, &QAbstractButton::clicked, this, [this] { btnSzukajClick(); });

    auto check = [this](const QString &name, int y, bool radio, bool checked) {
        auto *box = new TVelCheckBox(this);
        box->setObjectName(name);
        box->SetSkinPictures(radio ? cbRound : cbSquare);
        box->SetRadioStyle(radio);
        box->SetRadioGroup(radio ? 1 : 0);
        box->SetChecked(checked);
        box->move(162, y);
        return box;
    };
    ui->rdSzukajSlowka = check(u"rdSzukajSlowka"_s, 95, true, true);
    ui->rdSzukajTlumaczenia = check(u"rdSzukajTlumaczenia"_s, 118, true, false);
    ui->chkCaleWyrazy = check(u"chkCaleWyrazy"_s, 141, false, false);

    auto *area = new ResultArea(this);
    area->setGeometry(27, 178, 482, 130);
    pbSlownikArea = area;

    ui->ScrollBar = new TALScrollBar(this);
    ui->ScrollBar->setObjectName(u"ScrollBar"_s);
    ui->ScrollBar->SetKind(Qt::Vertical);
    ui->ScrollBar->SetSkinPictures();
    ui->ScrollBar->setGeometry(515, 174, 18, 138);
    ui->ScrollBar->SetMin(0);
    ui->ScrollBar->SetMax(0);
    connect(ui->ScrollBar, &QAbstractSlider::valueChanged, this, [this] { pbSlownikArea->update(); });

    ui->btnClose = new TVelResButton(this);
    ui->btnClose->setObjectName(u"btnClose"_s);
    ui->btnClose->SetRozmiar(rozUndefined);
    ui->btnClose->SetShowCaption(false);
    ui->btnClose->setGeometry(508, 1, 34, 18);
    // The bundle's close pictures when it has them, else the window's own.
    const char *states[] = {"_N", "_H", "_D"};
    QImage glyphs[3];
    for (int i = 0; i < 3; ++i) {
        glyphs[i] = SkinPictureOrNull(CurrentSkin().Handle, u"IMG_Close"_s + QLatin1String(states[i]));
        if (glyphs[i].isNull())
            glyphs[i] = Reference::CloseGlyph(i);
    }
    ui->btnClose->SetGlyph(glyphs[0]);
    ui->btnClose->SetGlyphHot(glyphs[1]);
    ui->btnClose->SetGlyphDown(glyphs[2]);
    connect(ui->btnClose, &QAbstractButton::clicked, this, [this] { close(); });

    ApplySkin(this);
    ApplyTexts();
    DictionaryPath = Utils::ProgramPath(u"\\Dane\\Slownik.txt"_s);
}

TfrmSlownik::~TfrmSlownik()
{
    if (Pending.valid())
        Pending.wait();
    if (frmSlownik == this)
        frmSlownik = nullptr;
}

void TfrmSlownik::ApplyTexts()
{
    ui->Body->SetCaption(Utils::GetInterfaceText(26));
    ui->rdSzukajSlowka->SetCaption(ResourceCaption(53, u"Szukaj w słówkach"_s));
    ui->rdSzukajTlumaczenia->SetCaption(ResourceCaption(54, u"Szukaj w tłumaczeniach"_s));
    ui->chkCaleWyrazy->SetCaption(ResourceCaption(55, u"Tylko całe wyrazy"_s));
    // The captions change the boxes' widths only through SetChecked/SetCaption.
    for (TVelCheckBox *box : {ui->rdSzukajSlowka, ui->rdSzukajTlumaczenia, ui->chkCaleWyrazy})
        box->SetChecked(box->Checked());
}

void TfrmSlownik::LoadDictionary(const QString &path)
{
    if (Pending.valid())
        Pending.wait(); // its entries are replaced by these
    Pending = {};
    Utils::IProgress *progress = ui->Progress;
    bool shown = false;
    Reference::LoadResult loaded = Reference::LoadDictionaryFile(path, [&](int position, int maximum) {
        if (!progress)
            return;
        if (!shown) {
            progress->ShowProgress(maximum, Utils::GetInterfaceText(39));
            shown = true;
        }
        progress->StepProgress(position);
    });
    if (shown)
        progress->Close();
    Reference::TSearchIndex index(loaded.Entries);
    TakeLoaded(std::move(loaded), std::move(index));
}

void TfrmSlownik::PrefetchDictionary()
{
    if (Loaded || Pending.valid())
        return;
    Pending = std::async(std::launch::async, [path = DictionaryPath] {
        Reference::LoadResult loaded = Reference::LoadDictionaryFile(path);
        Reference::TSearchIndex index(loaded.Entries);
        return std::make_pair(std::move(loaded), std::move(index));
    });
}

void TfrmSlownik::EnsureLoaded()
{
    if (Loaded)
        return;
    if (Pending.valid()) {
        auto [loaded, index] = Pending.get();
        TakeLoaded(std::move(loaded), std::move(index));
    } else {
        LoadDictionary(DictionaryPath);
    }
}

void TfrmSlownik::TakeLoaded(Reference::LoadResult loaded, Reference::TSearchIndex index)
{
    AllEntries = std::move(loaded.Entries);
    ui->Index = std::move(index);
    Skipped = loaded.SkippedLines;
    Loaded = true;
    Found.clear();
    ShowAll = true;
    UpdateScrollRange();
}

const QList<TDane> &TfrmSlownik::Entries()
{
    EnsureLoaded();
    return AllEntries;
}

int TfrmSlownik::SkippedLines()
{
    EnsureLoaded();
    return Skipped;
}

const QList<TDane> &TfrmSlownik::ShownList() const
{
    return ShowAll ? AllEntries : Found;
}

int TfrmSlownik::ScrollPosition() const
{
    return ui->ScrollBar->Position();
}

int TfrmSlownik::ScrollMaximum() const
{
    return ui->ScrollBar->Max();
}

void TfrmSlownik::UpdateScrollRange()
{
    QFont italicFont = ListFont();
    italicFont.setItalic(true);
    ui->ScrollBar->SetMax(ResultListScrollMax(ShownList(), QFontMetrics(ListFont()), QFontMetrics(italicFont),
                                              pbSlownikArea->width(), pbSlownikArea->height()));
    pbSlownikArea->update();
}

int TfrmSlownik::SearchDictionary(const QString &text, bool letterMode)
{
    EnsureLoaded();
    Reference::SearchOptions options;
    options.InWords = ui->rdSzukajSlowka->Checked();
    options.InTranslations = ui->rdSzukajTlumaczenia->Checked();
    options.WholeWords = ui->chkCaleWyrazy->Checked();
    Found.clear();
    for (int index : ui->Index.Search(text, letterMode, options))
        Found.append(AllEntries.at(index));
    return int(Found.size());
}

QString TfrmSlownik::NormaliseLookupWord(const QString &word)
{
    return Reference::NormaliseLookupWord(
        word, [this](const QString &s) { return SearchDictionary(s, false) > 0; });
}

void TfrmSlownik::btnSzukajClick()
{
    SearchDictionary(ui->edtSzukaj->text(), false);
    ShowAll = false;
    ui->ScrollBar->SetPosition(0);
    UpdateScrollRange();
}

void TfrmSlownik::LiteraClick(int n)
{
    SearchDictionary(Reference::LetterOfButton(n), true);
    ShowAll = false;
    ui->ScrollBar->SetPosition(0);
    UpdateScrollRange();
}

void TfrmSlownik::CreateLetterButtons()
{
    DestroyLetterButtons();
    int column = 0;
    int row = 0;
    for (int n = 0; n < 27; ++n) {
        auto *b = new TVelResButton(this);
        b->setObjectName(u"Litera%1"_s.arg(n));
        b->SetRozmiar(roz22);
        b->SetGrafikaIndex(7);
        const int left = column * 22 + 360;
        b->setGeometry(left, row * 22 + 68, n == 26 ? 44 : 22, 22);
        b->SetCaption(n == 26 ? Utils::GetInterfaceText(56) : QString(QChar(char16_t(u'A' + n))));
        QFont f = b->font();
        f.setPointSize(10);
        b->setFont(f);
        b->SetFontColor(QColor(52, 52, 52));
        b->SetKorektaCaption(-2);
        b->SetAlignment(taCenter);
        b->SetHint(n == 26 ? Utils::GetInterfaceText(56) : b->Caption());
        b->SetTag(n);
        b->SetSkin(CurrentSkin().Handle);
        connect(b, &QAbstractButton::clicked, this, [this, n] { LiteraClick(n); });
        b->show();
        ui->Letters.append(b);
        ++column;
        if (left > 487) {
            column = 0;
            ++row;
        }
    }
}

void TfrmSlownik::DestroyLetterButtons()
{
    qDeleteAll(ui->Letters);
    ui->Letters.clear();
}

void TfrmSlownik::ShowDictionary()
{
    EnsureLoaded();
    ApplyTexts();
    ui->edtSzukaj->clear();
    Found.clear();
    ShowAll = true;
    CreateLetterButtons();
    UpdateScrollRange();
    ui->ScrollBar->SetPosition(0);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
    show();
    if (QGuiApplication::platformName() != u"offscreen")
        raise();
    activateWindow();
    ui->edtSzukaj->setFocus();
}

void TfrmSlownik::LookUpWord(const QString &word)
{
    ShowDictionary();
    ui->edtSzukaj->setText(word);
    ui->btnSzukaj->Press();
}

void TfrmSlownik::showEvent(QShowEvent *event)
{
    EnsureLoaded();
    if (ui->Letters.isEmpty())
        CreateLetterButtons();
    QWidget::showEvent(event);
}

void TfrmSlownik::hideEvent(QHideEvent *event)
{
    DestroyLetterButtons();
    QWidget::hideEvent(event);
}

bool TfrmSlownik::event(QEvent *event)
{
    // Clicking outside the window puts it away, as a look-up aid should.
    if (event->type() == QEvent::WindowDeactivate && isVisible())
        close();
    return QWidget::event(event);
}

bool TfrmSlownik::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->edtSzukaj && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnSzukajClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmSlownik::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmSlownik::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() > 0 ? -1 : (event->angleDelta().y() < 0 ? 1 : 0);
    ui->ScrollBar->SetPosition(std::clamp(ScrollPosition() + steps, 0, ScrollMaximum()));
    event->accept();
}

void TfrmSlownik::LookUpExerciseWord(const QString &word)
{
    // A word of an exercise is English: a translation search the learner made before must not
    // carry over ("party" would list partyzant).
    ui->rdSzukajSlowka->SetChecked(true);
    ui->rdSzukajTlumaczenia->SetChecked(false);
    const QString headword = NormaliseLookupWord(word);
    if (!headword.isEmpty())
        LookUpWord(headword);
}

void LookUpWordAt(const QString &word)
{
    if (frmSlownik)
        frmSlownik->LookUpExerciseWord(word);
}

void LookUpWordAt(const TPozycjeSlowek &words, const QPoint &point)
{
    LookUpWordAt(words.WordAt(point));
}
