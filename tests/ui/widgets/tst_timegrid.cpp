#include "ui/widgets/TimeGrid.h"

#include <QAccessible>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace {

constexpr double kDay = 36955.0; // Monday 5 March 2001
constexpr double kMinute = 1.0 / 1440.0;
constexpr qint32 kCook = 0xC07030;

double at(int hours, int minutes = 0)
{
    return kDay + (hours * 60 + minutes) * kMinute;
}

qint64 minutesOf(double time)
{
    return std::llround((time - kDay) * 1440.0);
}

QString hm(double time)
{
    const qint64 m = minutesOf(time);
    return QStringLiteral("%1:%2").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QImage render(const TimeGrid &grid, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    grid.painter().paintTo(painter, size);
    return image;
}

QString placeText(const BlockPlace &place)
{
    return QStringLiteral("%1 %2-%3").arg(place.row).arg(hm(place.begin), hm(place.end));
}

// A grid of three employees with a few shifts, shown one day wide from 06:00. `log` records
// the grid's signals in order. The owner applies requested changes only when told to.
struct Fixture {
    TimeGrid grid;
    TimeGridModel *model = grid.model();
    int shift = -1; // row 0, 9:00 - 17:00, id 7
    int late = -1;  // row 1, 16:00 - 20:00
    bool applyChanges = false;
    QStringList log;

    Fixture()
    {
        grid.resize(1400, 420);
        for (const char *name : {"Adams, Ann", "Brown, Bob", "Clark, Cy"})
            model->AddResource(QString::fromLatin1(name));
        model->SetBarStyle(1, kCook, 16777215, 0, QStringLiteral("COOK"));
        model->SetBarStyle(2, 16777215, 0, 0, QStringLiteral("Off"));
        model->setViewRange(kDay - 0.3, kDay + 7.3);
        model->setScrollTime(at(6));
        shift = model->TBAddWithId(7, 0, at(9), at(17), 1);
        late = model->TBAdd(1, at(16), at(20), 1);
        model->TBAdd(2, at(8), at(12), 2);

        QObject::connect(&grid, &TimeGrid::blockPressed, [this](int b) { log << QStringLiteral("pressed %1").arg(b); });
        QObject::connect(&grid, &TimeGrid::buttonReleased,
                         [this](Qt::MouseButton b) { log << QStringLiteral("released %1").arg(int(b)); });
        QObject::connect(&grid, &TimeGrid::clickedWithoutMove, [this](int block, Qt::MouseButton b) {
            log << QStringLiteral("clicked %1 %2").arg(block).arg(int(b));
        });
        QObject::connect(&grid, &TimeGrid::blockChangeRequested, [this](int id, BlockPlace from, BlockPlace to) {
            log << QStringLiteral("change %1 %2 to %3").arg(id).arg(placeText(from), placeText(to));
            if (applyChanges)
                model->setTBPlace(model->TBFromId(id), to.row, to.begin, to.end);
        });
        QObject::connect(&grid, &TimeGrid::resourceDoubleClicked,
                         [this](int row) { log << QStringLiteral("double-clicked %1").arg(row); });
        grid.show();
        if (!QTest::qWaitForWindowExposed(&grid))
            qWarning("grid window not exposed");
    }

    QString placeOf(int b) const { return placeText(model->TBPlace(b)); }
    QWidget *view() { return grid.viewport(); }
    TimeGridMapper map() const { return grid.mapper(); }
    QPoint point(double time, int row) const
    {
        const TimeGridMapper m = map();
        return QPoint(int(std::lround(m.xForTime(time))), m.rowTop(row) + m.rowHeight / 2);
    }
    // A pointer move with a button held, delivered at once.
    void moveHeld(QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(view()->mapToGlobal(to)),
                         Qt::NoButton, button, Qt::NoModifier);
        QCoreApplication::sendEvent(view(), &move);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button, bool release = true)
    {
        QTest::mousePress(view(), button, Qt::NoModifier, from);
        moveHeld(from + (to - from) / 2, button); // two steps, as a hand would
        moveHeld(to, button);
        if (release)
            QTest::mouseRelease(view(), button, Qt::NoModifier, to);
    }
    // What the widget itself shows, drag preview included.
    QColor shownAt(QPoint p)
    {
        const QImage shown = view()->grab().toImage();   // in device pixels
        return shown.pixelColor((QPointF(p) * shown.devicePixelRatio()).toPoint());
    }
};

} // namespace

class TestTimeGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hitTestsAndTimeAxis();
    void pressMoveRelease_data();
    void pressMoveRelease();
    void ownerAppliesOrRefusesADrag();
    void interruptedDragsChangeNothing();
    void doubleClickOnCaption();
    void scrollingByBarAndKeys();
    void keyboardCursor_data();
    void keyboardCursor();
    void cursorIsDrawnAndCtrlTabLeaves();
    void nameColumnResizesAndTipsWholeNames();
    void paintsBarsWhereHitTestsFindThem();
    void accessibleRows_data();
    void accessibleRows();
    void accessibleBars_data();
    void accessibleBars();
    void accessibleStateFollowsTheGrid();
};

namespace {
QAccessibleInterface *gridInterface(TimeGrid &grid)
{
    return QAccessible::queryAccessibleInterface(&grid);
}
QRect onScreen(QWidget *widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}
} // namespace

// A screen reader finds one item per row, named by the employee and the hours column, lying
// where the row is drawn and holding the row's bars.
void TestTimeGrid::accessibleRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("cost");   // shown in the cost column when not empty
    QTest::addColumn<QString>("name");
    QTest::newRow("hours shown") << 0 << QStringLiteral("8:00") << QString() << QStringLiteral("Adams, Ann, Week Hours: 8:00");
    QTest::newRow("no hours") << 1 << QString() << QString() << QStringLiteral("Brown, Bob");
    QTest::newRow("last row") << 2 << QStringLiteral("4:00") << QString() << QStringLiteral("Clark, Cy, Week Hours: 4:00");
    QTest::newRow("cost column shown") << 0 << QStringLiteral("8:00") << QStringLiteral("96.00*")
                                       << QStringLiteral("Adams, Ann, Week Hours: 8:00, Week Cost: 96.00*");
}

void TestTimeGrid::accessibleRows()
{
    QFETCH(int, row);
    QFETCH(QString, info);
    QFETCH(QString, cost);
    QFETCH(QString, name);
    Fixture f;
    f.model->setColumnCaption(QStringLiteral("Week\nHours"));
    f.model->setResourceInfo(row, info);
    for (int r = 0; r < 3; ++r)
        f.model->setResourceCost(r, QStringLiteral("12.00"));   // not read while the column is hidden
    if (!cost.isEmpty()) {
        f.grid.setCostColumn(60, QStringLiteral("Week\nCost"));
        f.model->setResourceCost(row, cost);
    }
    QAccessibleInterface *grid = gridInterface(f.grid);
    QVERIFY(grid);
    QCOMPARE(grid->role(), QAccessible::Tree);
    QCOMPARE(grid->childCount(), 3);
    QAccessibleInterface *item = grid->child(row);
    QVERIFY(item && item->isValid());
    QCOMPARE(item->text(QAccessible::Name), name);
    QCOMPARE(item->role(), QAccessible::TreeItem);
    QCOMPARE(item->parent(), grid);
    QCOMPARE(grid->indexOfChild(item), row);
    QCOMPARE(item->childCount(), 1);
    const QRect rect = item->rect();
    QVERIFY2(onScreen(f.view()).contains(rect), qPrintable(QStringLiteral("row rect %1,%2 %3x%4")
                                                               .arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height())));
    QCOMPARE(rect.height(), f.map().rowHeight);
    QCOMPARE(grid->childAt(rect.center().x(), rect.center().y()), item);
    QVERIFY(!grid->child(3));
}

// Each bar is an item of its row that says who works, on which position, on which day, from
// when to when, and lies where the bar is drawn.
void TestTimeGrid::accessibleBars_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("begin");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("hours");
    QTest::newRow("Adams COOK 9-17") << 0 << 9 << 17 << QStringLiteral("Adams, Ann") << QStringLiteral("COOK") << QStringLiteral("8:00");
    QTest::newRow("Brown COOK 16-20") << 1 << 16 << 20 << QStringLiteral("Brown, Bob") << QStringLiteral("COOK") << QStringLiteral("4:00");
    QTest::newRow("Clark Off 8-12") << 2 << 8 << 12 << QStringLiteral("Clark, Cy") << QStringLiteral("Off") << QStringLiteral("4:00");
}

