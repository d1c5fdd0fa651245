#include "frmAbout.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef SHIFTGRID_VERSION
#define SHIFTGRID_VERSION "unknown"
#endif

QString frmAbout::versionText()
{
    return QStringLiteral(SHIFTGRID_VERSION);
}

frmAbout::frmAbout(const QString &dataFolder, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Shiftgrid"));

    auto *labName = new QLabel(QStringLiteral("<h2>Shiftgrid</h2>"), this);
    labName->setObjectName(QStringLiteral("labName"));
    auto *labVersion = new QLabel(tr("Version %1").arg(versionText()), this);
    labVersion->setObjectName(QStringLiteral("labVersion"));
    auto *labPurpose = new QLabel(tr("Plans the work shifts of a business's employees, department by department."), this);
    labPurpose->setWordWrap(true);
    auto *labLicence = new QLabel(tr("Released under the MIT License."), this);
    labLicence->setObjectName(QStringLiteral("labLicence"));
    auto *labDataFolder = new QLabel(tr("Data folder: %1").arg(QDir::toNativeSeparators(dataFolder)), this);
    labDataFolder->setObjectName(QStringLiteral("labDataFolder"));
    labDataFolder->setWordWrap(true);
    labDataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(labName);
    layout->addWidget(labVersion);
    layout->addWidget(labPurpose);
    layout->addWidget(labLicence);
    layout->addWidget(labDataFolder);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
