#include "WidgetPrompt.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

QString WidgetPrompt::titleOrProgramName(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Shiftgrid") : title;
}

void WidgetPrompt::message(const QString &text, const QString &title, Icon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == Icon::Warning)
        boxIcon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        boxIcon = QMessageBox::Critical;
    QMessageBox box(boxIcon, titleOrProgramName(title), text, QMessageBox::Ok, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool WidgetPrompt::askYesNo(const QString &text, const QString &title, bool defaultNo)
{
    QMessageBox box(QMessageBox::Question, titleOrProgramName(title), text,
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> WidgetPrompt::input(const QString &text, const QString &title, const QString &initial)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(titleOrProgramName(title));
    dialog.setLabelText(text);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
