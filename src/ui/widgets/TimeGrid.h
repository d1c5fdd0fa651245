#pragma once

#include "grid/TimeGridPainter.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QTimer>

// The time-bar grid widget: shows a TimeGridModel through a TimeGridPainter, scrolls it and
// edits it with the mouse. Dragging a block moves it, to another row too; dragging either end
// resizes it; both snap to the model's step. While dragging, the block is shown lifted at its
// new place, and the view scrolls by itself while the pointer is near an edge; on release the widget asks for the change with blockChangeRequested() and leaves
// the model as it is: the owner applies or refuses it, and the grid shows what the model holds.
//
// The keyboard works at a cursor, one snap step of a row drawn as a frame: arrows, Home and End
// move it, Insert or Enter ask for a shift there (addRequested), Tab and Shift+Tab select the
// next or previous bar (by time, then row), after which arrows move or stretch that bar and Enter
// opens it (blockActivated). Shift+F10 and the Menu key ask for the context menu
// (menuRequested); Ctrl+Tab leaves the grid. A press of the mouse moves the cursor too.
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

    // Layout and painting; see TimeGridPainter.
    const TimeGridPainter &painter() const { return m_painter; }
    int captionWidth() const { return m_painter.captionWidth(); }
    void setCaptionWidth(int pixels);
    int infoWidth() const { return m_painter.infoWidth(); }
    void setInfoWidth(int pixels);
    // Shows the cost column (ResourceCost) with its caption; 0 pixels hides it.
    void setCostColumn(int pixels, const QString &caption);
    int costWidth() const { return m_painter.costWidth(); }
    QString costCaption() const { return m_painter.costCaption(); }
    int rowHeight() const { return m_painter.rowHeight(); }
    void setMinimumRowHeight(int pixels);
    double visibleSpan() const { return m_painter.visibleSpan(); }
    void setVisibleSpan(double days);

    // Hit tests. DateFromPoint works anywhere (left of the time area it gives times before the
    // left edge); ResourceFromPoint and TBFromPoint answer only inside the time area.
    double DateFromPoint(QPoint point) const;
    int ResourceFromPoint(QPoint point) const;
    int TBFromPoint(QPoint point) const;

    // The geometry used for the current size and scroll position.
    TimeGridMapper mapper() const;

    // The selected block, by stable id (0: none). A press on a block selects it, a press on
    // free time clears the selection; the selected block is drawn with a dark edge.
    int selectedBlockId() const { return m_painter.selectedId(); }
    void setSelectedBlockId(int id);
    // The cursor's row (-1 for a grid without rows) and time, the start of one snap step.
    int currentRow() const;
    double cursorTime() const;
    // Moves the cursor, kept inside the rows and the days of the view, and scrolls to it.
    void setCursorPos(int row, double time, bool scroll = true);
    // Where the cursor's step is, in viewport coordinates (empty without rows).
    QRect cursorRect() const;
    // The block under the cursor, or -1.
    int blockAtCursor() const;
    // Back to the first row at the start of the time shown.
    void resetCursor();
    // Available hours per row (see TimeGridPainter::setAvailability).
    void setAvailability(const QList<WeekAvailability> &rows, int exemptBar);
    // Whether the name column's edge can be dragged (on by default).
    void setCaptionResizable(bool resizable) { m_captionResizable = resizable; }
    // Whether Ctrl+wheel changes the days shown (on by default).
    void setZoomEnabled(bool enabled) { m_zoomEnabled = enabled; }
    // The days Ctrl+wheel steps through.
    static const QList<double> &zoomSpans();

public Q_SLOTS:
    void Refresh();
    // Scrolls the time area so that `time` is at its left edge.
    void scrollToTime(double time);
    void scrollToRow(int row);

Q_SIGNALS:
    void blockPressed(int block);
    // After a drag: the block with stable id `id` should move from `from` to `to`. The model is
    // unchanged; the receiver applies the change (or not).
    void blockChangeRequested(int id, BlockPlace from, BlockPlace to);
    void resourceDoubleClicked(int row);
    // The user scrolled to another day; carries the time at the left edge.
    void dateShownChanged(double time);
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint point);
    // Sent on every release, before clickedWithoutMove() or blockChangeRequested().
    void buttonReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    // A press that ended without dragging; block is -1 for free space.
    void clickedWithoutMove(int block, Qt::MouseButton button, QPoint point);
    void selectionChanged(int id);
    // Insert or Enter at the cursor on free time: a shift is wanted there.
    void addRequested(int row, double time);
    // Enter on the selected bar, or a double-click on a bar.
    void blockActivated(int id);
    // Shift+F10 or the Menu key: the menu of the selected bar (block >= 0) or of the cursor's
    // free time, to be shown at globalPos.
    void menuRequested(int block, int row, double time, QPoint globalPos);
    void cursorMoved(int row, double time);
    // Ctrl+wheel changed the days shown.
    void visibleSpanChanged(double days);
    // The user dragged the edge of the name column to this width.
    void captionWidthChanged(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

public:
    // What a tooltip at the point shows: the hours column's note of the row, or the warning of
    // the block under the point; empty for nothing.
    QString toolTipAt(QPoint point) const;

private:
    enum class DragKind { None, Move, ResizeBegin, ResizeEnd };
    struct Drag {
        DragKind kind = DragKind::None;
        int block = -1;
        Qt::MouseButton button = Qt::NoButton;
        QPoint pressPos;
        double pressTime = 0; // time under the press, so that scrolling during a drag counts
        QPoint lastPos;
        bool active = false; // moved beyond the drag distance
        BlockPlace from;
        BlockPlace to;       // preview place
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
    void relayout();
    bool moveSelectionByKey(int key, bool stretch);
    double stepStart(double time) const;
    void selectNextBar(bool forward);
    void requestMenu();
    void ensureCursorVisible();
    void autoScrollStep();

    TimeGridModel *m_ownModel = nullptr;
    QPointer<TimeGridModel> m_model;
    QList<QMetaObject::Connection> m_connections;
    TimeGridPainter m_painter;
    bool m_syncingScroll = false;
    double m_lastShownDay = 0;
    Drag m_drag;
    int m_cursorRow = 0;
    double m_cursorTime = 0;
    bool m_cursorPlaced = false;   // false: at the start of whatever is shown
    int m_pressedId = 0;           // the bar under the last press, for a double-click
    bool m_zoomEnabled = true;
    bool m_captionResizable = true;
    bool m_resizingCaption = false;
    bool onCaptionEdge(QPoint pos) const;
    QTimer m_autoScroll;
};
