#include "JobInfo.h"

#include "WindowHelpers.h"

#include "data/FileError.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"

#include <QColorDialog>
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

    cmdEditBackColor = NamedButton(tr("Background Color"), QStringLiteral("cmdEditBackColor"), this);
    cmdTextColor = NamedButton(tr("Text Color"), QStringLiteral("cmdTextColor"), this);

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

QColor JobInfo::ColorFromStored(qint32 value)
{
    const quint32 v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 JobInfo::StoredFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return qint32(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}

void JobInfo::PaintSample()
{
    QPalette palette = LabTextDisplay->palette();
    palette.setColor(QPalette::Window, ColorFromStored(m_backColor));
    palette.setColor(QPalette::WindowText, ColorFromStored(m_textColor));
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
    const QString name = labJobName->text().trimmed().toUpper();
    if (name.isEmpty())
        return true;
    try {
        m_info.JobInfoAdd(name, m_textColor, m_backColor);
    } catch (const FileError &e) {
        m_prompt.message(e.userText(), window()->windowTitle(), Prompt::Icon::Critical);
        return false;
    }
    return true;
}

void JobInfo::Enabled(bool enabled)
{
    cmdEditBackColor->setEnabled(enabled);
    cmdTextColor->setEnabled(enabled);
}

bool JobInfo::ChooseColor(qint32 &color, const QString &title)
{
    QColorDialog dialog(ColorFromStored(color), this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = StoredFromColor(dialog.selectedColor());
    return true;
}

void JobInfo::cmdEditBackColor_Click()
{
    ChooseColor(m_backColor, tr("Background Color"));
    PaintSample();
    SaveJob();
}

void JobInfo::cmdTextColor_Click()
{
    ChooseColor(m_textColor, tr("Text Color"));
    PaintSample();
    SaveJob();
}
