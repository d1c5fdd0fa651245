#include "TextLayoutCache.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace {

// More entries than any grid shows at once; past it the cache starts again.
constexpr qsizetype kMaxEntries = 20000;

constexpr int kHorizontal = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter;
constexpr int kVertical = Qt::AlignTop | Qt::AlignBottom | Qt::AlignVCenter;

// Text without the characters drawText rewrites first (line breaks, tabs, length variants), and
// without blanks at its ends, whose width it counts in its own way.
bool isPlainText(const QString &text)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return false;
    for (const QChar c : text)
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator || c.unicode() == 0x9c)
            return false;
    return true;
}

bool hasDecorations(const QFont &font)
{
    return font.underline() || font.overline() || font.strikeOut();
}

} // namespace

// A text laid out as drawText lays it out: lines of `lineWidth` (unlimited unless wrapped),
// each placed on a whole pixel below the one before, until they fill the box's height.
struct TextLayoutCache::Layout {
    QTextLayout layout;
    qreal height = 0;   // of all lines
    qreal width = 0;    // the widest line's natural width, which decides whether drawText clips

    Layout(const QString &text, const QFont &font, Qt::LayoutDirection direction, int wrap, QSizeF box)
        : layout(text, font)
    {
        QTextOption option;
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft);
        if (wrap & Qt::TextWrapAnywhere)
            option.setWrapMode(QTextOption::WrapAnywhere);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        const qreal lineWidth = wrap ? qMax<qreal>(0, box.width()) : 0x01000000;
        const qreal leading = QFontMetricsF(font).leading();
        height = -leading;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            height = qCeil(height + leading);
            line.setPosition(QPointF(0, height));
            height += line.ascent() + line.descent();
            width = qMax(width, line.naturalTextWidth());
            if (height >= box.height())
                break;
        }
        layout.endLayout();
    }
};

TextLayoutCache::TextLayoutCache() = default;
TextLayoutCache::~TextLayoutCache() = default;

TextLayoutCache::Key TextLayoutCache::keyFor(const QPainter &p, const QString &text, int wrap, QSizeF box)
{
    const QPaintDevice *device = p.device();
    return Key{text, p.font(), device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0,
               device ? device->devicePixelRatio() : 1.0, p.layoutDirection(), wrap, box.width(), box.height()};
}

void TextLayoutCache::makeRoom()
{
    if (m_layouts.size() + m_elided.size() >= kMaxEntries)
        clear();
}

void TextLayoutCache::clear()
{
    m_layouts.clear();
    m_elided.clear();
}

void TextLayoutCache::draw(QPainter &p, const QRectF &box, int flags, const QString &text)
{
    // A right-to-left painter swaps the alignment, and a wrapped right-aligned line of right-to-left
    // text is moved by its trailing blanks: both are left to drawText.
    const int wrap = flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere);
    if ((flags & ~(kHorizontal | kVertical | wrap)) != 0 || p.layoutDirection() == Qt::RightToLeft
        || (wrap && (flags & Qt::AlignRight)) || !isPlainText(text) || hasDecorations(p.font())) {
        p.drawText(box, flags, text);
        return;
    }
    if (p.pen().style() == Qt::NoPen)
        return;
    // Only wrapped text depends on the box: one layout of a line serves every box.
    const QSizeF size = wrap ? box.size() : QSizeF(-1, -1);
    const Key key = keyFor(p, text, wrap, size);
    auto it = m_layouts.constFind(key);
    if (it == m_layouts.constEnd()) {
        makeRoom();
        it = m_layouts.insert(key, std::make_shared<Layout>(text, p.font(), p.layoutDirection(), wrap, size));
    }
    const Layout &l = **it;

    // drawText's placement: the lines aligned in `box`, clipped to it when they do not fit.
    qreal xoff = 0, yoff = 0;
    if (flags & Qt::AlignBottom)
        yoff = box.height() - l.height;
    else if (flags & Qt::AlignVCenter)
        yoff = (box.height() - l.height) / 2;
    if (flags & Qt::AlignRight)
        xoff = box.width() - l.width;
    else if (flags & Qt::AlignHCenter)
        xoff = (box.width() - l.width) / 2;
    const bool clip = !box.contains(QRectF(box.x() + xoff, box.y() + yoff, l.width, l.height));
    if (clip) {
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
    }
    for (int i = 0; i < l.layout.lineCount(); ++i) {
        const QTextLine line = l.layout.lineAt(i);
        xoff = 0;
        if (flags & Qt::AlignRight)
            xoff = box.width() - line.horizontalAdvance();
        else if (flags & Qt::AlignHCenter)
            xoff = (box.width() - line.horizontalAdvance()) / 2;
        line.draw(&p, QPointF(box.x() + xoff, box.y() + yoff));
    }
    if (clip)
        p.restore();
}

QString TextLayoutCache::elidedRight(const QPainter &p, const QString &text, int width)
{
    const Key key = keyFor(p, text, width, QSizeF(-1, -1));
    auto it = m_elided.constFind(key);
    if (it == m_elided.constEnd()) {
        makeRoom();
        it = m_elided.insert(key, p.fontMetrics().elidedText(text, Qt::ElideRight, width));
    }
    return *it;
}
