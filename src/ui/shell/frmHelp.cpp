#include "frmHelp.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

frmHelp::frmHelp(const QString &dataFolder, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Shiftgrid Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setHtml(pageHtml(dataFolder));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    setFocusProxy(m_browser);
}

QString frmHelp::pageHtml(const QString &dataFolder)
{
    QFile file(QStringLiteral(":/help/help.html"));
    if (!file.open(QIODevice::ReadOnly))
        return tr("<p>The help page could not be loaded.</p>");
    QString html = QString::fromUtf8(file.readAll());
    html.replace(QLatin1String("@DATA_FOLDER@"), QDir::toNativeSeparators(dataFolder).toHtmlEscaped());
    return html;
}

void frmHelp::showAnchor(const QString &anchor)
{
    if (anchor.isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
    else
        m_browser->scrollToAnchor(anchor);
}

QSize frmHelp::sizeHint() const
{
    return {760, 560};
}
