// The help pages: every translated page has the sections, links, data-folder line and code
// samples of the English page, so a section added in English without its translation is caught;
// and the help window shows the page of the user's language.

#include "ui/shell/frmHelp.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QString kHelpFolder = QStringLiteral(":/help");
const QString kEnglishPage = QStringLiteral("help.html");

QString readPage(const QString &name)
{
    QFile file(kHelpFolder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

QStringList captures(const QString &html, const QRegularExpression &pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : pattern.globalMatch(html))
        found << m.captured(1);
    return found;
}

int count(const QString &html, const QRegularExpression &pattern)
{
    int n = 0;
    for (auto it = pattern.globalMatch(html); it.hasNext(); it.next())
        ++n;
    return n;
}

// What a translation must keep of its page; the words are free.
struct Outline {
    QStringList anchors;    // ids and <a name>, in page order
    QStringList hrefs;      // link targets, sorted, once each
    int dataFolders = 0;
    int codes = 0;          // <code> and <tt> samples, which stay as in English
    int titles = 0;         // <title>, <h1>..<h3>

    static Outline of(const QString &html)
    {
        static const QRegularExpression anchor(
            QStringLiteral(R"(<[a-z][a-z0-9]*\b[^>]*?\b(?:id|name)\s*=\s*["']([^"']*)["'])"),
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression href(QStringLiteral(R"(\bhref\s*=\s*["']([^"']*)["'])"),
                                             QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression code(QStringLiteral(R"(<(?:code|tt)\b)"),
                                             QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression title(QStringLiteral(R"(<(?:title|h[1-6])\b)"),
                                              QRegularExpression::CaseInsensitiveOption);
        Outline outline;
        outline.anchors = captures(html, anchor);
        outline.hrefs = captures(html, href);
        outline.hrefs.sort();
        outline.hrefs.removeDuplicates();
        outline.dataFolders = html.count(QLatin1String("@DATA_FOLDER@"));
        outline.codes = count(html, code);
        outline.titles = count(html, title);
        return outline;
    }
};

QString titleOf(const QString &html)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"));
    return title.match(html).captured(1);
}

} // namespace

class tst_HelpPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(shell);
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
    }

    void translationKeepsTheOutline_data()
    {
        QTest::addColumn<QString>("page");
        const QStringList pages = QDir(kHelpFolder).entryList({QStringLiteral("help_*.html")}, QDir::Files);
        QVERIFY2(!pages.isEmpty(), "no translated help page in the resource");
        for (const QString &page : pages)
            QTest::newRow(qPrintable(page)) << page;
    }

    void translationKeepsTheOutline()
    {
        QFETCH(QString, page);
        const Outline english = Outline::of(readPage(kEnglishPage));
        const Outline translated = Outline::of(readPage(page));
        QVERIFY(english.anchors.size() > 10);
        QCOMPARE(translated.anchors, english.anchors);
        QCOMPARE(translated.hrefs, english.hrefs);
        QCOMPARE(translated.dataFolders, english.dataFolders);
        QCOMPARE(translated.codes, english.codes);
        QCOMPARE(translated.titles, english.titles);
    }

    void windowShowsThePageOfTheLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("page");
        QTest::newRow("German (Germany)") << QLocale(QLocale::German, QLocale::Germany) << "help_de.html";
        QTest::newRow("German (Switzerland)") << QLocale(QLocale::German, QLocale::Switzerland) << "help_de.html";
        QTest::newRow("English (US)") << QLocale(QLocale::English, QLocale::UnitedStates) << "help.html";
        QTest::newRow("French, untranslated") << QLocale(QLocale::French, QLocale::France) << "help.html";
    }

    void windowShowsThePageOfTheLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, page);
        QLocale::setDefault(locale);
        const QString folder = QStringLiteral("/srv/shifts & more");

        QString expected = readPage(page);
        expected.replace(QLatin1String("@DATA_FOLDER@"), QDir::toNativeSeparators(folder).toHtmlEscaped());
        QCOMPARE(frmHelp::pageHtml(folder), expected);

        frmHelp help(folder);
        QCOMPARE(help.browser()->documentTitle(), titleOf(expected));
        QVERIFY(help.browser()->toPlainText().contains(QDir::toNativeSeparators(folder)));
    }
};

QTEST_MAIN(tst_HelpPages)
#include "tst_helppages.moc"
