#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;
class TimeGridMapper;

// One step of a coverage strip: staff on shift against the need between two date-times.
struct CoverageCell {
    double begin = 0;
    double end = 0;
    int scheduled = 0;
    int needed = 0;   // 0: no need
    int most = -1;    // the most wanted; -1: no bound
    bool isShort() const { return scheduled < needed; }
    bool isAbove() const { return most >= 0 && scheduled > most; }
};

// One position's line of the strip.
struct CoverageStripRow {
    QString position;
    QList<CoverageCell> cells;
};

// Paints a coverage strip under a time-bar grid, aligned with the grid's time columns: per
// position a line of cells showing the staff on shift ("2", or "1/3" where 3 are needed),
// short of the need in red, above the most wanted in blue, met plainly. Pure painting: the
// counts come from the caller.
class CoverageStripPainter
{
public:
    explicit CoverageStripPainter(const QFont &font = QFont()) : m_font(font) {}

    int lineHeight() const;
    int height(int positions) const { return positions * lineHeight(); }

    // Paints the rows into `area` (its width is the grid's: captions in the grid's caption and
    // hours columns, cells where the mapper puts their times).
    void paint(QPainter &p, const TimeGridMapper &m, const QRect &area, const QList<CoverageStripRow> &rows) const;

    static QColor shortColor() { return QColor(0xE5, 0x39, 0x35); }
    static QColor aboveColor() { return QColor(0x5C, 0x8D, 0xE0); }
    static QColor metColor() { return QColor(0xF4, 0xF4, 0xF4); }

private:
    QFont m_font;
};
