#include "BlockPictureCache.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

bool isWhole(double v)
{
    return v == std::floor(v);
}

double fraction(double v)
{
    return v - std::floor(v);
}

} // namespace

bool BlockPictureCache::suits(const QPainter &p)
{
    const QPaintDevice *device = p.device();
    const QPaintEngine *engine = p.paintEngine();
    if (!device || !engine || engine->type() != QPaintEngine::Raster || p.opacity() != 1.0
        || p.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QTransform t = p.deviceTransform();
    const qreal ratio = device->devicePixelRatio();
    return t.type() <= QTransform::TxScale && t.m11() == ratio && t.m22() == ratio && isWhole(t.dx())
           && isWhole(t.dy());
}

void BlockPictureCache::draw(QPainter &p, const QRectF &rect, const Look &look,
                             const std::function<void(QPainter &)> &paint)
{
    const QPaintDevice *device = p.device();
    const QTransform t = p.deviceTransform();
    const qreal ratio = device->devicePixelRatio();
    const QRectF onDevice = t.mapRect(rect);
    const Key key{look, fraction(onDevice.left()), fraction(onDevice.top()), device->logicalDpiX(),
                  device->logicalDpiY(), ratio, p.layoutDirection()};
    // The picture's top left device pixel, a pixel out from the rectangle for its antialiased edge.
    const double left = std::floor(onDevice.left()) - 1;
    const double top = std::floor(onDevice.top()) - 1;

    QImage *picture = m_pictures.object(key);
    if (!picture) {
        const QSize pixels(int(std::ceil(onDevice.right()) + 1 - left), int(std::ceil(onDevice.bottom()) + 1 - top));
        picture = new QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        picture->fill(Qt::transparent);
        picture->setDevicePixelRatio(ratio);
        // The device's resolution, so that point-sized fonts come out at the same pixel size.
        picture->setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
        picture->setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
        {
            QPainter q(picture);
            q.setRenderHints(p.renderHints());
            q.setLayoutDirection(p.layoutDirection());
            q.setWorldTransform(QTransform::fromTranslate((t.dx() - left) / ratio, (t.dy() - top) / ratio));
            paint(q);
        }
        const qsizetype kilobytes = std::max<qsizetype>(1, picture->sizeInBytes() / 1024);
        if (!m_pictures.insert(key, picture, kilobytes)) {   // larger than the whole cache: deleted
            paint(p);
            return;
        }
    }
    p.drawImage(QPointF((left - t.dx()) / ratio, (top - t.dy()) / ratio), *picture);
}
