#include "schedule/grid/TimeGrid.h"

#include <QFontInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

constexpr double kDay = 36955.0; // Monday 5 March 2001
constexpr double kMinute = 1.0 / 1440.0;

double at(int hours, int minutes = 0)
{
    return kDay + (hours * 60 + minutes) * kMinute;
}

qint64 minutesOf(double time)
{
    return std::llround((time - kDay) * 1440.0);
}

// A grid of three employees with a few shifts, shown one day wide from 06:00.
struct Fixture {
    TimeGrid grid;
    TimeGridModel *model = grid.model();
    int shift = -1;   // row 0, 9:00 - 17:00
    int late = -1;    // row 1, 16:00 - 20:00
    int off = -1;     // row 2, 8:00 - 12:00, time off

    Fixture()
    {
        grid.resize(1400, 420);
        const int fixed = model->AddFont(QStringLiteral("Fixedsys"));
        const int serif = model->AddFont(QStringLiteral("Times New Roman"));
        model->AddResource(QStringLiteral("Adams, Ann"), QStringLiteral("101"), fixed);
        model->AddResource(QStringLiteral("Brown, Bob"), QStringLiteral("102"), fixed);
        model->AddResource(QStringLiteral("Clark, Cy"), QStringLiteral("103"), fixed);
        model->setBarsMax(3);
        model->SetBarStyle(0, 65280, 0, serif, QStringLiteral("None"));
        model->SetBarStyle(1, 0xC07030, 16777215, serif, QStringLiteral("COOK"));
        model->SetBarStyle(2, 16777215, 0, serif, QStringLiteral("Off"));
        model->setBarTextMode(2, TimeGridModel::Note);
        model->setColumnCaption(QStringLiteral("Week\nHours"));
        model->setResourceInfo(0, QStringLiteral("8:00"));
        model->setResourceInfo(1, QStringLiteral("44:30"));
        model->setResourceForeColor(1, 255);
        model->setViewRange(kDay - 0.3, kDay + 7.3);
        model->setScrollTime(at(6));
        model->setSnapMinutes(QStringLiteral("15 Minutes"));
        shift = model->TBAdd(0, at(9), at(17), 1, QStringLiteral("COOK"));
        late = model->TBAdd(1, at(16), at(20), 1, QStringLiteral("COOK"));
        off = model->TBAdd(2, at(8), at(12), 2);
        model->setTBNote(off, QStringLiteral("Vacation"));
        grid.setVisibleSpan(1.0);
        grid.show();
        if (!QTest::qWaitForWindowExposed(&grid))
            qWarning("grid window not exposed");
    }

    QWidget *view() { return grid.viewport(); }
    TimeGridMapper map() const { return grid.mapper(); }
    QPoint point(double time, int row) const
    {
        const TimeGridMapper m = map();
        return QPoint(int(std::lround(m.xForTime(time))), m.rowTop(row) + m.rowHeight / 2);
    }
    int pixelsFor(int minutes) const
    {
        return int(std::lround(minutes * kMinute * map().pixelsPerDay()));
    }
    // A pointer move with the left button held, delivered at once.
    void moveHeld(QPoint to)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(view()->mapToGlobal(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view(), &move);
    }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, from);
        // Two steps, as a hand would: halfway, then to the target.
        moveHeld(from + (to - from) / 2);
        moveHeld(to);
        QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, to);
    }
};

} // namespace

class TestTimeGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsTimeAcrossTheTimeArea();
    void hitTests_data();
    void hitTests();
    void dragEditsBlock_data();
    void dragEditsBlock();
    void dragToAnotherRowKeepsTimes();
    void dragBelowLastRowStaysOnLastRow();
    void clicksWithoutMovement_data();
    void clicksWithoutMovement();
    void releaseIsReportedBeforeTheMove();
    void lostReleaseDoesNotBlockNextPress();
    void removingBlocksDuringDragCancelsIt();
    void doubleClickOnCaption();
    void scrollingFollowsModelAndReportsDay();
    void keysScroll();
    void paintsBarsWhereHitTestsFindThem();
    void paintsOnlyVisibleRowsOfLargeGrid();
    void legacyFontNamesMapToInstalledFonts();
};

