#include "TimeGrid.h"
#include "ui/common/ClockText.h"

#include "TimeGridAccessible.h"

#include "data/OleDate.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr double kMinutesPerDay = OleDate::kMinutesPerDay;
constexpr int kGrip = 5; // pixels at each end of a block that resize instead of moving
constexpr int kEdge = 24; // pixels from an edge of the time area where a drag scrolls

} // namespace

TimeGrid::TimeGrid(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    TimeGridAccessible::install();
    m_ownModel = new TimeGridModel(this);
    m_ownModel->setScaleLocale(ClockText::axisLocale());
    m_model = m_ownModel;
    m_painter.setModel(m_model);
    m_painter.setFont(font());
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    connectModel();
    updateScrollBars();
    m_autoScroll.setInterval(40);
    connect(&m_autoScroll, &QTimer::timeout, this, &TimeGrid::autoScrollStep);
}

TimeGrid::~TimeGrid() = default;

const QList<double> &TimeGrid::zoomSpans()
{
    static const QList<double> spans{0.5, 1, 2, 3, 4, 5, 6, 7};
    return spans;
}

void TimeGrid::setSelectedBlockId(int id)
{
    if (id == m_painter.selectedId())
        return;
    const int oldBlock = m_model->TBFromId(m_painter.selectedId());
    m_painter.setSelectedId(id);
    if (oldBlock >= 0)
        updateRowStrip(m_model->TBResource(oldBlock));
    const int block = m_model->TBFromId(id);
    if (block >= 0)
        updateRowStrip(m_model->TBResource(block));
    TimeGridAccessible::notifySelection(this, id);
    Q_EMIT selectionChanged(id);
}

void TimeGrid::setAvailability(const QList<WeekAvailability> &rows, int exemptBar)
{
    m_painter.setAvailability(rows, exemptBar);
    viewport()->update();
}

