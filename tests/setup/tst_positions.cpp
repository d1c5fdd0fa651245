#include "SetupTestKit.h"
#include "setup/JobInfo.h"
#include "setup/frmJobSetup.h"

#include <QColorDialog>
#include <QLabel>
#include <QListWidget>
#include <QtEndian>

class PositionWindows : public QObject
{
    Q_OBJECT

    static QListWidget *list(QWidget *window) { return child<QListWidget>(window, "lisJobNames"); }
    static QColor sampleBack(QWidget *window)
    {
        return child<QLabel>(window, "LabTextDisplay")->palette().color(QPalette::Window);
    }

private Q_SLOTS:
    void withNoPositionsTheFirstIsAskedForAndCancelHidesTheEditor()
    {
        DataFolder data;
        frmJobSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        QCOMPARE(data.prompt.shown().size(), 1);
        QCOMPARE(data.prompt.shown()[0].text, QStringLiteral("Enter Position Name"));
        QCOMPARE(data.prompt.shown()[0].title, QStringLiteral("Add Position"));
        QCOMPARE(list(&window)->count(), 0);
        QVERIFY(!child<QWidget>(&window, "JobInfo1")->isVisible());
    }

    void aNewPositionIsStoredBlackOnRedAndSelected()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 65280);
        frmJobSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.prompt.queueInput(QStringLiteral("  cashier "));
        click(&window, "cmdAdd");

        QCOMPARE(list(&window)->currentItem()->text(), QStringLiteral("CASHIER"));
        QVERIFY(child<QWidget>(&window, "JobInfo1")->isVisible());
        QCOMPARE(child<QLabel>(&window, "labJobName")->text(), QStringLiteral("CASHIER"));
        QCOMPARE(sampleBack(&window), QColor(255, 0, 0));

        // Second record of Jobs.dat: name field, text colour, back colour (red = 255).
        const QByteArray file = data.bytes("Jobs.dat");
        QCOMPARE(file.size(), 2 * 328);
        const char *record = file.constData() + 328;
        QCOMPARE(QByteArray(record, 20), QByteArray("CASHIER").leftJustified(20, ' '));
        QCOMPARE(qFromLittleEndian<qint32>(record + 20), 0);
        QCOMPARE(qFromLittleEndian<qint32>(record + 24), 255);
    }

    void aColourChoiceIsStoredAtOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<bool>("back");
        QTest::addColumn<qint32>("stored");
        QTest::newRow("green bar") << "cmdEditBackColor" << QColor(0, 255, 0) << true << 65280;
        QTest::newRow("blue text") << "cmdTextColor" << QColor(0, 0, 255) << false << 0xFF0000;
        QTest::newRow("mixed bar") << "cmdEditBackColor" << QColor(0x12, 0x34, 0x56) << true << 0x563412;
        QTest::newRow("white text") << "cmdTextColor" << QColor(255, 255, 255) << false << 16777215;
    }
    void aColourChoiceIsStoredAtOnce()
    {
        QFETCH(QString, button);
        QFETCH(QColor, chosen);
        QFETCH(bool, back);
        QFETCH(qint32, stored);
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        {
            frmJobSetup window(*data.info, *data.options, data.prompt);
            showAndSettle(&window);
            QColor offered;
            whenModal([&](QWidget *dialog) {
                auto *colours = qobject_cast<QColorDialog *>(dialog);
                QVERIFY(colours);
                offered = colours->currentColor();
                colours->setCurrentColor(chosen);
                colours->accept();
            });
            click(&window, button);
            QCOMPARE(offered, back ? QColor(255, 0, 0) : QColor(0, 0, 0));
        }
        qint32 text = -1, bar = -1;
        data.reloaded()->JobNameInfoGet(QStringLiteral("CASHIER"), text, bar);
        QCOMPARE(back ? bar : text, stored);
        QCOMPARE(back ? text : bar, back ? 0 : 255);

        // Opened again, the sample shows the stored colours.
        auto reloaded = data.reloaded();
        frmJobSetup again(*reloaded, *data.options, data.prompt);
        showAndSettle(&again);
        const QPalette shown = child<QLabel>(&again, "LabTextDisplay")->palette();
        QCOMPARE(shown.color(back ? QPalette::Window : QPalette::WindowText), chosen);
    }

    void cancellingTheColourDialogKeepsTheColour()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        frmJobSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        whenModal([&](QWidget *dialog) {
            qobject_cast<QColorDialog *>(dialog)->setCurrentColor(Qt::blue);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        click(&window, "cmdEditBackColor");
        QCOMPARE(sampleBack(&window), QColor(255, 0, 0));
        qint32 text = -1, bar = -1;
        data.reloaded()->JobNameInfoGet(QStringLiteral("CASHIER"), text, bar);
        QCOMPARE(bar, 255);
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("no") << false << QStringList{"BAKER", "CASHIER"};
        QTest::newRow("yes") << true << QStringList{"CASHIER"};
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, left);
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        frmJobSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.prompt.queueYesNo(yes);
        click(&window, "cmdDelete");
        QCOMPARE(data.prompt.shown().last().text, QStringLiteral("Are you sure?"));
        QCOMPARE(data.prompt.shown().last().title, QStringLiteral("Delete Position"));
        QCOMPARE(data.reloaded()->JobNamesGetAll(), left);
        QCOMPARE(list(&window)->count(), left.size());
    }

    void deletingTheLastPositionHidesTheEditor()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        frmJobSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.prompt.queueYesNo(true);
        click(&window, "cmdDelete");
        QCOMPARE(list(&window)->count(), 0);
        QVERIFY(!child<QWidget>(&window, "JobInfo1")->isVisible());
        // With nothing selected, Delete asks nothing.
        click(&window, "cmdDelete");
        QCOMPARE(data.prompt.shown().size(), 1);
    }

    void aFailedColourSaveIsTold()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        frmJobSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.breakFile("Jobs.dat");
        whenModal([&](QWidget *dialog) {
            qobject_cast<QColorDialog *>(dialog)->setCurrentColor(QColor(0, 255, 0));
            qobject_cast<QColorDialog *>(dialog)->accept();
        });
        click(&window, "cmdEditBackColor");
        QCOMPARE(data.prompt.messages().size(), 1);
        QVERIFY(data.prompt.messages()[0].contains(QStringLiteral("Jobs.dat")));
        // The choice stays on screen, and the next colour change stores both.
        QCOMPARE(sampleBack(&window), QColor(0, 255, 0));
        data.repairFile("Jobs.dat");
        whenModal([&](QWidget *dialog) { qobject_cast<QColorDialog *>(dialog)->reject(); });
        click(&window, "cmdTextColor");
        qint32 text = -1, bar = -1;
        data.reloaded()->JobNameInfoGet(QStringLiteral("BAKER"), text, bar);
        QCOMPARE(bar, 65280);
    }
};

QTEST_MAIN(PositionWindows)
#include "tst_positions.moc"