void TestTimeGrid::mapsTimeAcrossTheTimeArea()
{
    Fixture f;
    const TimeGridMapper m = f.map();
    QCOMPARE(m.timeLeft(), f.grid.captionWidth() + f.grid.infoWidth());
    QCOMPARE(f.grid.captionWidth(), 235);
    // Left edge shows the scroll time, right edge the scroll time plus the visible span.
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(m.timeLeft(), 100))), qint64(6 * 60));
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(m.width, 100))), qint64(30 * 60));

    f.grid.setVisibleSpan(0.5);
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(f.map().width, 100))), qint64(18 * 60));
    f.grid.setVisibleSpan(30); // limited to a week
    QCOMPARE(f.grid.visibleSpan(), 7.0);
    f.grid.setVisibleSpan(0.1);
    QCOMPARE(f.grid.visibleSpan(), 0.5);

    // A scroll time beyond the range is shown at the last possible place.
    f.grid.setVisibleSpan(1.0);
    f.model->setScrollTime(kDay + 100);
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(f.map().width, 100))),
             qint64(std::llround(7.3 * 1440)));
}

void TestTimeGrid::hitTests_data()
{
    QTest::addColumn<int>("where");
    QTest::addColumn<int>("resource");
    QTest::addColumn<bool>("onShift");
    // Positions are set up in the test body from the block's drawn rectangle.
    QTest::newRow("first pixel of block") << 0 << 0 << true;
    QTest::newRow("pixel before block") << 1 << 0 << false;
    QTest::newRow("last pixel of block") << 2 << 0 << true;
    QTest::newRow("pixel after block") << 3 << 0 << false;
    QTest::newRow("gap above bar in row") << 4 << 0 << false;
    QTest::newRow("last caption pixel") << 5 << -1 << false;
    QTest::newRow("first time pixel") << 6 << 0 << false;
    QTest::newRow("hours column") << 7 << -1 << false;
    QTest::newRow("header") << 8 << -1 << false;
    QTest::newRow("below last row") << 9 << -1 << false;
}

void TestTimeGrid::hitTests()
{
    QFETCH(int, where);
    QFETCH(int, resource);
    QFETCH(bool, onShift);
    Fixture f;
    const TimeGridMapper m = f.map();
    const QRectF r = m.blockRect(0, at(9), at(17));
    const int left = int(std::ceil(r.left()));
    const int right = int(std::ceil(r.right())) - 1;
    const int midY = int(r.center().y());
    const QPoint points[] = {
        QPoint(left, midY),
        QPoint(left - 1, midY),
        QPoint(right, midY),
        QPoint(right + 1, midY),
        QPoint(left + 50, m.rowTop(0)),
        QPoint(m.captionWidth - 1, midY),
        QPoint(m.timeLeft(), midY),
        QPoint(m.timeLeft() - 1, midY),
        QPoint(left + 50, m.headerHeight - 1),
        QPoint(left + 50, m.rowTop(3) + 2),
    };
    const QPoint p = points[where];
    QCOMPARE(f.grid.ResourceFromPoint(p), resource);
    QCOMPARE(f.grid.TBFromPoint(p), onShift ? f.shift : -1);
}

void TestTimeGrid::dragEditsBlock_data()
{
    QTest::addColumn<int>("grab");   // 0 middle, 1 begin edge, 2 end edge
    QTest::addColumn<int>("minutes"); // pointer movement in minutes
    QTest::addColumn<QString>("snap");
    QTest::addColumn<int>("begin");   // expected, minutes after midnight
    QTest::addColumn<int>("end");

    QTest::newRow("move later, snaps down") << 0 << 37 << "15 Minutes" << 9 * 60 + 30 << 17 * 60 + 30;
    QTest::newRow("move later, snaps up") << 0 << 53 << "15 Minutes" << 10 * 60 << 18 * 60;
    QTest::newRow("move earlier") << 0 << -128 << "30 Minutes" << 7 * 60 << 15 * 60;
    QTest::newRow("move with hour snap") << 0 << 100 << "1 Hour" << 11 * 60 << 19 * 60;
    QTest::newRow("stretch begin earlier") << 1 << -62 << "15 Minutes" << 8 * 60 << 17 * 60;
    QTest::newRow("shrink begin") << 1 << 95 << "5 Minutes" << 10 * 60 + 35 << 17 * 60;
    QTest::newRow("stretch end") << 2 << 125 << "15 Minutes" << 9 * 60 << 19 * 60;
    QTest::newRow("shrink end") << 2 << -46 << "15 Minutes" << 9 * 60 << 16 * 60 + 15;
    QTest::newRow("end cannot pass begin") << 2 << -600 << "15 Minutes" << 9 * 60 << 9 * 60 + 15;
    QTest::newRow("begin cannot pass end") << 1 << 600 << "30 Minutes" << 16 * 60 + 30 << 17 * 60;
}

