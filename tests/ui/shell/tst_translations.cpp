// The translations: every translated text keeps the placeholders and the mnemonic of its source,
// the language follows the locale, and the German windows keep distinct mnemonics and fit a
// small screen.

#include "EmployeeNamed.h"
#include "ShellTestSupport.h"
#include "data/FileError.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "data/OleDate.h"
#include "planning/DepartmentWeek.h"
#include "ui/scheduling/FillNeedsDialog.h"
#include "ui/scheduling/ShiftDialog.h"
#include "ui/shell/frmInitialSetup.h"
#include "ui/common/Translations.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kTranslations = QStringLiteral(SHIFTGRID_TEST_AREA_DIR "/../../../translations");

struct Message {
    QString context, source;
    QStringList translations;   // one, or one per plural form
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}});
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        }
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText(QXmlStreamReader::SkipChildElements);
        else if (xml.name() == QLatin1String("translation")) {
            // A counted text's forms are its numerusform children.
            if (numerus || xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished"))
                continue;
            const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (!text.trimmed().isEmpty() || messages.last().translations.isEmpty())
                messages.last().translations.append(text);
        } else if (xml.name() == QLatin1String("numerusform"))
            messages.last().translations.append(xml.readElementText(QXmlStreamReader::SkipChildElements));
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:n|[1-9])"));
    QStringList found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

bool hasMnemonic(const QString &text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&(?!&)\\S"));
    return mnemonic.match(text).hasMatch();
}

QChar mnemonicOf(const QString &text)
{
    const qsizetype amp = text.indexOf(u'&');
    return amp >= 0 && amp + 1 < text.size() ? text.at(amp + 1).toLower() : QChar();
}

// Removes the translators that Translations::install gave the application.
void removeTranslations()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
}

// The wizard, or the child window the toolbar command opens, over a business of one
// department and one employee; null when the command opens no window.
QWidget *openWindow(mdiSchedule &main, const QString &tool)
{
    main.GetEmployeeCLASS().AddDepartment(QStringLiteral("DELI"));
    main.GetEmployeeCLASS().AddEmployee(employeeNamed("Ann", "Lee"));
    if (tool == QLatin1String("wizard"))
        return main.wizard();
    main.ToolClick(tool);
    return main.childWindow(tool) ? main.childWindow(tool)->widget() : nullptr;
}

} // namespace

