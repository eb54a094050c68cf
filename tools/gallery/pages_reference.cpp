// Gallery pages of the reference tools: the dictionary searched and browsed, and help pages.

#include "Gallery.h"

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

QImage Help(const QString &page, const QString &link = {})
{
    TfrmPomoc *help = OpenHelp(page, false, nullptr);
    if (!link.isEmpty())
        help->HTMLHotSpotClick(link);
    const QImage image = Gallery::Grab(help);
    help->close();
    return image;
}

} // namespace

void RegisterGalleryPages_reference(Gallery &gallery)
{
    gallery.AddPage(u"dictionary_search"_s, [] {
        return Dictionary([](TfrmSlownik &w) { w.LookUpWord(u"house"_s); });
    });
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
    gallery.AddPage(u"help_index"_s, [] { return Help(u"h_index.html"_s); });
    gallery.AddPage(u"help_dictionary"_s, [] { return Help(u"h_index.html"_s, u"h_slownik.html"_s); });
}
