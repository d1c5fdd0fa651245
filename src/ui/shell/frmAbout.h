#pragma once

#include <QDialog>

// Name, version, licence and data folder of the program.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(const QString &dataFolder, QWidget *parent = nullptr);

    static QString versionText();
};
