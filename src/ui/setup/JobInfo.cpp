#include "JobInfo.h"

#include "ui/common/WindowHelpers.h"

#include "data/CodePage.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "grid/TimeGridModel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

JobInfo::JobInfo(clsEmployeeInfo &info, Prompt &prompt, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("JobInfo"));

    labJobName = new QLabel(this);
    labJobName->setObjectName(QStringLiteral("labJobName"));
    QFont bold = labJobName->font();
    bold.setBold(true);
    labJobName->setFont(bold);

    LabTextDisplay = new QLabel(tr("Job Caption"), this);
    LabTextDisplay->setObjectName(QStringLiteral("LabTextDisplay"));
    LabTextDisplay->setAlignment(Qt::AlignCenter);
    LabTextDisplay->setAutoFillBackground(true);
    LabTextDisplay->setFrameShape(QFrame::Box);
    LabTextDisplay->setMinimumSize(160, 36);

    cmdEditBackColor = NamedButton(tr("&Background Color"), QStringLiteral("cmdEditBackColor"), this);
    cmdTextColor = NamedButton(tr("Te&xt Color"), QStringLiteral("cmdTextColor"), this);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Job Name"), this), 0, 0);
    grid->addWidget(labJobName, 1, 0);
    grid->addWidget(new QLabel(tr("BarColor"), this), 2, 0);
    grid->addWidget(LabTextDisplay, 3, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdEditBackColor);
    buttons->addWidget(cmdTextColor);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0);
    grid->setRowStretch(5, 1);

    connect(cmdEditBackColor, &QPushButton::clicked, this, &JobInfo::cmdEditBackColor_Click);
    connect(cmdTextColor, &QPushButton::clicked, this, &JobInfo::cmdTextColor_Click);
    PaintSample();
}

void JobInfo::PaintSample()
{
    QPalette palette = LabTextDisplay->palette();
    palette.setColor(QPalette::Window, TimeGridModel::toColor(m_backColor));
    palette.setColor(QPalette::WindowText, TimeGridModel::toColor(m_textColor));
    LabTextDisplay->setPalette(palette);
}

void JobInfo::LoadJob(const QString &name)
{
    jobname(name);
}

void JobInfo::jobname(const QString &name)
{
    m_info.JobNameInfoGet(name, m_textColor, m_backColor);
    labJobName->setText(name);
    PaintSample();
}

bool JobInfo::SaveJob()
{
    const QString name = CodePage::toUpper(labJobName->text().trimmed());
    if (name.isEmpty())
        return true;
    return RunShowingFileError(m_prompt, window()->windowTitle(),
                               [&] { m_info.JobInfoAdd(name, m_textColor, m_backColor); });
}

void JobInfo::Enabled(bool enabled)
{
    cmdEditBackColor->setEnabled(enabled);
    cmdTextColor->setEnabled(enabled);
}

void JobInfo::ChooseColor(qint32 &color, const QString &title)
{
    // Whatever was chosen (also nothing) is shown and stored at once.
    color = m_prompt.chooseColor(color, title).value_or(color);
    PaintSample();
    SaveJob();
}

void JobInfo::cmdEditBackColor_Click()
{
    ChooseColor(m_backColor, tr("Background Color"));
}

void JobInfo::cmdTextColor_Click()
{
    ChooseColor(m_textColor, tr("Text Color"));
}
