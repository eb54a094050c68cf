// Gallery pages of the reference tools: the dictionary searched and browsed, and help pages.

#include "Gallery.h"

#include "learner/LearnerSession.h"
#include "reference/uFrmPomoc.h"
#include "reference/uSlownik.h"

#include <QAbstractButton>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QImage Dictionary(const std::function<void(TfrmSlownik &)> &use)
{
    TfrmSlownik window;
    window.setAttribute(Qt::WA_DontShowOnScreen);
    TfrmSlownik *previous = frmSlownik;
    frmSlownik = &window;
    use(window);
    const QImage image = Gallery::Grab(&window);
    frmSlownik = previous;
    return image;
}

QImage Help(const QString &page, const QString &link = {}, bool learner = false)
{
    // The learner of the session, as help shows a logged-in learner in learner mode.
    Learner::TLearnerSession session;
    session.User.Name = u"Ola"_s;
    session.User.Gender = u"K"_s;
    session.User.Figure = 13;
    session.LoggedIn = true;
    SetHelpSession(&session);
    TfrmPomoc *help = OpenHelp(page, learner, nullptr);
    SetHelpSession(nullptr);
    if (!link.isEmpty())
        help->HTMLHotSpotClick(link);
    const QImage image = Gallery::Grab(help);
    help->close();
    return image;
}

} // namespace

void RegisterGalleryPages_reference(Gallery &gallery)
{
    gallery.AddPage(u"dictionary_search"_s,
                    [] { return Dictionary([](TfrmSlownik &w) { w.LookUpWord(u"house"_s); }); });
    gallery.AddPage(u"dictionary_letter"_s, [] {
        return Dictionary([](TfrmSlownik &w) {
            w.ShowDictionary();
            if (auto *b = w.findChild<QAbstractButton *>(u"Litera1"_s))
                b->click();
        });
    });
    gallery.AddPage(u"dictionary_translations"_s, [] {
        return Dictionary([](TfrmSlownik &w) {
            w.ShowDictionary();
            if (auto *b = w.findChild<QAbstractButton *>(u"rdSzukajTlumaczenia"_s))
                b->click();
            if (auto *edit = w.findChild<QLineEdit *>(u"edtSzukaj"_s)) {
                edit->setText(u"chleb"_s);
                if (auto *search = w.findChild<QAbstractButton *>(u"btnSzukaj"_s))
                    search->click();
            }
        });
    });
    gallery.AddPage(u"dictionary_whole_words"_s, [] {
        return Dictionary([](TfrmSlownik &w) {
            w.ShowDictionary();
            for (const char16_t *name : {u"rdSzukajTlumaczenia", u"chkCaleWyrazy"}) {
                if (auto *b = w.findChild<QAbstractButton *>(QString::fromUtf16(name)))
                    b->click();
            }
            if (auto *edit = w.findChild<QLineEdit *>(u"edtSzukaj"_s)) {
                edit->setText(u"dom"_s);
                if (auto *search = w.findChild<QAbstractButton *>(u"btnSzukaj"_s))
                    search->click();
            }
        });
    });
    // A look-up from an exercise after a translation search: the English headwords again.
    gallery.AddPage(u"dictionary_lookup"_s, [] {
        return Dictionary([](TfrmSlownik &w) {
            w.ShowDictionary();
            if (auto *b = w.findChild<QAbstractButton *>(u"rdSzukajTlumaczenia"_s))
                b->click();
            w.LookUpExerciseWord(u"working,"_s);
        });
    });
    gallery.AddPage(u"help_index"_s, [] { return Help(u"h_index.html"_s); });
    gallery.AddPage(u"help_learner"_s, [] { return Help(u"h_pres.html"_s, {}, true); });
    gallery.AddPage(u"help_words"_s, [] { return Help(u"h_film.html"_s); });
    gallery.AddPage(u"help_dictionary"_s, [] { return Help(u"h_index.html"_s, u"h_slownik.html"_s); });
}