void TestTimeGrid::accessibleBars()
{
    QFETCH(int, row);
    QFETCH(int, begin);
    QFETCH(int, end);
    QFETCH(QString, employee);
    QFETCH(QString, position);
    QFETCH(QString, hours);
    Fixture f;
    QAccessibleInterface *rowItem = gridInterface(f.grid)->child(row);
    QAccessibleInterface *bar = rowItem->child(0);
    QVERIFY(bar && bar->isValid());
    QCOMPARE(bar->parent(), rowItem);
    QCOMPARE(rowItem->indexOfChild(bar), 0);
    const QLocale locale;
    const QString name = bar->text(QAccessible::Name);
    const QString expected = QStringLiteral("%1, %2, %3, %4 to %5")
                                 .arg(employee, position, locale.toString(QDate(2001, 3, 5), QLocale::LongFormat),
                                      locale.toString(QTime(begin, 0), QLocale::ShortFormat),
                                      locale.toString(QTime(end, 0), QLocale::ShortFormat));
    QCOMPARE(name, expected);
    QVERIFY(bar->text(QAccessible::Description).startsWith(hours + QStringLiteral(" hours")));
    // Where it is drawn, and what a pointer there finds.
    const QRect drawn = f.map().blockRect(row, at(begin), at(end)).toAlignedRect();
    QCOMPARE(bar->rect(), QRect(f.view()->mapToGlobal(drawn.topLeft()), drawn.size()));
    QVERIFY(onScreen(f.view()).contains(bar->rect()));
    QCOMPARE(rowItem->childAt(bar->rect().center().x(), bar->rect().center().y()), bar);
    QVERIFY(!bar->state().offscreen);
}

// Selection, focus, warnings, moves and deletions reach the items as they happen.
void TestTimeGrid::accessibleStateFollowsTheGrid()
{
    Fixture f;
    QAccessibleInterface *grid = gridInterface(f.grid);
    QAccessibleInterface *shift = grid->child(0)->child(0);
    QAccessibleInterface *late = grid->child(1)->child(0);
    QVERIFY(!shift->state().selected);

    QTest::mouseClick(f.view(), Qt::LeftButton, Qt::NoModifier, f.point(at(12), 0));
    QCOMPARE(f.grid.selectedBlockId(), 7);
    QVERIFY(shift->state().selected && grid->child(0)->state().selected);
    QVERIFY(!late->state().selected && !grid->child(1)->state().selected);
    f.grid.activateWindow();
    f.grid.setFocus();
    QTRY_VERIFY(f.grid.hasFocus());
    QVERIFY(shift->state().focused);
    QCOMPARE(grid->focusChild(), shift);

    // A shift over another department's, and one outside the available hours, say so.
    f.model->setTBWarning(f.late, QStringLiteral("Also scheduled at this time in BAR"));
    QVERIFY(late->text(QAccessible::Name).endsWith(QStringLiteral(", warning")));
    QVERIFY(late->text(QAccessible::Description).contains(QStringLiteral("Also scheduled at this time in BAR")));
    QVERIFY(!shift->text(QAccessible::Name).endsWith(QStringLiteral(", warning")));

    // Moved to another row, the bar is the same item under its new row.
    f.model->setTBPlace(f.shift, 2, at(13), at(15));
    QCOMPARE(shift->parent(), grid->child(2));
    QCOMPARE(grid->child(2)->childCount(), 2);
    QCOMPARE(grid->child(0)->childCount(), 0);

    // Scrolled out of sight, it is off screen; deleted, it is no longer valid.
    f.grid.scrollToTime(at(22));
    QVERIFY(shift->state().offscreen && shift->rect().isEmpty());
    f.model->TBRemove(f.model->TBFromId(7));
    QVERIFY(!shift->isValid());
}

