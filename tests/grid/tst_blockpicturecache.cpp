// A block copied from its kept picture looks as the block painted in place, wherever it lies
// within a pixel, at twice the pixels and on a shifted painter; painters it cannot stand in for
// are recognised.

#include "grid/BlockPictureCache.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTest>

#include <algorithm>

namespace {

// A background of thin stripes, so that a wrong blend of the bar's antialiased edge shows.
QImage background(int pixelRatio, int dpi = 96)
{
    QImage image(QSize(200, 60) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    QPainter p(&image);
    for (int x = 0; x < 200; ++x)
        p.fillRect(QRectF(x, 0, 1, 60), x % 3 == 0 ? QColor(0xB8, 0xBF, 0xC9) : QColor(0xF6, 0xF8, 0xFA));
    return image;
}

// A bar as the grid paints one: rounded, antialiased, outlined, with a label.
void paintBar(QPainter &p, const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, 5, 5);
    p.fillPath(path, QColor(0x4A, 0x90, 0xE2));
    p.setPen(QColor(0x2A, 0x60, 0xA0));
    p.drawPath(path);
    QFont font;
    font.setPointSizeF(8.25);   // in points, so that the device's resolution counts
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(rect.adjusted(6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("8:00a - 4:00p"));
}

int largestDifference(const QImage &a, const QImage &b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return most;
}

} // namespace

class TestBlockPictureCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyLooksAsPaintedInPlace_data();
    void copyLooksAsPaintedInPlace();
    void paintersItCannotStandInFor();
    void eachLookHasItsOwnPicture();
};

void TestBlockPictureCache::copyLooksAsPaintedInPlace_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<int>("pixelRatio");
    QTest::addColumn<QPoint>("shift");
    QTest::addColumn<int>("dpi");
    QTest::newRow("whole pixels") << QRectF(20, 10, 110, 24) << 1 << QPoint() << 96;
    QTest::newRow("half pixels") << QRectF(20.5, 10.5, 110, 24) << 1 << QPoint() << 96;
    QTest::newRow("odd fractions") << QRectF(21.37, 10.5, 97.81, 23) << 1 << QPoint() << 96;
    QTest::newRow("twice the pixels") << QRectF(21.37, 10.5, 97.81, 23) << 2 << QPoint() << 96;
    QTest::newRow("shifted painter") << QRectF(21.37, 10.5, 97.81, 23) << 1 << QPoint(7, -3) << 96;
    QTest::newRow("twice the pixels, shifted") << QRectF(33.1, 10.5, 60.25, 23) << 2 << QPoint(-5, 4) << 96;
    QTest::newRow("120 dpi") << QRectF(21.37, 10.5, 97.81, 23) << 1 << QPoint() << 120;
    QTest::newRow("narrow") << QRectF(40.8, 10.5, 3.1, 23) << 1 << QPoint() << 96;
}

void TestBlockPictureCache::copyLooksAsPaintedInPlace()
{
    QFETCH(QRectF, rect);
    QFETCH(int, pixelRatio);
    QFETCH(QPoint, shift);
    QFETCH(int, dpi);
    QImage inPlace = background(pixelRatio, dpi);
    QImage copied = inPlace;
    QImage copiedAgain = inPlace;
    {
        QPainter p(&inPlace);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(shift);
        paintBar(p, rect);
    }
    BlockPictureCache cache;
    int painted = 0;
    const BlockPictureCache::Look look{rect.size(), 1, 2, QStringLiteral("8:00a - 4:00p"), 0, false};
    for (QImage *image : {&copied, &copiedAgain}) {
        QPainter p(image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(shift);
        QVERIFY(BlockPictureCache::suits(p));
        cache.draw(p, rect, look, [&](QPainter &q) { ++painted, paintBar(q, rect); });
    }
    QCOMPARE(painted, 1);   // the second came from the kept picture
    QCOMPARE(copiedAgain, copied);
    // The same pixels covered (a pixel off would differ by far more); only the rounding of the
    // edge's blends may differ, by a level or two of 255.
    QVERIFY2(largestDifference(copied, inPlace) <= 2, qPrintable(QString::number(largestDifference(copied, inPlace))));
}

void TestBlockPictureCache::paintersItCannotStandInFor()
{
    QImage image = background(1);
    QPainter p(&image);
    QVERIFY(BlockPictureCache::suits(p));
    p.translate(0.5, 0);
    QVERIFY(!BlockPictureCache::suits(p));   // between pixels
    p.resetTransform();
    p.scale(1.5, 1.5);
    QVERIFY(!BlockPictureCache::suits(p));
    p.resetTransform();
    p.rotate(90);
    QVERIFY(!BlockPictureCache::suits(p));
    p.resetTransform();
    p.setOpacity(0.35);   // a faded block: its fill and outline fade one over the other
    QVERIFY(!BlockPictureCache::suits(p));
    p.setOpacity(1);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    QVERIFY(!BlockPictureCache::suits(p));
    p.end();

    // A printout stays drawn in lines and curves.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    QPainter onPaper(&writer);
    QVERIFY(!BlockPictureCache::suits(onPaper));
}

void TestBlockPictureCache::eachLookHasItsOwnPicture()
{
    QImage image = background(1);
    QPainter p(&image);
    BlockPictureCache cache;
    int painted = 0;
    auto draw = [&](const QRectF &rect, const BlockPictureCache::Look &look) {
        cache.draw(p, rect, look, [&](QPainter &q) { ++painted, paintBar(q, rect); });
    };
    const BlockPictureCache::Look look{QSizeF(50, 20), 1, 2, QStringLiteral("A"), 0, false};
    draw(QRectF(10.25, 5, 50, 20), look);
    draw(QRectF(80.25, 30, 50, 20), look);   // whole pixels away: the same picture
    QCOMPARE(painted, 1);
    draw(QRectF(10.5, 5, 50, 20), look);   // another place within the pixel
    QCOMPARE(painted, 2);
    for (auto change : {+[](BlockPictureCache::Look &l) { l.size.rwidth() += 1; },
                        +[](BlockPictureCache::Look &l) { l.fill = 7; },
                        +[](BlockPictureCache::Look &l) { l.text = 7; },
                        +[](BlockPictureCache::Look &l) { l.label = QStringLiteral("B"); },
                        +[](BlockPictureCache::Look &l) { l.font = 1; },
                        +[](BlockPictureCache::Look &l) { l.warning = true; }}) {
        BlockPictureCache::Look other = look;
        change(other);
        const int before = painted;
        draw(QRectF(10.25, 5, other.size.width(), 20), other);
        QCOMPARE(painted, before + 1);
    }
    cache.clear();
    draw(QRectF(10.25, 5, 50, 20), look);
    QCOMPARE(painted, 9);
}

QTEST_MAIN(TestBlockPictureCache)
#include "tst_blockpicturecache.moc"