void TimeGrid::setModel(TimeGridModel *model)
{
    if (!model)
        model = m_ownModel;
    if (model == m_model)
        return;
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_model = model;
    m_model->setScaleLocale(ClockText::axisLocale());
    m_painter.setModel(model);
    m_drag = Drag();
    connectModel();
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::connectModel()
{
    TimeGridModel *m = m_model;
    auto full = [this] { relayout(); };
    auto cancelDrag = [this] {
        if (m_drag.kind != DragKind::None) {
            m_drag = Drag();
            viewport()->unsetCursor();
        }
    };
    m_connections << connect(m, &TimeGridModel::rowsReset, this, full)
                  << connect(m, &TimeGridModel::barsChanged, this, [this] { viewport()->update(); })
                  << connect(m, &TimeGridModel::fontsChanged, this, &TimeGrid::onFontsChanged)
                  << connect(m, &TimeGridModel::viewChanged, this, full)
                  << connect(m, &TimeGridModel::columnCaptionChanged, this,
                             [this] { viewport()->update(0, 0, viewport()->width(), mapper().headerHeight); })
                  << connect(m, &TimeGridModel::scrollTimeChanged, this, &TimeGrid::onScrollTimeChanged)
                  << connect(m, &TimeGridModel::blocksReset, this, [this, full, cancelDrag] {
                         cancelDrag();
                         m_painter.setSelectedId(0);
                         full();
                     })
                  << connect(m, &TimeGridModel::rowAdded, this, [this](int row) {
                         updateScrollBars();
                         updateRowStrip(row);
                     })
                  << connect(m, &TimeGridModel::rowChanged, this, &TimeGrid::updateRowStrip)
                  << connect(m, &TimeGridModel::blockAdded, this, [this](int block) {
                         updateScrollBars();
                         updateRowStrip(m_model->TBResource(block));
                     })
                  << connect(m, &TimeGridModel::blockChanged, this, [this](int block, int oldRow) {
                         updateScrollBars();
                         updateRowStrip(oldRow);
                         updateRowStrip(m_model->TBResource(block));
                     })
                  << connect(m, &TimeGridModel::blockRemoved, this, [this, cancelDrag](int, int row) {
                         // Numbers have shifted; a drag in progress no longer knows its block.
                         cancelDrag();
                         updateScrollBars();
                         updateRowStrip(row);
                     });
}

// ---------------------------------------------------------------- geometry

void TimeGrid::relayout()
{
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::setMinimumRowHeight(int pixels)
{
    m_painter.setMinimumRowHeight(pixels);
    relayout();
}

void TimeGrid::setCaptionWidth(int pixels)
{
    m_painter.setCaptionWidth(pixels);
    relayout();
}

void TimeGrid::setInfoWidth(int pixels)
{
    m_painter.setInfoWidth(pixels);
    relayout();
}

void TimeGrid::setCostColumn(int pixels, const QString &caption)
{
    m_painter.setCostColumn(pixels, caption);
    relayout();
}

void TimeGrid::setVisibleSpan(double days)
{
    const double before = m_painter.visibleSpan();
    m_painter.setVisibleSpan(days);
    if (m_painter.visibleSpan() != before)
        relayout();
}

TimeGridMapper TimeGrid::mapper() const
{
    return m_painter.mapper(viewport()->size());
}

double TimeGrid::DateFromPoint(QPoint point) const
{
    return mapper().timeForX(point.x());
}

int TimeGrid::ResourceFromPoint(QPoint point) const
{
    const TimeGridMapper m = mapper();
    return m.inTimeArea(point) ? m.rowAtY(point.y()) : -1;
}

int TimeGrid::TBFromPoint(QPoint point) const
{
    return m_painter.blockAt(mapper(), point);
}

// ---------------------------------------------------------------- scrolling

void TimeGrid::updateScrollBars()
{
    const TimeGridMapper m = mapper();
    m_syncingScroll = true;
    QScrollBar *h = horizontalScrollBar();
    const double span = m_painter.visibleSpan();
    const double spanMinutes = span * kMinutesPerDay;
    const double rangeMinutes = (m_model->ViewEnd() - m_model->ViewBeg()) * kMinutesPerDay;
    h->setRange(0, int(std::max(0.0, std::round(rangeMinutes - spanMinutes))));
    h->setPageStep(int(spanMinutes));
    h->setSingleStep(span <= 1.0 ? 30 : 60);
    h->setValue(int(std::round((m.scrollTime - m_model->ViewBeg()) * kMinutesPerDay)));

    QScrollBar *v = verticalScrollBar();
    const int visible = std::max(0, viewport()->height() - m.headerHeight);
    v->setRange(0, std::max(0, m.contentHeight() - visible));
    v->setPageStep(std::max(m.rowHeight, visible - m.rowHeight));
    v->setSingleStep(m.rowHeight);
    v->setValue(m_painter.rowOffset());
    m_syncingScroll = false;
    m_lastShownDay = std::floor(m.scrollTime);
}

void TimeGrid::scrollContentsBy(int dx, int dy)
{
    if (!m_syncingScroll && dy != 0)
        m_painter.setRowOffset(verticalScrollBar()->value());
    if (!m_syncingScroll && dx != 0) {
        // The user moved the horizontal bar: the model follows.
        const double time = m_model->ViewBeg() + horizontalScrollBar()->value() / kMinutesPerDay;
        m_syncingScroll = true;
        m_model->setScrollTime(time);
        m_syncingScroll = false;
        const double day = std::floor(time);
        if (day != m_lastShownDay) {
            m_lastShownDay = day;
            Q_EMIT dateShownChanged(time);
        }
    }
    viewport()->update();
}

void TimeGrid::onScrollTimeChanged()
{
    if (!m_syncingScroll)
        relayout();
}

void TimeGrid::scrollToTime(double time)
{
    m_model->setScrollTime(time);
}

void TimeGrid::scrollToRow(int row)
{
    m_painter.setRowOffset(std::max(0, row) * rowHeight());
    relayout();
}

void TimeGrid::Refresh()
{
    relayout();
}

void TimeGrid::updateRowStrip(int row)
{
    if (row < 0)
        return;
    const QRect r = mapper().rowRect(row) & viewport()->rect();
    if (!r.isEmpty())
        viewport()->update(r);
}

void TimeGrid::updatePreview()
{
    // The rows touched by the original place and the preview place.
    updateRowStrip(m_drag.from.row);
    updateRowStrip(m_drag.to.row);
}

void TimeGrid::onFontsChanged()
{
    m_painter.clearFontCache();
    viewport()->update();
}

void TimeGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TimeGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_painter.setFont(font());
        updateScrollBars();
    }
    QAbstractScrollArea::changeEvent(event);
}