void TestTimeGrid::hitTestsAndTimeAxis()
{
    Fixture f;
    const TimeGridMapper m = f.map();
    const QRectF r = m.blockRect(0, at(9), at(17));
    const int left = int(std::ceil(r.left()));
    const int right = int(std::ceil(r.right())) - 1;
    const int y = int(r.center().y());
    const struct { const char *what; QPoint p; int row, block; } cases[] = {
        {"first pixel of block", {left, y}, 0, f.shift},
        {"pixel before block", {left - 1, y}, 0, -1},
        {"last pixel of block", {right, y}, 0, f.shift},
        {"pixel after block", {right + 1, y}, 0, -1},
        {"gap above bar in row", {left + 50, m.rowTop(0)}, 0, -1},
        {"first time pixel", {m.timeLeft(), y}, 0, -1},
        {"hours column", {m.timeLeft() - 1, y}, -1, -1},
        {"header", {left + 50, m.headerHeight - 1}, -1, -1},
        {"below last row", {left + 50, m.rowTop(3) + 2}, -1, -1},
    };
    for (const auto &c : cases) {
        QVERIFY2(f.grid.ResourceFromPoint(c.p) == c.row, c.what);
        QVERIFY2(f.grid.TBFromPoint(c.p) == c.block, c.what);
    }

    // The time area spans the scroll time to the scroll time plus the visible span.
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(m.timeLeft(), 100))), qint64(6 * 60));
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(m.width, 100))), qint64(30 * 60));
    f.grid.setVisibleSpan(30); // at most a week
    QCOMPARE(f.grid.visibleSpan(), 7.0);
    f.grid.setVisibleSpan(0.1); // at least half a day
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(m.width, 100))), qint64(18 * 60));
    // A scroll time beyond the range is shown at the last possible place.
    f.model->setScrollTime(kDay + 100);
    QCOMPARE(minutesOf(f.grid.DateFromPoint(QPoint(m.width, 100))), std::llround(7.3 * 1440));
}

void TestTimeGrid::pressMoveRelease_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("grab");    // on block 0: 0 middle, 1 begin edge, 2 end edge; 3 free time
    QTest::addColumn<int>("minutes"); // pointer movement in minutes
    QTest::addColumn<int>("toRow");   // row under the release; 3 below the last row, -1 header
    QTest::addColumn<QString>("snap");
    QTest::addColumn<QString>("log"); // the grid's signals

    // The release comes first, then the request to move block 0 (id 7).
    auto moved = [](const char *place) {
        return QStringLiteral("pressed 0|released 1|change 7 0 9:00-17:00 to %1").arg(QLatin1String(place));
    };
    const int left = Qt::LeftButton;
    QTest::newRow("move, snaps down") << left << 0 << 37 << 0 << "15 Minutes" << moved("0 9:30-17:30");
    QTest::newRow("move, snaps up") << left << 0 << 53 << 0 << "15 Minutes" << moved("0 10:00-18:00");
    QTest::newRow("move earlier") << left << 0 << -128 << 0 << "30 Minutes" << moved("0 7:00-15:00");
    QTest::newRow("to another row") << left << 0 << 0 << 2 << "15 Minutes" << moved("2 9:00-17:00");
    QTest::newRow("other row and later") << left << 0 << 100 << 1 << "1 Hour" << moved("1 11:00-19:00");
    // Dropped where no row is: nothing is asked for.
    QTest::newRow("below last row") << left << 0 << 0 << 3 << "15 Minutes" << "pressed 0|released 1";
    QTest::newRow("into header, later") << left << 0 << 60 << -1 << "15 Minutes" << "pressed 0|released 1";
    QTest::newRow("stretch begin") << left << 1 << -62 << 0 << "15 Minutes" << moved("0 8:00-17:00");
    QTest::newRow("shrink begin") << left << 1 << 95 << 0 << "5 Minutes" << moved("0 10:35-17:00");
    QTest::newRow("stretch end, row kept") << left << 2 << 125 << 2 << "15 Minutes" << moved("0 9:00-19:00");
    QTest::newRow("shrink end") << left << 2 << -46 << 0 << "15 Minutes" << moved("0 9:00-16:15");
    QTest::newRow("end stops after begin") << left << 2 << -600 << 0 << "15 Minutes" << moved("0 9:00-9:15");
    QTest::newRow("begin stops before end") << left << 1 << 600 << 0 << "30 Minutes" << moved("0 16:30-17:00");
    // Without movement (or less than the drag distance) a press is a click. Only a left press
    // on a block is a block press, as it may start a drag.
    QTest::newRow("click on block") << left << 0 << 0 << 0 << "15 Minutes" << "pressed 0|released 1|clicked 0 1";
    QTest::newRow("hand shakes") << left << 0 << 2 << 0 << "15 Minutes" << "pressed 0|released 1|clicked 0 1";
    QTest::newRow("click on free time") << left << 3 << 0 << 0 << "15 Minutes" << "released 1|clicked -1 1";
    QTest::newRow("right click on block") << int(Qt::RightButton) << 0 << 0 << 0 << "15 Minutes" << "released 2|clicked 0 2";
}

