#include "TimeGridMapper.h"

#include <algorithm>
#include <cmath>

double TimeGridMapper::xForTime(double time) const
{
    return timeLeft() + (time - scrollTime) * pixelsPerDay();
}

double TimeGridMapper::timeForX(double x) const
{
    return scrollTime + (x - timeLeft()) / pixelsPerDay();
}

int TimeGridMapper::rowAtY(int y) const
{
    if (y < headerHeight || rowHeight <= 0)
        return -1;
    const int row = (y - headerHeight + rowOffset) / rowHeight;
    return row < rowCount ? row : -1;
}

int TimeGridMapper::firstVisibleRow() const
{
    if (rowCount == 0 || rowHeight <= 0)
        return 0;
    return std::clamp(rowOffset / rowHeight, 0, rowCount - 1);
}

int TimeGridMapper::lastVisibleRow() const
{
    if (rowCount == 0 || rowHeight <= 0)
        return -1;
    const int bottom = rowOffset + std::max(0, height - headerHeight) - 1;
    return std::clamp(bottom / rowHeight, 0, rowCount - 1);
}

bool TimeGridMapper::inTimeArea(QPoint p) const
{
    return p.x() >= timeLeft() && p.x() < width && p.y() >= headerHeight && p.y() < height;
}

bool TimeGridMapper::inCaptionColumn(QPoint p) const
{
    return p.x() >= 0 && p.x() < captionWidth && p.y() >= headerHeight && p.y() < height;
}

QRectF TimeGridMapper::blockRect(int row, double begin, double end) const
{
    const double x1 = xForTime(std::min(begin, end));
    const double x2 = xForTime(std::max(begin, end));
    const int margin = std::max(2, rowHeight / 8);
    // Very short blocks stay at least a few pixels wide so they can be seen and grabbed.
    const double w = std::max(4.0, x2 - x1);
    return QRectF(x1, rowTop(row) + margin, w, rowHeight - 2 * margin);
}
