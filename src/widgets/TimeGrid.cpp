#include "widgets/TimeGrid.h"

#include "data/OleDate.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinutesPerDay = OleDate::kMinutesPerDay;
constexpr int kGrip = 5; // pixels at each end of a block that resize instead of moving

// Palette: light, quiet lines so that the coloured bars carry the picture.
const QColor kHeaderBack(0xF1, 0xF3, 0xF6);
const QColor kHeaderText(0x30, 0x36, 0x3D);
const QColor kHeaderLine(0xC4, 0xCA, 0xD2);
const QColor kRowBack(0xFF, 0xFF, 0xFF);
const QColor kRowAltBack(0xF6, 0xF8, 0xFA);
const QColor kCaptionBack(0xFA, 0xFB, 0xFC);
const QColor kCaptionAltBack(0xF0, 0xF2, 0xF5);
const QColor kRowLine(0xE4, 0xE7, 0xEB);
const QColor kHourLine(0xEE, 0xF0, 0xF3);
const QColor kDayLine(0xB8, 0xBF, 0xC9);
const QColor kColumnLine(0xC4, 0xCA, 0xD2);
const QColor kCaptionText(0x1F, 0x23, 0x28);
const QColor kEmptyBack(0xFC, 0xFC, 0xFD);
const QColor kFocusBlue(0x1F, 0x6F, 0xEB);

double luminance(const QColor &c)
{
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The style's text colour, unless it is hard to read on the fill; then black or white.
QColor readableText(const QColor &wanted, const QColor &fill)
{
    if (contrast(wanted, fill) >= 3.0)
        return wanted;
    return contrast(Qt::black, fill) >= contrast(Qt::white, fill) ? QColor(Qt::black)
                                                                    : QColor(Qt::white);
}

// Hours between labelled ticks so that labels do not crowd.
int hourStep(double pixelsPerHour)
{
    for (int step : {1, 2, 3, 4, 6, 12})
        if (step * pixelsPerHour >= 52)
            return step;
    return 24;
}

} // namespace

TimeGrid::TimeGrid(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    m_ownModel = new TimeGridModel(this);
    m_model = m_ownModel;
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    connectModel();
    updateScrollBars();
}

