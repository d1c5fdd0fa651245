// Texts drawn from laid-out lines kept between paints look exactly as QPainter::drawText draws them.

#include "grid/TextLayoutCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

struct Case {
    QString text;
    QRectF box;
    int flags;
    int pixelSize;
    Qt::LayoutDirection direction;
    int pixelRatio;
};

QImage blank(int pixelRatio)
{
    QImage image(QSize(240, 90) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    return image;
}

// The case drawn by `draw`, after another text and the same one were drawn elsewhere (so that
// the case's box is painted from the kept layout, and never from another text's).
template<typename Draw>
QImage picture(const Case &c, Draw draw)
{
    QImage image = blank(c.pixelRatio);
    QPainter p(&image);
    QFont font;
    font.setPixelSize(c.pixelSize);
    p.setFont(font);
    p.setPen(Qt::black);
    p.setLayoutDirection(c.direction);
    draw(p, QRectF(3.25, 60, 150, 24), c.flags, QStringLiteral("Other"));
    draw(p, QRectF(80.5, 60, 150, 24), c.flags, c.text);
    draw(p, c.box, c.flags, c.text);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Qt::LayoutDirection)

class TestTextLayoutCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsAsDrawText_data();
    void drawsAsDrawText();
    void elidesAsFontMetrics_data();
    void elidesAsFontMetrics();
};

void TestTextLayoutCache::drawsAsDrawText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<int>("pixelRatio");
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto autoDir = Qt::LayoutDirectionAuto;
    QTest::newRow("label, left, centred") << "9:00a - 5:00p" << QRectF(10, 5, 200, 26) << left << 13 << autoDir << 1;
    QTest::newRow("hours, centred") << "40:00" << QRectF(10, 5, 64, 26) << int(Qt::AlignCenter) << 13 << autoDir << 1;
    QTest::newRow("cost, right") << "$1,234.50" << QRectF(10, 5, 90, 26) << int(Qt::AlignRight | Qt::AlignVCenter)
                                 << 13 << autoDir << 1;
    QTest::newRow("bottom") << "Off" << QRectF(10, 5, 90, 40) << int(Qt::AlignLeft | Qt::AlignBottom) << 13 << autoDir << 1;
    QTest::newRow("fractional box") << "COOK" << QRectF(10.3, 4.7, 63.45, 21.5) << left << 13 << autoDir << 1;
    QTest::newRow("taller than the box: clipped") << "COOK" << QRectF(10, 5, 90, 8) << left << 13 << autoDir << 1;
    QTest::newRow("wider than the box: clipped") << "DISHWASHER" << QRectF(10, 5, 30, 26) << int(Qt::AlignCenter)
                                                 << 13 << autoDir << 1;
    QTest::newRow("left-to-right painter") << "9:00a - 5:00p" << QRectF(10, 5, 200, 26) << left << 13
                                           << Qt::LeftToRight << 1;
    QTest::newRow("right-to-left painter") << "9:00a - 5:00p" << QRectF(10, 5, 200, 26) << left << 13
                                           << Qt::RightToLeft << 1;
    QTest::newRow("right-to-left text") << QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD 9:00") << QRectF(10, 5, 200, 26)
                                        << left << 13 << autoDir << 1;
    QTest::newRow("word wrap, fits") << "9:00a - 5:00p DISHWASHER" << QRectF(10, 2, 80, 50)
                                     << int(left | Qt::TextWordWrap) << 11 << autoDir << 1;
    QTest::newRow("word wrap, taller than the box") << "9:00a - 5:00p DISHWASHER AND PREP" << QRectF(10, 2, 60, 30)
                                                    << int(left | Qt::TextWordWrap) << 11 << autoDir << 1;
    QTest::newRow("word wrap, centred") << "9:00a - 5:00p" << QRectF(10, 2, 50, 50)
                                        << int(Qt::AlignCenter | Qt::TextWordWrap) << 11 << autoDir << 1;
    QTest::newRow("wrap anywhere") << "DISHWASHERANDPREP" << QRectF(10.5, 2, 40.25, 60)
                                   << int(left | Qt::TextWrapAnywhere) << 11 << autoDir << 1;
    QTest::newRow("word wrap, right: drawText's own") << "9:00a - 5:00p" << QRectF(10, 2, 50, 50)
                                                      << int(Qt::AlignRight | Qt::TextWordWrap) << 11 << autoDir << 1;
    QTest::newRow("line break: drawText's own") << "Week\nHours" << QRectF(10, 2, 60, 50) << int(Qt::AlignCenter)
                                                << 13 << autoDir << 1;
    QTest::newRow("blanks at the ends: drawText's own") << "  COOK " << QRectF(10, 5, 120, 26)
                                                        << int(Qt::AlignRight | Qt::AlignVCenter) << 13 << autoDir << 1;
    QTest::newRow("two device pixels a point") << "9:00a - 5:00p" << QRectF(10.5, 5, 100, 26) << left << 13
                                               << autoDir << 2;
}

void TestTextLayoutCache::drawsAsDrawText()
{
    QFETCH(QString, text);
    QFETCH(QRectF, box);
    QFETCH(int, flags);
    QFETCH(int, pixelSize);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(int, pixelRatio);
    const Case c{text, box, flags, pixelSize, direction, pixelRatio};
    const QImage expected = picture(c, [](QPainter &p, const QRectF &r, int f, const QString &t) { p.drawText(r, f, t); });
    TextLayoutCache cache;
    auto cached = [&cache](QPainter &p, const QRectF &r, int f, const QString &t) { cache.draw(p, r, f, t); };
    QCOMPARE(picture(c, cached), expected);
    QCOMPARE(picture(c, cached), expected);   // every line from the cache
}

void TestTextLayoutCache::elidesAsFontMetrics_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("fits") << "Employee 12" << 200;
    QTest::newRow("cut") << "A very long employee name that must be cut" << 120;
    QTest::newRow("same text, other width") << "A very long employee name that must be cut" << 60;
    QTest::newRow("nothing fits") << "Employee" << 3;
}

void TestTextLayoutCache::elidesAsFontMetrics()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QImage image = blank(1);
    QPainter p(&image);
    TextLayoutCache cache;
    // Other widths of the same text first: each width keeps its own cut.
    for (int other : {width + 40, width / 2})
        QCOMPARE(cache.elidedRight(p, text, other), p.fontMetrics().elidedText(text, Qt::ElideRight, other));
    QCOMPARE(cache.elidedRight(p, text, width), p.fontMetrics().elidedText(text, Qt::ElideRight, width));
    QCOMPARE(cache.elidedRight(p, text, width), p.fontMetrics().elidedText(text, Qt::ElideRight, width));
}

QTEST_MAIN(TestTextLayoutCache)
#include "tst_textlayoutcache.moc"
