#include "BandedReport.h"

#include "data/FileError.h"
#include "data/ScheduleHelper.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

QFont reportFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// Text widths in points, measured at a high resolution so that they hold for every device.
const QFontMetricsF &fineMetrics(qreal pointSize, bool bold)
{
    static const QImage fine = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(qRound(1200 / 0.0254));
        image.setDotsPerMeterY(qRound(1200 / 0.0254));
        return image;
    }();
    static std::map<int, QFontMetricsF> metrics;
    const int key = int(pointSize * 100) * 2 + (bold ? 1 : 0);
    auto it = metrics.find(key);
    if (it == metrics.end())
        it = metrics.emplace(key, QFontMetricsF(reportFont(pointSize, bold), &fine)).first;
    return it->second;
}

constexpr qreal kFine = 72.0 / 1200.0;

// The words of `text` in lines no wider than `width`; a word wider than a line is split.
QStringList wrapped(const QString &text, qreal pointSize, bool bold, qreal width)
{
    auto wide = [&](const QString &t) { return BandedReport::textWidth(t, pointSize, bold); };
    QStringList lines;
    QString line;
    for (QString word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + u' ' + word;
        if (wide(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        while (word.size() > 1 && wide(word) > width) {
            qsizetype k = 1;
            while (k + 1 < word.size() && wide(word.left(k + 1)) <= width)
                ++k;
            // A hyphenated word breaks after a hyphen where it can.
            const qsizetype hyphen = word.left(k).lastIndexOf(u'-');
            if (hyphen > 0)
                k = hyphen + 1;
            lines << word.left(k);
            word = word.mid(k);
        }
        line = word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

qreal BandedReport::textWidth(const QString &text, qreal pointSize, bool bold)
{
    return fineMetrics(pointSize, bold).horizontalAdvance(text) * kFine;
}

// Each distinct text is shaped once per font and resolution and drawn from its glyphs
// afterwards: a long report repeats the same few hundred texts (dates, times, names) on every
// page, and shaping is most of the cost of drawing text.
struct BandedReport::TextCache {
    struct Shaped {
        QList<QGlyphRun> runs;
        qreal width = 0;
    };
    struct Face {
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, Shaped> texts;
    };
    using Key = std::pair<int, int>;   // resolution, size and weight
    std::map<Key, Face> faces;         // stable references
};

BandedReport::BandedReport() : m_layout(defaultPageLayout()), m_textCache(std::make_unique<TextCache>()) {}

BandedReport::~BandedReport() = default;

QPageLayout BandedReport::defaultPageLayout(const QLocale &locale)
{
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem
                        || locale.territory() == QLocale::Canada || locale.territory() == QLocale::Mexico;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(36, 36, 36, 36), QPageLayout::Point);
}

void BandedReport::setPageLayout(const QPageLayout &layout)
{
    m_layout = layout;
    if (m_orientation)
        m_layout.setOrientation(*m_orientation);
}

QSizeF BandedReport::contentSize() const
{
    return m_layout.paintRect(QPageLayout::Point).size();
}

ReportGroup &BandedReport::addGroup(const QString &headerName, qreal headerHeight, const QString &footerName,
                                    qreal footerHeight)
{
    m_groups.push_back(std::make_unique<ReportGroup>(headerName, headerHeight, footerName, footerHeight));
    return *m_groups.back();
}

QString BandedReport::breakValue(int, int) const { return {}; }
void BandedReport::formatPageHeader(ReportSection &, int) {}
void BandedReport::formatGroupHeader(int, ReportSection &, int) {}
void BandedReport::formatDetail(ReportSection &, int) {}
void BandedReport::formatGroupFooter(int, ReportSection &, int) {}
void BandedReport::formatPageFooter(ReportSection &, int) {}

// ---- Layout ----------------------------------------------------------------------------------

bool BandedReport::run()
{
    m_pages.clear();
    reportStart();
    const int rows = rowCount();
    const int groups = groupCount();
    int detailsOnPage = 0;

    // Each row's break values are read once. `opening[r]`: the outermost group that starts at
    // row r; `closing[r]`: the outermost group that ends after it (groups: none).
    QList<int> opening(rows, groups), closing(rows, groups);
    {
        QStringList before;
        for (int row = 0; row < rows; ++row) {
            QStringList keys(groups);
            for (int g = 0; g < groups; ++g)
                keys[g] = breakValue(g, row);
            int g = 0;
            if (row > 0)
                while (g < groups && keys[g] == before[g])
                    ++g;
            opening[row] = g;
            if (row > 0)
                closing[row - 1] = g;
            before = std::move(keys);
        }
        if (rows > 0)
            closing[rows - 1] = 0;
    }
    // The rows of the innermost group around each row.
    QList<int> groupStart(rows), groupEnd(rows);
    for (int row = 0, start = 0; row < rows; ++row) {
        if (opening[row] < groups)
            start = row;
        groupStart[row] = start;
    }
    for (int row = rows - 1, end = rows - 1; row >= 0; --row) {
        if (closing[row] < groups)
            end = row;
        groupEnd[row] = end;
    }

    startPage();
    auto newPage = [&] {
        finishPage();
        startPage();
        detailsOnPage = 0;
    };
    auto placeFooters = [&](int from, int lastRow) {
        for (int g = groups - 1; g >= from; --g) {
            ReportSection &footer = group(g).footer;
            formatGroupFooter(g, footer, lastRow);
            if (!fits(footer.height()) && pageHasBody())
                newPage();
            place(footer);
        }
    };
    auto footersHeight = [&](int row) {
        qreal height = 0;
        for (int g = closing[row]; g < groups; ++g)
            height += group(g).footer.height();
        return height;
    };

    constexpr int kProgressStep = 500;
    for (int row = 0; row < rows; ++row) {
        if (m_progress && row % kProgressStep == 0 && row > 0 && !m_progress(row, rows))
            return false;
        const int first = opening[row];
        if (row > 0 && first < groups)
            placeFooters(first, row - 1);

        // A group's lines never break off one at a time: its header goes with its first two
        // lines (a group of up to three with all of them and its footers), and its last two
        // lines go with the footers that close it.
        qreal needed = 0;
        for (int g = first; g < groups; ++g) {
            formatGroupHeader(g, group(g).header, row);
            needed += heightOf(group(g).header);
        }
        m_detailStartsPage = detailsOnPage == 0;
        formatDetail(m_detail, row);
        // Beside an earlier detail of the same row, the line takes no more room.
        if (m_column == 0 || first < groups)
            needed += heightOf(m_detail);
        if (groups > 0) {
            const int start = groupStart[row], end = groupEnd[row], lines = end - start + 1;
            int with = row;   // the last row that must come onto this page with this one
            if (row == start)
                with = lines <= 3 ? end : start + 1;
            else if (row == end - 1 && row - start >= 2)
                with = end;
            needed += (with - row) * m_detail.height();
            if (with == end)
                needed += footersHeight(end);
        }
        bool breakBefore = false;
        for (int g = first; g < groups; ++g)
            breakBefore = breakBefore || group(g).startsPage;
        if ((breakBefore || !fits(needed)) && pageHasBody()) {
            newPage();
            for (int g = 0; g < first; ++g) {
                if (group(g).repeatHeader)
                    placeContinued(g, row);
            }
            m_detailStartsPage = true;
            formatDetail(m_detail, row);
        }
        for (int g = first; g < groups; ++g)
            place(group(g).header);
        place(m_detail);
        if (m_detail.isVisible())
            ++detailsOnPage;
    }
    if (rows > 0)
        placeFooters(0, rows - 1);
    finishPage();
    m_detailStartsPage = false;
    return !m_progress || m_progress(rows, rows);
}

QString BandedReport::continuedText()
{
    return QCoreApplication::translate("BandedReport", "(continued)");
}

void BandedReport::placeContinued(int g, int row)
{
    ReportGroup &continuing = group(g);
    ReportSection &header = continuing.header;
    formatGroupHeader(g, header, row);
    if (!continuing.continuedMark) {
        place(header);
        return;
    }
    const ReportSection::Control mark = *continuing.continuedMark;
    const QString text = header.text(mark);
    header.set(mark, text.isEmpty() ? continuedText() : text + u' ' + continuedText());
    place(header);
    header.set(mark, text);
}

QList<QRectF> BandedReport::controlRects(const Placed &placed) const
{
    if (!placed.rects.isEmpty())
        return placed.rects;
    // Most sections have fixed controls: no list is made for them.
    if (!placed.section->hasMovingControls())
        return {};
    const QList<ReportControl> &controls = placed.section->controls();
    QList<QRectF> rects;
    rects.reserve(controls.size());
    for (const ReportControl &c : controls)
        rects.append(c.rect);

    auto shown = [&](qsizetype i) { return placed.visible.at(i) && !placed.texts.at(i).isEmpty(); };
    auto textWidth = [](const ReportControl &c, const QString &text) {
        return BandedReport::textWidth(text, c.pointSize, c.bold);
    };
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const ReportControl &c = controls.at(i);
        if (c.collapsesWhenEmpty && !shown(i)) {
            for (qsizetype j = 0; j < controls.size(); ++j)
                if (controls.at(j).rect.top() >= c.rect.bottom() - 0.01)
                    rects[j].translate(0, -c.rect.height());
        }
        if (c.followsPrevious && i > 0) {
            const ReportControl &before = controls.at(i - 1);
            qreal x = rects.at(i - 1).left();
            if (shown(i - 1)) {
                // The control before keeps its text and half a space (room for a screen's
                // rounding); this one starts a space after the text.
                const qreal space = textWidth(before, QStringLiteral(" "));
                const qreal text = std::min(textWidth(before, placed.texts.at(i - 1)), rects.at(i - 1).width());
                rects[i - 1].setWidth(std::min(text + space / 2, rects.at(i - 1).width()));
                x += text + space;
            }
            const qreal room = placed.section == &m_detail ? columnWidth() : contentSize().width();
            const qreal right = std::min(x + c.rect.width(), room);
            rects[i] = QRectF(x, rects.at(i).top(), std::max<qreal>(0, right - x), c.rect.height());
        }
    }
    return rects;
}

void BandedReport::startPage()
{
    m_pages.append(Page());
    m_y = 0;
    m_column = 0;
    formatPageHeader(m_pageHeader, int(m_pages.size()));
    place(m_pageHeader);
    m_bodyTop = m_y;
}

void BandedReport::finishPage()
{
    formatPageFooter(m_pageFooter, int(m_pages.size()));
    m_y = contentSize().height() - m_pageFooter.height();
    place(m_pageFooter);
}

bool BandedReport::fits(qreal height) const
{
    return m_y + height <= contentSize().height() - m_pageFooter.height() + 0.001;
}

bool BandedReport::pageHasBody() const
{
    return m_y > m_bodyTop;
}

void BandedReport::place(const ReportSection &section)
{
    if (!section.isVisible())
        return;
    qreal x = 0;
    qreal y = m_y;
    if (&section == &m_detail && m_columns > 1) {
        // A detail beside the one before it shares that one's row.
        if (m_column > 0) {
            y = m_rowTop;
            x = m_column * columnWidth();
        } else {
            m_rowTop = y;
        }
        m_column = (m_column + 1) % m_columns;
    } else {
        m_column = 0;
    }
    Placed placed = measure(section, x, y);
    // A row of detail columns is as tall as its tallest.
    m_y = x > 0 ? std::max(m_y, y + placed.height) : y + placed.height;
    m_pages.last().append(std::move(placed));
}

BandedReport::Placed BandedReport::measure(const ReportSection &section, qreal x, qreal y) const
{
    Placed placed{&section, y, x, {}, {}};
    const QList<ReportControl> &controls = section.controls();
    placed.texts.reserve(controls.size());
    placed.visible.reserve(controls.size());
    for (const ReportControl &c : controls) {
        placed.texts.append(c.text);
        placed.visible.append(c.visible);
    }
    placed.height = section.height();
    if (section.hasWholeControls())
        fitWhole(placed);
    return placed;
}

qreal BandedReport::heightOf(const ReportSection &section) const
{
    if (!section.isVisible())
        return 0;
    return section.hasWholeControls() ? measure(section, 0, 0).height : section.height();
}

void BandedReport::fitWhole(Placed &placed) const
{
    const QList<ReportControl> &controls = placed.section->controls();
    const qsizetype n = controls.size();
    QList<QRectF> rects = controlRects(placed);
    if (rects.isEmpty())
        for (const ReportControl &c : controls)
            rects.append(c.rect);
    placed.sizes = QList<qreal>(n, 0);
    placed.lines = QList<QStringList>(n);
    QList<qreal> growth(n, 0);
    // A little room is kept for devices whose text comes out a bit wider.
    constexpr qreal kRoom = 0.97;
    for (qsizetype i = 0; i < n; ++i) {
        const ReportControl &c = controls.at(i);
        const QString &text = placed.texts.at(i);
        if (!c.printsWhole || !placed.visible.at(i) || text.isEmpty())
            continue;
        const qreal width = rects.at(i).width() * kRoom;
        const qreal wide = textWidth(text, c.pointSize, c.bold);
        if (wide <= width)
            continue;
        const qreal size = std::floor(c.pointSize * width / wide * 4) / 4;
        if (size >= c.minPointSize) {
            placed.sizes[i] = size;
            continue;
        }
        placed.sizes[i] = c.minPointSize;
        placed.lines[i] = wrapped(text, c.minPointSize, c.bold, width);
        growth[i] = (placed.lines.at(i).size() - 1) * fineMetrics(c.minPointSize, c.bold).height() * kFine;
    }
    // What lies below a grown control moves down by its growth (and by what moved it).
    QList<qsizetype> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return rects.at(a).top() < rects.at(b).top(); });
    QList<qreal> shift(n, 0);
    qreal extra = 0;
    for (qsizetype a = 0; a < n; ++a) {
        const qsizetype j = order.at(a);
        for (qsizetype b = 0; b < a; ++b) {
            const qsizetype i = order.at(b);
            if (shift.at(i) + growth.at(i) > 0 && rects.at(j).top() >= rects.at(i).bottom() - 0.01)
                shift[j] = std::max(shift.at(j), shift.at(i) + growth.at(i));
        }
        extra = std::max(extra, shift.at(j) + growth.at(j));
    }
    for (qsizetype j = 0; j < n; ++j) {
        rects[j].translate(0, shift.at(j));
        rects[j].setHeight(rects.at(j).height() + growth.at(j));
    }
    placed.rects = std::move(rects);
    if (!placed.section->hasFixedHeight())
        placed.height += extra;
}