TimeGrid::~TimeGrid() = default;

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
    m_drag = Drag();
    m_fontCache.clear();
    connectModel();
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::connectModel()
{
    TimeGridModel *m = m_model;
    auto full = [this] {
        updateScrollBars();
        viewport()->update();
    };
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
                  << connect(m, &TimeGridModel::blocksReset, this, [full, cancelDrag] {
                         cancelDrag();
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

int TimeGrid::rowHeight() const
{
    return std::max({22, fontMetrics().height() + 10, m_minimumRowHeight});
}

void TimeGrid::setMinimumRowHeight(int pixels)
{
    m_minimumRowHeight = std::max(0, pixels);
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::setCaptionWidth(int pixels)
{
    m_captionWidth = std::max(0, pixels);
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::setInfoWidth(int pixels)
{
    m_infoWidth = std::max(0, pixels);
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::setVisibleSpan(double days)
{
    days = std::clamp(days, 0.5, 7.0);
    if (days == m_visibleDays)
        return;
    m_visibleDays = days;
    updateScrollBars();
    viewport()->update();
}

double TimeGrid::shownScrollTime() const
{
    const double beg = m_model->ViewBeg();
    const double last = std::max(beg, m_model->ViewEnd() - m_visibleDays);
    return std::clamp(m_model->ScrollTime(), beg, last);
}

TimeGridMapper TimeGrid::mapperFor(QSize size) const
{
    TimeGridMapper m;
    m.captionWidth = m_captionWidth;
    m.infoWidth = m_infoWidth;
    m.headerHeight = std::max(40, 2 * fontMetrics().height() + 10);
    m.rowHeight = rowHeight();
    m.width = size.width();
    m.height = size.height();
    m.rowCount = m_model->rowCount();
    // The wanted offset, limited to what the given height needs, so that a hidden widget
    // or an image of another size still shows the requested rows.
    const int visible = std::max(0, m.height - m.headerHeight);
    m.rowOffset = std::clamp(m_rowOffset, 0, std::max(0, m.contentHeight() - visible));
    m.scrollTime = shownScrollTime();
    m.visibleDays = m_visibleDays;
    return m;
}

TimeGridMapper TimeGrid::mapper() const
{
    return mapperFor(viewport()->size());
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
    const TimeGridMapper m = mapper();
    if (!m.inTimeArea(point))
        return -1;
    const int row = m.rowAtY(point.y());
    if (row < 0)
        return -1;
    // The highest number wins where blocks overlap: it is the one painted on top.
    const QList<int> blocks = m_model->blocksInResource(row);
    for (auto it = blocks.crbegin(); it != blocks.crend(); ++it) {
        const QRectF r = m.blockRect(row, m_model->TBBeg(*it), m_model->TBEnd(*it));
        if (point.x() >= r.left() && point.x() < r.right() && point.y() >= r.top()
            && point.y() < r.bottom())
            return *it;
    }
    return -1;
}

// ---------------------------------------------------------------- scrolling

void TimeGrid::updateScrollBars()
{
    const TimeGridMapper m = mapper();
    m_syncingScroll = true;
    QScrollBar *h = horizontalScrollBar();
    const double spanMinutes = m_visibleDays * kMinutesPerDay;
    const double rangeMinutes = (m_model->ViewEnd() - m_model->ViewBeg()) * kMinutesPerDay;
    h->setRange(0, int(std::max(0.0, std::round(rangeMinutes - spanMinutes))));
    h->setPageStep(int(spanMinutes));
    h->setSingleStep(m_visibleDays <= 1.0 ? 30 : 60);
    h->setValue(int(std::round((shownScrollTime() - m_model->ViewBeg()) * kMinutesPerDay)));

    QScrollBar *v = verticalScrollBar();
    const int visible = std::max(0, viewport()->height() - m.headerHeight);
    v->setRange(0, std::max(0, m.contentHeight() - visible));
    v->setPageStep(std::max(m.rowHeight, visible - m.rowHeight));
    v->setSingleStep(m.rowHeight);
    v->setValue(m_rowOffset);
    m_syncingScroll = false;
    m_lastShownDay = std::floor(shownScrollTime());
}

void TimeGrid::scrollContentsBy(int dx, int dy)
{
    if (!m_syncingScroll && dy != 0)
        m_rowOffset = verticalScrollBar()->value();
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
    if (m_syncingScroll)
        return;
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::scrollToTime(double time)
{
    m_model->setScrollTime(time);
}

void TimeGrid::scrollToRow(int row)
{
    m_rowOffset = std::max(0, row) * rowHeight();
    updateScrollBars();
    viewport()->update();
}

void TimeGrid::Refresh()
{
    updateScrollBars();
    viewport()->update();
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
    updateRowStrip(m_drag.origRow);
    updateRowStrip(m_drag.row);
}

void TimeGrid::onFontsChanged()
{
    m_fontCache.clear();
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
        m_fontCache.clear();
        updateScrollBars();
    }
    QAbstractScrollArea::changeEvent(event);
}

bool TimeGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave && m_drag.kind == DragKind::None)
        viewport()->unsetCursor();
    return QAbstractScrollArea::viewportEvent(event);
}

void TimeGrid::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *h = horizontalScrollBar();
    QScrollBar *v = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Left: h->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right: h->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Up: v->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_PageUp:
        if (event->modifiers() & Qt::ControlModifier)
            h->triggerAction(QAbstractSlider::SliderPageStepSub);
        else
            v->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        if (event->modifiers() & Qt::ControlModifier)
            h->triggerAction(QAbstractSlider::SliderPageStepAdd);
        else
            v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home: v->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: v->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case Qt::Key_Escape:
        if (m_drag.active) {
            updatePreview();
            m_drag = Drag();
            viewport()->unsetCursor();
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

void TimeGrid::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
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
    m_drag.block = block;
    if (block >= 0 && event->button() == Qt::LeftButton) {
        m_drag.kind = kindAt(block, pos);
        m_drag.origRow = m_drag.row = m_model->TBResource(block);
        m_drag.origBeg = m_drag.beg = m_model->TBBeg(block);
        m_drag.origEnd = m_drag.end = m_model->TBEnd(block);
        Q_EMIT blockPressed(block);
    }
    event->accept();
}

void TimeGrid::computeDrag(QPoint pos)
{
    const TimeGridMapper m = mapper();
    const double delta = (pos.x() - m_drag.pressPos.x()) / m.pixelsPerDay();
    const double step = m_model->snapStep() / kMinutesPerDay;
    const double length = m_drag.origEnd - m_drag.origBeg;
    switch (m_drag.kind) {
    case DragKind::Move: {
        m_drag.beg = m_model->snapToStep(m_drag.origBeg + delta);
        m_drag.end = m_drag.beg + length;
        const int rows = m_model->rowCount();
        int row = m.rowAtY(std::clamp(pos.y(), m.headerHeight, m.height - 1));
        if (row < 0)
            row = rows > 0 ? rows - 1 : m_drag.origRow;
        m_drag.row = row;
        break;
    }
    case DragKind::ResizeBegin:
        // At least one step long; a block cannot be turned inside out.
        m_drag.beg = std::min(m_model->snapToStep(m_drag.origBeg + delta), m_drag.origEnd - step);
        m_drag.end = m_drag.origEnd;
        m_drag.row = m_drag.origRow;
        break;
    case DragKind::ResizeEnd:
        m_drag.end = std::max(m_model->snapToStep(m_drag.origEnd + delta), m_drag.origBeg + step);
        m_drag.beg = m_drag.origBeg;
        m_drag.row = m_drag.origRow;
        break;
    case DragKind::None:
        break;
    }
    m_drag.beg = OleDate::roundToMinute(m_drag.beg);
    m_drag.end = OleDate::roundToMinute(m_drag.end);
}

void TimeGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT pointerMoved(event->buttons(), event->modifiers(), pos);

    if (m_drag.kind != DragKind::None && (event->buttons() & Qt::LeftButton)) {
        if (!m_drag.active
            && (pos - m_drag.pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_drag.active = true;
            viewport()->setCursor(m_drag.kind == DragKind::Move ? Qt::ClosedHandCursor
                                                                : Qt::SizeHorCursor);
        }
        if (m_drag.active) {
            const int oldRow = m_drag.row;
            computeDrag(pos);
            updateRowStrip(oldRow);
            updatePreview();
        }
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        switch (kindAt(TBFromPoint(pos), pos)) {
        case DragKind::ResizeBegin:
        case DragKind::ResizeEnd: viewport()->setCursor(Qt::SizeHorCursor); break;
        case DragKind::Move: viewport()->setCursor(Qt::OpenHandCursor); break;
        case DragKind::None: viewport()->unsetCursor(); break;
        }
    }
}

void TimeGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    Q_EMIT buttonReleased(button, event->modifiers(), pos);
    if (button != m_drag.button)
        return; // a second button released, or a press that was cancelled

    const Drag drag = m_drag;
    m_drag = Drag();
    viewport()->unsetCursor();
    if (drag.active && drag.kind != DragKind::None) {
        // Apply in one change, then report the block.
        updateRowStrip(drag.origRow);
        updateRowStrip(drag.row);
        m_model->setTBPlace(drag.block, drag.row, drag.beg, drag.end);
        Q_EMIT blockMovedOrResized(drag.block);
    } else if (!drag.active) {
        Q_EMIT clickedWithoutMove(drag.block, button, pos);
    }
    // A drag cancelled by Escape or by a change of the blocks reports nothing further.
}

void TimeGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const TimeGridMapper m = mapper();
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

QFont TimeGrid::resolveFont(const QString &family, const QFont &base)
{
    QFont font = base;
    const QString name = family.trimmed();
    if (name.isEmpty())
        return font;
    if (QFontDatabase::hasFamily(name)) {
        font.setFamilies({name});
        return font;
    }
    const QString key = name.toLower();
    static const QStringList fixed = {QStringLiteral("fixedsys"), QStringLiteral("terminal"),
                                      QStringLiteral("system"), QStringLiteral("courier"),
                                      QStringLiteral("courier new"), QStringLiteral("lucida console"),
                                      QStringLiteral("consolas")};
    static const QStringList serif = {QStringLiteral("times new roman"), QStringLiteral("times"),
                                      QStringLiteral("georgia"), QStringLiteral("garamond"),
                                      QStringLiteral("book antiqua")};
    // The first installed family of a list of look-alikes.
    auto firstInstalled = [](const QStringList &candidates) {
        for (const QString &family : candidates)
            if (QFontDatabase::hasFamily(family))
                return family;
        return QString();
    };
    if (fixed.contains(key)) {
        QString family = firstInstalled({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                                         QStringLiteral("Noto Sans Mono"), QStringLiteral("Noto Mono"),
                                         QStringLiteral("Consolas"), QStringLiteral("Menlo"),
                                         QStringLiteral("Courier New"), QStringLiteral("Nimbus Mono PS")});
        if (family.isEmpty())
            family = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        font.setFamilies({family});
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else if (serif.contains(key)) {
        const QString family = firstInstalled({QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                               QStringLiteral("DejaVu Serif"), QStringLiteral("Nimbus Roman"),
                                               QStringLiteral("Noto Serif"), QStringLiteral("Times")});
        if (!family.isEmpty())
            font.setFamilies({family});
        font.setStyleHint(QFont::Serif);
    }
    // Anything else (MS Sans Serif, Tahoma, ...) reads best in the desktop's own font.
    return font;
}

QFont TimeGrid::fontFor(int index) const
{
    auto it = m_fontCache.constFind(index);
    if (it != m_fontCache.constEnd())
        return *it;
    const QFont f = resolveFont(m_model->FontName(index), font());
    m_fontCache.insert(index, f);
    return f;
}

void TimeGrid::paintEvent(QPaintEvent *event)
{
    QPainter p(viewport());
    paintGrid(p, mapper(), event->rect());
}

void TimeGrid::paintTo(QPainter &painter, QSize size) const
{
    painter.save();
    paintGrid(painter, mapperFor(size), QRect(QPoint(0, 0), size));
    painter.restore();
}

void TimeGrid::paintGrid(QPainter &p, const TimeGridMapper &m, const QRect &clip) const
{
    p.setClipRect(clip);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // Below the last row.
    const int rowsBottom = m.rowTop(m.rowCount);
    if (rowsBottom < m.height)
        p.fillRect(QRect(0, rowsBottom, m.width, m.height - rowsBottom), kEmptyBack);

    if (m.rowCount > 0 && clip.bottom() >= m.headerHeight) {
        const int firstInClip = m.rowAtY(std::max(clip.top(), m.headerHeight));
        const int first = firstInClip >= 0 ? firstInClip : m.firstVisibleRow();
        int last = m.rowAtY(std::min(clip.bottom(), m.height - 1));
        if (last < 0)
            last = m.lastVisibleRow();
        if (first <= last)
            paintRows(p, m, first, last);
    }
    p.setClipRect(clip);
    if (clip.top() < m.headerHeight)
        paintHeader(p, m);

    // Column separators over everything below the header.
    p.setPen(kColumnLine);
    p.drawLine(m.captionWidth, 0, m.captionWidth, m.height);
    p.drawLine(m.timeLeft() - 1, 0, m.timeLeft() - 1, m.height);
}

void TimeGrid::paintDayLines(QPainter &p, const TimeGridMapper &m, int top, int bottom) const
{
    const double pph = m.pixelsPerDay() / 24.0;
    const int step = hourStep(pph);
    const double firstHour = std::floor(m.scrollTime * 24.0);
    const double lastHour = std::ceil(m.visibleEnd() * 24.0);
    for (double h = firstHour; h <= lastHour; h += 1.0) {
        const long long hour = (long long)h;
        const bool midnight = hour % 24 == 0;
        if (!midnight && (pph < 6 || (step > 1 && hour % step != 0)))
            continue;
        const int x = int(std::round(m.xForTime(h / 24.0)));
        if (x < m.timeLeft() || x >= m.width)
            continue;
        p.setPen(midnight ? kDayLine : kHourLine);
        p.drawLine(x, top, x, bottom);
    }
}

void TimeGrid::paintHeader(QPainter &p, const TimeGridMapper &m) const
{
    const int h = m.headerHeight;
    const int half = h / 2;
    p.fillRect(QRect(0, 0, m.width, h), kHeaderBack);

    QFont bold = font();
    bold.setBold(true);
    QFont small = font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.9);

    // Hours column caption: two lines.
    if (m.infoWidth > 0) {
        p.setFont(bold);
        p.setPen(kHeaderText);
        const QStringList lines = m_model->ColumnCaption().split(QLatin1Char('\n'));
        const QRect box(m.captionWidth, 0, m.infoWidth, h);
        p.drawText(box.adjusted(2, 2, -2, -2), Qt::AlignCenter,
                   lines.mid(0, 2).join(QLatin1Char('\n')));
    }

    // Time axis.
    p.save();
    p.setClipRect(QRect(m.timeLeft(), 0, m.timeWidth(), h), Qt::IntersectClip);
    const double ppd = m.pixelsPerDay();
    const double pph = ppd / 24.0;

    // Day labels in the upper half, kept in view while their day is partly scrolled off.
    p.setFont(bold);
    const QFontMetrics boldMetrics(bold);
    for (double day = std::floor(m.scrollTime); day < m.visibleEnd(); day += 1.0) {
        const int x1 = int(std::round(m.xForTime(day)));
        const int x2 = int(std::round(m.xForTime(day + 1.0)));
        const QString label = m_model->dayLabel(day);
        const int w = boldMetrics.horizontalAdvance(label);
        int x = std::max(x1, m.timeLeft()) + 6;
        if (x + w > x2 - 4)
            x = std::max(x1 + 6, x2 - 4 - w);
        p.setPen(kHeaderText);
        p.drawText(QRect(x, 0, std::max(w, x2 - x), half), Qt::AlignLeft | Qt::AlignVCenter, label);
        p.setPen(kDayLine);
        p.drawLine(x1, 0, x1, h);
    }

    // Hour ticks and labels in the lower half.
    const int step = hourStep(pph);
    p.setFont(small);
    const QFontMetrics smallMetrics(small);
    const double firstHour = std::floor(m.scrollTime * 24.0 / step) * step;
    for (double hour = firstHour; hour <= m.visibleEnd() * 24.0; hour += step) {
        const double t = hour / 24.0;
        const int x = int(std::round(m.xForTime(t)));
        const bool midnight = (long long)hour % 24 == 0;
        p.setPen(midnight ? kDayLine : kHeaderLine);
        p.drawLine(x, h - (midnight ? half : 6), x, h);
        if (step < 24) {
            const QString label = OleDate::format(t, QStringLiteral("h:mma/p"));
            p.setPen(kHeaderText);
            p.drawText(QRect(x + 3, half, smallMetrics.horizontalAdvance(label) + 4, half - 2),
                       Qt::AlignLeft | Qt::AlignVCenter, label);
        }
    }
    p.restore();

    p.setPen(kHeaderLine);
    p.drawLine(0, h - 1, m.width, h - 1);
}

void TimeGrid::paintRows(QPainter &p, const TimeGridMapper &m, int first, int last) const
{
    const QRect timeArea = m.timeArea();
    const int top = m.rowTop(first);
    const int bottom = m.rowTop(last + 1);

    // Row backgrounds and captions.
    for (int r = first; r <= last; ++r) {
        const QRect row = m.rowRect(r);
        const bool alt = r % 2 == 1;
        p.fillRect(QRect(m.timeLeft(), row.top(), m.timeWidth(), row.height()),
                   alt ? kRowAltBack : kRowBack);
        p.fillRect(QRect(0, row.top(), m.timeLeft(), row.height()),
                   alt ? kCaptionAltBack : kCaptionBack);

        p.setFont(fontFor(m_model->ResourceFont(r)));
        p.setPen(kCaptionText);
        const QRect captionBox(10, row.top(), std::max(0, m.captionWidth - 16), row.height());
        const QString caption = p.fontMetrics().elidedText(m_model->ResourceTitle(r),
                                                           Qt::ElideRight, captionBox.width());
        p.drawText(captionBox, Qt::AlignLeft | Qt::AlignVCenter, caption);

        if (m.infoWidth > 0) {
            p.setFont(font());
            p.setPen(TimeGridModel::toColor(m_model->ResourceForeColor(r)));
            p.drawText(QRect(m.captionWidth, row.top(), m.infoWidth, row.height()),
                       Qt::AlignCenter, m_model->ResourceInfo(r));
        }
    }

    // Hour and day lines, then row separators.
    p.save();
    p.setClipRect(timeArea, Qt::IntersectClip);
    paintDayLines(p, m, top, bottom);
    p.restore();
    p.setPen(kRowLine);
    for (int r = first; r <= last; ++r) {
        const int y = m.rowTop(r + 1) - 1;
        p.drawLine(0, y, m.width, y);
    }

    // Blocks, through the per-row index; only those crossing the visible time.
    p.save();
    p.setClipRect(timeArea, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double visBeg = m.scrollTime;
    const double visEnd = m.visibleEnd();
    for (int r = first; r <= last; ++r) {
        const QList<int> blocks = m_model->blocksInResource(r);
        for (int b : blocks) {
            const double beg = m_model->TBBeg(b);
            const double end = m_model->TBEnd(b);
            if (std::max(beg, end) < visBeg || std::min(beg, end) > visEnd)
                continue;
            const bool dragged = m_drag.active && b == m_drag.block;
            if (dragged) {
                p.setOpacity(0.35);
                paintBlock(p, m, b, r, beg, end, false);
                p.setOpacity(1.0);
            } else {
                paintBlock(p, m, b, r, beg, end, false);
            }
        }
    }
    if (m_drag.active && m_model->isValidBlock(m_drag.block) && m_drag.row >= first
        && m_drag.row <= last)
        paintBlock(p, m, m_drag.block, m_drag.row, m_drag.beg, m_drag.end, true);
    p.restore();
}

void TimeGrid::paintBlock(QPainter &p, const TimeGridMapper &m, int block, int row, double beg,
                          double end, bool lifted) const
{
    const int bar = m_model->TBBar(block);
    const QRectF rect = m.blockRect(row, beg, end).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor fill = TimeGridModel::toColor(m_model->BarColor(bar));
    const double radius = std::min(5.0, std::min(rect.width(), rect.height()) / 2.0);

    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    p.fillPath(path, fill);
    p.setPen(QPen(lifted ? kFocusBlue : fill.darker(fill.lightness() > 200 ? 150 : 140),
                  lifted ? 2.0 : 1.0));
    p.drawPath(path);

    QString text;
    switch (m_model->BarTextMode(bar)) {
    case TimeGridModel::Caption: text = m_model->BarCaption(bar); break;
    case TimeGridModel::Note: text = m_model->TBNote(block); break;
    case TimeGridModel::Text: text = m_model->TBText(block); break;
    case TimeGridModel::Nothing: break;
    }
    if (text.isEmpty())
        return;
    // Text stays in the visible part of the block, so a block that starts off screen still
    // shows its label.
    QRectF textBox = rect.intersected(QRectF(m.timeArea())).adjusted(6, 0, -4, 0);
    if (textBox.width() < 10)
        return;
    p.setFont(fontFor(m_model->BarFont(bar)));
    p.setPen(readableText(TimeGridModel::toColor(m_model->BarTextColor(bar)), fill));
    // A label that does not fit on one line wraps onto several (at its line breaks and between
    // words) when the block is tall enough, in a slightly smaller font if need be; otherwise it
    // is one line, cut with an ellipsis.
    if (text.contains(u'\n') || p.fontMetrics().horizontalAdvance(text) > textBox.width()) {
        const QFont normal = p.font();
        struct Attempt { double scale; int wrap; };
        // A long single word (DISHWASHER) breaks anywhere only when nothing else fits.
        for (const Attempt a : {Attempt{1.0, Qt::TextWordWrap}, Attempt{0.85, Qt::TextWordWrap},
                                Attempt{0.75, Qt::TextWordWrap}, Attempt{0.75, Qt::TextWrapAnywhere}}) {
            QFont smaller = normal;
            if (normal.pointSizeF() > 0)
                smaller.setPointSizeF(normal.pointSizeF() * a.scale);
            else
                smaller.setPixelSize(std::max(6, int(normal.pixelSize() * a.scale)));
            p.setFont(smaller);
            const int flags = Qt::AlignLeft | Qt::AlignVCenter | a.wrap;
            const QRect needed = p.fontMetrics().boundingRect(textBox.toRect(), flags, text);
            if (needed.height() <= textBox.height() && needed.width() <= textBox.width()) {
                p.drawText(textBox, flags, text);
                return;
            }
        }
        p.setFont(normal);
    }
    const QString line = QString(text).replace(u'\n', u' ');
    const QString shown = p.fontMetrics().elidedText(line, Qt::ElideRight, int(textBox.width()));
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, shown);
}
