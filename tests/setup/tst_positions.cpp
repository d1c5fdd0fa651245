#include "SetupTestKit.h"
#include "setup/frmJobSetup.h"

#include <QColorDialog>
#include <QLabel>
#include <QtEndian>

class PositionWindows : public QObject
{
    Q_OBJECT

    static QListWidget *list(QWidget *window) { return child<QListWidget>(window, "lisJobNames"); }
    static QPalette sample(QWidget *window) { return child<QLabel>(window, "LabTextDisplay")->palette(); }
    // Clicks a colour button and picks `colour` in the dialog, or cancels it; returns the colour offered.
    static QColor chooseColour(QWidget *window, const QString &button, const QColor &colour, bool accept = true)
    {
        QColor offered;
        whenModal([&](QWidget *dialog) {
            auto *colours = qobject_cast<QColorDialog *>(dialog);
            QVERIFY(colours);
            offered = colours->currentColor();
            colours->setCurrentColor(colour);
            accept ? colours->accept() : QTest::keyClick(dialog, Qt::Key_Escape);
        });
        click(window, button);
        return offered;
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
        // Second record of Jobs.dat: name field, text colour, back colour (red = 255).
        const QByteArray file = data.bytes("Jobs.dat");
        QCOMPARE(file.size(), 2 * 328);
        const char *record = file.constData() + 328;
        QCOMPARE(QByteArray(record, 20), QByteArray("CASHIER").leftJustified(20, ' '));
        QCOMPARE(qFromLittleEndian<qint32>(record + 20), 0);
        QCOMPARE(qFromLittleEndian<qint32>(record + 24), 255);
    }

    // The position starts black on red; a choice is stored at once, a cancelled one not at all.
    void aColourChoiceIsStoredAtOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<qint32>("text");
        QTest::addColumn<qint32>("bar");
        QTest::newRow("green bar") << "cmdEditBackColor" << QColor(0, 255, 0) << true << 0 << 65280;
        QTest::newRow("blue text") << "cmdTextColor" << QColor(0, 0, 255) << true << 0xFF0000 << 255;
        QTest::newRow("mixed bar") << "cmdEditBackColor" << QColor(0x12, 0x34, 0x56) << true << 0 << 0x563412;
        QTest::newRow("cancelled") << "cmdEditBackColor" << QColor(0, 0, 255) << false << 0 << 255;
    }
    void aColourChoiceIsStoredAtOnce()
    {
        QFETCH(QString, button);
        QFETCH(QColor, chosen);
        QFETCH(bool, accept);
        QFETCH(qint32, text);
        QFETCH(qint32, bar);
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        auto window = openOn<frmJobSetup>(data);
        const bool onText = button == "cmdTextColor";
        QCOMPARE(chooseColour(window.get(), button, chosen, accept), onText ? QColor(0, 0, 0) : QColor(255, 0, 0));
        QCOMPARE(storedColours(data, QStringLiteral("CASHIER")), qMakePair(text, bar));
        const QPalette shown = sample(window.get());
        QCOMPARE(shown.color(QPalette::WindowText), accept && onText ? chosen : QColor(0, 0, 0));
        QCOMPARE(shown.color(QPalette::Window), accept && !onText ? chosen : QColor(255, 0, 0));
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
        chooseColour(window.get(), "cmdEditBackColor", QColor(0, 255, 0));
        QCOMPARE(data.prompt.messages().size(), 1);
        QVERIFY2(data.prompt.messages()[0].contains(QStringLiteral("Jobs.dat")), qPrintable(data.prompt.messages()[0]));
        QCOMPARE(sample(window.get()).color(QPalette::Window), QColor(0, 255, 0));
        data.repairFile("Jobs.dat");
        chooseColour(window.get(), "cmdTextColor", Qt::blue, false);
        QCOMPARE(storedColours(data, QStringLiteral("BAKER")), qMakePair(0, 65280));
    }
};

QTEST_MAIN(PositionWindows)
#include "tst_positions.moc"
