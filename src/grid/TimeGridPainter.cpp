#include "TimeGridPainter.h"

#include "data/OleDate.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

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
const QColor kWarningMark(0xB0, 0x00, 0x20);   // the corner of a block that overlaps another department's shift
const QColor kWarningMarkEdge(0xFF, 0xFF, 0xFF);
const QColor kAvailableBack(0xE3, 0xF4, 0xE1);   // a light green band: hours the employee can work
const QColor kWarningEdge(0xFF, 0xD0, 0x00);     // a shift outside those hours: yellow dashes
const QColor kWarningDark(0x40, 0x28, 0x00);     // on a dark line
const QColor kSelectedEdge(0x10, 0x18, 0x28);
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

// The grid's hairlines, both ends included as drawLine includes them. A line of one pixel's
// width drawn as a rectangle is filled row by row; drawn as a line it is set pixel by pixel.
void verticalLine(QPainter &p, int x, int top, int bottom, const QColor &color)
{
    p.fillRect(QRect(x, top, 1, bottom - top + 1), color);
}

void horizontalLine(QPainter &p, int left, int right, int y, const QColor &color)
{
    p.fillRect(QRect(left, y, right - left + 1, 1), color);
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

TimeGridPainter::TimeGridPainter(const TimeGridModel *model, const QFont &font)
    : m_model(model)
    , m_font(font)
{
}

void TimeGridPainter::setModel(const TimeGridModel *model)
{
    m_model = model;
    clearFontCache();
}

void TimeGridPainter::setFont(const QFont &font)
{
    m_font = font;
    clearFontCache();
}

void TimeGridPainter::clearFontCache()
{
    m_fontCache.clear();
    m_labelFits.clear();
    m_pictures.clear();
}

// ---------------------------------------------------------------- geometry

int TimeGridPainter::rowHeight() const
{
    return std::max({22, QFontMetrics(m_font).height() + 10, m_minimumRowHeight});
}

int TimeGridPainter::headerHeight() const
{
    // Day labels above hour labels.
    return std::max(40, 2 * QFontMetrics(m_font).height() + 10);
}

void TimeGridPainter::setVisibleSpan(double days)
{
    m_visibleDays = std::clamp(days, 0.5, 7.0);
}

double TimeGridPainter::shownScrollTime() const
{
    if (!m_model)
        return 0;
    const double beg = m_model->ViewBeg();
    const double last = std::max(beg, m_model->ViewEnd() - m_visibleDays);
    return std::clamp(m_model->ScrollTime(), beg, last);
}

TimeGridMapper TimeGridPainter::mapper(QSize size) const
{
    TimeGridMapper m;
    m.captionWidth = m_captionWidth;
    m.infoWidth = m_infoWidth;
    m.costWidth = m_costWidth;
    m.headerHeight = headerHeight();
    m.rowHeight = rowHeight();
    m.width = size.width();
    m.height = size.height();
    m.rowCount = m_model ? m_model->rowCount() : 0;
    // The wanted offset, limited to what the given height needs, so that a hidden widget
    // or an image of another size still shows the requested rows.
    const int visible = std::max(0, m.height - m.headerHeight);
    m.rowOffset = std::clamp(m_rowOffset, 0, std::max(0, m.contentHeight() - visible));
    m.scrollTime = shownScrollTime();
    m.visibleDays = m_visibleDays;
    return m;
}

int TimeGridPainter::blockAt(const TimeGridMapper &m, QPoint point) const
{
    if (!m_model || !m.inTimeArea(point))
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

// ---------------------------------------------------------------- painting

void TimeGridPainter::paintTo(QPainter &p, QSize size) const
{
    p.save();
    paint(p, mapper(size), QRect(QPoint(0, 0), size));
    p.restore();
}

QFont TimeGridPainter::resolveFont(const QString &family, const QFont &base)
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

QFont TimeGridPainter::fontFor(int index) const
{
    auto it = m_fontCache.constFind(index);
    if (it != m_fontCache.constEnd())
        return *it;
    const QFont f = resolveFont(m_model->FontName(index), m_font);
    m_fontCache.insert(index, f);
    return f;
}

void TimeGridPainter::paint(QPainter &p, const TimeGridMapper &m, const QRect &clip,
                            const LiftedBlock &lifted) const
{
    if (!m_model)
        return;
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
            paintRows(p, m, first, last, lifted);
        paintCursor(p, m);
    }
    p.setClipRect(clip);
    if (clip.top() < m.headerHeight)
        paintHeader(p, m);

    // Column separators over everything below the header.
    verticalLine(p, m.captionWidth, 0, m.height, kColumnLine);
    verticalLine(p, m.timeLeft() - 1, 0, m.height, kColumnLine);
}

QRect TimeGridPainter::cursorRect(const TimeGridMapper &m) const
{
    if (m_cursor.row < 0 || m_cursor.row >= m.rowCount || m_cursor.length <= 0)
        return {};
    return m.blockRect(m_cursor.row, m_cursor.time, m_cursor.time + m_cursor.length).toAlignedRect();
}

void TimeGridPainter::paintCursor(QPainter &p, const TimeGridMapper &m) const
{
    QRect r = cursorRect(m);
    if (r.isEmpty())
        return;
    // The whole height of the row, at least a few pixels wide even at a week's scale.
    const QRect row = m.rowRect(m_cursor.row);
    r.setTop(row.top() + 1);
    r.setBottom(row.bottom() - 1);
    if (r.width() < 6)
        r.setWidth(6);
    p.save();
    p.setClipRect(m.timeArea(), Qt::IntersectClip);
    QColor frame(0, 90, 200);
    QPen pen(frame, m_cursor.focused ? 3 : 1, m_cursor.focused ? Qt::SolidLine : Qt::DashLine);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);   // the bar under it keeps its colour
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.restore();
    // The row's caption is marked too, so that the row is found at a glance.
    if (m_cursor.focused && m.captionWidth > 0) {
        p.save();
        p.setClipRect(m.captionArea(), Qt::IntersectClip);
        p.fillRect(QRect(0, row.top() + 1, 4, row.height() - 2), QColor(0, 90, 200));
        p.restore();
    }
}