void TestTimeGrid::dragEditsBlock()
{
    QFETCH(int, grab);
    QFETCH(int, minutes);
    QFETCH(QString, snap);
    QFETCH(int, begin);
    QFETCH(int, end);
    Fixture f;
    f.model->setSnapMinutes(snap);
    QSignalSpy pressed(&f.grid, &TimeGrid::blockPressed);
    QSignalSpy moved(&f.grid, &TimeGrid::blockMovedOrResized);
    QSignalSpy clicked(&f.grid, &TimeGrid::clickedWithoutMove);

    const QRectF r = f.map().blockRect(0, at(9), at(17));
    const int y = int(r.center().y());
    const QPoint from = grab == 0 ? QPoint(int(r.center().x()), y)
                      : grab == 1 ? QPoint(int(std::ceil(r.left())) + 1, y)
                                  : QPoint(int(std::ceil(r.right())) - 2, y);
    f.drag(from, from + QPoint(f.pixelsFor(minutes), 0));

    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), f.shift);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), f.shift);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(f.model->TBResource(f.shift), 0);
    QCOMPARE(minutesOf(f.model->TBBeg(f.shift)), qint64(begin));
    QCOMPARE(minutesOf(f.model->TBEnd(f.shift)), qint64(end));
    // The stored times carry no floating noise: they are whole minutes.
    QCOMPARE(f.model->TBDurMinutes(f.shift), qint64(end - begin));
    // Other blocks are untouched.
    QCOMPARE(minutesOf(f.model->TBBeg(f.late)), qint64(16 * 60));
}

void TestTimeGrid::dragToAnotherRowKeepsTimes()
{
    Fixture f;
    QSignalSpy moved(&f.grid, &TimeGrid::blockMovedOrResized);
    const QPoint from = f.point(at(13), 0);
    f.drag(from, f.point(at(13), 2));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(f.model->TBResource(f.shift), 2);
    QCOMPARE(minutesOf(f.model->TBBeg(f.shift)), qint64(9 * 60));
    QCOMPARE(minutesOf(f.model->TBEnd(f.shift)), qint64(17 * 60));
    // The per-row walks follow the move.
    QCOMPARE(f.model->blocksInResource(0), QList<int>());
    QCOMPARE(f.model->blocksInResource(2), (QList<int>{f.shift, f.off}));
    QCOMPARE(f.grid.TBFromPoint(f.point(at(13), 2)), f.shift);
}

void TestTimeGrid::dragBelowLastRowStaysOnLastRow()
{
    Fixture f;
    const QPoint from = f.point(at(13), 0);
    f.drag(from, QPoint(from.x(), f.map().rowTop(3) + 40));
    QCOMPARE(f.model->TBResource(f.shift), 2);
    f.drag(f.point(at(13), 2), QPoint(from.x(), 3)); // into the header: first row
    QCOMPARE(f.model->TBResource(f.shift), 0);
}

void TestTimeGrid::clicksWithoutMovement_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("onBlock");
    QTest::addColumn<int>("jitter"); // pixels moved while pressed, below the drag distance
    QTest::newRow("left on block") << int(Qt::LeftButton) << true << 0;
    QTest::newRow("left on block, hand shakes") << int(Qt::LeftButton) << true << 2;
    QTest::newRow("left on free time") << int(Qt::LeftButton) << false << 0;
    QTest::newRow("right on block") << int(Qt::RightButton) << true << 0;
    QTest::newRow("right on free time") << int(Qt::RightButton) << false << 0;
}

