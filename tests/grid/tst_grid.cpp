// The grid without widgets: the model, and the painter as pictures use it.

#include "grid/TimeGridPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

constexpr double kHour = 1.0 / 24.0;
constexpr double kDay = 36955.0; // Monday 5 March 2001

// What differs between the per-row index and a scan of all blocks; empty when nothing does.
// Each row's walk and list must equal the scan, and rowCount() must be the larger of the
// resources and one past the highest row holding a block.
QString indexMismatch(const TimeGridModel &model, int rows)
{
    int used = 0;
    for (int r = 0; r < rows; ++r) {
        QList<int> scan, walk;
        for (int i = 0; i < model.TBMax(); ++i) {
            if (model.TBResource(i) == r)
                scan.append(i);
        }
        for (int b = model.TBNextInResource(r, -1); b != -1 && walk.size() <= scan.size();
             b = model.TBNextInResource(r, b))
            walk.append(b);
        if (walk != scan || model.blocksInResource(r) != scan)
            return QStringLiteral("row %1: walk, list and scan differ").arg(r);
        used = scan.isEmpty() ? used : r + 1;
    }
    const int expected = std::max(used, model.ResourcesMax());
    return model.rowCount() == expected ? QString()
                                        : QStringLiteral("rowCount %1, not %2").arg(model.rowCount()).arg(expected);
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removeRenumbersAndRefusals();
    void randomEditsKeepRowIndexExact();
    void durationRoundsToMinutes();
    void fontsBarStylesColoursAndView();
    void snap();
    void axisLabels_data();
    void axisLabels();
    void batchingAndChangeSignals();
    void rowsAndHeaderFitThePaintersFont();
    void legacyFontNamesMapToInstalledFonts();
    void sameLabelFitsEachBlockOnItsOwn_data();
    void sameLabelFitsEachBlockOnItsOwn();
    void repaintShowsEditsAsAFreshPaint_data();
    void repaintShowsEditsAsAFreshPaint();
};

void TestGrid::removeRenumbersAndRefusals()
{
    TimeGridModel model;
    auto all = [&model] {
        QStringList list;
        for (int b = 0; b < model.TBMax(); ++b) {
            list << QStringLiteral("%1 %2-%3 %4 %5 %6").arg(model.TBResource(b)).arg(model.TBBeg(b))
                        .arg(model.TBEnd(b)).arg(model.TBBar(b)).arg(model.TBTag(b), model.TBNote(b));
        }
        return list;
    };
    const int rows[] = {0, 1, 0, 2, 1, 0, 2};
    for (int i = 0; i < 7; ++i) {
        // Later blocks start earlier: numbers follow the order of adding, not of time.
        QCOMPARE(model.TBAdd(rows[i], 200.0 - i, 200.5 - i, i, QStringLiteral("P%1").arg(i)), i);
        model.setTBNote(i, QStringLiteral("note %1").arg(i));
    }
    QCOMPARE(model.blocksInResource(0), (QList<int>{0, 2, 5}));
    QStringList expected = all();
    // Last, middle, first: every survivor keeps all of its fields under its new number.
    for (const int removed : {6, 3, 0}) {
        model.TBRemove(removed);
        expected.removeAt(removed);
        QCOMPARE(all(), expected);
        QCOMPARE(indexMismatch(model, 3), QString());
    }

    // Negative rows and out-of-range numbers are refused and change nothing.
    QCOMPARE(model.TBAdd(-1, 1.0, 2.0, 0), -1);
    model.TBRemove(model.TBMax());
    model.TBRemove(-1);
    model.setTBBeg(7, 9.0);
    model.setTBResource(0, -4);
    QCOMPARE(all(), expected);
    QCOMPARE(indexMismatch(model, 3), QString());
    QCOMPARE(model.TBResource(7), -1);
    QCOMPARE(model.TBNextInResource(-1, -1), -1);

    // Emptying restarts the numbering at 0; clearing leaves no extra rows behind.
    model.setTBMax(0);
    QCOMPARE(model.TBNextInResource(0, -1), -1);
    QCOMPARE(model.TBAdd(3, 1.0, 2.0, 0), 0);
    model.AddResource(QStringLiteral("Ann"));
    model.ClearBlocks();
    model.ClearResources();
    QCOMPARE(model.rowCount(), 0);
}

