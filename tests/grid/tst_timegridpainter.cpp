// The grid painter on its own, as pictures use it: no widget, only a model and a font.

#include "grid/TimeGridPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestTimeGridPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAndHeaderFitThePaintersFont();
    void legacyFontNamesMapToInstalledFonts();
};

void TestTimeGridPainter::rowsAndHeaderFitThePaintersFont()
{
    const TimeGridModel model;
    for (const int pixels : {9, 40}) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        TimeGridPainter painter(&model, font);
        const TimeGridMapper m = painter.mapper(QSize(800, 600));
        const int line = QFontMetrics(font).height();
        QVERIFY(m.rowHeight >= line + 4);    // a caption line with some air
        QVERIFY(m.headerHeight >= 2 * line); // day labels over hour labels
        painter.setMinimumRowHeight(90);
        QCOMPARE(painter.mapper(QSize(800, 600)).rowHeight, std::max(90, m.rowHeight));
    }
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