void TestTimeGrid::clicksWithoutMovement()
{
    QFETCH(int, button);
    QFETCH(bool, onBlock);
    QFETCH(int, jitter);
    Fixture f;
    QSignalSpy pressed(&f.grid, &TimeGrid::blockPressed);
    QSignalSpy moved(&f.grid, &TimeGrid::blockMovedOrResized);
    QSignalSpy clicked(&f.grid, &TimeGrid::clickedWithoutMove);
    QSignalSpy released(&f.grid, &TimeGrid::buttonReleased);

    const QPoint p = f.point(onBlock ? at(12) : at(21), 0);
    const auto b = Qt::MouseButton(button);
    QTest::mousePress(f.view(), b, Qt::NoModifier, p);
    if (jitter)
        f.moveHeld(p + QPoint(jitter, 0));
    QTest::mouseRelease(f.view(), b, Qt::NoModifier, p + QPoint(jitter, 0));

    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), onBlock ? f.shift : -1);
    QCOMPARE(clicked.at(0).at(1).value<Qt::MouseButton>(), b);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).value<Qt::MouseButton>(), b);
    QCOMPARE(moved.count(), 0);
    // Only a left press on a block is a block press (it may start a drag).
    QCOMPARE(pressed.count(), (onBlock && b == Qt::LeftButton) ? 1 : 0);
    QCOMPARE(minutesOf(f.model->TBBeg(f.shift)), qint64(9 * 60));
}

void TestTimeGrid::releaseIsReportedBeforeTheMove()
{
    // A window that ignores releases while a block is pressed relies on this order.
    Fixture f;
    QStringList order;
    connect(&f.grid, &TimeGrid::buttonReleased, [&] { order << QStringLiteral("released"); });
    connect(&f.grid, &TimeGrid::blockMovedOrResized, [&](int b) {
        order << QStringLiteral("moved");
        // The model already holds the new place when the move is reported.
        QCOMPARE(minutesOf(f.model->TBBeg(b)), qint64(10 * 60));
    });
    connect(&f.grid, &TimeGrid::clickedWithoutMove, [&] { order << QStringLiteral("clicked"); });
    const QPoint from = f.point(at(13), 0);
    f.drag(from, from + QPoint(f.pixelsFor(60), 0));
    QTest::mouseClick(f.view(), Qt::LeftButton, Qt::NoModifier, f.point(at(22), 1));
    QCOMPARE(order, (QStringList{QStringLiteral("released"), QStringLiteral("moved"),
                                 QStringLiteral("released"), QStringLiteral("clicked")}));
}

void TestTimeGrid::lostReleaseDoesNotBlockNextPress()
{
    // A popup opened elsewhere can swallow a release; the next press must still count.
    Fixture f;
    QSignalSpy clicked(&f.grid, &TimeGrid::clickedWithoutMove);
    QSignalSpy moved(&f.grid, &TimeGrid::blockMovedOrResized);
    const QPoint first = f.point(at(13), 0);
    QTest::mousePress(f.view(), Qt::LeftButton, Qt::NoModifier, first);
    f.moveHeld(first + QPoint(40, 0));
    const QPoint second = f.point(at(18), 1);
    QTest::mousePress(f.view(), Qt::LeftButton, Qt::NoModifier, second);
    QTest::mouseRelease(f.view(), Qt::LeftButton, Qt::NoModifier, second);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), f.late);
    QCOMPARE(minutesOf(f.model->TBBeg(f.shift)), qint64(9 * 60));
}

void TestTimeGrid::removingBlocksDuringDragCancelsIt()
{
    Fixture f;
    QSignalSpy moved(&f.grid, &TimeGrid::blockMovedOrResized);
    const QPoint from = f.point(at(13), 0);
    QTest::mousePress(f.view(), Qt::LeftButton, Qt::NoModifier, from);
    f.moveHeld(from + QPoint(30, 0));
    f.moveHeld(from + QPoint(60, 0));
    f.model->TBRemove(f.shift); // block numbers shift under the drag
    QTest::mouseRelease(f.view(), Qt::LeftButton, Qt::NoModifier, from + QPoint(60, 0));
    QCOMPARE(moved.count(), 0);
    QCOMPARE(f.model->TBMax(), 2);
    // The block that took number 0 kept its place.
    QCOMPARE(f.model->TBResource(0), 1);
    QCOMPARE(minutesOf(f.model->TBBeg(0)), qint64(16 * 60));
}