void TestGrid::randomEditsKeepRowIndexExact()
{
    // Adds, removes, moves and truncations in random order; the per-row index and the row count
    // must always match a full scan, and every id must still find its own block (each block is
    // told apart by its begin, which moves leave alone except for setTBPlace's fixed 5.0).
    TimeGridModel model;
    QHash<int, double> beginOfId;
    QList<QPair<int, double>> removed;
    auto removeBlock = [&](int block) {
        removed.append({model.TBId(block), beginOfId.take(model.TBId(block))});
        model.TBRemove(block);
    };
    for (int r = 0; r < 3; ++r)
        model.AddResource(QString::number(r));
    QRandomGenerator random(20240601);
    const int rows = 12;
    for (int step = 0; step < 3000; ++step) {
        const int action = random.bounded(20);
        if (action < 8 || model.TBMax() == 0) {
            const int block = model.TBAdd(random.bounded(rows), step, step + 0.25, 0);
            QVERIFY(!beginOfId.contains(model.TBId(block)));
            beginOfId.insert(model.TBId(block), step);
        } else if (action < 10 && !removed.isEmpty()) {
            // An undone removal: the block comes back under its old id.
            const auto [id, begin] = removed.takeLast();
            QCOMPARE(model.TBId(model.TBAddWithId(id, random.bounded(rows), begin, begin + 0.25, 0)), id);
            beginOfId.insert(id, begin);
        } else if (action < 14) {
            removeBlock(random.bounded(model.TBMax()));
        } else if (action < 17) {
            model.setTBResource(random.bounded(model.TBMax()), random.bounded(rows));
        } else if (action < 19) {
            const int block = random.bounded(model.TBMax());
            model.setTBPlace(block, random.bounded(rows), 5.0, 6.0);
            beginOfId[model.TBId(block)] = 5.0;
        } else {
            const int before = model.TBMax();
            const int keep = random.bounded(before + 5); // sometimes more than there are
            for (int b = before - 1; b >= keep; --b)
                removed.append({model.TBId(b), beginOfId.take(model.TBId(b))});
            model.setTBMax(keep);
            QCOMPARE(model.TBMax(), std::min(keep, before));
        }
        if (step % 50 == 49) {
            QCOMPARE(indexMismatch(model, rows), QString());
            QCOMPARE(beginOfId.size(), qsizetype(model.TBMax()));
            for (auto it = beginOfId.cbegin(); it != beginOfId.cend(); ++it)
                QCOMPARE(model.TBBeg(model.TBFromId(it.key())), it.value());
        }
    }
}

void TestGrid::durationRoundsToMinutes()
{
    const struct { double begin, end; qint64 minutes; const char *text; } cases[] = {
        {kDay + 0.3, kDay + 0.3 + 15.0 / 1440, 15, "0:15"},
        {kDay + 22 * kHour, kDay + 1 + 6 * kHour, 480, "8:00"},      // over midnight
        {kDay, kDay + 1 + 2.25 * kHour, 26 * 60 + 15, "26:15"},      // beyond a day
        {kDay, kDay + (90.0 + 29.0 / 60) / 1440, 90, "1:30"},        // seconds round
        {kDay + 2 * kHour, kDay + 0.5 * kHour, -90, "-1:30"},        // reversed
        {kDay, kDay, 0, "0:00"},
    };
    TimeGridModel model;
    for (const auto &c : cases) {
        const int b = model.TBAdd(0, c.begin, c.end, 0);
        QCOMPARE(model.TBDurMinutes(b), c.minutes);
        QCOMPARE(model.TBDur(b), QLatin1String(c.text));
    }
}

