#include "WidgetPrompt.h"

#include <QApplication>

#include "grid/TimeGridModel.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QInputDialog>
#include <QListView>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

QString WidgetPrompt::titleOrProgramName(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Shiftgrid") : title;
}

namespace {

// Wide enough that the window frame shows the whole title beside its buttons. A message box
// sizes itself from its text, so it gets a spacer of that width instead.
void roomForTitle(QDialog &dialog, const QString &title)
{
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(title) + 140;
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()); grid && qobject_cast<QMessageBox *>(&dialog))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    else if (QLabel *label = dialog.findChild<QLabel *>())   // an input box sizes itself from its parts
        label->setMinimumWidth(qMax(label->minimumWidth(), width - 40));
    else
        dialog.setMinimumWidth(qMax(dialog.minimumWidth(), width));
}

} // namespace

QWidget *WidgetPrompt::owner() const
{
    // Over the window the user works in (a report preview is a window of its own), so that
    // the box does not bring the main window in front of it.
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return m_parent;
}

int WidgetPrompt::exec(QDialog &dialog)
{
    return dialog.exec();
}

void WidgetPrompt::message(const QString &text, const QString &title, Icon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == Icon::Warning)
        boxIcon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        boxIcon = QMessageBox::Critical;
    QMessageBox box(boxIcon, titleOrProgramName(title), text, QMessageBox::Ok, owner());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    roomForTitle(box, box.windowTitle());
    exec(box);
}

bool WidgetPrompt::askYesNo(const QString &text, const QString &title, bool defaultNo)
{
    QMessageBox box(QMessageBox::Question, titleOrProgramName(title), text,
                    QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    roomForTitle(box, box.windowTitle());
    exec(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

std::optional<QString> WidgetPrompt::input(const QString &text, const QString &title, const QString &initial)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(titleOrProgramName(title));
    dialog.setLabelText(text);
    dialog.setTextValue(initial);
    roomForTitle(dialog, dialog.windowTitle());
    if (exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<qint32> WidgetPrompt::chooseColor(qint32 initial, const QString &title)
{
    const QColor chosen = QColorDialog::getColor(TimeGridModel::toColor(initial), owner(), titleOrProgramName(title));
    if (!chosen.isValid())
        return std::nullopt;
    return TimeGridModel::fromColor(chosen.toRgb());
}

std::optional<QString> WidgetPrompt::saveFileName(const QString &caption, const QString &suggested,
                                                  const QString &filter)
{
    const QString path = QFileDialog::getSaveFileName(owner(), titleOrProgramName(caption), suggested, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> WidgetPrompt::openFileName(const QString &caption, const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(owner(), titleOrProgramName(caption), QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<int> WidgetPrompt::chooseItem(const QString &text, const QStringList &items, int current,
                                            const QString &title)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(titleOrProgramName(title));
    dialog.setLabelText(text);
    // A list, not a drop-down: a double-click or Enter chooses, without a further OK.
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (auto *list = dialog.findChild<QListView *>())
        QObject::connect(list, &QListView::doubleClicked, &dialog, &QDialog::accept);
    roomForTitle(dialog, dialog.windowTitle());
    if (current >= 0 && current < items.size())
        dialog.setTextValue(items.at(current));
    if (exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    // The chosen text; where a text stands twice, the place it was offered at wins.
    const QString chosen = dialog.textValue();
    if (current >= 0 && current < items.size() && items.at(current) == chosen)
        return current;
    const qsizetype index = items.indexOf(chosen);
    return index < 0 ? std::nullopt : std::optional<int>(int(index));
}

std::optional<QDate> WidgetPrompt::chooseDate(const QString &text, const QDate &initial, const QString &title)
{
    QDialog dialog(owner());
    dialog.setWindowTitle(titleOrProgramName(title));
    auto *calendar = new QCalendarWidget(&dialog);
    calendar->setSelectedDate(initial.isValid() ? initial : QDate::currentDate());
    calendar->setGridVisible(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // A double click or Enter on a day chooses it.
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    if (!text.isEmpty())
        layout->addWidget(new QLabel(text, &dialog));
    layout->addWidget(calendar);
    layout->addWidget(buttons);
    if (exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return calendar->selectedDate();
}