class tst_translations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        removeTranslations();
        QLocale::setDefault(QLocale::c());
    }

    void translationsKeepPlaceholdersAndMnemonics_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(kTranslations).entryList({QStringLiteral("shiftgrid_*.ts")});
        QVERIFY(files.contains(QStringLiteral("shiftgrid_de.ts")));
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }
    void translationsKeepPlaceholdersAndMnemonics()
    {
        QFETCH(QString, file);
        const QList<Message> messages = readTs(QDir(kTranslations).filePath(file));
        QVERIFY(!messages.isEmpty());
        for (const Message &m : messages) {
            const QString where = m.context + QStringLiteral(": ") + m.source;
            QVERIFY2(!m.translations.isEmpty(), qPrintable(where));
            for (const QString &translation : m.translations) {
                QVERIFY2(!translation.isEmpty(), qPrintable(where));
                QVERIFY2(placeholders(translation) == placeholders(m.source), qPrintable(where + " -> " + translation));
                QVERIFY2(hasMnemonic(translation) == hasMnemonic(m.source), qPrintable(where + " -> " + translation));
            }
        }
    }

    // The windows speak the language of the locale; one without a translation gets English,
    // whose counted texts take their plural forms.
    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("saveError");
        QTest::addColumn<QString>("twoPositions");
        QTest::newRow("German (Germany)") << QLocale(QLocale::German, QLocale::Germany) << "de"
                                          << "„a.txt“ (in /x) konnte nicht gespeichert werden: voll." << "2 Positionen";
        QTest::newRow("German (Austria)") << QLocale(QLocale::German, QLocale::Austria) << "de"
                                          << "„a.txt“ (in /x) konnte nicht gespeichert werden: voll." << "2 Positionen";
        QTest::newRow("English (US)") << QLocale(QLocale::English, QLocale::UnitedStates) << "en"
                                      << "Could not save \"a.txt\" (in /x): voll." << "2 positions";
        QTest::newRow("French, untranslated") << QLocale(QLocale::French, QLocale::France) << "en"
                                              << "Could not save \"a.txt\" (in /x): voll." << "2 positions";
    }
    void languageFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QFETCH(QString, saveError);
        QFETCH(QString, twoPositions);
        QLocale::setDefault(locale);
        QCOMPARE(Translations::install(*QCoreApplication::instance()), language);
        QCOMPARE(FileError(QStringLiteral("Save"), QStringLiteral("/x/a.txt"), QStringLiteral("voll")).userText(), saveError);
        QCOMPARE(QCoreApplication::translate("frmEmployeeInfo", "%n position(s)", nullptr, 2), twoPositions);
    }

    // In German, as in English, no two mnemonics of a setup window (its labels and buttons with
    // the menu bar's) clash, every button keeps one, and the window fits a 1024 x 600 screen.
    void germanWindowsKeepMnemonicsAndFit_data()
    {
        QTest::addColumn<QString>("tool");
        for (const char *id : {"toolDepartments", "toolPositions", "toolWorkShifts", "toolEmployees",
                               "toolTimeOffSchedules", "toolStaffingNeeds", "toolWorkSchedules", "toolsubEmployeeReports",
                               "wizard"})
            QTest::newRow(id) << QString::fromLatin1(id);
    }
    void germanWindowsKeepMnemonicsAndFit()
    {
        QFETCH(QString, tool);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Translations::install(*QCoreApplication::instance()), QStringLiteral("de"));
        ShellRun run;
        mdiSchedule &main = run.start();
        QWidget *window = openWindow(main, tool);
        QVERIFY(window);
        QMap<QChar, QString> taken;
        for (const QAction *menu : main.menuBar()->actions()) {
            const QChar letter = mnemonicOf(menu->text());
            QVERIFY2(!letter.isNull(), qPrintable(menu->text()));
            QVERIFY2(!taken.contains(letter), qPrintable(menu->text() + " / " + taken.value(letter)));
            taken.insert(letter, menu->text());
        }
        QStringList captions;
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->isVisibleTo(window) && !button->text().isEmpty()) {
                if (qobject_cast<const QPushButton *>(button))
                    QVERIFY2(hasMnemonic(button->text()), qPrintable(button->text()));
                captions << button->text();
            }
        for (const QLabel *label : window->findChildren<QLabel *>())
            if (label->buddy())
                captions << label->text();
        for (const QString &caption : captions) {
            const QChar letter = mnemonicOf(caption);
            if (letter.isNull())
                continue;
            QVERIFY2(!taken.contains(letter), qPrintable(caption + " / " + taken.value(letter)));
            taken.insert(letter, caption);
        }
        const QSize needed = window->minimumSizeHint().expandedTo(window->minimumSize());
        QVERIFY2(needed.width() <= 1024 && needed.height() <= 560,
                 qPrintable(QStringLiteral("%1 needs %2 x %3").arg(window->windowTitle()).arg(needed.width()).arg(needed.height())));
        // At its smallest, no button cuts its caption.
        QWidget *frame = window->parentWidget() ? window->parentWidget() : window;
        frame->resize(frame->minimumSizeHint());
        QApplication::processEvents();
        for (const QPushButton *button : window->findChildren<QPushButton *>())
            if (button->isVisibleTo(window))
                QVERIFY2(button->width() >= button->sizeHint().width(),
                         qPrintable(QStringLiteral("%1: %2 is %3 wide, needs %4").arg(window->windowTitle(), button->text())
                                        .arg(button->width()).arg(button->sizeHint().width())));
    }

    // Every window fits a 1024 x 600 screen (less the main window's bands) in English and in
    // German, whatever its mnemonics.
    void windowsFitASmallScreen_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QLocale>("locale");
        for (const char *id : {"toolDepartments", "toolPositions", "toolWorkShifts", "toolEmployees",
                               "toolTimeOffSchedules", "toolStaffingNeeds", "toolWorkSchedules", "toolsubEmployeeReports",
                               "toolContents", "wizard"}) {
            QTest::addRow("%s, English", id) << QString::fromLatin1(id) << QLocale(QLocale::English, QLocale::UnitedStates);
            QTest::addRow("%s, German", id) << QString::fromLatin1(id) << QLocale(QLocale::German, QLocale::Germany);
        }
    }
    void windowsFitASmallScreen()
    {
        QFETCH(QString, tool);
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        Translations::install(*QCoreApplication::instance());
        ShellRun run;
        mdiSchedule &main = run.start();
        QWidget *window = openWindow(main, tool);
        QVERIFY(window);
        const QSize needed = window->minimumSizeHint().expandedTo(window->minimumSize());
        QVERIFY2(needed.width() <= 1024 && needed.height() <= 560,
                 qPrintable(QStringLiteral("%1 needs %2 x %3").arg(window->windowTitle()).arg(needed.width()).arg(needed.height())));
    }

    // The scheduler's own dialogs fit a 1024 x 600 screen too, in German as in English.
    void germanDialogsFit_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("shift") << "shift";
        QTest::newRow("fill open needs") << "fill";
    }
    void germanDialogsFit()
    {
        QFETCH(QString, dialog);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Translations::install(*QCoreApplication::instance()), QStringLiteral("de"));
        QTemporaryDir dir;
        clsEmployeeInfo info(dir.path(), clsEmployeeInfo::Access::ReadWrite);
        info.AddDepartment(QStringLiteral("DELI"));
        info.JobInfoAdd(QStringLiteral("COOK"), 0, 255);
        clsOptions options(ScheduleHelper::SettingsFilePath(dir.path()));
        DepartmentWeek week(info, options, QStringLiteral("DELI"), OleDate::fromDate(QDate(2026, 12, 7)), true);
        std::unique_ptr<QWidget> window;
        if (dialog == QLatin1String("shift"))
            window = std::make_unique<ShiftDialog>(QStringLiteral("Ann Lee, Montag 7.12.2026"), 0.25, 0.5,
                                                   QStringLiteral("COOK"), QStringList{QStringLiteral("COOK")});
        else
            window = std::make_unique<FillNeedsDialog>(info, week.schedule());
        const QSize needed = window->minimumSizeHint().expandedTo(window->minimumSize());
        QVERIFY2(needed.width() <= 1024 && needed.height() <= 560,
                 qPrintable(QStringLiteral("%1 needs %2 x %3").arg(window->windowTitle()).arg(needed.width()).arg(needed.height())));
    }
};

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
