#include "SetupTestKit.h"
#include "ui/common/Translations.h"
#include "grid/TimeGridModel.h"
#include "ui/setup/frmJobSetup.h"

#include <QLabel>

class PositionWindows : public QObject
{
    Q_OBJECT

    static QListView *list(QWidget *window) { return child<QListView>(window, "lisJobNames"); }
    static QPalette sample(QWidget *window) { return child<QLabel>(window, "LabTextDisplay")->palette(); }
    // Clicks a colour button and answers the colour dialog with `colour` (nothing: cancelled);
    // returns the dialog as it was asked for, "title: colour offered".
    static QString chooseColour(DataFolder &data, QWidget *window, const QString &button, std::optional<qint32> colour)
    {
        data.prompt.queueColor(colour);
        click(window, button);
        for (const ScriptedPrompt::Shown &shown : data.prompt.shown())
            if (shown.kind == ScriptedPrompt::Shown::Color)
                return shown.title + ": " + QString::number(shown.offered.value<qint32>());
        return {};
    }
    static QPair<qint32, qint32> storedColours(const DataFolder &data, const QString &name)
    {
        qint32 text = -1, bar = -1;
        data.reloaded()->JobNameInfoGet(name, text, bar);
        return {text, bar};
    }

private Q_SLOTS:
    // Counted texts take their English plural forms from the English translation, as in the program.
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }
    void withNoPositionsTheFirstIsAskedForAndCancelHidesTheEditor()
    {
        DataFolder data;
        auto window = openOn<frmJobSetup>(data);
        QCOMPARE(data.prompt.shown().size(), 1);
        QCOMPARE(lastShown(data.prompt), QStringLiteral("Add Position: Enter Position Name"));
        QCOMPARE(list(window.get())->model()->rowCount(), 0);
        QVERIFY(!child<QWidget>(window.get(), "JobInfo1")->isVisible());
        QVERIFY(!child<QWidget>(window.get(), "cmdDelete")->isEnabled());
        // The colour editor appears beside the list without moving it.
        const QRect listPlace = list(window.get())->geometry();
        data.prompt.queueInput(QStringLiteral("cook"));
        click(window.get(), "cmdAdd");
        QTest::qWait(10);
        QVERIFY(child<QWidget>(window.get(), "JobInfo1")->isVisible());
        QCOMPARE(list(window.get())->geometry(), listPlace);
    }

    // A new name is stored black on red and selected; a name that exists keeps its colours and
    // is selected; a name longer than the field is refused.
    void addingAName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("told");
        QTest::newRow("new, trimmed") << "  cashier " << QStringList{"BAKER", "CASHIER"} << "CASHIER" << 255 << "";
        QTest::newRow("exists in other case") << "baker" << QStringList{"BAKER"} << "BAKER" << 65280 << "already exists";
        QTest::newRow("longer than 20") << "Assistant Kitchen Manager" << QStringList{"BAKER"} << "BAKER" << 65280 << "at most 20";
    }
    void addingAName()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, stored);
        QFETCH(QString, selected);
        QFETCH(int, bar);
        QFETCH(QString, told);
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 65280);
        auto window = openOn<frmJobSetup>(data);
        data.prompt.queueInput(typed);
        click(window.get(), "cmdAdd");

        QCOMPARE(data.reloaded()->JobNamesGetAll(), stored);
        QCOMPARE(list(window.get())->currentIndex().data().toString(), selected);
        QCOMPARE(storedColours(data, selected), qMakePair(0, bar));
        QCOMPARE(sample(window.get()).color(QPalette::Window), TimeGridModel::toColor(bar));
        QCOMPARE(data.prompt.messages().size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QVERIFY2(data.prompt.messages()[0].contains(told), qPrintable(data.prompt.messages()[0]));
    }

    // The position starts black on red; a choice is shown and stored at once, a cancelled one not at all.
    void aColourChoiceIsStoredAtOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<std::optional<qint32>>("chosen");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<qint32>("text");
        QTest::addColumn<qint32>("bar");
        QTest::newRow("green bar") << "cmdEditBackColor" << std::optional<qint32>(65280) << "Background Color: 255" << 0 << 65280;
        QTest::newRow("blue text") << "cmdTextColor" << std::optional<qint32>(0xFF0000) << "Text Color: 0" << 0xFF0000 << 255;
        QTest::newRow("cancelled") << "cmdEditBackColor" << std::optional<qint32>() << "Background Color: 255" << 0 << 255;
    }
    void aColourChoiceIsStoredAtOnce()
    {
        QFETCH(QString, button);
        QFETCH(std::optional<qint32>, chosen);
        QFETCH(QString, asked);
        QFETCH(qint32, text);
        QFETCH(qint32, bar);
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        auto window = openOn<frmJobSetup>(data);
        QCOMPARE(chooseColour(data, window.get(), button, chosen), asked);
        QCOMPARE(storedColours(data, QStringLiteral("CASHIER")), qMakePair(text, bar));
        const QPalette shown = sample(window.get());
        QCOMPARE(shown.color(QPalette::WindowText), TimeGridModel::toColor(text));
        QCOMPARE(shown.color(QPalette::Window), TimeGridModel::toColor(bar));
    }

    void deleteAsksFirst()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        data.info->JobEmpAvalReplace(7, {QStringLiteral("BAKER")});
        auto window = openOn<frmJobSetup>(data);
        for (bool yes : {false, true}) {
            data.prompt.queueYesNo(yes);
            click(window.get(), "cmdDelete");
            QCOMPARE(lastShown(data.prompt), QStringLiteral("Delete Position: Delete the position BAKER? 1 employee who "
                                                            "holds it can then no longer be scheduled for it. Shifts "
                                                            "already scheduled stay."));
            QCOMPARE(data.prompt.shown().last().offered, QVariant(true));
            const QStringList left = yes ? QStringList{"CASHIER"} : QStringList{"BAKER", "CASHIER"};
            QCOMPARE(data.reloaded()->JobNamesGetAll(), left);
            QCOMPARE(texts(list(window.get())), left);
        }
    }
};

QTEST_MAIN(PositionWindows)
#include "tst_positions.moc"
