#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A report's rows (BandedReport::table()) as CSV: the header line, then one line per row. Every
// cell is made inert as the hours export makes names inert: a report prints names, positions and
// reasons that users typed, and none of its own texts begins like a formula.
namespace ReportCsv {

QString text(const QStringList &header, const QList<QStringList> &rows);

} // namespace ReportCsv
