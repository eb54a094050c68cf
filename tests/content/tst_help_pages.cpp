// The help pages of the course: every picture they show is one the gallery renders into
// Pomoc/img, every link leads to a page that exists, and the pages stay Windows-1250 text.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString Source()
{
    return qEnvironmentVariable("AUDIVOX_SOURCE_DIR");
}

QString HelpFolder()
{
    return Source() + u"/content/Pomoc"_s;
}

// The page's bytes as the viewer reads them (Windows-1250 shares the ASCII of the markup).
QString Markup(const QString &page)
{
    QFile file(QDir(HelpFolder()).filePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

QStringList Attributes(const QString &markup, const QString &tag, const QString &attribute)
{
    const QRegularExpression pattern(u"<%1\\b[^>]*\\b%2\\s*=\\s*\"([^\"]*)\""_s.arg(tag, attribute),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (auto it = pattern.globalMatch(markup); it.hasNext();)
        values << it.next().captured(1);
    return values;
}

} // namespace

class TestHelpPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFileInfo(HelpFolder()).isDir())
            QSKIP("no source folder");
        m_pages = QDir(HelpFolder()).entryList({u"h_*.html"_s}, QDir::Files);
        QVERIFY(m_pages.contains(u"h_index.html"_s));
        QProcess gallery;
        gallery.start(QStringLiteral(AUDIVOX_GALLERY), {u"--list"_s});
        QVERIFY(gallery.waitForFinished(60000));
        QCOMPARE(gallery.exitCode(), 0);
        m_galleryPages = QString::fromUtf8(gallery.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(m_galleryPages.size() > 20);
    }

    // A picture is "img/<page>.png" of a gallery page; where the build has rendered the gallery,
    // the picture is there and reads.
    void everyPictureIsRendered()
    {
        const QString rendered = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + u"/Pomoc/img/"_s;
        const bool built = QFileInfo(rendered).isDir();
        QStringList problems;
        int pictures = 0;
        for (const QString &page : std::as_const(m_pages)) {
            for (const QString &source : Attributes(Markup(page), u"img"_s, u"src"_s)) {
                ++pictures;
                const QString name = source.section(u'/', -1);
                if (!source.startsWith(u"img/"_s) || !name.endsWith(u".png"_s) ||
                    !m_galleryPages.contains(name.chopped(4)))
                    problems << page + u": "_s + source + u" is no gallery page"_s;
                else if (built && QImage(rendered + name).isNull())
                    problems << page + u": "_s + source + u" was not rendered"_s;
            }
        }
        QVERIFY(pictures > 0);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void everyLinkLeadsToAPage()
    {
        QStringList problems;
        for (const QString &page : std::as_const(m_pages)) {
            for (const QString &target : Attributes(Markup(page), u"a"_s, u"href"_s)) {
                if (target.contains(u"://"_s) || target.startsWith(u"mailto:"_s))
                    continue;
                const QString file = target.section(u'#', 0, 0);
                if (!file.isEmpty() && !m_pages.contains(file))
                    problems << page + u": "_s + target;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The viewer reads the pages as Windows-1250: a page saved as UTF-8 shows "Å‚" for "ł".
    void pagesAreWindows1250()
    {
        static const QRegularExpression utf8Polish(u"[\\x{c3}\\x{c4}\\x{c5}][\\x{80}-\\x{bf}]"_s);
        for (const QString &page : std::as_const(m_pages)) {
            const QString markup = Markup(page);
            QVERIFY2(!markup.contains(utf8Polish), qPrintable(page));
            QVERIFY2(!markup.startsWith(u"\u00ef\u00bb\u00bf"_s), qPrintable(page));
        }
    }

private:
    QStringList m_pages;
    QStringList m_galleryPages;
};

QTEST_MAIN(TestHelpPages)
#include "tst_help_pages.moc"