void TimeGridPainter::paintDayLines(QPainter &p, const TimeGridMapper &m, int top, int bottom) const
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
        verticalLine(p, x, top, bottom, midnight ? kDayLine : kHourLine);
    }
}

void TimeGridPainter::paintHeader(QPainter &p, const TimeGridMapper &m) const
{
    const int h = m.headerHeight;
    const int half = h / 2;
    p.fillRect(QRect(0, 0, m.width, h), kHeaderBack);

    QFont bold = m_font;
    bold.setBold(true);
    QFont small = m_font;
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
    if (m.costWidth > 0) {
        p.setFont(bold);
        p.setPen(kHeaderText);
        const QRect box(m.captionWidth + m.infoWidth, 0, m.costWidth, h);
        p.drawText(box.adjusted(2, 2, -2, -2), Qt::AlignCenter, m_costCaption);
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
        m_texts.draw(p, QRect(x, 0, std::max(w, x2 - x), half), Qt::AlignLeft | Qt::AlignVCenter, label);
        verticalLine(p, x1, 0, h, kDayLine);
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
        verticalLine(p, x, h - (midnight ? half : 6), h, midnight ? kDayLine : kHeaderLine);
        if (step < 24) {
            const QString label = m_model->hourLabel(t);
            p.setPen(kHeaderText);
            m_texts.draw(p, QRect(x + 3, half, smallMetrics.horizontalAdvance(label) + 4, half - 2),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
        }
    }
    p.restore();

    horizontalLine(p, 0, m.width, h - 1, kHeaderLine);
}

void TimeGridPainter::paintRows(QPainter &p, const TimeGridMapper &m, int first, int last,
                                const LiftedBlock &lifted) const
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
        const QString caption = m_texts.elidedRight(p, m_model->ResourceTitle(r), captionBox.width());
        m_texts.draw(p, captionBox, Qt::AlignLeft | Qt::AlignVCenter, caption);

        if (m.infoWidth > 0) {
            p.setFont(m_font);
            p.setPen(TimeGridModel::toColor(m_model->ResourceForeColor(r)));
            m_texts.draw(p, QRect(m.captionWidth, row.top(), m.infoWidth, row.height()), Qt::AlignCenter,
                         m_model->ResourceInfo(r));
        }
        if (m.costWidth > 0) {
            p.setFont(m_font);
            p.setPen(m_model->ResourceCostMarked(r) ? QColor(Qt::red) : QColor(Qt::black));
            m_texts.draw(p, QRect(m.captionWidth + m.infoWidth, row.top(), m.costWidth - 4, row.height()),
                         Qt::AlignRight | Qt::AlignVCenter, m_model->ResourceCost(r));
        }
    }

    // Hour and day lines, then row separators.
    p.save();
    p.setClipRect(timeArea, Qt::IntersectClip);
    paintAvailability(p, m, first, last);
    paintDayLines(p, m, top, bottom);
    p.restore();
    for (int r = first; r <= last; ++r)
        horizontalLine(p, 0, m.width, m.rowTop(r + 1) - 1, kRowLine);

    // Blocks, through the per-row index; only those crossing the visible time.
    p.save();
    p.setClipRect(timeArea, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double visBeg = m.scrollTime;
    const double visEnd = m.visibleEnd();
    for (int r = first; r <= last; ++r) {
        const QList<int> blocks = m_model->blocksInResource(r);
        for (int b : blocks) {
            const BlockPlace place = m_model->TBPlace(b);
            if (std::max(place.begin, place.end) < visBeg || std::min(place.begin, place.end) > visEnd)
                continue;
            // A lifted block stays faintly at its own place while it is shown where it would go.
            p.setOpacity(b == lifted.block ? 0.35 : 1.0);
            paintBlock(p, m, b, place, false);
            const bool selected = m_selectedId != 0 && m_model->TBId(b) == m_selectedId;
            if (selected || isOutsideAvailability(b)) {
                const QRectF rect = m.blockRect(place.row, place.begin, place.end).adjusted(1.5, 1.5, -1.5, -1.5);
                const double radius = std::min(5.0, std::min(rect.width(), rect.height()) / 2.0);
                p.setBrush(Qt::NoBrush);
                if (isOutsideAvailability(b)) {
                    // Yellow dashes on a dark line: visible on every bar colour.
                    p.setPen(QPen(kWarningDark, 2.5));
                    p.drawRoundedRect(rect, radius, radius);
                    p.setPen(QPen(kWarningEdge, 2.0, Qt::DashLine));
                    p.drawRoundedRect(rect, radius, radius);
                }
                if (selected) {
                    p.setPen(QPen(kSelectedEdge, 2.5));
                    p.drawRoundedRect(rect.adjusted(-1, -1, 1, 1), radius, radius);
                }
            }
        }
    }
    p.setOpacity(1.0);
    if (m_model->isValidBlock(lifted.block) && lifted.place.row >= first && lifted.place.row <= last)
        paintBlock(p, m, lifted.block, lifted.place, true);
    p.restore();
}

