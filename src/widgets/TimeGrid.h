#pragma once

#include "grid/TimeGridMapper.h"
#include "grid/TimeGridModel.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QHash>
#include <QPointer>

class QPainter;

// The time-bar grid widget: paints a TimeGridModel (row captions, hours column, time axis, one
// rounded bar per block) and edits it with the mouse. Dragging a block moves it, to another
// row too; dragging either end resizes it; both snap to the model's step. The model changes
// only when the button is released, then blockMovedOrResized() reports the block.
//
// Points are in the coordinates of the viewport, which fills the widget except for the
// scroll bars. The grid owns a model unless setModel() hands it another one.
class TimeGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TimeGrid(QWidget *parent = nullptr);
    ~TimeGrid() override;

    TimeGridModel *model() const { return m_model; }
    // Shows another model; the grid does not take ownership of it. nullptr restores its own.
    void setModel(TimeGridModel *model);

    int captionWidth() const { return m_captionWidth; }
    void setCaptionWidth(int pixels);
    int infoWidth() const { return m_infoWidth; }
    void setInfoWidth(int pixels);
    int rowHeight() const;
    // Rows at least this tall (0: as tall as the font needs). Taller rows let bar labels wrap
    // onto more lines.
    void setMinimumRowHeight(int pixels);

    // Days shown across the time area, from half a day to seven days.
    double visibleSpan() const { return m_visibleDays; }
    void setVisibleSpan(double days);

    // Hit tests. DateFromPoint works anywhere (left of the time area it gives times before the
    // left edge); ResourceFromPoint and TBFromPoint answer only inside the time area.
    double DateFromPoint(QPoint point) const;
    int ResourceFromPoint(QPoint point) const;
    int TBFromPoint(QPoint point) const;

    // The geometry used for the current size and scroll position, or for painting at `size`.
    TimeGridMapper mapper() const;
    TimeGridMapper mapper(QSize size) const { return mapperFor(size); }
    // Paints the grid as it would look at the given size, scrolled as now, without scroll bars.
    void paintTo(QPainter &painter, QSize size) const;

    // Screen fonts for the model's font names; names missing on this system map to similar ones.
    static QFont resolveFont(const QString &family, const QFont &base);

public Q_SLOTS:
    void Refresh();
    // Scrolls the time area so that `time` is at its left edge.
    void scrollToTime(double time);
    void scrollToRow(int row);

Q_SIGNALS:
    void blockPressed(int block);
    // After a drag: the model already holds the new row and times.
    void blockMovedOrResized(int block);
    void resourceDoubleClicked(int row);
    // The user scrolled to another day; carries the time at the left edge.
    void dateShownChanged(double time);
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint point);
    // Sent on every release, before clickedWithoutMove() or blockMovedOrResized().
    void buttonReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    // A press that ended without dragging; block is -1 for free space.
    void clickedWithoutMove(int block, Qt::MouseButton button, QPoint point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    enum class DragKind { None, Move, ResizeBegin, ResizeEnd };
    struct Drag {
        DragKind kind = DragKind::None;
        int block = -1;
        Qt::MouseButton button = Qt::NoButton;
        QPoint pressPos;
        bool active = false; // moved beyond the drag distance
        int origRow = -1;
        double origBeg = 0;
        double origEnd = 0;
        int row = -1;        // preview place
        double beg = 0;
        double end = 0;
    };

    void connectModel();
    void updateScrollBars();
    void updateRowStrip(int row);
    void updateRows(int first, int last);
    void updatePreview();
    void onScrollTimeChanged();
    void onFontsChanged();
    void computeDrag(QPoint pos);
    DragKind kindAt(int block, QPoint pos) const;
    double shownScrollTime() const;
    TimeGridMapper mapperFor(QSize size) const;
    QFont fontFor(int index) const;

    void paintGrid(QPainter &p, const TimeGridMapper &m, const QRect &clip) const;
    void paintHeader(QPainter &p, const TimeGridMapper &m) const;
    void paintRows(QPainter &p, const TimeGridMapper &m, int first, int last) const;
    void paintBlock(QPainter &p, const TimeGridMapper &m, int block, int row, double beg,
                    double end, bool lifted) const;
    void paintDayLines(QPainter &p, const TimeGridMapper &m, int top, int bottom) const;

    TimeGridModel *m_ownModel = nullptr;
    QPointer<TimeGridModel> m_model;
    QList<QMetaObject::Connection> m_connections;
    int m_captionWidth = 235;
    int m_infoWidth = 64;
    int m_minimumRowHeight = 0;
    double m_visibleDays = 1.0;
    int m_rowOffset = 0; // pixels of rows scrolled off the top, as last asked for
    bool m_syncingScroll = false;
    double m_lastShownDay = 0;
    Drag m_drag;
    mutable QHash<int, QFont> m_fontCache;
};
