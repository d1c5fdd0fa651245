#pragma once

#include <QCache>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// Pictures of painted blocks, kept from paint to paint. A week repeats the same few bars (the
// same shift on many rows, the same position colour, the same label), and a rounded,
// antialiased bar with its label costs many times what copying its picture does.
//
// A picture is painted at the block's own offset within a device pixel, so a copy covers
// exactly the pixels that painting in place would; only the blending of its antialiased edge
// onto what lies below may differ, by a level or two of rounding. Pictures are used only on
// painters where that holds: raster devices with no transform but the device's own scale and
// whole-pixel shifts, at full opacity. Anything else (printers, PDF, a faded block) is painted
// in place.
class BlockPictureCache
{
public:
    // What decides a block's picture besides its place within a pixel.
    struct Look {
        QSizeF size;        // the block's rectangle
        QRgb fill = 0;
        QRgb text = 0;
        QString label;
        int font = 0;       // the model's font index
        bool warning = false;
        bool operator==(const Look &) const = default;
    };

    // True when pictures can stand in for painting on `p` (see above).
    static bool suits(const QPainter &p);
    // Draws the block at `rect` (the painter's coordinates) from its kept picture, painting the
    // picture first through `paint` when there is none: `paint` is handed a painter set up so that
    // drawing at `rect` lands in the picture.
    void draw(QPainter &p, const QRectF &rect, const Look &look, const std::function<void(QPainter &)> &paint);

    void clear() { m_pictures.clear(); }
    int size() const { return int(m_pictures.size()); }

private:
    struct Key {
        Look look;
        double fractionX, fractionY;   // of the rectangle's corner within a device pixel
        int dpiX, dpiY;
        qreal pixelRatio;
        Qt::LayoutDirection direction;
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed)
    {
        return qHashMulti(seed, key.look.size.width(), key.look.size.height(), key.look.fill, key.look.text,
                          key.look.label, key.look.font, key.look.warning, key.fractionX, key.fractionY, key.dpiX,
                          key.dpiY, key.pixelRatio, int(key.direction));
    }

    // Costs are in kilobytes: a few thousand bars of a large screen at twice the pixels.
    QCache<Key, QImage> m_pictures{32 * 1024};
};