void TimeGridPainter::setAvailability(const QList<WeekAvailability> &rows, int exemptBar)
{
    m_availability = rows;
    m_exemptBar = exemptBar;
}

bool TimeGridPainter::isOutsideAvailability(int block) const
{
    if (!m_model || !m_model->isValidBlock(block))
        return false;
    const int row = m_model->TBResource(block);
    if (row < 0 || row >= m_availability.size() || m_model->TBBar(block) == m_exemptBar)
        return false;
    return !Availability::isWithin(m_availability[row], m_model->TBBeg(block), m_model->TBEnd(block));
}

void TimeGridPainter::paintAvailability(QPainter &p, const TimeGridMapper &m, int first, int last) const
{
    if (m_availability.isEmpty())
        return;
    for (int r = first; r <= std::min(last, int(m_availability.size()) - 1); ++r) {
        const WeekAvailability &a = m_availability[r];
        const QRect row = m.rowRect(r);
        for (double day = std::floor(m.scrollTime); day < m.visibleEnd(); day += 1.0) {
            const int wd = Availability::weekday(day);
            if (a.end[wd] <= a.start[wd])
                continue;
            const double x1 = m.xForTime(day + a.start[wd]);
            const double x2 = m.xForTime(day + a.end[wd]);
            p.fillRect(QRectF(x1, row.top() + 2, x2 - x1, row.height() - 5), kAvailableBack);
        }
    }
}

QString TimeGridPainter::blockLabel(int block, int bar) const
{
    switch (m_model->BarTextMode(bar)) {
    case TimeGridModel::Caption: return m_model->BarCaption(bar);
    case TimeGridModel::Note: return m_model->TBNote(block);
    case TimeGridModel::Text: return m_model->TBText(block);
    case TimeGridModel::Nothing: break;
    }
    return {};
}

void TimeGridPainter::paintBlock(QPainter &p, const TimeGridMapper &m, int block,
                                 const BlockPlace &place, bool lifted) const
{
    const int bar = m_model->TBBar(block);
    const QRectF rect = m.blockRect(place.row, place.begin, place.end).adjusted(0.5, 0.5, -0.5, -0.5);
    const QString label = blockLabel(block, bar);
    // A block wholly in view looks the same on every row it is on: copy its picture.
    if (!lifted && QRectF(m.timeArea()).contains(rect) && BlockPictureCache::suits(p)) {
        const BlockPictureCache::Look look{rect.size(),
                                           QRgb(m_model->BarColor(bar)),
                                           QRgb(m_model->BarTextColor(bar)),
                                           label,
                                           m_model->BarFont(bar),
                                           !m_model->TBWarning(block).isEmpty()};
        m_pictures.draw(p, rect, look, [&](QPainter &q) { drawBlock(q, m, block, bar, rect, label, false); });
        return;
    }
    drawBlock(p, m, block, bar, rect, label, lifted);
}