void TestTimeGrid::doubleClickOnCaption()
{
    Fixture f;
    QSignalSpy doubled(&f.grid, &TimeGrid::resourceDoubleClicked);
    const TimeGridMapper m = f.map();
    QTest::mouseDClick(f.view(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(40, m.rowTop(1) + m.rowHeight / 2));
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.at(0).at(0).toInt(), 1);

    // Not in the time area, not below the last row, not in the header.
    QTest::mouseDClick(f.view(), Qt::LeftButton, Qt::NoModifier, f.point(at(21), 1));
    QTest::mouseDClick(f.view(), Qt::LeftButton, Qt::NoModifier, QPoint(40, m.rowTop(3) + 5));
    QTest::mouseDClick(f.view(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 5));
    QCOMPARE(doubled.count(), 1);
}

void TestTimeGrid::scrollingFollowsModelAndReportsDay()
{
    Fixture f;
    QSignalSpy shown(&f.grid, &TimeGrid::dateShownChanged);
    QScrollBar *h = f.grid.horizontalScrollBar();
    // Minutes from the range's begin: 06:00 is 0.3 day + 6 hours in.
    QCOMPARE(h->value(), int(std::lround(0.3 * 1440)) + 6 * 60);

    // Programmatic scrolling moves the bar but is not reported as the user's.
    f.model->setScrollTime(at(30));
    QCOMPARE(h->value(), int(std::lround(0.3 * 1440)) + 30 * 60);
    QCOMPARE(shown.count(), 0);

    // The user drags the bar within the day: the model follows, no new day.
    h->setValue(h->value() + 120);
    QCOMPARE(minutesOf(f.model->ScrollTime()), qint64(32 * 60));
    QCOMPARE(shown.count(), 0);
    // Into the next day: reported once with the new left-edge time.
    h->setValue(h->value() + 24 * 60);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(minutesOf(shown.at(0).at(0).toDouble()), qint64(56 * 60));
    QCOMPARE(std::floor(shown.at(0).at(0).toDouble()), kDay + 2);
}

void TestTimeGrid::keysScroll()
{
    Fixture f;
    for (int r = 0; r < 200; ++r)
        f.model->AddResource(QStringLiteral("Extra %1").arg(r));
    const double before = f.model->ScrollTime();
    QTest::keyClick(&f.grid, Qt::Key_Right);
    QVERIFY(f.model->ScrollTime() > before);
    QTest::keyClick(&f.grid, Qt::Key_Left);
    QCOMPARE(minutesOf(f.model->ScrollTime()), minutesOf(before));

    QScrollBar *v = f.grid.verticalScrollBar();
    QCOMPARE(v->value(), 0);
    QTest::keyClick(&f.grid, Qt::Key_PageDown);
    const int page = v->value();
    QVERIFY(page > f.map().rowHeight);
    QTest::keyClick(&f.grid, Qt::Key_Down);
    QCOMPARE(v->value(), page + f.map().rowHeight);
    // Rows scroll under the header: the first visible row changes, hit tests follow.
    const TimeGridMapper m = f.map();
    const int row = f.grid.ResourceFromPoint(QPoint(m.timeLeft() + 10, m.headerHeight + 1));
    QCOMPARE(row, (page + m.rowHeight) / m.rowHeight);
    QTest::keyClick(&f.grid, Qt::Key_PageUp);
    QTest::keyClick(&f.grid, Qt::Key_Home);
    QCOMPARE(v->value(), 0);
}

