#include "learner/uFrmUstawienia.h"

#include "course/Struct_Definitions.h"
#include "learner/LearnerUi.h"
#include "reference/uFrmPomoc.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/VelCheckBox.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;
using Learner::Ui::Text;

namespace {

constexpr int ItemHeight = 19;

int ItemId(const QString &item)
{
    return Utils::GetField(2, item, u'=').toInt();
}

QString AsciiLower(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + 32);
    return out;
}

// One language row: silver when focused, the flag, the name.
void DrawLanguageItem(QPainter &painter, const QRect &rect, const QString &item, bool focused,
                      bool interfaceList)
{
    painter.fillRect(rect, focused ? SkinColors::Silver : QColor(Qt::white));
    const int id = ItemId(item);
    if (id != 255) {
        const QImage flag = TfrmUstawienia::FlagPicture(id);
        if (!flag.isNull())
            painter.drawImage(rect.left() + 6, rect.top() + 2, flag);
    }
    painter.setPen(QColor(52, 52, 52));
    const QFontMetrics metrics(painter.font());
    painter.drawText(rect.left() + 34, rect.top() + 2 + metrics.ascent(),
                     TfrmUstawienia::ItemName(item, interfaceList));
}

class LanguageDelegate : public QStyledItemDelegate
{
public:
    LanguageDelegate(QObject *parent, bool interfaceList)
        : QStyledItemDelegate(parent), interfaceList(interfaceList)
    {
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool focused = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        DrawLanguageItem(*painter, option.rect, index.data().toString(), focused, interfaceList);
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), ItemHeight};
    }

private:
    bool interfaceList;
};

// The owner-drawn drop-down list: the closed box shows the chosen item the same way.
class LanguageComboBox : public QComboBox
{
public:
    LanguageComboBox(QWidget *parent, bool interfaceList) : QComboBox(parent), interfaceList(interfaceList)
    {
        setItemDelegate(new LanguageDelegate(this, interfaceList));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field =
            style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        if (currentIndex() >= 0) {
            const QRect item(field.left(), field.top() + (field.height() - ItemHeight) / 2, field.width(),
                             ItemHeight);
            DrawLanguageItem(painter, item.adjusted(-field.left() + 1, 0, 0, 0), currentText(), hasFocus(),
                             interfaceList);
        }
    }

private:
    bool interfaceList;
};

QLabel *MakeLabel(QWidget *parent, const QString &name, const QRect &place, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(13);
    label->setFont(font);
    label->setStyleSheet(u"color: rgb(52,52,52); background: transparent;"_s);
    return label;
}

QString UsersFolder()
{
    return Utils::ProgramPath(u"\\Users"_s);
}

QImage MakeFlag(int id)
{
    QImage flag(24, 15, QImage::Format_RGB32);
    QPainter p(&flag);
    switch (id) {
    case 0: // Polish
        p.fillRect(0, 0, 24, 8, Qt::white);
        p.fillRect(0, 7, 24, 8, QColor(220, 20, 60));
        break;
    case 1: { // English
        p.fillRect(flag.rect(), QColor(1, 33, 105));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 3.5));
        p.drawLine(0, 0, 24, 15);
        p.drawLine(0, 15, 24, 0);
        p.setPen(QPen(QColor(200, 16, 46), 1.2));
        p.drawLine(0, 0, 24, 15);
        p.drawLine(0, 15, 24, 0);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(9, 0, 6, 15, Qt::white);
        p.fillRect(0, 5, 24, 5, Qt::white);
        p.fillRect(10, 0, 4, 15, QColor(200, 16, 46));
        p.fillRect(0, 6, 24, 3, QColor(200, 16, 46));
        break;
    }
    case 2: // German
        p.fillRect(0, 0, 24, 5, Qt::black);
        p.fillRect(0, 5, 24, 5, QColor(221, 0, 0));
        p.fillRect(0, 10, 24, 5, QColor(255, 206, 0));
        break;
    case 4: // Spanish
        p.fillRect(0, 0, 24, 15, QColor(170, 21, 27));
        p.fillRect(0, 4, 24, 7, QColor(241, 191, 0));
        break;
    default:
        return {};
    }
    p.setPen(QColor(157, 157, 157));
    p.drawRect(0, 0, 23, 14);
    return flag;
}

} // namespace