void TestTimeGrid::pressMoveRelease()
{
    QFETCH(int, button);
    QFETCH(int, grab);
    QFETCH(int, minutes);
    QFETCH(int, toRow);
    QFETCH(QString, snap);
    QFETCH(QString, log);
    Fixture f;
    f.model->setSnapMinutes(snap);
    const TimeGridMapper m = f.map();
    const QRectF r = m.blockRect(0, at(9), at(17));
    const int x = QList<int>{int(r.center().x()), int(std::ceil(r.left())) + 1, int(std::ceil(r.right())) - 2,
                             f.point(at(21), 0).x()}[grab];
    const int y = toRow < 0 ? 3 : toRow > 2 ? m.rowTop(3) + 40 : f.point(0, toRow).y();
    const int dx = int(std::lround(minutes * kMinute * m.pixelsPerDay()));
    f.drag(QPoint(x, int(r.center().y())), QPoint(x + dx, y), Qt::MouseButton(button));

    QCOMPARE(f.log.join(QLatin1Char('|')), log);
    // Only a request: the model, which the owner here leaves alone, is unchanged.
    QCOMPARE(f.placeOf(f.shift), QStringLiteral("0 9:00-17:00"));
    QCOMPARE(f.model->TBBeg(f.late), at(16));
}

void TestTimeGrid::ownerAppliesOrRefusesADrag()
{
    const QColor cook = TimeGridModel::toColor(kCook);
    for (const bool apply : {true, false}) {
        Fixture f;
        f.applyChanges = apply;
        // From the shift's middle to row 2, six hours later: lifted there while held, faded at home.
        const QPoint from = f.point(at(13), 0), to = f.point(at(19), 2);
        f.drag(from, to, Qt::LeftButton, false);
        QVERIFY(f.shownAt(to) == cook && f.shownAt(from) != cook);
        QTest::mouseRelease(f.view(), Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(f.placeOf(f.shift), apply ? QStringLiteral("2 15:00-23:00") : QStringLiteral("0 9:00-17:00"));
        // Shown and found only where the model has it: no preview is left behind.
        const QPoint there = apply ? to : from, elsewhere = apply ? from : to;
        QVERIFY2(f.shownAt(there) == cook && f.shownAt(elsewhere) != cook, apply ? "applied" : "refused");
        QVERIFY(f.grid.TBFromPoint(there) == f.shift && f.grid.TBFromPoint(elsewhere) == -1);
    }
}

void TestTimeGrid::interruptedDragsChangeNothing()
{
    Fixture f;
    // A popup opened elsewhere can swallow a release; the next press must still count.
    const QPoint first = f.point(at(13), 0);
    QTest::mousePress(f.view(), Qt::LeftButton, Qt::NoModifier, first);
    f.moveHeld(first + QPoint(40, 0));
    const QPoint second = f.point(at(18), 1);
    QTest::mouseClick(f.view(), Qt::LeftButton, Qt::NoModifier, second);
    QCOMPARE(f.log.join(QLatin1Char('|')), QStringLiteral("pressed 0|pressed 1|released 1|clicked 1 1"));
    QCOMPARE(f.model->TBBeg(f.shift), at(9));

    // Removing a block renumbers the others under a drag: the drag is dropped.
    f.log.clear();
    QTest::mousePress(f.view(), Qt::LeftButton, Qt::NoModifier, second);
    f.moveHeld(second + QPoint(60, 0));
    f.model->TBRemove(f.shift);
    QTest::mouseRelease(f.view(), Qt::LeftButton, Qt::NoModifier, second + QPoint(60, 0));
    QCOMPARE(f.log.join(QLatin1Char('|')), QStringLiteral("pressed 1|released 1"));
    QCOMPARE(f.model->TBResource(0), 1); // the late shift, now number 0, kept its place
    QCOMPARE(f.model->TBBeg(0), at(16));
}

void TestTimeGrid::doubleClickOnCaption()
{
    Fixture f;
    const int bottom = f.map().rowTop(3);
    // On the second caption; then in the time area, below the last row and in the header.
    for (const QPoint p : {QPoint(40, f.point(0, 1).y()), f.point(at(21), 1), QPoint(40, bottom + 5), QPoint(40, 5)})
        QTest::mouseDClick(f.view(), Qt::LeftButton, Qt::NoModifier, p);
    QCOMPARE(f.log.filter(QStringLiteral("double")), QStringList{QStringLiteral("double-clicked 1")});
}

void TestTimeGrid::scrollingByBarAndKeys()
{
    Fixture f;
    QList<double> shown;
    connect(&f.grid, &TimeGrid::dateShownChanged, [&](double time) { shown << time; });
    QScrollBar *h = f.grid.horizontalScrollBar();
    // The bar counts minutes from the range's begin (0.3 day before kDay) and follows the model.
    f.model->setScrollTime(at(30));
    QCOMPARE(h->value(), int(std::lround(0.3 * 1440)) + 30 * 60);
    // The user drags the bar: the model follows; only reaching another day is reported, with
    // the new left-edge time.
    h->setValue(h->value() + 120);
    QCOMPARE(minutesOf(f.model->ScrollTime()), qint64(32 * 60));
    h->setValue(h->value() + 24 * 60);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(minutesOf(shown.first()), qint64(56 * 60));
    // The cursor starts where the view does; End takes it to the day's last step, still in
    // view; Home to the day's start, scrolling back to show it.
    QTest::keyClick(&f.grid, Qt::Key_End);
    QCOMPARE(minutesOf(f.grid.cursorTime()), qint64(71 * 60 + 45));
    QCOMPARE(minutesOf(f.model->ScrollTime()), qint64(56 * 60));
    QTest::keyClick(&f.grid, Qt::Key_Home);
    QCOMPARE(minutesOf(f.model->ScrollTime()), qint64(48 * 60));

    // Rows scroll under the header by keys; painting and hit tests follow.
    for (int r = 0; r < 200; ++r)
        f.model->AddResource(QStringLiteral("Extra %1").arg(r));
    const int last = f.model->TBAdd(202, kDay + 2, kDay + 3, 1);
    QScrollBar *v = f.grid.verticalScrollBar();
    const TimeGridMapper m = f.map();
    QTest::keyClick(&f.grid, Qt::Key_PageDown);
    QCOMPARE(v->value(), v->pageStep());
    QCOMPARE(f.grid.ResourceFromPoint(QPoint(m.timeLeft() + 10, m.headerHeight + 1)), v->value() / m.rowHeight);
    QTest::keyClick(&f.grid, Qt::Key_End, Qt::ControlModifier);   // the cursor to the last row
    QCOMPARE(f.grid.currentRow(), 202);
    QCOMPARE(v->value(), v->maximum());
    const QPoint p = f.point(at(60), 202);
    QCOMPARE(render(f.grid, f.view()->size()).pixelColor(p), TimeGridModel::toColor(kCook));
    QCOMPARE(f.grid.TBFromPoint(p), last);
    QTest::keyClick(&f.grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(v->value(), 0);
}

// The keyboard's contract, key by key from a fresh grid: the cursor starts on the first row at
// the time shown (6:00); the bars are row 2 8:00 (time off), row 0 9:00 (id 7), row 1 16:00.
void TestTimeGrid::keyboardCursor_data()
{
    QTest::addColumn<QString>("keys");     // key sequences, space-separated
    QTest::addColumn<QString>("cursor");   // "row h:mm" afterwards
    QTest::addColumn<int>("selectedRow");  // the row of the selected bar, -1 for none
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("nothing") << "" << "0 6:00" << -1 << QStringList();
    QTest::newRow("down past the last row") << "Down Down Down" << "2 6:00" << -1 << QStringList();
    QTest::newRow("up past the first row") << "Down Up Up" << "0 6:00" << -1 << QStringList();
    QTest::newRow("right by the snap step") << "Right Right" << "0 6:30" << -1 << QStringList();
    QTest::newRow("left scrolls back") << "Left" << "0 5:45" << -1 << QStringList();
    QTest::newRow("home and end of the day") << "Right End Home" << "0 0:00" << -1 << QStringList();
    QTest::newRow("ctrl+end: last row") << "Ctrl+End" << "2 23:45" << -1 << QStringList();
    QTest::newRow("tab: the next bar in time") << "Tab" << "2 8:00" << 2 << QStringList();
    QTest::newRow("tab tab: then the next") << "Tab Tab" << "0 9:00" << 0 << QStringList();
    QTest::newRow("tab wraps") << "Tab Tab Tab Tab" << "2 8:00" << 2 << QStringList();
    QTest::newRow("shift+tab from the start wraps back") << "Shift+Tab" << "1 16:00" << 1 << QStringList();
    QTest::newRow("tab from the cursor, then row") << "Tab Tab Escape Down Tab" << "1 16:00" << 1 << QStringList();
    QTest::newRow("right moves the selected bar") << "Tab Tab Right" << "0 9:00" << 0
                                                  << QStringList{"change 7 0 9:00-17:00 to 0 9:15-17:15"};
    QTest::newRow("shift+right stretches it") << "Tab Tab Shift+Right" << "0 9:00" << 0
                                              << QStringList{"change 7 0 9:00-17:00 to 0 9:00-17:15"};
    QTest::newRow("escape lets go of the bar") << "Tab Tab Escape Right" << "0 9:15" << -1 << QStringList();
    QTest::newRow("down lets go of the bar") << "Tab Tab Down" << "1 9:00" << -1 << QStringList();
    QTest::newRow("insert on free time") << "Down Right Insert" << "1 6:15" << -1 << QStringList{"add 1 6:15"};
    QTest::newRow("enter on free time") << "Return" << "0 6:00" << -1 << QStringList{"add 0 6:00"};
    QTest::newRow("enter on the selected bar") << "Tab Tab Return" << "0 9:00" << 0 << QStringList{"open 7"};
    QTest::newRow("enter on a bar under the cursor") << "Tab Tab Escape Return" << "0 9:00" << 0
                                                     << QStringList{"open 7"};
    QTest::newRow("shift+f10 on free time") << "Down Shift+F10" << "1 6:00" << -1 << QStringList{"menu -1 1 6:00"};
    QTest::newRow("menu key on a bar") << "Tab Tab Menu" << "0 9:00" << 0 << QStringList{"menu 0 0 9:00"};
}

void TestTimeGrid::keyboardCursor()
{
    QFETCH(QString, keys);
    QFETCH(QString, cursor);
    QFETCH(int, selectedRow);
    QFETCH(QStringList, asked);
    Fixture f;
    QStringList log;
    connect(&f.grid, &TimeGrid::addRequested, [&](int row, double time) { log << QStringLiteral("add %1 %2").arg(row).arg(hm(time)); });
    connect(&f.grid, &TimeGrid::blockActivated, [&](int id) { log << QStringLiteral("open %1").arg(id); });
    connect(&f.grid, &TimeGrid::menuRequested, [&](int block, int row, double time, QPoint at) {
        log << QStringLiteral("menu %1 %2 %3").arg(block).arg(row).arg(hm(time));
        // Shown on the bar or the cursor, inside the grid.
        QVERIFY(QRect(f.view()->mapToGlobal(QPoint(0, 0)), f.view()->size()).contains(at));
    });
    f.grid.activateWindow();
    f.grid.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&f.grid));
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts)) {
        const QKeyCombination combo = QKeySequence::fromString(key)[0];
        QTest::keyClick(&f.grid, combo.key(), combo.keyboardModifiers());
    }
    QCOMPARE(QStringLiteral("%1 %2").arg(f.grid.currentRow()).arg(hm(f.grid.cursorTime())), cursor);
    const int selected = f.model->TBFromId(f.grid.selectedBlockId());
    QCOMPARE(selected >= 0 ? f.model->TBResource(selected) : -1, selectedRow);
    QCOMPARE(log + f.log.filter(QStringLiteral("change")), asked);
    // The cursor's step is in view, and a screen reader is on its bar or else its row.
    const TimeGridMapper m = f.map();
    QVERIFY(m.timeArea().intersects(f.grid.cursorRect()));
    QAccessibleInterface *focus = gridInterface(f.grid)->focusChild();
    QVERIFY(focus);
    QVERIFY(focus->text(QAccessible::Name).startsWith(f.model->ResourceTitle(f.grid.currentRow())));
}

