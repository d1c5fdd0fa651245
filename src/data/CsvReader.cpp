#include "CsvReader.h"
#include <QCoreApplication>

namespace CsvReader {

QList<Record> parse(const QByteArray &bytes, QString *error)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QList<Record> records;
    Record record{1, {}};
    QString field;
    bool quoted = false;       // inside a quoted field
    bool wasQuoted = false;    // the current field was quoted (only a separator may follow)
    int line = 1;
    auto endField = [&] {
        record.fields << field;
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        if (!(record.fields.size() == 1 && record.fields.first().isEmpty()))
            records << record;
        record = Record{line, {}};
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
                wasQuoted = true;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u',') {
            endField();
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            continue;   // the LF ends the record
        } else if (c == u'\n' || c == u'\r') {
            ++line;
            endRecord();
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = true;
        } else if (c == u'"' || wasQuoted) {
            *error = QCoreApplication::translate("CsvReader", "line %1: a quote in the middle of a field").arg(line);
            return {};
        } else {
            field += c;
        }
    }
    if (quoted) {
        *error = QCoreApplication::translate("CsvReader", "line %1: a quoted field is not closed").arg(record.line);
        return {};
    }
    if (!field.isEmpty() || !record.fields.isEmpty() || wasQuoted)
        endRecord();
    error->clear();
    return records;
}

} // namespace CsvReader
