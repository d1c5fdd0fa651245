#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

class TimeGrid;

// What a screen reader finds in a TimeGrid: the grid is a tree whose items are its rows (the
// employee and the hours column), and each row's items are its bars (who, which day, from when
// to when, on which position, and any warning the bar carries). Items ask the grid's model
// whenever they are read, so they never show an old state; a bar is followed by its stable id,
// so it stays the same item when it is dragged to another row.
class TimeGridAccessible : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(TimeGridAccessible)

public:
    explicit TimeGridAccessible(TimeGrid *grid);
    ~TimeGridAccessible() override;

    // Makes every TimeGrid answer with this interface; the grid calls it when it is made.
    static void install();

    QAccessible::Role role() const override { return QAccessible::Tree; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    // The selected bar while the grid has the keyboard, else the cursor's row.
    QAccessibleInterface *focusChild() const override;

    TimeGrid *grid() const;
    // The item of a row and of a bar (by stable id), made on first use and kept while the grid
    // lives; nullptr for a row or bar the model does not hold.
    QAccessibleInterface *rowItem(int row) const;
    QAccessibleInterface *barItem(int id) const;

    // Tells assistive tools that the bar with this id is now the selected one (0: none).
    static void notifySelection(TimeGrid *grid, int id);
    // Tells assistive tools that the keyboard is now on the cursor's row (while no bar is selected).
    static void notifyCursor(TimeGrid *grid);

private:
    mutable QHash<int, QAccessible::Id> m_rows;
    mutable QHash<int, QAccessible::Id> m_bars;
};