bool TimeGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave && m_drag.kind == DragKind::None)
        viewport()->unsetCursor();
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

QString TimeGrid::toolTipAt(QPoint point) const
{
    const TimeGridMapper m = mapper();
    if (m.inCaptionColumn(point)) {   // the whole name, however narrow the column
        const int row = m.rowAtY(point.y());
        return row >= 0 && row < m_model->ResourcesMax() ? m_model->ResourceTitle(row).trimmed() : QString();
    }
    if (point.x() >= m.captionWidth && point.x() < m.timeLeft()) {   // the hours column
        const int row = m.rowAtY(point.y());
        return row >= 0 ? m_model->ResourceInfoTip(row) : QString();
    }
    const int block = TBFromPoint(point);
    return block >= 0 ? m_model->TBWarning(block) : QString();
}

void TimeGrid::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *v = verticalScrollBar();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool shift = mods & Qt::ShiftModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const double step = m_model->snapStep() / kMinutesPerDay;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!moveSelectionByKey(event->key(), shift))
            setCursorPos(currentRow(), cursorTime() + (event->key() == Qt::Key_Left ? -step : step));
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        setSelectedBlockId(0);
        setCursorPos(currentRow() + (event->key() == Qt::Key_Up ? -1 : 1), cursorTime());
        break;
    case Qt::Key_Home:
    case Qt::Key_End: {
        setSelectedBlockId(0);
        const double day = std::floor(cursorTime() + 1e-9);
        const bool home = event->key() == Qt::Key_Home;
        const int row = ctrl ? (home ? 0 : m_model->rowCount() - 1) : currentRow();
        setCursorPos(row, home ? day : day + 1 - step);
        break;
    }
    case Qt::Key_PageUp:
        if (ctrl)
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        else
            v->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        if (ctrl)
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        else
            v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (ctrl)
            focusNextPrevChild(event->key() == Qt::Key_Tab && !shift);
        else
            selectNextBar(event->key() == Qt::Key_Tab && !shift);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        if (currentRow() < 0)
            break;
        int id = selectedBlockId();
        if (m_model->TBFromId(id) < 0) {
            const int under = blockAtCursor();
            id = under >= 0 ? m_model->TBId(under) : 0;
            setSelectedBlockId(id);
        }
        if (id != 0)
            Q_EMIT blockActivated(id);
        else
            Q_EMIT addRequested(currentRow(), cursorTime());
        break;
    }
    case Qt::Key_Insert:
        if (currentRow() >= 0)
            Q_EMIT addRequested(currentRow(), cursorTime());
        break;
    case Qt::Key_Menu:
        requestMenu();
        break;
    case Qt::Key_F10:
        if (!shift) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        requestMenu();
        break;
    case Qt::Key_Escape:
        if (m_drag.active) {
            updatePreview();
            m_drag = Drag();
            m_autoScroll.stop();
            viewport()->unsetCursor();
            break;
        }
        if (selectedBlockId() != 0) {
            setSelectedBlockId(0);
            break;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool TimeGrid::event(QEvent *event)
{
    // Tab and Shift+Tab walk through the bars; Ctrl+Tab leaves, as in a text editor.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TimeGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    updateRowStrip(currentRow());
    TimeGridAccessible::notifyCursor(this);
}

void TimeGrid::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    updateRowStrip(currentRow());
}

// ---------------------------------------------------------------- cursor

double TimeGrid::stepStart(double time) const
{
    // The snap step that holds the time, counted from midnight.
    const double day = std::floor(time + 1e-9);
    const int step = std::max(1, m_model->snapStep());
    const double minutes = std::floor((time - day) * kMinutesPerDay / step + 1e-6) * step;
    return OleDate::roundToMinute(day + minutes / kMinutesPerDay);
}

