#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class Prompt;
class clsEmployeeInfo;

// Shows one position's name on a sample of its bar and text colours and changes either colour
// with the colour dialog. Every colour change is stored at once.
class JobInfo : public QWidget
{
    Q_OBJECT

public:
    JobInfo(clsEmployeeInfo &info, Prompt &prompt, QWidget *parent = nullptr);

    void LoadJob(const QString &name);
    // Stores the shown position's colours; false when the file could not be written.
    bool SaveJob();
    void jobname(const QString &name);
    // Enables or disables both colour buttons.
    void Enabled(bool enabled);

    qint32 textColor() const { return m_textColor; }
    qint32 backColor() const { return m_backColor; }

private:
    void PaintSample();
    void cmdEditBackColor_Click();
    void cmdTextColor_Click();
    void ChooseColor(qint32 &color, const QString &title);

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    qint32 m_textColor = 0;
    qint32 m_backColor = 65280;

    QLabel *labJobName;
    QLabel *LabTextDisplay;
    QPushButton *cmdEditBackColor;
    QPushButton *cmdTextColor;
};
