// The grid painter on its own, as pictures use it: no widget, only a model and a size.

#include "grid/TimeGridPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

class TestTimeGridPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutFollowsFontAndSize_data();
    void layoutFollowsFontAndSize();
    void legacyFontNamesMapToInstalledFonts();
};

void TestTimeGridPainter::layoutFollowsFontAndSize_data()
{
    QTest::addColumn<int>("pixelSize");  // of the painter's base font
    QTest::addColumn<int>("minimumRow"); // minimum row height
    QTest::addColumn<int>("height");     // of the picture

    QTest::newRow("small font, all rows fit") << 9 << 0 << 900;
    QTest::newRow("large font, rows scrolled") << 40 << 0 << 400;
    QTest::newRow("tall rows, rows scrolled") << 12 << 90 << 500;
}

void TestTimeGridPainter::layoutFollowsFontAndSize()
{
    QFETCH(int, pixelSize);
    QFETCH(int, minimumRow);
    QFETCH(int, height);
    TimeGridModel model;
    for (int r = 0; r < 10; ++r)
        model.AddResource(QStringLiteral("Row %1").arg(r));
    model.SetBarStyle(1, 0xC07030, 16777215, 0, QStringLiteral("COOK"));
    const int last = model.TBAdd(9, 100.25, 100.5, 1);
    model.setViewRange(100, 107);
    model.setScrollTime(200); // beyond the range: the last week-wide view is shown
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    TimeGridPainter painter(&model, font);
    painter.setMinimumRowHeight(minimumRow);
    painter.setVisibleSpan(7);
    painter.setRowOffset(100000); // as far down as the picture allows

    // A row holds a line of the font, the header a day line over an hour line.
    const QSize size(1200, height);
    const TimeGridMapper m = painter.mapper(size);
    const int line = QFontMetrics(font).height();
    QVERIFY(m.rowHeight >= line + 4 && m.rowHeight >= minimumRow);
    QVERIFY(m.headerHeight >= 2 * line);
    QCOMPARE(m.scrollTime, 100.0);
    // The last row ends on the picture's bottom edge, or all rows are shown from the first.
    QCOMPARE(m.lastVisibleRow(), 9);
    QCOMPARE(m.rowTop(10), std::min(height, m.headerHeight + m.contentHeight()));

    // The last row's block is painted where the painter finds it (left of its label).
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    painter.paintTo(p, size);
    const QRectF bar = m.blockRect(9, 100.25, 100.5);
    const QPoint inBlock(int(bar.left()) + 3, int(bar.center().y()));
    QCOMPARE(image.pixelColor(inBlock), TimeGridModel::toColor(0xC07030));
    QCOMPARE(painter.blockAt(m, inBlock), last);
}

void TestTimeGridPainter::legacyFontNamesMapToInstalledFonts()
{
    const QFont base(QStringLiteral("DejaVu Sans"), 10);
    const QFont fixed = TimeGridPainter::resolveFont(QStringLiteral("Fixedsys"), base);
    QVERIFY(QFontInfo(fixed).fixedPitch());
    QCOMPARE(fixed.pointSize(), 10);
    const QString serif = QFontInfo(TimeGridPainter::resolveFont(QStringLiteral("Times New Roman"), base)).family();
    QVERIFY(serif != QFontInfo(base).family() || serif.contains(QStringLiteral("Times")));
    // Unknown names keep the given font rather than whatever matches first.
    QCOMPARE(QFontInfo(TimeGridPainter::resolveFont(QStringLiteral("No Such 123"), base)).family(),
             QFontInfo(base).family());
}

QTEST_MAIN(TestTimeGridPainter)
#include "tst_timegridpainter.moc"