int TimeGrid::currentRow() const
{
    const int rows = m_model->rowCount();
    return rows > 0 ? std::clamp(m_cursorRow, 0, rows - 1) : -1;
}

double TimeGrid::cursorTime() const
{
    const double step = m_model->snapStep() / kMinutesPerDay;
    const double first = m_model->ViewBeg();
    const double last = std::max(first, m_model->ViewEnd() - step);
    double time = m_cursorTime;
    if (!m_cursorPlaced) {
        // The first step wholly shown.
        const double shown = m_painter.shownScrollTime();
        time = stepStart(shown);
        if (time < shown - 1e-7)
            time = OleDate::roundToMinute(time + step);
    }
    return std::clamp(time, first, last);
}

void TimeGrid::setCursorPos(int row, double time, bool scroll)
{
    const int oldRow = currentRow();
    const int rows = m_model->rowCount();
    m_cursorRow = rows > 0 ? std::clamp(row, 0, rows - 1) : 0;
    m_cursorTime = stepStart(time);
    m_cursorPlaced = true;
    m_cursorTime = cursorTime();
    if (scroll)
        ensureCursorVisible();
    updateRowStrip(oldRow);
    updateRowStrip(currentRow());
    TimeGridAccessible::notifyCursor(this);
    Q_EMIT cursorMoved(currentRow(), m_cursorTime);
}

void TimeGrid::resetCursor()
{
    const int oldRow = currentRow();
    m_cursorRow = 0;
    m_cursorPlaced = false;
    updateRowStrip(oldRow);
    updateRowStrip(currentRow());
    Q_EMIT cursorMoved(currentRow(), cursorTime());
}

QRect TimeGrid::cursorRect() const
{
    const int row = currentRow();
    if (row < 0)
        return {};
    const double t = cursorTime();
    return mapper().blockRect(row, t, t + m_model->snapStep() / kMinutesPerDay).toAlignedRect();
}

int TimeGrid::blockAtCursor() const
{
    const int row = currentRow();
    if (row < 0)
        return -1;
    const double t = cursorTime();
    for (int block : m_model->blocksInResource(row))
        if (m_model->TBBeg(block) <= t + 1e-9 && t < m_model->TBEnd(block) - 1e-9)
            return block;
    return -1;
}

void TimeGrid::ensureCursorVisible()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const TimeGridMapper m = mapper();
    QScrollBar *v = verticalScrollBar();
    const int visible = std::max(m.rowHeight, m.height - m.headerHeight);
    if (m.rowTop(row) < m.headerHeight)
        v->setValue(row * m.rowHeight);
    else if (m.rowTop(row) + m.rowHeight > m.height)
        v->setValue((row + 1) * m.rowHeight - visible);
    const double step = m_model->snapStep() / kMinutesPerDay;
    const double t = cursorTime();
    QScrollBar *h = horizontalScrollBar();
    if (t < m.scrollTime - 1e-9)
        h->setValue(int(std::round((t - m_model->ViewBeg()) * kMinutesPerDay)));
    else if (t + step > m.visibleEnd() + 1e-9)
        h->setValue(int(std::round((t + step - m.visibleDays - m_model->ViewBeg()) * kMinutesPerDay)));
}

void TimeGrid::selectNextBar(bool forward)
{
    struct Bar { double begin; int row; int id; };
    QList<Bar> bars;
    for (int b = 0; b < m_model->TBMax(); ++b)
        bars.append({m_model->TBBeg(b), m_model->TBResource(b), m_model->TBId(b)});
    if (bars.isEmpty())
        return;
    auto before = [](const Bar &a, const Bar &b) {
        if (std::abs(a.begin - b.begin) > 1e-7)
            return a.begin < b.begin;
        return std::tie(a.row, a.id) < std::tie(b.row, b.id);
    };
    std::sort(bars.begin(), bars.end(), before);
    const qsizetype count = bars.size();
    qsizetype index = -1;
    for (qsizetype i = 0; i < count; ++i)
        if (bars[i].id == selectedBlockId())
            index = i;
    if (index >= 0) {
        index = (index + (forward ? 1 : count - 1)) % count;
    } else {
        // From the cursor: the first bar at or after it, or the last one before it.
        const Bar here{cursorTime(), currentRow(), 0};
        const auto it = std::lower_bound(bars.cbegin(), bars.cend(), here, before);
        index = it - bars.cbegin();
        if (forward)
            index = index % count;
        else
            index = (index + count - 1) % count;
    }
    const Bar &chosen = bars[index];
    setSelectedBlockId(chosen.id);
    setCursorPos(chosen.row, chosen.begin);
}

