#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>

// Geometry of a time grid: the one place that turns times into x positions, rows into y
// positions and back. Painting, hit testing and dragging all go through it, so what is drawn and
// what the mouse finds always agree.
//
//   x: [row captions | hours column | cost column (when shown) | time area ...]
//   y: [header (day labels, hour ticks)                                      ]
//      [rows, each rowHeight tall, scrolled by rowOffset pixels              ]
class TimeGridMapper
{
public:
    int captionWidth = 235;
    int infoWidth = 64;
    int costWidth = 0;   // 0: no cost column
    int headerHeight = 46;
    int rowHeight = 26;
    int width = 800;  // whole painted width, captions included
    int height = 600; // whole painted height, header included
    int rowCount = 0;
    int rowOffset = 0;       // pixels of rows scrolled off the top
    double scrollTime = 0;   // date-time at the left edge of the time area
    double visibleDays = 1;  // days shown across the time area

    int timeLeft() const { return captionWidth + infoWidth + costWidth; }
    int timeWidth() const { return width > timeLeft() + 1 ? width - timeLeft() : 1; }
    double pixelsPerDay() const { return timeWidth() / visibleDays; }
    double visibleEnd() const { return scrollTime + visibleDays; }

    double xForTime(double time) const;
    double timeForX(double x) const;

    int rowTop(int row) const { return headerHeight + row * rowHeight - rowOffset; }
    QRect rowRect(int row) const { return QRect(0, rowTop(row), width, rowHeight); }
    // The row at y, or -1 above the rows (header) and below the last one.
    int rowAtY(int y) const;
    int firstVisibleRow() const;
    int lastVisibleRow() const;

    QRect timeArea() const { return QRect(timeLeft(), headerHeight, timeWidth(), height - headerHeight); }
    QRect captionArea() const { return QRect(0, headerHeight, captionWidth, height - headerHeight); }
    bool inTimeArea(QPoint p) const;
    bool inCaptionColumn(QPoint p) const;

    // The rectangle of a block drawn in a row, not clipped to the time area.
    QRectF blockRect(int row, double begin, double end) const;
    // Total height of all rows, for the vertical scroll range.
    int contentHeight() const { return rowCount * rowHeight; }
};
