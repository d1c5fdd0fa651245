#include "frmHelp.h"

#include <QDir>
#include <QFile>
#include <QLocale>
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
    // A translated page where there is one for the user's language; English otherwise.
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    QString path = QStringLiteral(":/help/help_%1.html").arg(language);
    if (!QFile::exists(path))
        path = QStringLiteral(":/help/help.html");
    QFile file(path);
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