void TimeGrid::requestMenu()
{
    const TimeGridMapper m = mapper();
    const int block = m_model->TBFromId(selectedBlockId());
    QRect r;
    int row = currentRow();
    double time = cursorTime();
    if (block >= 0) {
        const BlockPlace place = m_model->TBPlace(block);
        row = place.row;
        time = place.begin;
        r = m.blockRect(place.row, place.begin, place.end).toAlignedRect() & m.timeArea();
    } else {
        ensureCursorVisible();
        r = cursorRect() & m.timeArea();
    }
    if (row < 0)
        return;
    const QPoint at = r.isEmpty() ? viewport()->rect().center() : QPoint(r.left() + 2, r.bottom());
    Q_EMIT menuRequested(block, row, time, viewport()->mapToGlobal(at));
}

bool TimeGrid::moveSelectionByKey(int key, bool stretch)
{
    const int block = m_model->TBFromId(m_painter.selectedId());
    if (block < 0 || m_drag.kind != DragKind::None)
        return false;
    // One snap step, as far as a drag by that much would move it; the owner checks it the same way.
    const double step = m_model->snapStep() / kMinutesPerDay * (key == Qt::Key_Left ? -1 : 1);
    const BlockPlace from = m_model->TBPlace(block);
    BlockPlace to = from;
    if (stretch) {
        to.end = std::max(m_model->snapToStep(from.end + step), from.begin + std::abs(step));
    } else {
        to.begin = m_model->snapToStep(from.begin + step);
        to.end = to.begin + (from.end - from.begin);
    }
    to.begin = OleDate::roundToMinute(to.begin);
    to.end = OleDate::roundToMinute(to.end);
    if (to.begin != from.begin || to.end != from.end)
        Q_EMIT blockChangeRequested(m_painter.selectedId(), from, to);
    return true;
}

void TimeGrid::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0) {
        event->ignore();
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl+wheel: fewer days (wheel forward) or more days across the time area.
        if (m_zoomEnabled) {
            const QList<double> &spans = zoomSpans();
            qsizetype i = 0;
            while (i + 1 < spans.size() && spans[i] < m_painter.visibleSpan())
                ++i;
            i = std::clamp<qsizetype>(i + (delta > 0 ? -1 : 1), 0, spans.size() - 1);
            if (spans[i] != m_painter.visibleSpan()) {
                setVisibleSpan(spans[i]);
                Q_EMIT visibleSpanChanged(spans[i]);
            }
        }
    } else if (event->modifiers() & Qt::ShiftModifier) {
        // Shift+wheel: along the time axis.
        horizontalScrollBar()->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                                       : QAbstractSlider::SliderSingleStepAdd);
    } else {
        QScrollBar *v = verticalScrollBar();
        v->setValue(v->value() - delta / 120.0 * 3 * rowHeight());
    }
    event->accept();
}

void TimeGrid::autoScrollStep()
{
    if (!m_drag.active) {
        m_autoScroll.stop();
        return;
    }
    const TimeGridMapper m = mapper();
    const QPoint pos = m_drag.lastPos;
    int dx = 0;
    int dy = 0;
    if (pos.x() < m.timeLeft() + kEdge)
        dx = -1;
    else if (pos.x() > m.width - kEdge)
        dx = 1;
    if (pos.y() < m.headerHeight + kEdge / 2)
        dy = -1;
    else if (pos.y() > m.height - kEdge / 2)
        dy = 1;
    if (dx == 0 && dy == 0) {
        m_autoScroll.stop();
        return;
    }
    if (dx != 0)
        horizontalScrollBar()->triggerAction(dx < 0 ? QAbstractSlider::SliderSingleStepSub
                                                    : QAbstractSlider::SliderSingleStepAdd);
    if (dy != 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + dy * m.rowHeight / 2);
    const int oldRow = m_drag.to.row;
    computeDrag(pos);
    updateRowStrip(oldRow);
    updatePreview();
}