void TimeGridPainter::drawBlock(QPainter &p, const TimeGridMapper &m, int block, int bar, const QRectF &rect,
                                const QString &text, bool lifted) const
{
    const QColor fill = TimeGridModel::toColor(m_model->BarColor(bar));
    const double radius = std::min(5.0, std::min(rect.width(), rect.height()) / 2.0);

    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    p.fillPath(path, fill);
    p.setPen(QPen(lifted ? kFocusBlue : fill.darker(fill.lightness() > 200 ? 150 : 140),
                  lifted ? 2.0 : 1.0));
    p.drawPath(path);
    if (!m_model->TBWarning(block).isEmpty()) {
        // A dark red corner edged in white, seen on any bar colour: the block's tooltip says why.
        const double size = std::min(12.0, std::min(rect.width(), rect.height()) * 0.6);
        QPainterPath corner;
        corner.moveTo(rect.right() - size, rect.top());
        corner.lineTo(rect.right(), rect.top());
        corner.lineTo(rect.right(), rect.top() + size);
        corner.closeSubpath();
        p.fillPath(corner, kWarningMark);
        p.setPen(QPen(kWarningMarkEdge, 1.0));
        p.drawPath(corner);
    }

    if (text.isEmpty())
        return;
    // Text stays in the visible part of the block, so a block that starts off screen still
    // shows its label.
    QRectF textBox = rect.intersected(QRectF(m.timeArea())).adjusted(6, 0, -4, 0);
    if (textBox.width() < 10)
        return;
    const int fontIndex = m_model->BarFont(bar);
    p.setFont(fontFor(fontIndex));
    p.setPen(readableText(TimeGridModel::toColor(m_model->BarTextColor(bar)), fill));
    struct Attempt { double scale; int wrap; };
    // A long single word (DISHWASHER) breaks anywhere only when nothing else fits.
    static constexpr Attempt attempts[] = {{1.0, Qt::TextWordWrap}, {0.85, Qt::TextWordWrap},
                                           {0.75, Qt::TextWordWrap}, {0.75, Qt::TextWrapAnywhere}};
    const QFont normal = p.font();
    auto scaled = [&normal](const Attempt &a) {
        QFont smaller = normal;
        if (normal.pointSizeF() > 0)
            smaller.setPointSizeF(normal.pointSizeF() * a.scale);
        else
            smaller.setPixelSize(std::max(6, int(normal.pixelSize() * a.scale)));
        return smaller;
    };
    const QPaintDevice *device = p.device();
    const LabelKey key{text, fontIndex, textBox.width(), textBox.height(), textBox.toRect().size(),
                       device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0,
                       device ? device->devicePixelRatio() : 1.0};
    auto fit = m_labelFits.constFind(key);
    if (fit == m_labelFits.constEnd()) {
        // A label that does not fit on one line wraps onto several (at its line breaks and
        // between words) when the block is tall enough, in a slightly smaller font if need be;
        // otherwise it is one line, cut with an ellipsis.
        LabelFit found{-1, {}};
        if (text.contains(u'\n') || p.fontMetrics().horizontalAdvance(text) > textBox.width()) {
            for (int i = 0; i < int(std::size(attempts)) && found.attempt < 0; ++i) {
                p.setFont(scaled(attempts[i]));
                const int flags = Qt::AlignLeft | Qt::AlignVCenter | attempts[i].wrap;
                const QRect needed = p.fontMetrics().boundingRect(textBox.toRect(), flags, text);
                if (needed.height() <= textBox.height() && needed.width() <= textBox.width())
                    found.attempt = i;
            }
            p.setFont(normal);
        }
        if (found.attempt < 0) {
            const QString line = QString(text).replace(u'\n', u' ');
            found.shown = p.fontMetrics().elidedText(line, Qt::ElideRight, int(textBox.width()));
        }
        if (m_labelFits.size() >= 20000)   // more than any grid shows; start again
            m_labelFits.clear();
        fit = m_labelFits.insert(key, found);
    }
    if (fit->attempt >= 0) {
        const Attempt &a = attempts[fit->attempt];
        p.setFont(scaled(a));
        m_texts.draw(p, textBox, Qt::AlignLeft | Qt::AlignVCenter | a.wrap, text);
        return;
    }
    m_texts.draw(p, textBox, Qt::AlignLeft | Qt::AlignVCenter, fit->shown);
}