// The name column's edge is dragged wider; a name's tip is the whole name.
void TestTimeGrid::nameColumnResizesAndTipsWholeNames()
{
    Fixture f;
    QList<int> widths;
    connect(&f.grid, &TimeGrid::captionWidthChanged, [&](int width) { widths << width; });
    const int y = f.point(0, 1).y();
    f.grid.setCaptionWidth(80);
    QCOMPARE(f.grid.toolTipAt(QPoint(20, y)), QStringLiteral("Brown, Bob"));
    QTest::mousePress(f.view(), Qt::LeftButton, {}, QPoint(80, y));
    f.moveHeld(QPoint(200, y));
    QTest::mouseRelease(f.view(), Qt::LeftButton, {}, QPoint(200, y));
    QCOMPARE(widths, QList<int>{200});
    QCOMPARE(f.map().captionWidth, 200);
    QCOMPARE(f.placeOf(f.shift), QStringLiteral("0 9:00-17:00"));   // no bar moved, none added
    QVERIFY(f.log.filter(QStringLiteral("clicked")).isEmpty());
}

// The cursor is drawn bold while the grid has the keyboard, and thin once it has gone.
void TestTimeGrid::cursorIsDrawnAndCtrlTabLeaves()
{
    QWidget window;
    auto *grid = new TimeGrid(&window);
    auto *after = new QPushButton(QStringLiteral("after"), &window);
    grid->setGeometry(0, 0, 900, 300);
    after->move(0, 320);
    for (const char *name : {"Adams, Ann", "Brown, Bob"})
        grid->model()->AddResource(QString::fromLatin1(name));
    grid->model()->setViewRange(kDay, kDay + 7);
    grid->model()->setScrollTime(at(6));
    window.resize(900, 360);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    const TimeGridMapper m = grid->mapper();
    const QRect r = grid->cursorRect();
    QCOMPARE(hm(grid->cursorTime()), QStringLiteral("6:15"));
    QCOMPARE(r.left(), int(std::floor(m.xForTime(at(6, 15)))));
    QVERIFY(m.rowRect(1).contains(r.center()));
    // Inside the frame's left edge, bold: two pixels in; thin: only the first.
    auto pixel = [&](int dx) {
        const QImage shown = grid->viewport()->grab().toImage();
        return shown.pixelColor((QPointF(r.left() + dx, r.center().y()) * shown.devicePixelRatio()).toPoint());
    };
    QCOMPARE(pixel(2), QColor(0, 90, 200));
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    QVERIFY(after->hasFocus());
    QVERIFY(pixel(2) != QColor(0, 90, 200));
    QCOMPARE(grid->currentRow(), 1);   // kept for the way back
}

