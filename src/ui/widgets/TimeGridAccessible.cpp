#include "TimeGridAccessible.h"

#include "TimeGrid.h"
#include "data/OleDate.h"

#include <QLocale>

namespace {

QRect onScreen(const TimeGrid *grid, const QRect &inViewport)
{
    return QRect(grid->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
}

// The part of a viewport rectangle that can be seen: inside the viewport and below the header.
QRect visiblePart(const TimeGrid *grid, const QRect &inViewport, const QRect &area)
{
    return inViewport.intersected(area).intersected(grid->viewport()->rect());
}

// An item of the grid's tree, which reads everything from the grid when asked.
class GridItem : public QAccessibleInterface
{
public:
    explicit GridItem(TimeGridAccessible *owner) : m_owner(owner), m_grid(owner->grid()) {}

    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_owner->window(); }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessibleInterface *focusChild() const override { return nullptr; }

protected:
    const TimeGridModel *model() const { return m_grid ? m_grid->model() : nullptr; }

    TimeGridAccessible *m_owner;
    QPointer<TimeGrid> m_grid;
};

class BarItem : public GridItem
{
    Q_DECLARE_TR_FUNCTIONS(TimeGridAccessible)

public:
    BarItem(TimeGridAccessible *owner, int id) : GridItem(owner), m_id(id) {}

    int block() const { return model() ? model()->TBFromId(m_id) : -1; }
    bool isValid() const override { return block() >= 0; }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    QAccessibleInterface *parent() const override
    {
        return isValid() ? m_owner->rowItem(model()->TBResource(block())) : nullptr;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        const int b = block();
        if (b < 0)
            return {};
        const TimeGridModel *m = model();
        if (t == QAccessible::Name) {
            const QLocale locale;
            const QDateTime begin = OleDate::toDateTime(m->TBBeg(b));
            const QDateTime end = OleDate::toDateTime(m->TBEnd(b));
            const QString endText = end.date() == begin.date()
                                        ? locale.toString(end.time(), QLocale::ShortFormat)
                                        : tr("%1 %2").arg(locale.toString(end.date(), QStringLiteral("dddd")),
                                                          locale.toString(end.time(), QLocale::ShortFormat));
            QString name = tr("%1, %2, %3, %4 to %5")
                               .arg(m->ResourceTitle(m->TBResource(b)), m->BarCaption(m->TBBar(b)),
                                    locale.toString(begin.date(), QLocale::LongFormat),
                                    locale.toString(begin.time(), QLocale::ShortFormat), endText);
            if (hasWarning(b))
                name = tr("%1, warning").arg(name);
            return name;
        }
        if (t == QAccessible::Description) {
            QStringList parts{tr("%1 hours").arg(m->TBDur(b))};
            if (!m->TBNote(b).trimmed().isEmpty())
                parts << m->TBNote(b).trimmed();
            if (!m->TBWarning(b).isEmpty())
                parts << m->TBWarning(b);
            if (m_grid->painter().isOutsideAvailability(b))
                parts << tr("Outside the hours the employee is available");
            return parts.join(QStringLiteral(". "));
        }
        return {};
    }

    QRect rect() const override
    {
        const int b = block();
        if (b < 0)
            return {};
        const TimeGridMapper map = m_grid->mapper();
        const BlockPlace place = model()->TBPlace(b);
        const QRect shown = visiblePart(m_grid, map.blockRect(place.row, place.begin, place.end).toAlignedRect(), map.timeArea());
        return shown.isEmpty() ? QRect() : onScreen(m_grid, shown);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const int b = block();
        if (b < 0) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = m_grid->selectedBlockId() == m_id;
        s.focused = s.selected && m_grid->hasFocus();
        s.offscreen = rect().isEmpty();
        s.invisible = s.offscreen;
        return s;
    }

    int id() const { return m_id; }

private:
    bool hasWarning(int b) const
    {
        return !model()->TBWarning(b).isEmpty() || m_grid->painter().isOutsideAvailability(b);
    }

    int m_id;
};

class RowItem : public GridItem
{
    Q_DECLARE_TR_FUNCTIONS(TimeGridAccessible)

public:
    RowItem(TimeGridAccessible *owner, int row) : GridItem(owner), m_row(row) {}

    bool isValid() const override { return m_grid && m_row < m_grid->mapper().rowCount; }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    QAccessibleInterface *parent() const override { return m_owner; }