void TestGrid::fontsBarStylesColoursAndView()
{
    TimeGridModel model;
    const int times = model.AddFont(QStringLiteral("Times New Roman"));
    QCOMPARE(model.AddFont(QStringLiteral("Fixedsys")), times + 1);
    QCOMPARE(model.AddFont(QStringLiteral(" times new roman")), times); // same name, same index

    // A style beyond the count grows the list instead of being lost; new styles are green and
    // show their caption.
    model.setBarsMax(2);
    model.SetBarStyle(4, 255, 0, times, QStringLiteral("Off"));
    QCOMPARE(model.BarsMax(), 5);
    QCOMPARE(model.BarCaption(4), QStringLiteral("Off"));
    QCOMPARE(model.BarColor(3), 65280);
    QCOMPARE(model.BarColor(9), 65280); // also beyond the list
    QCOMPARE(model.BarTextMode(3), TimeGridModel::Caption);

    // Colours are 0x00BBGGRR.
    QCOMPARE(TimeGridModel::toColor(16711680), QColor(Qt::blue));
    QCOMPARE(TimeGridModel::fromColor(QColor(0x12, 0x34, 0x56)), qint32(0x563412));

    // A reversed range is swapped; a begin past the end moves the end along.
    model.setViewRange(36960.3, 36955.7);
    QCOMPARE(model.ViewBeg(), 36955.7);
    QCOMPARE(model.ViewEnd(), 36960.3);
    model.setViewBeg(36970.0);
    QCOMPARE(model.ViewEnd(), 36970.0);
    model.setDateScaleFormat(QStringLiteral("%a %b %d"));
    QCOMPARE(model.dayLabel(kDay + 0.5), QStringLiteral("Mon Mar 05"));
}

// The stored English formats unless a language labels the axis its own way.
void TestGrid::axisLabels_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("hour");
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("C, week") << QLocale::c() << "%a %d" << "Mon 05" << "2:00p";
    QTest::newRow("C, day") << QLocale::c() << "%a %b %d" << "Mon Mar 05" << "2:00p";
    QTest::newRow("C, time off") << QLocale::c() << "%a %m/%d/%y" << "Mon 03/05/01" << "2:00p";
    QTest::newRow("German, week") << german << "%a %d" << "Mo. 5" << "14:00";
    QTest::newRow("German, day") << german << "%a %b %d" << "Mo., 05.03.01" << "14:00";
}

void TestGrid::axisLabels()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, format);
    TimeGridModel model;
    model.setScaleLocale(locale);
    model.setDateScaleFormat(format);
    QFETCH(QString, day);
    QFETCH(QString, hour);
    QCOMPARE(model.dayLabel(kDay + 0.5), day);
    QCOMPARE(model.hourLabel(kDay + 14.0 / 24), hour);
}

void TestGrid::snap()
{
    // Times are minutes after midnight, before and after snapping.
    const struct { const char *text; int step, minutes, snapped; } cases[] = {
        {"15 Minutes", 15, 10 * 60 + 7, 10 * 60},
        {"15 Minutes", 15, 10 * 60 + 8, 10 * 60 + 15},
        {"1 Hour", 60, 10 * 60 + 30, 11 * 60},
        {"30", 30, 9 * 60 + 30, 9 * 60 + 30},
        {"5 Minutes", 5, 23 * 60 + 58, 24 * 60}, // into the next day
        {"0 Minutes", 1, 607, 607},              // unreadable or zero: one minute
        {"Minutes", 1, 607, 607},
        {"", 1, 607, 607},
        {"99999999999 Minutes", 1440, 800, 1440}, // at most one day
    };
    for (const auto &c : cases) {
        TimeGridModel model;
        model.setSnapMinutes(QString::fromLatin1(c.text));
        QVERIFY2(model.snapStep() == c.step, c.text);
        const double snapped = model.snapToStep(kDay + c.minutes / 1440.0);
        QVERIFY2(qRound64((snapped - kDay) * 1440.0) == c.snapped, c.text);
    }
}