// ---- Output ----------------------------------------------------------------------------------

void BandedReport::paintPage(int page, QPainter &painter) const
{
    if (page < 1 || page > pageCount())
        return;
    QPaintDevice *device = painter.device();
    const qreal kx = device->logicalDpiX() / 72.0;
    const qreal ky = device->logicalDpiY() / 72.0;
    const QString total = QString::number(pageCount());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    QPen linePen(Qt::black, 0.75 * kx);
    // Fonts and their metrics are made once per size and weight, not once per text.
    TextCache &cache = *m_textCache;
    auto face = [&](qreal pointSize, bool bold) -> TextCache::Face & {
        const TextCache::Key key{device->logicalDpiX(), int(pointSize * 100) * 2 + (bold ? 1 : 0)};
        auto it = cache.faces.find(key);
        if (it == cache.faces.end()) {
            const QFont font = reportFont(pointSize, bold);
            it = cache.faces.emplace(key, TextCache::Face{font, QFontMetricsF(font, device), {}}).first;
        }
        return it->second;
    };
    auto shaped = [device](TextCache::Face &f, const QString &text) -> const TextCache::Shaped & {
        auto it = f.texts.find(text);
        if (it == f.texts.end()) {
            QTextLayout layout(text, f.font, device);
            layout.beginLayout();
            QTextLine line = layout.createLine();
            layout.endLayout();
            it = f.texts.insert(text, {layout.glyphRuns(), line.isValid() ? line.naturalTextWidth() : 0});
        }
        return *it;
    };
    // The page's glyphs are gathered per font and drawn at the end, one run per font: a printer
    // or PDF file then gets a few text objects per page instead of one per field.
    struct Batch {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    QList<Batch> batches;
    auto gather = [&batches](const QGlyphRun &run, const QPointF &origin) {
        const QRawFont font = run.rawFont();
        auto batch = std::find_if(batches.begin(), batches.end(), [&font](const Batch &b) { return b.font == font; });
        if (batch == batches.end()) {
            batches.append({font, {}, {}});
            batch = batches.end() - 1;
        }
        batch->glyphs += run.glyphIndexes();
        for (const QPointF &p : run.positions())
            batch->positions.append(p + origin);
    };
    for (const Placed &placed : m_pages.at(page - 1)) {
        const QList<ReportControl> &controls = placed.section->controls();
        const QList<QRectF> rects = controlRects(placed);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            if (!placed.visible.at(i))
                continue;
            const ReportControl &c = controls.at(i);
            const QRectF &r = rects.isEmpty() ? c.rect : rects.at(i);
            const QRectF box((r.x() + placed.x) * kx, (r.y() + placed.y) * ky, r.width() * kx, r.height() * ky);
            if (c.kind == ReportControl::Kind::Line) {
                painter.setPen(linePen);
                painter.drawLine(box.topLeft(), box.topRight());
                painter.setPen(Qt::black);
                continue;
            }
            const QString text = c.kind == ReportControl::Kind::PageCount ? total : placed.texts.at(i);
            if (text.isEmpty())
                continue;
            const qreal size = placed.sizes.isEmpty() || placed.sizes.at(i) == 0 ? c.pointSize : placed.sizes.at(i);
            TextCache::Face &f = face(size, c.bold);
            const QStringList lines = placed.lines.isEmpty() || placed.lines.at(i).isEmpty() ? QStringList{text}
                                                                                             : placed.lines.at(i);
            // The lines of a wrapped text stand centred in the box together.
            qreal top = box.top() + (box.height() - lines.size() * f.metrics.height()) / 2;
            for (const QString &line : lines) {
                // Text wider than its box is cut with an ellipsis, never drawn over a neighbour
                // (a text that prints whole was made to fit already).
                const TextCache::Shaped *glyphs = &shaped(f, line);
                if (glyphs->width > box.width() && !c.printsWhole)
                    glyphs = &shaped(f, f.metrics.elidedText(line, Qt::ElideRight, box.width()));
                qreal x = box.left();
                if (c.alignment & Qt::AlignRight)
                    x = box.right() - glyphs->width;
                else if (c.alignment & Qt::AlignHCenter)
                    x = box.left() + (box.width() - glyphs->width) / 2;
                // The runs' positions put the baseline one ascent below their top.
                for (const QGlyphRun &run : glyphs->runs)
                    gather(run, QPointF(x, top));
                top += f.metrics.height();
            }
        }
    }
    for (const Batch &batch : std::as_const(batches)) {
        QGlyphRun run;
        run.setRawFont(batch.font);
        run.setGlyphIndexes(batch.glyphs);
        run.setPositions(batch.positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    painter.restore();
}

QImage BandedReport::pageImage(int page, int dpi) const
{
    const QSize size = m_layout.fullRectPixels(dpi).size();
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(m_layout.paintRectPixels(dpi).topLeft());
    paintPage(page, painter);
    return image;
}

bool BandedReport::print(QPagedPaintDevice &device, int firstPage, int lastPage) const
{
    firstPage = std::max(firstPage, 1);
    lastPage = lastPage <= 0 ? pageCount() : std::min(lastPage, pageCount());
    device.setPageLayout(m_layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage)
            device.newPage();
        paintPage(page, painter);
        const int done = page - firstPage + 1, total = lastPage - firstPage + 1;
        if (m_progress && (done % 20 == 0 || page == lastPage) && !m_progress(done, total)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

QByteArray BandedReport::pdfBytes(const QString &title) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Shiftgrid"));
        writer.setResolution(600);
        if (!print(writer))
            return {};
    }
    return buffer.data();
}

bool BandedReport::writePdf(const QString &file, const QString &title, QString *error) const
{
    // Rendered in memory first, then written in one go: a failed write leaves no half PDF, and
    // the reason comes from the one place where files are written.
    const QByteArray pdf = pdfBytes(title);
    if (pdf.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("BandedReport", "the report could not be rendered");
        return false;
    }
    try {
        ScheduleHelper::WriteFileBytes(file, pdf);
    } catch (const FileError &e) {
        if (error)
            *error = e.userText();
        return false;
    }
    return true;
}

QList<PrintedSection> BandedReport::printedSections(int page) const
{
    QList<PrintedSection> result;
    if (page < 1 || page > pageCount())
        return result;
    const QPointF origin = m_layout.paintRect(QPageLayout::Point).topLeft();
    const QString total = QString::number(pageCount());
    for (const Placed &placed : m_pages.at(page - 1)) {
        PrintedSection section;
        section.name = placed.section->name();
        const qreal width = placed.section == &m_detail ? columnWidth() : contentSize().width();
        section.box = QRectF(origin + QPointF(placed.x, placed.y), QSizeF(width, placed.height));
        const QList<ReportControl> &controls = placed.section->controls();
        const QList<QRectF> rects = controlRects(placed);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const ReportControl &c = controls.at(i);
            if (!placed.visible.at(i) || !c.hasText())
                continue;
            section.fields.append({c.name, c.kind == ReportControl::Kind::PageCount ? total : placed.texts.at(i),
                                   (rects.isEmpty() ? c.rect : rects.at(i)).translated(origin + QPointF(placed.x, placed.y))});
        }
        result.append(section);
    }
    return result;
}

QString BandedReport::pagesText() const
{
    QString text;
    for (int page = 1; page <= pageCount(); ++page) {
        if (page > 1)
            text += QStringLiteral("\f\n");
        for (const PrintedSection &section : printedSections(page)) {
            text += section.name;
            for (const PrintedField &field : section.fields)
                text += u'\t' + field.text;
            text += u'\n';
        }
    }
    return text;
}

ReportTable BandedReport::table() const
{
    // Columns in order: each group header's, outermost first, then the detail's.
    struct Column {
        const ReportSection *section;
        qsizetype control;
        bool shown = false;
    };
    QList<Column> columns;
    auto addColumns = [&columns](const ReportSection &section) {
        for (qsizetype i = 0; i < section.controls().size(); ++i)
            if (!section.controls().at(i).column.isEmpty())
                columns.append({&section, i});
    };
    for (const auto &g : m_groups)
        addColumns(g->header);
    addColumns(m_detail);

    ReportTable table;
    QHash<const ReportSection *, const Placed *> latest;   // the last placed header of each group
    for (const Page &page : m_pages) {
        for (const Placed &placed : page) {
            if (placed.section != &m_detail) {
                latest[placed.section] = &placed;
                continue;
            }
            QStringList row;
            row.reserve(columns.size());
            for (Column &c : columns) {
                const Placed *from = c.section == &m_detail ? &placed : latest.value(c.section);
                row.append(from ? from->texts.at(c.control) : QString());
                if (from && from->visible.at(c.control))
                    c.shown = true;
            }
            table.rows.append(row);
        }
    }
    for (qsizetype i = columns.size() - 1; i >= 0; --i) {
        if (columns.at(i).shown)
            continue;
        columns.removeAt(i);
        for (QStringList &row : table.rows)
            row.removeAt(i);
    }
    for (const Column &c : columns)
        table.header.append(c.section->controls().at(c.control).column);
    return table;
}
