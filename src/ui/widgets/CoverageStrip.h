#pragma once

#include "grid/CoverageStripPainter.h"

#include <QPointer>
#include <QWidget>

class TimeGrid;

// The coverage strip under a scheduler's grid: per position, the staff on shift per step against
// the need, in the grid's time columns. It follows the grid's scrolling and zoom; the owner gives
// it the lines (Coverage::stripRows) whenever the shifts or the needs change.
class CoverageStrip : public QWidget
{
    Q_OBJECT

public:
    explicit CoverageStrip(QWidget *parent = nullptr);

    // The grid whose time columns the strip keeps to.
    void followGrid(TimeGrid *grid);
    void setRows(const QList<CoverageStripRow> &rows);
    const QList<CoverageStripRow> &rows() const { return m_rows; }

    // The status bar's words for the week's unmet need (Coverage::unmetMinutes), empty for none.
    static QString unmetText(qint64 minutes);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The cell under a point, as its line and index; false where there is none.
    bool cellAt(QPoint point, int *line, int *cell) const;
    int gridOffset() const;   // where the grid's viewport begins, in this widget's x

    QPointer<TimeGrid> m_grid;
    QList<CoverageStripRow> m_rows;
};