void TestGrid::batchingAndChangeSignals()
{
    TimeGridModel model;
    QSignalSpy added(&model, &TimeGridModel::blockAdded);
    QSignalSpy blocksReset(&model, &TimeGridModel::blocksReset);
    QSignalSpy rowAdded(&model, &TimeGridModel::rowAdded);
    QSignalSpy rowsReset(&model, &TimeGridModel::rowsReset);
    QSignalSpy changed(&model, &TimeGridModel::blockChanged);
    QSignalSpy removed(&model, &TimeGridModel::blockRemoved);
    QSignalSpy bars(&model, &TimeGridModel::barsChanged);

    model.beginUpdate();
    model.beginUpdate(); // nested
    for (int i = 0; i < 100; ++i)
        model.setTBText(model.TBAdd(model.AddResource(QString::number(i)), i, i + 0.1, 0), QStringLiteral("x"));
    model.endUpdate();
    QCOMPARE(blocksReset.count(), 0); // still inside the outer batch
    model.endUpdate();
    QCOMPARE(added.count() + rowAdded.count() + changed.count() + bars.count(), 0);
    QCOMPARE(blocksReset.count(), 1);
    QCOMPARE(rowsReset.count(), 1);

    // Outside a batch every edit reports itself, even after an unbalanced endUpdate; a change
    // carries the row the block left, a removal the row it was in.
    model.endUpdate();
    const int b = model.TBAdd(2, 1.0, 2.0, 0);
    QCOMPARE(added.count(), 1);
    model.setTBPlace(b, 5, 1.5, 2.5);
    model.setTBPlace(b, 5, 1.5, 2.5); // no change, no signal
    model.setTBText(b, QString());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0), (QVariantList{b, 2}));
    model.TBRemove(b);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0), (QVariantList{b, 5}));
}

void TestGrid::rowsAndHeaderFitThePaintersFont()
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

void TestGrid::legacyFontNamesMapToInstalledFonts()
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

// One label on blocks of different sizes and fonts in one paint: each block shows it as it would
// alone (wrapped, smaller or cut), whichever block is painted first.
void TestGrid::sameLabelFitsEachBlockOnItsOwn_data()
{
    QTest::addColumn<double>("firstHours");
    QTest::addColumn<int>("firstBar");
    QTest::addColumn<double>("secondHours");
    QTest::addColumn<int>("secondBar");
    QTest::newRow("wide, then narrow") << 9.0 << 0 << 1.5 << 0;
    QTest::newRow("narrow, then wide") << 1.5 << 0 << 9.0 << 0;
    QTest::newRow("same size, other font") << 3.0 << 0 << 3.0 << 1;
    QTest::newRow("nearly the same size") << 3.0 << 0 << 3.05 << 0;
}

