#pragma once

#include <QFont>
#include <QHash>
#include <QRectF>
#include <QString>

#include <memory>

class QPainter;
class QTextLayout;

// Draws texts in boxes exactly as QPainter::drawText(box, flags, text) does, but lays each text
// out (shapes and breaks it) only once: a grid repaints the same labels, names and hours again
// and again, and laying out text is the dearest part of its paint. Texts that drawText would
// treat specially (line breaks, tabs, blanks at either end) are handed to drawText itself.
//
// Entries are keyed by text, font, the device's resolution and (for wrapped text) the box's
// size, so a change of any of them finds a new entry and nothing needs invalidating; the cache
// is emptied when it grows past a limit.
class TextLayoutCache
{
public:
    TextLayoutCache();
    ~TextLayoutCache();
    TextLayoutCache(const TextLayoutCache &) = delete;
    TextLayoutCache &operator=(const TextLayoutCache &) = delete;

    // `flags`: Qt::AlignLeft, AlignRight or AlignHCenter with AlignTop, AlignBottom or
    // AlignVCenter, and Qt::TextWordWrap or TextWrapAnywhere; any other flag goes to drawText.
    // Uses the painter's font and pen.
    void draw(QPainter &p, const QRectF &box, int flags, const QString &text);
    // QFontMetrics::elidedText(text, Qt::ElideRight, width) in the painter's font.
    QString elidedRight(const QPainter &p, const QString &text, int width);

    void clear();
    int size() const { return int(m_layouts.size() + m_elided.size()); }

private:
    struct Key {
        QString text;
        QFont font;
        int dpiX, dpiY;
        qreal pixelRatio;
        Qt::LayoutDirection direction;
        int wrap;              // the wrapping flags; for elided text, the width it is cut to
        qreal width, height;   // the box, for wrapped text only
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed)
    {
        return qHashMulti(seed, key.text, key.font, key.dpiX, key.dpiY, key.pixelRatio, int(key.direction), key.wrap,
                          key.width, key.height);
    }
    struct Layout;
    static Key keyFor(const QPainter &p, const QString &text, int wrap, QSizeF box);
    void makeRoom();

    QHash<Key, std::shared_ptr<Layout>> m_layouts;
    QHash<Key, QString> m_elided;
};