    int childCount() const override { return isValid() ? int(model()->blocksInResource(m_row).size()) : 0; }
    QAccessibleInterface *child(int index) const override
    {
        if (!isValid())
            return nullptr;
        const QList<int> blocks = model()->blocksInResource(m_row);
        return index >= 0 && index < blocks.size() ? m_owner->barItem(model()->TBId(blocks.at(index))) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *bar = dynamic_cast<const BarItem *>(child);
        return bar && isValid() ? int(model()->blocksInResource(m_row).indexOf(bar->block())) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!isValid())
            return nullptr;
        const int b = m_grid->TBFromPoint(m_grid->viewport()->mapFromGlobal(QPoint(x, y)));
        return b >= 0 && model()->TBResource(b) == m_row ? m_owner->barItem(model()->TBId(b)) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            // The row's title, then each column shown beside it, as it reads on the screen.
            QString name = model()->ResourceTitle(m_row);
            auto add = [&](const QString &caption, const QString &value) {
                if (value.isEmpty())
                    return;
                const QString column = caption.simplified();
                name = column.isEmpty() ? tr("%1, %2").arg(name, value) : tr("%1, %2: %3").arg(name, column, value);
            };
            add(model()->ColumnCaption(), model()->ResourceInfo(m_row));
            if (m_grid->costWidth() > 0)
                add(m_grid->costCaption(), model()->ResourceCost(m_row));
            return name;
        }
        if (t == QAccessible::Description)
            return model()->ResourceInfoTip(m_row);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const TimeGridMapper map = m_grid->mapper();
        const QRect rows(0, map.headerHeight, map.width, map.height - map.headerHeight);
        const QRect shown = visiblePart(m_grid, map.rowRect(m_row), rows);
        return shown.isEmpty() ? QRect() : onScreen(m_grid, shown);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const int selected = model()->TBFromId(m_grid->selectedBlockId());
        s.expandable = true;
        s.expanded = true;
        s.selected = selected >= 0 && model()->TBResource(selected) == m_row;
        s.focusable = true;
        s.focused = selected < 0 && m_grid->hasFocus() && m_grid->currentRow() == m_row;
        s.offscreen = rect().isEmpty();
        s.invisible = s.offscreen;
        return s;
    }

    int row() const { return m_row; }

private:
    int m_row;
};

QAccessibleInterface *timeGridFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TimeGrid") && object && object->isWidgetType())
        return new TimeGridAccessible(static_cast<TimeGrid *>(object));
    return nullptr;
}

} // namespace

TimeGridAccessible::TimeGridAccessible(TimeGrid *grid)
    : QAccessibleWidget(grid, QAccessible::Tree)
{
}

TimeGridAccessible::~TimeGridAccessible()
{
    for (QAccessible::Id id : std::as_const(m_rows))
        QAccessible::deleteAccessibleInterface(id);
    for (QAccessible::Id id : std::as_const(m_bars))
        QAccessible::deleteAccessibleInterface(id);
}

void TimeGridAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(timeGridFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

TimeGrid *TimeGridAccessible::grid() const
{
    return static_cast<TimeGrid *>(widget());
}

QString TimeGridAccessible::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (text.isEmpty() && t == QAccessible::Name)
        text = tr("Schedule");
    if (text.isEmpty() && t == QAccessible::Description)
        text = tr("%n row(s)", nullptr, childCount());
    return text;
}

int TimeGridAccessible::childCount() const
{
    return grid()->model() ? grid()->mapper().rowCount : 0;
}

QAccessibleInterface *TimeGridAccessible::child(int index) const
{
    return rowItem(index);
}

int TimeGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *row = dynamic_cast<const RowItem *>(child);
    return row && row->isValid() ? row->row() : -1;
}

QAccessibleInterface *TimeGridAccessible::childAt(int x, int y) const
{
    const QPoint at = grid()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!grid()->viewport()->rect().contains(at))
        return nullptr;
    return rowItem(grid()->mapper().rowAtY(at.y()));
}

QAccessibleInterface *TimeGridAccessible::focusChild() const
{
    if (!grid()->hasFocus())
        return nullptr;
    if (QAccessibleInterface *bar = barItem(grid()->selectedBlockId()))
        return bar;
    return rowItem(grid()->currentRow());
}

namespace {
// The item kept under the key, made by `make` the first time it is asked for.
template<typename Make>
QAccessibleInterface *keptItem(QHash<int, QAccessible::Id> &items, int key, Make make)
{
    auto found = items.constFind(key);
    if (found == items.cend())
        found = items.insert(key, QAccessible::registerAccessibleInterface(make()));
    return QAccessible::accessibleInterface(*found);
}
} // namespace

QAccessibleInterface *TimeGridAccessible::rowItem(int row) const
{
    if (row < 0 || row >= childCount())
        return nullptr;
    auto *self = const_cast<TimeGridAccessible *>(this);
    return keptItem(m_rows, row, [self, row] { return new RowItem(self, row); });
}

QAccessibleInterface *TimeGridAccessible::barItem(int id) const
{
    if (id <= 0 || !grid()->model() || grid()->model()->TBFromId(id) < 0)
        return nullptr;
    auto *self = const_cast<TimeGridAccessible *>(this);
    return keptItem(m_bars, id, [self, id] { return new BarItem(self, id); });
}

void TimeGridAccessible::notifySelection(TimeGrid *grid, int id)
{
    if (!QAccessible::isActive() || id <= 0)
        return;
    auto *self = dynamic_cast<TimeGridAccessible *>(QAccessible::queryAccessibleInterface(grid));
    if (QAccessibleInterface *bar = self ? self->barItem(id) : nullptr) {
        QAccessibleEvent selection(bar, QAccessible::Selection);
        QAccessible::updateAccessibility(&selection);
        if (grid->hasFocus()) {
            QAccessibleEvent focus(bar, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void TimeGridAccessible::notifyCursor(TimeGrid *grid)
{
    if (!QAccessible::isActive() || !grid->hasFocus() || grid->model()->TBFromId(grid->selectedBlockId()) >= 0)
        return;
    auto *self = dynamic_cast<TimeGridAccessible *>(QAccessible::queryAccessibleInterface(grid));
    if (QAccessibleInterface *row = self ? self->rowItem(grid->currentRow()) : nullptr) {
        QAccessibleEvent focus(row, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
