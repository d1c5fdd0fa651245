// The questions of the program's own making: the item and calendar dialogs of WidgetPrompt,
// worked as a user would, and the quiet prompt of the headless commands.

#include "ScriptedDialogs.h"
#include "ui/common/WidgetPrompt.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// WidgetPrompt whose dialogs are worked by a script instead of a modal event loop.
struct WorkedPrompt : WidgetPrompt {
    ScriptedDialogs dialogs;
    int exec(QDialog &dialog) override { return dialogs.exec(dialog); }
};

// Scripts the next dialog: notes its label text, lets `pick` change it, then presses `button`.
void work(WorkedPrompt &prompt, QString &label, std::function<void(QDialog *)> pick, int button)
{
    prompt.dialogs.queue([&label, pick, button](QDialog *dialog) {
        label = dialog->findChild<QLabel *>()->text();
        pick(dialog);
        for (QDialogButtonBox *box : dialog->findChildren<QDialogButtonBox *>())
            if (QPushButton *pressed = box->button(QDialogButtonBox::StandardButton(button)))
                QTest::mouseClick(pressed, Qt::LeftButton);
    });
}

} // namespace

class tst_prompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Items "DELI", "BAKERY", "DELI" with the second DELI offered; what is picked, how it closes.
    // Input boxes and questions are wide enough for their whole title.
    void titlesAreNotCut()
    {
        const QString title = QStringLiteral("Department Settings - NIGHT SHIFT BAKERY AND PASTRY");
        WorkedPrompt prompt;
        QList<int> widths;
        for (int i = 0; i < 2; ++i)
            prompt.dialogs.queue([&](QDialog *dialog) { dialog->adjustSize(); widths << dialog->width(); });
        static_cast<Prompt &>(prompt).input(QStringLiteral("Name"), title);
        static_cast<Prompt &>(prompt).askYesNo(QStringLiteral("Sure?"), title, true);
        for (int width : widths)
            QVERIFY2(width > QFontMetrics(QApplication::font()).horizontalAdvance(title) + 60, qPrintable(QString::number(width)));
    }

    void itemDialog_data()
    {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<int>("button");
        QTest::addColumn<std::optional<int>>("chosen");
        QTest::newRow("offered one, OK") << QString() << int(QDialogButtonBox::Ok) << std::optional<int>(2);
        QTest::newRow("BAKERY, OK") << "BAKERY" << int(QDialogButtonBox::Ok) << std::optional<int>(1);
        QTest::newRow("BAKERY, Cancel") << "BAKERY" << int(QDialogButtonBox::Cancel) << std::optional<int>();
        // A list: a double-click or Enter on an item chooses it without OK.
        QTest::newRow("BAKERY, double-click") << "BAKERY" << int(QDialogButtonBox::NoButton) << std::optional<int>(1);
        QTest::newRow("BAKERY, Enter") << "BAKERY\n" << int(QDialogButtonBox::NoButton) << std::optional<int>(1);
    }
    void itemDialog()
    {
        QFETCH(QString, pick);
        QFETCH(int, button);
        QFETCH(std::optional<int>, chosen);
        WorkedPrompt prompt;
        QString label;
        work(prompt, label, [&](QDialog *dialog) {
            auto *list = dialog->findChild<QListView *>();
            QVERIFY(list);
            if (button != int(QDialogButtonBox::NoButton)) {
                if (!pick.isEmpty())
                    qobject_cast<QInputDialog *>(dialog)->setTextValue(pick);
                return;
            }
            const QModelIndex item = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, pick.trimmed()).value(0);
            if (pick.endsWith(u'\n')) {
                list->setCurrentIndex(item);
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                const QPoint at = list->visualRect(item).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            }
        }, button);
        QCOMPARE(static_cast<Prompt &>(prompt).chooseItem(QStringLiteral("Department"), {"DELI", "BAKERY", "DELI"}, 2), chosen);
        QCOMPARE(label, QStringLiteral("Department"));
    }

    void dateDialog_data()
    {
        QTest::addColumn<QDate>("pick");
        QTest::addColumn<int>("button");
        QTest::addColumn<std::optional<QDate>>("chosen");
        QTest::newRow("offered day, OK") << QDate() << int(QDialogButtonBox::Ok) << std::optional<QDate>(QDate(2024, 2, 29));
        QTest::newRow("another day, OK") << QDate(2024, 3, 4) << int(QDialogButtonBox::Ok) << std::optional<QDate>(QDate(2024, 3, 4));
        QTest::newRow("another day, Cancel") << QDate(2024, 3, 4) << int(QDialogButtonBox::Cancel) << std::optional<QDate>();
    }
    void dateDialog()
    {
        QFETCH(QDate, pick);
        QFETCH(int, button);
        QFETCH(std::optional<QDate>, chosen);
        WorkedPrompt prompt;
        QString label;
        work(prompt, label, [&](QDialog *dialog) {
            if (pick.isValid())
                dialog->findChild<QCalendarWidget *>()->setSelectedDate(pick);
        }, button);
        QCOMPARE(static_cast<Prompt &>(prompt).chooseDate(QStringLiteral("Copy to"), QDate(2024, 2, 29)), chosen);
        QCOMPARE(label, QStringLiteral("Copy to"));
    }

    // Headless commands never wait: every question is declined, and every text kept for printing.
    void quietPromptDeclinesAndKeepsTexts()
    {
        QuietPrompt quiet;
        quiet.message(QStringLiteral("saved"), {}, Prompt::Icon::Information);
        QVERIFY(!quiet.askYesNo(QStringLiteral("Replace schedule?"), {}, false));
        QVERIFY(!quiet.input(QStringLiteral("Name"), {}, QStringLiteral("x")));
        QVERIFY(!quiet.chooseColor(255, QStringLiteral("Text Color")));
        QVERIFY(!quiet.saveFileName(QStringLiteral("Export"), QStringLiteral("a.pdf"), {}));
        QVERIFY(!quiet.chooseItem(QStringLiteral("Department"), {"DELI"}, 0, {}));
        QVERIFY(!quiet.chooseDate(QStringLiteral("Copy to"), QDate(2024, 1, 1), {}));
        QCOMPARE(quiet.texts(), (QStringList{"saved", "Replace schedule?", "Name", "Text Color", "Export",
                                             "Department", "Copy to"}));
    }
};

QTEST_MAIN(tst_prompts)
#include "tst_prompts.moc"
