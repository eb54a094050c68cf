// gallery: renders the registered pages to PNG files.
//
//   gallery --program <program folder> --out <folder> [page ...]
//   gallery --list
//
// Without page names every page is rendered; a contact sheet of all pictures is written as
// "<out>/gallery-contact-sheet.png".

#include "Gallery.h"

#include "course/Catalogue.h"
#include "skin/MyHint.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPainter>
#include <QStandardPaths>

#include <cstdio>

namespace {

void RegisterAllPages(Gallery &gallery)
{
    RegisterGalleryPages_skin(gallery);
#ifdef AUDIVOX_GALLERY_learner
    RegisterGalleryPages_learner(gallery);
#endif
#ifdef AUDIVOX_GALLERY_runtime
    RegisterGalleryPages_runtime(gallery);
#endif
#ifdef AUDIVOX_GALLERY_app
    RegisterGalleryPages_app(gallery);
#endif
#ifdef AUDIVOX_GALLERY_media
    RegisterGalleryPages_media(gallery);
#endif
#ifdef AUDIVOX_GALLERY_reference
    RegisterGalleryPages_reference(gallery);
#endif
#ifdef AUDIVOX_GALLERY_words
    RegisterGalleryPages_words(gallery);
    RegisterGalleryPages_listening(gallery);
#endif
#ifdef AUDIVOX_GALLERY_sentences
    RegisterGalleryPages_sentences(gallery);
#endif
#ifdef AUDIVOX_GALLERY_wordtiles
    RegisterGalleryPages_wordtiles(gallery);
#endif
#ifdef AUDIVOX_GALLERY_dialogues
    RegisterGalleryPages_dialogues(gallery);
    RegisterGalleryPages_dialoguetasks(gallery);
#endif
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("program"), QStringLiteral("The assembled program folder."),
                      QStringLiteral("folder")});
    parser.addOption(
        {QStringLiteral("out"), QStringLiteral("Where the pictures go."), QStringLiteral("folder")});
    parser.addOption(
        {QStringLiteral("list"), QStringLiteral("Print the names of the pages and render nothing.")});
    parser.addPositionalArgument(QStringLiteral("page"), QStringLiteral("Pages to render (default: all)."));
    parser.process(app);
    if (parser.isSet(QStringLiteral("list"))) {
        Gallery gallery;
        RegisterAllPages(gallery);
        for (const Gallery::Page &page : gallery.Pages())
            std::printf("%s\n", qPrintable(page.Name));
        return 0;
    }
    const QString program = QDir(parser.value(QStringLiteral("program"))).absolutePath();
    const QString out = parser.value(QStringLiteral("out"));
    if (program.isEmpty() || out.isEmpty()) {
        std::fprintf(stderr, "usage: gallery --program <folder> --out <folder> [page ...]\n");
        return 2;
    }
    // Error boxes would wait for a click that never comes.
    Utils::SetSystemErrorHandler([](const QString &caption, const QString &text) {
        std::fprintf(stderr, "gallery: %s: %s\n", qPrintable(caption), qPrintable(text));
    });
    SetSkinnedMessageHook([](const QString &, const QString &, int) { return 1; });
    Utils::SetProgramFolder(program);
    Utils::SetMediaRoot(program);
    InstallSkinFonts();
    TMyHint::Install();
    if (!LoadSkinLibrary(program + QStringLiteral("/") + SkinBundleFileName()).Handle) {
        std::fprintf(stderr, "gallery: no skin bundle in %s\n", qPrintable(program));
        return 1;
    }
    // The pages show the interface texts of the course's first language, as a learner
    // sees them; the catalogue load is what fills them.
    {
        Course::TCatalogue catalogue;
        Course::LoadCatalogue(catalogue, Course::TCatalogueOptions{});
    }

    Gallery gallery;
    RegisterAllPages(gallery);

    QDir().mkpath(out);
    const QStringList wanted = parser.positionalArguments();
    QVector<QPair<QString, QImage>> thumbnails;
    int failures = 0;
    for (const Gallery::Page &page : gallery.Pages()) {
        if (!wanted.isEmpty() && !wanted.contains(page.Name))
            continue;
        QImage picture;
        try {
            picture = page.Paint();
        } catch (const std::exception &e) {
            std::fprintf(stderr, "gallery: %s failed: %s\n", qPrintable(page.Name), e.what());
        }
        if (picture.isNull() || !picture.save(QDir(out).filePath(page.Name + QStringLiteral(".png")))) {
            std::fprintf(stderr, "gallery: no picture for %s\n", qPrintable(page.Name));
            ++failures;
            continue;
        }
        thumbnails.append({page.Name, picture.width() > 480
                                          ? picture.scaledToWidth(480, Qt::SmoothTransformation)
                                          : picture});
    }
    if (wanted.isEmpty() && !thumbnails.isEmpty())
        Gallery::Sheet(thumbnails, 3, QStringLiteral("Audivox gallery"))
            .save(QDir(out).filePath(QStringLiteral("gallery-contact-sheet.png")));
    std::printf("gallery: %d pictures in %s\n", int(thumbnails.size()), qPrintable(out));
    return failures ? 1 : 0;
}
