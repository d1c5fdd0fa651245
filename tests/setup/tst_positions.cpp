#include "SetupTestKit.h"
#include "grid/TimeGridModel.h"
#include "setup/frmJobSetup.h"

#include <QLabel>

class PositionWindows : public QObject
{
    Q_OBJECT

    static QListWidget *list(QWidget *window) { return child<QListWidget>(window, "lisJobNames"); }
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
    void withNoPositionsTheFirstIsAskedForAndCancelHidesTheEditor()
    {
        DataFolder data;
        auto window = openOn<frmJobSetup>(data);
        QCOMPARE(data.prompt.shown().size(), 1);
        QCOMPARE(lastShown(data.prompt), QStringLiteral("Add Position: Enter Position Name"));
        QCOMPARE(list(window.get())->count(), 0);
        QVERIFY(!child<QWidget>(window.get(), "JobInfo1")->isVisible());
        click(window.get(), "cmdDelete");   // nothing selected: nothing is asked
        QCOMPARE(data.prompt.shown().size(), 1);
    }

    void aNewPositionIsStoredBlackOnRedAndSelected()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 65280);
        auto window = openOn<frmJobSetup>(data);
        data.prompt.queueInput(QStringLiteral("  cashier "));
        click(window.get(), "cmdAdd");

        QCOMPARE(list(window.get())->currentItem()->text(), QStringLiteral("CASHIER"));
        QCOMPARE(child<QLabel>(window.get(), "labJobName")->text(), QStringLiteral("CASHIER"));
        QCOMPARE(sample(window.get()).color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(data.reloaded()->JobNamesGetAll(), (QStringList{"BAKER", "CASHIER"}));
        QCOMPARE(storedColours(data, QStringLiteral("CASHIER")), qMakePair(0, 255));
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
        auto window = openOn<frmJobSetup>(data);
        for (bool yes : {false, true}) {
            data.prompt.queueYesNo(yes);
            click(window.get(), "cmdDelete");
            QCOMPARE(lastShown(data.prompt), QStringLiteral("Delete Position: Are you sure?"));
            const QStringList left = yes ? QStringList{"CASHIER"} : QStringList{"BAKER", "CASHIER"};
            QCOMPARE(data.reloaded()->JobNamesGetAll(), left);
            QCOMPARE(texts(list(window.get())), left);
        }
    }

    void aFailedColourSaveIsToldAndTheChoiceStoredLater()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        auto window = openOn<frmJobSetup>(data);
        data.breakFile("Jobs.dat");
        chooseColour(data, window.get(), "cmdEditBackColor", 65280);
        QCOMPARE(data.prompt.messages().size(), 1);
        QVERIFY2(data.prompt.messages()[0].contains(QStringLiteral("Jobs.dat")), qPrintable(data.prompt.messages()[0]));
        QCOMPARE(sample(window.get()).color(QPalette::Window), QColor(0, 255, 0));
        data.repairFile("Jobs.dat");
        chooseColour(data, window.get(), "cmdTextColor", std::nullopt);
        QCOMPARE(storedColours(data, QStringLiteral("BAKER")), qMakePair(0, 65280));
    }
};

QTEST_MAIN(PositionWindows)
#include "tst_positions.moc"
