#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct PositionInfo {
    QString name;
    qint32 textColor = 0;
    qint32 backColor = 0;
};

// The positions of "Jobs.dat" (328-byte records), held decoded in file order; changes stay in
// memory until save().
class PositionRecords
{
public:
    void load(const QString &path);
    void save(const QString &path) const;

    // Recolours the position of the name, or appends it when there is none.
    void setColours(const QString &name, qint32 textColor, qint32 backColor);
    void removeNamed(const QString &name);
    // The colours of the first position of exactly that name; black on green when there is none.
    void colours(const QString &name, qint32 &textColor, qint32 &backColor) const;

    QStringList names() const;
    const QList<PositionInfo> &list() const { return m_positions; }

private:
    QList<PositionInfo> m_positions;
};