void TestTimeGrid::paintsBarsWhereHitTestsFindThem()
{
    Fixture f;
    QImage image = render(f.grid, f.view()->size());
    const QColor cook = TimeGridModel::toColor(kCook);
    const TimeGridMapper m = f.map();
    // Along the middle of the shift's row every pixel in the bar's colour is one where the hit
    // test finds the shift, and the fill reaches both ends of what the hit test finds.
    const int y = f.point(0, 0).y();
    int first = -1, last = -1;
    for (int x = m.timeLeft(); x < image.width(); ++x) {
        const bool hit = f.grid.TBFromPoint(QPoint(x, y)) == f.shift;
        QVERIFY2(hit || image.pixelColor(x, y) != cook, qPrintable(QStringLiteral("x %1").arg(x)));
        first = (hit && first < 0) ? x : first;
        last = hit ? x : last;
    }
    QCOMPARE(image.pixelColor(first + 2, y), cook);
    QCOMPARE(image.pixelColor(last - 2, y), cook);
    // The time-off bar is white, on its own row; the whole image was painted.
    QCOMPARE(image.pixelColor(f.point(at(11, 45), 2)), QColor(Qt::white));
    QVERIFY(image.pixelColor(image.width() - 1, image.height() - 1) != QColor(Qt::black));

    // A block that starts before the left edge is cut there, not painted over the captions.
    f.model->setScrollTime(at(12));
    image = render(f.grid, f.view()->size());
    QCOMPARE(image.pixelColor(m.timeLeft() + 2, y), cook);
    for (int py = m.headerHeight; py < image.height(); py += 3)
        for (int x = 0; x < m.timeLeft(); x += 3)
            QVERIFY(image.pixelColor(x, py) != cook);
}

QTEST_MAIN(TestTimeGrid)
#include "tst_timegrid.moc"
