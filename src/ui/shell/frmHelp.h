#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: one page of HTML with a table of contents, shown in a browser that
// follows the page's links. The data folder of this run is written into the page.
class frmHelp : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelp(const QString &dataFolder, QWidget *parent = nullptr);

    // Scrolls to the section with that anchor; an empty anchor goes to the top of the page.
    void showAnchor(const QString &anchor);
    QTextBrowser *browser() const { return m_browser; }
    QSize sizeHint() const override;

    // The help page in the user's language, when there is one, with the data folder filled in.
    static QString pageHtml(const QString &dataFolder);

private:
    QTextBrowser *m_browser;
};