TfrmUstawienia::TfrmUstawienia(QWidget *parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(u"frmUstawienia"_s);
    setFixedSize(437, 360);
    setModal(true);

    VelDialogWindow1 = new TVelDialogWindow(this);
    VelDialogWindow1->setObjectName(u"VelDialogWindow1"_s);
    VelDialogWindow1->SetBelkaSize(bs40);
    VelDialogWindow1->SetDialogStyle(dsBlue);
    VelDialogWindow1->SetAllowMoveWindow(true);
    VelDialogWindow1->SetCaption(u"Ustawienia"_s);

    QFont listFont(u"Tahoma"_s);
    listFont.setPixelSize(13);
    lblLang1 = MakeLabel(this, u"lblLang1"_s, QRect(17, 58, 292, 18), u"Wybierz język interfejsu:"_s);
    cbLang = new LanguageComboBox(this, true);
    cbLang->setObjectName(u"cbLang"_s);
    cbLang->setGeometry(17, 78, 176, 25);
    cbLang->setFont(listFont);
    lblLang2 = MakeLabel(this, u"lblLang2"_s, QRect(17, 106, 292, 18), u"Wybierz język tłumaczeń:"_s);
    cbLang2 = new LanguageComboBox(this, false);
    cbLang2->setObjectName(u"cbLang2"_s);
    cbLang2->setGeometry(17, 128, 176, 25);
    cbLang2->setFont(listFont);

    chArchiwizuj = Learner::Ui::MakeCheckBox(this, u"chArchiwizuj"_s, {17, 157},
                                             u"Archiwizuj nagrania użytkownika   "_s, false);
    chCzyPowtorki = Learner::Ui::MakeCheckBox(this, u"chCzyPowtorki"_s, {17, 180},
                                              u"Wyznaczaj powtórki ćwiczeń  "_s, false);
    lblProgPowtorek =
        MakeLabel(this, u"lblProgPowtorek"_s, QRect(17, 206, 220, 18), u"Wyznaczaj gdy wynik większy od:"_s);
    eProgPowtorek = new QSpinBox(this);
    eProgPowtorek->setObjectName(u"eProgPowtorek"_s);
    eProgPowtorek->setGeometry(17, 230, 53, 22);
    eProgPowtorek->setRange(31, 100);
    eProgPowtorek->setValue(61);
    eProgPowtorek->setFont(listFont);
    chInterpunkcja = Learner::Ui::MakeCheckBox(this, u"chInterpunkcja"_s, {17, 258},
                                               u"Stosuj zasady interpunkcji"_s, false);
    chWielkoscLiter = Learner::Ui::MakeCheckBox(this, u"chWielkoscLiter"_s, {17, 281},
                                                u"Rozróżniaj wielkość liter  "_s, false);

    btnZapisz = Learner::Ui::MakeButton(this, u"btnZapisz"_s, roz32, QRect(219, 316, 100, 32), u"Zapisz"_s);
    btnAnuluj = Learner::Ui::MakeButton(this, u"btnAnuluj"_s, roz32, QRect(325, 316, 100, 32), u"Anuluj"_s);
    btnClose = Learner::Ui::MakeSmallButton(this, u"btnClose"_s, {394, 2}, u"IMG_Close"_s);
    connect(btnZapisz, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(btnClose, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(cbLang, &QComboBox::activated, this, [this] { m_languageChanged = true; });

    // Captions from the interface texts.
    VelDialogWindow1->SetCaption(Text(25, u"Ustawienia"_s));
    btnZapisz->SetCaption(Text(31, u"Zapisz"_s));
    btnAnuluj->SetCaption(Text(32, u"Anuluj"_s));
    lblLang1->setText(Text(30, lblLang1->text()));
    lblLang2->setText(Text(79, lblLang2->text()));
    chCzyPowtorki->SetCaption(Text(88, chCzyPowtorki->Caption()));
    lblProgPowtorek->setText(Text(89, lblProgPowtorek->text()));
    lblProgPowtorek->resize(7 * int(lblProgPowtorek->text().size()), 18);
    const QString gap = u"   "_s;
    if (!Utils::GetInterfaceText(84).isEmpty())
        chArchiwizuj->SetCaption(Utils::GetInterfaceText(84) + gap);
    if (!Utils::GetInterfaceText(110).isEmpty())
        chInterpunkcja->SetCaption(Utils::GetInterfaceText(110) + gap);
    if (!Utils::GetInterfaceText(111).isEmpty())
        chWielkoscLiter->SetCaption(Utils::GetInterfaceText(111) + gap);

    ApplySkin(this);
}

TfrmUstawienia::~TfrmUstawienia() = default;

void TfrmUstawienia::Prepare(const QList<Course::TLanguage> &languages, const LearnerSettings &settings)
{
    cbLang->clear();
    cbLang2->clear();
    cbLang2->addItem(u"BRAK TŁUMACZEŃ=%1"_s.arg(255));
    for (const Course::TLanguage &language : languages) {
        const QString item = u"%1=%2"_s.arg(AsciiLower(language.Name)).arg(language.Id);
        cbLang->addItem(item);
        if (language.Trans)
            cbLang2->addItem(item);
    }
    const auto find = [](QComboBox *box, int id) {
        for (int i = 0; i < box->count(); ++i)
            if (ItemId(box->itemText(i)) == id)
                return i;
        return -1;
    };
    cbLang->setCurrentIndex(find(cbLang, settings.InterfaceLanguage));
    cbLang2->setCurrentIndex(qMax(0, find(cbLang2, settings.TranslationLanguage)));
    chArchiwizuj->SetChecked(settings.ArchiveRecordings);
    chCzyPowtorki->SetChecked(settings.ScheduleRepetitions);
    chInterpunkcja->SetChecked(settings.UsePunctuation);
    chWielkoscLiter->SetChecked(settings.MatchCase);
    eProgPowtorek->setValue(settings.RepetitionThreshold);
    m_languageChanged = false;
}

LearnerSettings TfrmUstawienia::Chosen(const LearnerSettings &current) const
{
    LearnerSettings s = current;
    // A learner whose language is not in the definitions keeps it.
    if (cbLang->currentIndex() >= 0)
        s.InterfaceLanguage = quint8(ItemId(cbLang->currentText()));
    if (cbLang2->currentIndex() >= 0)
        s.TranslationLanguage = quint8(ItemId(cbLang2->currentText()));
    s.ArchiveRecordings = chArchiwizuj->Checked();
    s.ScheduleRepetitions = chCzyPowtorki->Checked();
    s.RepetitionThreshold = eProgPowtorek->value();
    s.Reserved6 = 3;
    s.UsePunctuation = chInterpunkcja->Checked();
    s.MatchCase = chWielkoscLiter->Checked();
    return s;
}

QImage TfrmUstawienia::FlagPicture(int id)
{
    static QHash<int, QImage> flags;
    auto found = flags.find(id);
    if (found == flags.end())
        found = flags.insert(id, MakeFlag(id));
    return *found;
}

QString TfrmUstawienia::ItemName(const QString &item, bool interfaceList)
{
    QString name = Utils::GetField(1, item, u'=');
    if (interfaceList && ItemId(item) == 4)
        name = u"español"_s;
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

void TfrmUstawienia::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    // Enter saves, from any control that does not use the key itself (an open list does).
    case Qt::Key_Return:
    case Qt::Key_Enter:
        btnZapisz->Press();
        return;
    case Qt::Key_F1:
        OpenHelp(u"h_pres.html"_s, true, this);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool LoadLearnerSettings(const TUser &user, LearnerSettings &settings, const QDate &today,
                         const std::function<void(int)> &switchLanguage)
{
    const quint8 current = settings.InterfaceLanguage;
    Learner::LoadSettingsFile(UsersFolder(), user.Id, settings, today);
    if (settings.InterfaceLanguage == current)
        return false;
    if (switchLanguage)
        switchLanguage(settings.InterfaceLanguage);
    return true;
}

void SaveLearnerSettings(const Learner::TLearnerSession &session)
{
    QString error;
    if (!Learner::SaveSettingsFile(UsersFolder(), session.User.Id, session.Settings, &error))
        Learner::Ui::ReportProblem(error);
}

bool ShowFirstUseNotice(int notice, LearnerSettings &settings, const TUser &user)
{
    quint8 *pending = notice == 7   ? &settings.SentenceNoticePending
                      : notice == 8 ? &settings.DialogueNoticePending
                      : notice == 9 ? &settings.WordNoticePending
                                    : nullptr;
    if (!pending || !*pending)
        return false;
    *pending = 0;
    ShowSkinnedMessage(Utils::GetInterfaceText(Learner::FirstUseNoticeText(notice)),
                       Utils::GetInterfaceText(59), smInformation);
    QString error;
    if (!Learner::SaveSettingsFile(UsersFolder(), user.Id, settings, &error))
        Learner::Ui::ReportProblem(error);
    return true;
}

void ShowFirstUseNotice(Learner::TLearnerSession &session, int notice)
{
    ShowFirstUseNotice(notice, session.Settings, session.User);
}

void ShowSettingsDialog(Learner::TLearnerSession &session, QWidget *parent,
                        const std::function<void(int)> &switchLanguage)
{
    TfrmUstawienia dialog(parent);
    QList<Course::TLanguage> languages;
    QString error;
    if (!Course::ReadDefinitionLanguages(languages, &error))
        Learner::Ui::ReportProblem(error);
    dialog.Prepare(languages, session.Settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const LearnerSettings chosen = dialog.Chosen(session.Settings);
    session.Settings = chosen;
    SaveLearnerSettings(session);
    if (dialog.LanguageChanged() && switchLanguage)
        switchLanguage(chosen.InterfaceLanguage);
}
