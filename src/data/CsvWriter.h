#pragma once

#include <QString>
#include <QStringList>

// Comma-separated text as RFC 4180 writes it, for files that users open in a spreadsheet.
namespace CsvWriter {

// A text cell that a spreadsheet shows as text instead of running it: text beginning with "=",
// "+", "-", "@", a tab or a carriage return may be read as a formula, so it gets a leading
// apostrophe, which spreadsheets take as the mark of a text cell. Every other text is returned
// unchanged. Meant for text that users typed (names); numbers and
// dates that the program writes itself need none.
QString inertText(const QString &text);

// One field, in double quotes (quotes inside doubled) when it holds a comma, a quote or a line
// break.
QString field(const QString &text);

// The fields, each quoted as needed, joined by commas, ending in CRLF.
QString line(const QStringList &fields);

} // namespace CsvWriter