void TestGrid::sameLabelFitsEachBlockOnItsOwn()
{
    QFETCH(double, firstHours);
    QFETCH(int, firstBar);
    QFETCH(double, secondHours);
    QFETCH(int, secondBar);
    const QString label = QStringLiteral("8:00a - 5:00p DISHWASHER AND PREP");
    const double begin = kDay + 8 * kHour;
    auto picture = [&](bool first, bool second) {
        TimeGridModel model;
        model.AddFont(QStringLiteral("DejaVu Sans"));
        const int serif = model.AddFont(QStringLiteral("Times New Roman"));
        model.SetBarStyle(0, 0xC0C0C0, 0, 0, QStringLiteral("COOK"));
        model.SetBarStyle(1, 0xC0C0C0, 0, serif, QStringLiteral("PREP"));
        model.setAllBarTextModes(TimeGridModel::Text);
        model.AddResource(QStringLiteral("A"));
        model.AddResource(QStringLiteral("B"));
        if (first)
            model.setTBText(model.TBAdd(0, begin, begin + firstHours * kHour, firstBar), label);
        if (second)
            model.setTBText(model.TBAdd(1, begin, begin + secondHours * kHour, secondBar), label);
        model.setScrollTime(kDay + 7 * kHour);
        TimeGridPainter painter(&model);
        QImage image(QSize(900, 200), QImage::Format_RGB32);
        QPainter p(&image);
        painter.paintTo(p, image.size());
        p.end();
        return std::pair(image, painter.mapper(image.size()));
    };
    const auto [both, m] = picture(true, true);
    const auto [firstAlone, m1] = picture(true, false);
    const auto [secondAlone, m2] = picture(false, true);
    const QRect firstRow = m.rowRect(0).intersected(m.timeArea());
    const QRect secondRow = m.rowRect(1).intersected(m.timeArea());
    QCOMPARE(both.copy(firstRow), firstAlone.copy(firstRow));
    QCOMPARE(both.copy(secondRow), secondAlone.copy(secondRow));
}

// A painter keeps the texts it laid out from paint to paint; after an edit its next paint must
// still be the picture a new painter makes of the edited grid.
void TestGrid::repaintShowsEditsAsAFreshPaint_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("label") << "label";
    QTest::newRow("row name") << "name";
    QTest::newRow("hours") << "hours";
    QTest::newRow("bar font") << "font";
    QTest::newRow("bar text mode") << "mode";
    QTest::newRow("block moved") << "move";
    QTest::newRow("other image size") << "size";
}

void TestGrid::repaintShowsEditsAsAFreshPaint()
{
    QFETCH(QString, edit);
    TimeGridModel model;
    model.AddFont(QStringLiteral("DejaVu Sans"));
    const int serif = model.AddFont(QStringLiteral("Times New Roman"));
    model.SetBarStyle(0, 0xC0C0C0, 0, 0, QStringLiteral("COOK"));
    model.setAllBarTextModes(TimeGridModel::Text);
    for (int r = 0; r < 4; ++r) {
        model.AddResource(QStringLiteral("Employee %1 with a name too long for its column").arg(r));
        model.setResourceInfo(r, QStringLiteral("%1:00").arg(30 + r));
        const double begin = kDay + (8 + r) * kHour;
        model.setTBText(model.TBAdd(r, begin, begin + (r == 0 ? 1.5 : 8) * kHour, 0), QStringLiteral("8:00a - 4:00p"));
    }
    model.setViewRange(kDay, kDay + 1);
    model.setScrollTime(kDay + 7 * kHour);
    QSize size(900, 200);
    auto paint = [&size](const TimeGridPainter &painter) {
        QImage image(size, QImage::Format_RGB32);
        QPainter p(&image);
        painter.paintTo(p, size);
        return image;
    };
    TimeGridPainter kept(&model);
    paint(kept);
    if (edit == QLatin1String("label"))
        model.setTBText(1, QStringLiteral("9:00a - 5:00p"));
    else if (edit == QLatin1String("name"))
        model.setResourceTitle(2, QStringLiteral("Ann"));
    else if (edit == QLatin1String("hours"))
        model.setResourceInfo(3, QStringLiteral("41:30"));
    else if (edit == QLatin1String("font")) {
        model.SetBarStyle(0, 0xC0C0C0, 0, serif, QStringLiteral("COOK"));
    } else if (edit == QLatin1String("mode"))
        model.setAllBarTextModes(TimeGridModel::Caption);
    else if (edit == QLatin1String("move"))
        model.setTBPlace(0, 0, kDay + 8 * kHour, kDay + 17 * kHour);
    else if (edit == QLatin1String("size"))
        size = QSize(600, 150);
    QCOMPARE(paint(kept), paint(TimeGridPainter(&model)));
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
