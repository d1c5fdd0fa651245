#pragma once

#include <QString>
#include <QStringList>

// Writes JSON text with object keys in the order they are given (QJsonObject would sort them),
// two-space indentation, and every character of a string escaped as JSON requires (NUL included).
class JsonWriter
{
public:
    void beginObject(const QString &key = {});
    void endObject();
    void beginArray(const QString &key = {});
    void endArray();

    void value(const QString &key, const QString &text);
    void value(const QString &key, const char *text) { value(key, QString::fromUtf8(text)); }
    void value(const QString &key, qint64 number);
    void value(const QString &key, int number) { value(key, qint64(number)); }
    void value(const QString &key, bool flag);
    void value(const QString &key, double number);
    // A number with a fixed count of decimals (times measured in seconds).
    void value(const QString &key, double number, int decimals);
    // Array elements.
    void element(const QString &text) { value(QString(), text); }
    void element(bool flag) { value(QString(), flag); }
    void stringArray(const QString &key, const QStringList &texts);

    const QString &text() const { return m_out; }

    static QString quoted(const QString &text);

private:
    void prefix(const QString &key);
    void raw(const QString &key, const QString &json);

    QString m_out;
    QList<bool> m_first;   // per open container: no element written yet
};
