#pragma once

// The user working the program's own dialogs, scripted. Header only: it needs QtWidgets, which
// not every test links.

#include "ui/common/DialogRunner.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

class ScriptedDialogs : public DialogRunner
{
public:
    using Answer = std::function<void(QDialog *)>;

    // The next dialog is shown (not modally) and handed to `answer`, which fills it in and closes
    // it, as a user would. A dialog left open, or one nobody scripted, is cancelled.
    void queue(Answer answer) { m_answers.append(std::move(answer)); }

    int exec(QDialog &dialog) override
    {
        m_shown << dialog.objectName();
        dialog.setResult(QDialog::Rejected);
        if (m_answers.isEmpty()) {
            dialog.reject();
            return dialog.result();
        }
        dialog.show();
        m_answers.takeFirst()(&dialog);
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result();
    }

    // The object names of the dialogs run, in order.
    const QStringList &shown() const { return m_shown; }

private:
    QList<Answer> m_answers;
    QStringList m_shown;
};
