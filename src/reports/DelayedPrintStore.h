#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class BandedReport;

// Reports kept for printing later by another program: pairs of files N.RDF (the rendered pages,
// as PDF) and N.WHA (what the report is), with N a number below one million, in a folder
// "Delayed Print" beside the data folder. Nothing in this program reads them again.
class DelayedPrintStore
{
public:
    explicit DelayedPrintStore(QString folder);
    // The store of a data folder: "Delayed Print" in the folder that holds it.
    static QString folderBeside(const QString &dataFolder);
    const QString &folder() const { return m_folder; }

    // Stores the report; `info` is entry 0 the report's name, then further lines. Returns the
    // path of the .WHA file. Throws FileError naming the file that could not be written; the
    // folder is then left without a .WHA for it.
    QString store(const BandedReport &report, const QStringList &info, const QDateTime &when = QDateTime::currentDateTime());

    // The information file: "REPORT NAME=" entry 0, the further entries, "DELAYED PRINT TIME="
    // MM/DD/YYYY HH:MM:SS, "REPORT FILE NAME=" its own path; CRLF lines, Windows-1252.
    static QByteArray infoFileText(const QStringList &info, const QDateTime &when, const QString &path);

    // Test seam: where the numbers come from (0 to 999,999); random by default.
    void setNumberSource(std::function<int()> next) { m_next = std::move(next); }

private:
    QString m_folder;
    std::function<int()> m_next;
};
