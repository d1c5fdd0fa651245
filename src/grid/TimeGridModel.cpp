#include "TimeGridModel.h"

#include "data/OleDate.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

TimeGridModel::TimeGridModel(QObject *parent)
    : QObject(parent)
{
}

TimeGridModel::~TimeGridModel() = default;

// ---------------------------------------------------------------- batching

void TimeGridModel::beginUpdate()
{
    ++m_updateDepth;
}

void TimeGridModel::endUpdate()
{
    if (m_updateDepth == 0)
        return;
    if (--m_updateDepth > 0)
        return;
    const int dirty = m_dirty;
    m_dirty = 0;
    if (dirty & DirtyFonts)
        Q_EMIT fontsChanged();
    if (dirty & DirtyBars)
        Q_EMIT barsChanged();
    if (dirty & DirtyView) {
        Q_EMIT viewChanged();
        Q_EMIT columnCaptionChanged();
        Q_EMIT snapChanged();
        Q_EMIT scrollTimeChanged(m_scrollTime);
    }
    if (dirty & DirtyRows)
        Q_EMIT rowsReset();
    if (dirty & DirtyBlocks)
        Q_EMIT blocksReset();
}

bool TimeGridModel::markDirty(int what)
{
    if (m_updateDepth > 0) {
        m_dirty |= what;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- fonts

int TimeGridModel::AddFont(const QString &name)
{
    const QString trimmed = name.trimmed();
    for (int i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts.at(i).compare(trimmed, Qt::CaseInsensitive) == 0)
            return i;
    }
    m_fonts.append(trimmed);
    if (markDirty(DirtyFonts))
        Q_EMIT fontsChanged();
    return int(m_fonts.size()) - 1;
}

QString TimeGridModel::FontName(int index) const
{
    return (index >= 0 && index < m_fonts.size()) ? m_fonts.at(index) : QString();
}

// ---------------------------------------------------------------- rows

int TimeGridModel::AddResource(const QString &caption, const QString &key, int fontIndex)
{
    Row row;
    row.title = caption;
    row.key = key;
    row.font = fontIndex;
    m_rows.push_back(std::move(row));
    const int r = int(m_rows.size()) - 1;
    if (markDirty(DirtyRows))
        Q_EMIT rowAdded(r);
    return r;
}

void TimeGridModel::ClearResources()
{
    m_rows.clear();
    if (markDirty(DirtyRows))
        Q_EMIT rowsReset();
}

int TimeGridModel::rowCount() const
{
    return int(std::max<qsizetype>(qsizetype(m_rows.size()), m_rowBlocks.size()));
}

QString TimeGridModel::ResourceTitle(int row) const
{
    return isValidRow(row) ? m_rows[row].title : QString();
}

QString TimeGridModel::ResourceKey(int row) const
{
    return isValidRow(row) ? m_rows[row].key : QString();
}

QString TimeGridModel::ResourceInfo(int row) const
{
    return isValidRow(row) ? m_rows[row].info : QString();
}

QString TimeGridModel::ResourceInfoTip(int row) const
{
    return isValidRow(row) ? m_rows[row].infoTip : QString();
}

QString TimeGridModel::ResourceCost(int row) const
{
    return isValidRow(row) ? m_rows[row].cost : QString();
}

bool TimeGridModel::ResourceCostMarked(int row) const
{
    return isValidRow(row) && m_rows[row].costMarked;
}

qint32 TimeGridModel::ResourceForeColor(int row) const
{
    return isValidRow(row) ? m_rows[row].foreColor : 0;
}

int TimeGridModel::ResourceFont(int row) const
{
    return isValidRow(row) ? m_rows[row].font : 0;
}

// One setter body for every row field: unknown rows are ignored, unchanged values send nothing.
#define SET_ROW_FIELD(field, value)                  \
    if (!isValidRow(row) || m_rows[row].field == value) \
        return;                                      \
    m_rows[row].field = value;                       \
    if (markDirty(DirtyRows))                        \
        Q_EMIT rowChanged(row);

void TimeGridModel::setResourceTitle(int row, const QString &title) { SET_ROW_FIELD(title, title) }
void TimeGridModel::setResourceKey(int row, const QString &key) { SET_ROW_FIELD(key, key) }
void TimeGridModel::setResourceInfo(int row, const QString &info) { SET_ROW_FIELD(info, info) }
void TimeGridModel::setResourceInfoTip(int row, const QString &tip) { SET_ROW_FIELD(infoTip, tip) }
void TimeGridModel::setResourceCost(int row, const QString &cost) { SET_ROW_FIELD(cost, cost) }
void TimeGridModel::setResourceCostMarked(int row, bool marked) { SET_ROW_FIELD(costMarked, marked) }
void TimeGridModel::setResourceForeColor(int row, qint32 color) { SET_ROW_FIELD(foreColor, color) }
void TimeGridModel::setResourceFont(int row, int fontIndex) { SET_ROW_FIELD(font, fontIndex) }

#undef SET_ROW_FIELD

// ---------------------------------------------------------------- bar styles

void TimeGridModel::setBarsMax(int count)
{
    count = std::max(0, count);
    if (count == m_bars.size())
        return;
    m_bars.resize(count);
    if (markDirty(DirtyBars))
        Q_EMIT barsChanged();
}

void TimeGridModel::SetBarStyle(int n, qint32 backColor, qint32 textColor, int fontIndex,
                                const QString &caption)
{
    if (n < 0)
        return;
    if (n >= m_bars.size())
        m_bars.resize(n + 1);
    Bar &bar = m_bars[n];
    bar.backColor = backColor;
    bar.textColor = textColor;
    bar.font = fontIndex;
    bar.caption = caption;
    if (markDirty(DirtyBars))
        Q_EMIT barsChanged();
}

QString TimeGridModel::BarCaption(int n) const
{
    return (n >= 0 && n < m_bars.size()) ? m_bars.at(n).caption : QString();
}

qint32 TimeGridModel::BarColor(int n) const
{
    return (n >= 0 && n < m_bars.size()) ? m_bars.at(n).backColor : Bar().backColor;
}

qint32 TimeGridModel::BarTextColor(int n) const
{
    return (n >= 0 && n < m_bars.size()) ? m_bars.at(n).textColor : Bar().textColor;
}

int TimeGridModel::BarFont(int n) const
{
    return (n >= 0 && n < m_bars.size()) ? m_bars.at(n).font : 0;
}

TimeGridModel::TextMode TimeGridModel::BarTextMode(int n) const
{
    return (n >= 0 && n < m_bars.size()) ? m_bars.at(n).mode : Caption;
}

void TimeGridModel::setBarTextMode(int n, TextMode mode)
{
    if (n < 0 || n >= m_bars.size() || m_bars.at(n).mode == mode)
        return;
    m_bars[n].mode = mode;
    if (markDirty(DirtyBars))
        Q_EMIT barsChanged();
}

void TimeGridModel::setAllBarTextModes(TextMode mode)
{
    for (Bar &bar : m_bars)
        bar.mode = mode;
    if (markDirty(DirtyBars))
        Q_EMIT barsChanged();
}

// ---------------------------------------------------------------- per-row index

void TimeGridModel::indexInsert(int row, int block)
{
    if (row >= m_rowBlocks.size())
        m_rowBlocks.resize(row + 1);
    QList<int> &list = m_rowBlocks[row];
    // Appending is the common case (new blocks get the highest number).
    if (list.isEmpty() || list.last() < block)
        list.append(block);
    else
        list.insert(std::lower_bound(list.begin(), list.end(), block) - list.begin(), block);
}

void TimeGridModel::indexErase(int row, int block)
{
    if (row < 0 || row >= m_rowBlocks.size())
        return;
    QList<int> &list = m_rowBlocks[row];
    auto it = std::lower_bound(list.begin(), list.end(), block);
    if (it != list.end() && *it == block)
        list.erase(it);
}

// Drops empty lists at the end so that rowCount() shrinks when the last blocks of extra rows go.
void TimeGridModel::trimIndex()
{
    while (!m_rowBlocks.isEmpty() && m_rowBlocks.last().isEmpty())
        m_rowBlocks.removeLast();
}

// ---------------------------------------------------------------- blocks

int TimeGridModel::TBAdd(int row, double begin, double end, int bar, const QString &tag)
{
    return TBAddWithId(0, row, begin, end, bar, tag);
}

int TimeGridModel::TBAddWithId(int id, int row, double begin, double end, int bar, const QString &tag)
{
    if (row < 0)
        return -1;
    if (id <= 0 || m_blockOfId.contains(id))
        id = ++m_lastId;
    else
        m_lastId = std::max(m_lastId, id);
    Block block;
    block.id = id;
    block.row = row;
    block.begin = begin;
    block.end = end;
    block.bar = bar;
    block.tag = tag;
    m_blocks.push_back(std::move(block));
    const int number = int(m_blocks.size()) - 1;
    m_blockOfId.insert(id, number);
    indexInsert(row, number);
    if (markDirty(DirtyBlocks))
        Q_EMIT blockAdded(number);
    return number;
}

void TimeGridModel::reserveBlocks(int count)
{
    m_blocks.reserve(size_t(std::max(0, count)));
    m_blockOfId.reserve(count);
}

void TimeGridModel::setTBMax(int count)
{
    count = std::max(0, count);
    if (size_t(count) >= m_blocks.size())
        return;
    if (count == 0) {
        ClearBlocks();
        return;
    }
    for (size_t b = size_t(count); b < m_blocks.size(); ++b)
        m_blockOfId.remove(m_blocks[b].id);
    m_blocks.resize(count);
    for (QList<int> &list : m_rowBlocks)
        list.erase(std::lower_bound(list.begin(), list.end(), count), list.end());
    trimIndex();
    if (markDirty(DirtyBlocks))
        Q_EMIT blocksReset();
}

void TimeGridModel::ClearBlocks()
{
    m_blocks.clear();
    m_rowBlocks.clear();
    m_blockOfId.clear();
    if (markDirty(DirtyBlocks))
        Q_EMIT blocksReset();
}

void TimeGridModel::TBRemove(int block)
{
    if (!isValidBlock(block))
        return;
    const int row = m_blocks[block].row;
    indexErase(row, block);
    m_blockOfId.remove(m_blocks[block].id);
    m_blocks.erase(m_blocks.begin() + block);
    for (size_t b = size_t(block); b < m_blocks.size(); ++b)
        m_blockOfId[m_blocks[b].id] = int(b);
    // Renumber: every later block moves down by one in whichever row holds it. The lists stay
    // sorted because all entries above `block` drop by the same amount.
    for (QList<int> &list : m_rowBlocks) {
        for (auto it = std::upper_bound(list.begin(), list.end(), block); it != list.end(); ++it)
            --*it;
    }
    trimIndex();
    if (markDirty(DirtyBlocks))
        Q_EMIT blockRemoved(block, row);
}

void TimeGridModel::blockEdited(int block, int oldRow)
{
    if (markDirty(DirtyBlocks))
        Q_EMIT blockChanged(block, oldRow);
}

int TimeGridModel::TBId(int block) const
{
    return isValidBlock(block) ? m_blocks[block].id : 0;
}

int TimeGridModel::TBFromId(int id) const
{
    return m_blockOfId.value(id, -1);
}

int TimeGridModel::TBResource(int block) const
{
    return isValidBlock(block) ? m_blocks[block].row : -1;
}

void TimeGridModel::setTBResource(int block, int row)
{
    if (!isValidBlock(block))
        return;
    setTBPlace(block, row, m_blocks[block].begin, m_blocks[block].end);
}

double TimeGridModel::TBBeg(int block) const
{
    return isValidBlock(block) ? m_blocks[block].begin : 0.0;
}

void TimeGridModel::setTBBeg(int block, double begin)
{
    if (!isValidBlock(block))
        return;
    setTBPlace(block, m_blocks[block].row, begin, m_blocks[block].end);
}

double TimeGridModel::TBEnd(int block) const
{
    return isValidBlock(block) ? m_blocks[block].end : 0.0;
}

void TimeGridModel::setTBEnd(int block, double end)
{
    if (!isValidBlock(block))
        return;
    setTBPlace(block, m_blocks[block].row, m_blocks[block].begin, end);
}

BlockPlace TimeGridModel::TBPlace(int block) const
{
    if (!isValidBlock(block))
        return {};
    const Block &b = m_blocks[block];
    return {b.row, b.begin, b.end};
}

void TimeGridModel::setTBPlace(int block, int row, double begin, double end)
{
    if (!isValidBlock(block) || row < 0)
        return;
    Block &b = m_blocks[block];
    const int oldRow = b.row;
    if (oldRow == row && b.begin == begin && b.end == end)
        return;
    if (oldRow != row) {
        indexErase(oldRow, block);
        indexInsert(row, block);
        b.row = row;
        trimIndex();
    }
    b.begin = begin;
    b.end = end;
    blockEdited(block, oldRow);
}

int TimeGridModel::TBBar(int block) const
{
    return isValidBlock(block) ? m_blocks[block].bar : 0;
}

QString TimeGridModel::TBText(int block) const
{
    return isValidBlock(block) ? m_blocks[block].text : QString();
}

QString TimeGridModel::TBTag(int block) const
{
    return isValidBlock(block) ? m_blocks[block].tag : QString();
}

QString TimeGridModel::TBNote(int block) const
{
    return isValidBlock(block) ? m_blocks[block].note : QString();
}

QString TimeGridModel::TBWarning(int block) const
{
    return isValidBlock(block) ? m_blocks[block].warning : QString();
}

#define SET_BLOCK_FIELD(field, value)                          \
    if (!isValidBlock(block) || m_blocks[block].field == value) \
        return;                                                \
    m_blocks[block].field = value;                             \
    blockEdited(block, m_blocks[block].row);

void TimeGridModel::setTBBar(int block, int bar) { SET_BLOCK_FIELD(bar, bar) }
void TimeGridModel::setTBText(int block, const QString &text) { SET_BLOCK_FIELD(text, text) }
void TimeGridModel::setTBTag(int block, const QString &tag) { SET_BLOCK_FIELD(tag, tag) }
void TimeGridModel::setTBNote(int block, const QString &note) { SET_BLOCK_FIELD(note, note) }
void TimeGridModel::setTBWarning(int block, const QString &warning) { SET_BLOCK_FIELD(warning, warning) }

#undef SET_BLOCK_FIELD

qint64 TimeGridModel::TBDurMinutes(int block) const
{
    if (!isValidBlock(block))
        return 0;
    const Block &b = m_blocks[block];
    return qint64(std::llround((b.end - b.begin) * OleDate::kMinutesPerDay));
}

QString TimeGridModel::TBDur(int block) const
{
    const qint64 minutes = TBDurMinutes(block);
    const qint64 magnitude = minutes < 0 ? -minutes : minutes;
    return QStringLiteral("%1%2:%3")
        .arg(minutes < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 60)
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

int TimeGridModel::TBNextInResource(int row, int after) const
{
    if (row < 0 || row >= m_rowBlocks.size())
        return -1;
    const QList<int> &list = m_rowBlocks.at(row);
    auto it = std::upper_bound(list.begin(), list.end(), after);
    return it == list.end() ? -1 : *it;
}

QList<int> TimeGridModel::blocksInResource(int row) const
{
    if (row < 0 || row >= m_rowBlocks.size())
        return {};
    return m_rowBlocks.at(row);
}

// ---------------------------------------------------------------- view

void TimeGridModel::setViewRange(double begin, double end)
{
    if (begin > end)
        std::swap(begin, end);
    if (begin == m_viewBeg && end == m_viewEnd)
        return;
    m_viewBeg = begin;
    m_viewEnd = end;
    if (markDirty(DirtyView))
        Q_EMIT viewChanged();
}

void TimeGridModel::setViewBeg(double begin)
{
    setViewRange(begin, std::max(begin, m_viewEnd));
}

void TimeGridModel::setViewEnd(double end)
{
    setViewRange(std::min(end, m_viewBeg), end);
}

void TimeGridModel::setScrollTime(double time)
{
    if (time == m_scrollTime)
        return;
    m_scrollTime = time;
    if (markDirty(DirtyView))
        Q_EMIT scrollTimeChanged(time);
}

void TimeGridModel::setColumnCaption(const QString &caption)
{
    if (caption == m_columnCaption)
        return;
    m_columnCaption = caption;
    if (markDirty(DirtyView))
        Q_EMIT columnCaptionChanged();
}

void TimeGridModel::setDateScaleFormat(const QString &format)
{
    if (format == m_dateScaleFormat)
        return;
    m_dateScaleFormat = format;
    if (markDirty(DirtyView))
        Q_EMIT viewChanged();
}

QString TimeGridModel::dayLabel(double day) const
{
    if (m_scaleLocale == QLocale::c())
        return OleDate::formatPercent(day, m_dateScaleFormat);
    // The stored format says how much to show: the day of the month only, or the whole date.
    const QDate date = OleDate::toDateTime(day).date();
    if (m_dateScaleFormat == QLatin1String("%a %d"))
        return m_scaleLocale.toString(date, QStringLiteral("ddd d"));
    return m_scaleLocale.toString(date, QStringLiteral("ddd, ")) + m_scaleLocale.toString(date, QLocale::ShortFormat);
}

QString TimeGridModel::hourLabel(double time) const
{
    if (m_scaleLocale == QLocale::c())
        return OleDate::format(time, QStringLiteral("h:mma/p"));
    return m_scaleLocale.toString(OleDate::toDateTime(time).time(), QLocale::ShortFormat);
}

void TimeGridModel::setScaleLocale(const QLocale &locale)
{
    if (locale == m_scaleLocale)
        return;
    m_scaleLocale = locale;
    if (markDirty(DirtyView))
        Q_EMIT viewChanged();
}

void TimeGridModel::setSnapMinutes(const QString &text)
{
    // "15 Minutes", "15", "1 Hour", "2 Hours": a number, then an optional unit.
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d+)\\s*([A-Za-z]*)"));
    int step = 1;
    const QRegularExpressionMatch match = pattern.match(text);
    if (match.hasMatch()) {
        bool ok = false;
        const qint64 number = match.captured(1).left(6).toLongLong(&ok);
        const QString unit = match.captured(2).toLower();
        qint64 minutes = number;
        if (unit.startsWith(QLatin1String("h")))
            minutes = number * 60;
        else if (unit.startsWith(QLatin1String("d")))
            minutes = number * 1440;
        if (ok && minutes >= 1)
            step = int(std::min<qint64>(minutes, 1440));
    }
    if (text == m_snapText && step == m_snapStep)
        return;
    m_snapText = text;
    m_snapStep = step;
    if (markDirty(DirtyView))
        Q_EMIT snapChanged();
}

double TimeGridModel::snapToStep(double time) const
{
    const double day = std::floor(time);
    const double minutes = (time - day) * OleDate::kMinutesPerDay;
    const double snapped = std::round(minutes / m_snapStep) * m_snapStep;
    return day + snapped / OleDate::kMinutesPerDay;
}

// ---------------------------------------------------------------- colours

QColor TimeGridModel::toColor(qint32 bgr)
{
    const quint32 v = quint32(bgr);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 TimeGridModel::fromColor(const QColor &color)
{
    return qint32(quint32(color.red()) | (quint32(color.green()) << 8)
                  | (quint32(color.blue()) << 16));
}
