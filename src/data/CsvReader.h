#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text as RFC 4180 writes it: fields in double quotes may hold commas, quotes
// (doubled) and line breaks; lines end in CRLF or LF. UTF-8, with or without a byte-order mark.
namespace CsvReader {

struct Record {
    int line = 0;   // the line the record starts on, from 1
    QStringList fields;
};

// The records of the text; a record that is only an empty line is skipped. A quote left open at
// the end, or a quote inside an unquoted field, is an error naming its line.
QList<Record> parse(const QByteArray &bytes, QString *error);

} // namespace CsvReader