void TestTimeGrid::paintsBarsWhereHitTestsFindThem()
{
    Fixture f;
    QImage image(f.view()->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        f.grid.paintTo(painter, image.size());
    }
    if (!qEnvironmentVariableIsEmpty("SHIFTGRID_GRID_PNG"))
        image.save(qEnvironmentVariable("SHIFTGRID_GRID_PNG"));

    const QColor cook = TimeGridModel::toColor(0xC07030);
    const TimeGridMapper m = f.map();
    // Inside the shift, away from its text: the bar colour, and the hit test agrees.
    const QPoint inside(int(m.xForTime(at(16, 30))), m.rowTop(0) + m.rowHeight / 2);
    QCOMPARE(image.pixelColor(inside), cook);
    QCOMPARE(f.grid.TBFromPoint(inside), f.shift);
    // Just after its end, same row: no bar colour, no block.
    const QPoint after(int(m.xForTime(at(17))) + 3, inside.y());
    QVERIFY(image.pixelColor(after) != cook);
    QCOMPARE(f.grid.TBFromPoint(after), -1);
    // The time-off bar is white, on its own row.
    const QPoint offPoint(int(m.xForTime(at(11, 45))), m.rowTop(2) + m.rowHeight / 2);
    QCOMPARE(image.pixelColor(offPoint), QColor(Qt::white));
    // Nothing of the bars leaks into the caption column, and the whole image was painted.
    for (int y = m.headerHeight; y < image.height(); y += 7)
        for (int x = 0; x < m.timeLeft() - 1; x += 11)
            QVERIFY(image.pixelColor(x, y) != cook);
    QVERIFY(image.pixelColor(image.width() - 1, image.height() - 1) != QColor(Qt::black));

    // A block scrolled out of view to the left is not painted over the captions.
    f.model->setScrollTime(at(18));
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        f.grid.paintTo(painter, image.size());
    }
    QVERIFY(image.pixelColor(m.timeLeft() + 5, inside.y()) != cook);
}

void TestTimeGrid::paintsOnlyVisibleRowsOfLargeGrid()
{
    // A big grid renders into a fixed image and rows below the fold do not change the picture.
    TimeGrid grid;
    TimeGridModel *model = grid.model();
    model->beginUpdate();
    model->setViewRange(kDay, kDay + 7);
    model->setScrollTime(kDay);
    model->SetBarStyle(0, 255, 16777215, 0, QStringLiteral("RED"));
    for (int r = 0; r < 1000; ++r) {
        model->AddResource(QStringLiteral("Row %1").arg(r));
        for (int d = 0; d < 7; ++d)
            model->TBAdd(r, kDay + d + 0.375, kDay + d + 0.708, 0);
    }
    model->endUpdate();
    grid.setVisibleSpan(7);
    grid.resize(1920, 1080);

    QImage first(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&first);
    grid.paintTo(painter, first.size());
    painter.end();

    // Change a block far below the visible rows: the image stays the same.
    const int hidden = model->blocksInResource(900).first();
    model->setTBBar(hidden, 1);
    model->setTBBeg(hidden, kDay + 0.1);
    QImage second(1920, 1080, QImage::Format_RGB32);
    painter.begin(&second);
    grid.paintTo(painter, second.size());
    painter.end();
    QCOMPARE(second, first);

    // Scrolling down to it shows the change.
    grid.scrollToRow(900);
    QImage third(1920, 1080, QImage::Format_RGB32);
    painter.begin(&third);
    grid.paintTo(painter, third.size());
    painter.end();
    QVERIFY(third != first);
    const TimeGridMapper m = grid.mapper(third.size());
    const int y = m.rowTop(900) + m.rowHeight / 2;
    QVERIFY(y > m.headerHeight && y < 1080);
    QCOMPARE(third.pixelColor(int(m.xForTime(kDay + 0.2)), y),
             TimeGridModel::toColor(65280)); // bar 1 was never defined: default green
}

void TestTimeGrid::legacyFontNamesMapToInstalledFonts()
{
    QFont base(QStringLiteral("DejaVu Sans"), 10);
    const QFont fixed = TimeGrid::resolveFont(QStringLiteral("Fixedsys"), base);
    QVERIFY(QFontInfo(fixed).fixedPitch());
    QCOMPARE(fixed.pointSize(), 10);
    const QFont serif = TimeGrid::resolveFont(QStringLiteral("Times New Roman"), base);
    QVERIFY(QFontInfo(serif).family() != QFontInfo(base).family()
            || QFontInfo(serif).family().contains(QStringLiteral("Times")));
    // Unknown names fall back to the given font rather than to whatever matches first.
    const QFont unknown = TimeGrid::resolveFont(QStringLiteral("No Such Font 123"), base);
    QCOMPARE(QFontInfo(unknown).family(), QFontInfo(base).family());
}

QTEST_MAIN(TestTimeGrid)
#include "tst_timegrid.moc"