// ---------------------------------------------------------------- mouse

TimeGrid::DragKind TimeGrid::kindAt(int block, QPoint pos) const
{
    if (block < 0)
        return DragKind::None;
    const TimeGridMapper m = mapper();
    const QRectF r = m.blockRect(m_model->TBResource(block), m_model->TBBeg(block),
                                 m_model->TBEnd(block));
    // Narrow blocks keep a middle part for moving.
    const double grip = std::min<double>(kGrip, r.width() / 3.0);
    if (pos.x() < r.left() + grip)
        return DragKind::ResizeBegin;
    if (pos.x() >= r.right() - grip)
        return DragKind::ResizeEnd;
    return DragKind::Move;
}

bool TimeGrid::onCaptionEdge(QPoint pos) const
{
    return m_captionResizable && std::abs(pos.x() - mapper().captionWidth) <= 3;
}

void TimeGrid::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_drag.button == Qt::NoButton && onCaptionEdge(pos)) {
        m_resizingCaption = true;
        event->accept();
        return;
    }
    if (m_drag.button != Qt::NoButton && (event->buttons() & m_drag.button)
        && event->button() != m_drag.button) {
        // A second button while the first is still held: keep the first one's state.
        event->accept();
        return;
    }
    if (m_drag.active)
        updatePreview(); // a press whose release never came (a popup took it): drop its preview
    const int block = TBFromPoint(pos);
    m_drag = Drag();
    m_drag.button = event->button();
    m_drag.pressPos = pos;
    m_drag.lastPos = pos;
    m_drag.pressTime = DateFromPoint(pos);
    m_drag.block = block;
    m_pressedId = block >= 0 ? m_model->TBId(block) : 0;
    // On a bar the cursor goes to its start, as when Tab selects it.
    if (block >= 0)
        setCursorPos(m_model->TBResource(block), m_model->TBBeg(block), false);
    else if (ResourceFromPoint(pos) >= 0)
        setCursorPos(ResourceFromPoint(pos), stepStart(m_drag.pressTime), false);
    if (mapper().inTimeArea(pos))
        setSelectedBlockId(m_pressedId);
    if (block >= 0 && event->button() == Qt::LeftButton) {
        m_drag.kind = kindAt(block, pos);
        m_drag.from = m_drag.to = m_model->TBPlace(block);
        Q_EMIT blockPressed(block);
    }
    event->accept();
}

void TimeGrid::computeDrag(QPoint pos)
{
    const TimeGridMapper m = mapper();
    const double delta = m.timeForX(pos.x()) - m_drag.pressTime;
    const double step = m_model->snapStep() / kMinutesPerDay;
    const BlockPlace &from = m_drag.from;
    BlockPlace &to = m_drag.to;
    to = from;
    switch (m_drag.kind) {
    case DragKind::Move: {
        to.begin = m_model->snapToStep(from.begin + delta);
        to.end = to.begin + (from.end - from.begin);
        // Over the header or below the last row there is no row to drop on: a release there
        // changes nothing.
        to.row = pos.y() < m.headerHeight ? -1 : m.rowAtY(pos.y());
        break;
    }
    case DragKind::ResizeBegin:
        // At least one step long; a block cannot be turned inside out.
        to.begin = std::min(m_model->snapToStep(from.begin + delta), from.end - step);
        break;
    case DragKind::ResizeEnd:
        to.end = std::max(m_model->snapToStep(from.end + delta), from.begin + step);
        break;
    case DragKind::None:
        break;
    }
    to.begin = OleDate::roundToMinute(to.begin);
    to.end = OleDate::roundToMinute(to.end);
}

void TimeGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_resizingCaption) {
        setCaptionWidth(std::clamp(pos.x(), 60, std::max(60, viewport()->width() / 2)));
        return;
    }
    Q_EMIT pointerMoved(event->buttons(), event->modifiers(), pos);

    if (m_drag.kind != DragKind::None && (event->buttons() & Qt::LeftButton)) {
        if (!m_drag.active
            && (pos - m_drag.pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_drag.active = true;
            viewport()->setCursor(m_drag.kind == DragKind::Move ? Qt::ClosedHandCursor
                                                                : Qt::SizeHorCursor);
        }
        if (m_drag.active) {
            m_drag.lastPos = pos;
            const int oldRow = m_drag.to.row;
            computeDrag(pos);
            updateRowStrip(oldRow);
            updatePreview();
            const TimeGridMapper m = mapper();
            const bool nearEdge = pos.x() < m.timeLeft() + kEdge || pos.x() > m.width - kEdge
                                  || pos.y() < m.headerHeight + kEdge / 2 || pos.y() > m.height - kEdge / 2;
            if (nearEdge && !m_autoScroll.isActive())
                m_autoScroll.start();
        }
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        switch (kindAt(TBFromPoint(pos), pos)) {
        case DragKind::ResizeBegin:
        case DragKind::ResizeEnd: viewport()->setCursor(Qt::SizeHorCursor); break;
        case DragKind::Move: viewport()->setCursor(Qt::OpenHandCursor); break;
        case DragKind::None:
            if (onCaptionEdge(pos))
                viewport()->setCursor(Qt::SplitHCursor);
            else
                viewport()->unsetCursor();
            break;
        }
    }
}

void TimeGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    if (m_resizingCaption && button == Qt::LeftButton) {
        m_resizingCaption = false;
        Q_EMIT captionWidthChanged(captionWidth());
        return;
    }
    Q_EMIT buttonReleased(button, event->modifiers(), pos);
    if (button != m_drag.button)
        return; // a second button released, or a press that was cancelled

    const Drag drag = m_drag;
    m_drag = Drag();
    m_autoScroll.stop();
    viewport()->unsetCursor();
    if (drag.active && drag.kind != DragKind::None && drag.to.row < 0) {
        updateRowStrip(drag.from.row);   // dropped where no row is: the preview goes, nothing moves
    } else if (drag.active && drag.kind != DragKind::None) {
        // The preview goes; the owner decides where the block goes, and the model's change
        // signal repaints it there.
        updateRowStrip(drag.from.row);
        updateRowStrip(drag.to.row);
        Q_EMIT blockChangeRequested(m_model->TBId(drag.block), drag.from, drag.to);
    } else if (!drag.active) {
        Q_EMIT clickedWithoutMove(drag.block, button, pos);
    }
    // A drag cancelled by Escape or by a change of the blocks reports nothing further.
}

void TimeGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const TimeGridMapper m = mapper();
    if (event->button() == Qt::LeftButton && m.inTimeArea(pos) && m_pressedId != 0
        && TBFromPoint(pos) == m_model->TBFromId(m_pressedId)) {
        // The second click on the bar the first one pressed: its dialog, not another press.
        Q_EMIT blockActivated(m_pressedId);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && m.inCaptionColumn(pos)) {
        const int row = m.rowAtY(pos.y());
        if (row >= 0 && row < m_model->ResourcesMax()) {
            // Completes the press/release pair already seen; the double-click is the event.
            Q_EMIT resourceDoubleClicked(row);
            event->accept();
            return;
        }
    }
    mousePressEvent(event);
}

// ---------------------------------------------------------------- painting

void TimeGrid::paintEvent(QPaintEvent *event)
{
    QPainter p(viewport());
    const LiftedBlock lifted{m_drag.active ? m_drag.block : -1, m_drag.to};
    m_painter.setCursor({currentRow(), cursorTime(), m_model->snapStep() / kMinutesPerDay, hasFocus()});
    m_painter.paint(p, mapper(), event->rect(), lifted);
}
