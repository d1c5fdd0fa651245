#include "DelayedPrintStore.h"

#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/ScheduleHelper.h"
#include "reports/engine/BandedReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {
constexpr int kNumbers = 1000000;
}

DelayedPrintStore::DelayedPrintStore(QString folder)
    : m_folder(QDir::cleanPath(std::move(folder))),
      m_next([] { return int(QRandomGenerator::global()->bounded(kNumbers)); })
{
}

QString DelayedPrintStore::folderBeside(const QString &dataFolder)
{
    const QFileInfo data(QDir::cleanPath(dataFolder));
    return data.absoluteDir().filePath(QStringLiteral("Delayed Print"));
}

QByteArray DelayedPrintStore::infoFileText(const QStringList &info, const QDateTime &when, const QString &path)
{
    QStringList lines;
    lines << QStringLiteral("REPORT NAME=") + info.value(0);
    lines << info.mid(1);
    lines << QStringLiteral("DELAYED PRINT TIME=") + when.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
    lines << QStringLiteral("REPORT FILE NAME=") + QDir::toNativeSeparators(path);
    QByteArray text;
    for (const QString &line : std::as_const(lines))
        text += CodePage::encode(line) + "\r\n";
    return text;
}

QString DelayedPrintStore::store(const BandedReport &report, const QStringList &info, const QDateTime &when)
{
    if (!QDir().mkpath(m_folder))
        throw FileError(QStringLiteral("DelayedPrintStore"), m_folder, QCoreApplication::translate("DelayedPrintStore", "the folder cannot be created"));
    const QDir dir(m_folder);

    // A number whose two names are both free, so that no earlier pair is overwritten.
    QString base;
    for (int tries = 0; base.isEmpty(); ++tries) {
        if (tries == 10000)
            throw FileError(QStringLiteral("DelayedPrintStore"), m_folder, QCoreApplication::translate("DelayedPrintStore", "no free report number was found"));
        const QString n = QString::number(m_next() % kNumbers);
        if (!dir.exists(n + QStringLiteral(".WHA")) && !dir.exists(n + QStringLiteral(".RDF")))
            base = dir.filePath(n);
    }

    const QString title = info.value(0);
    const QByteArray pdf = report.pdfBytes(title);
    const QString rdf = base + QStringLiteral(".RDF");
    const QString wha = base + QStringLiteral(".WHA");
    if (pdf.isEmpty())
        throw FileError(QStringLiteral("DelayedPrintStore"), rdf, QCoreApplication::translate("DelayedPrintStore", "the report could not be rendered"));
    // The pages first: a program that waits for .WHA files never finds one without its pages.
    ScheduleHelper::WriteFileBytes(rdf, pdf);
    try {
        ScheduleHelper::WriteFileBytes(wha, infoFileText(info, when, wha));
    } catch (const FileError &) {
        QFile::remove(rdf);
        throw;
    }
    return wha;
}
