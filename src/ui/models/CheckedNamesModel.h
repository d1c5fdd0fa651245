#pragma once

#include <QIdentityProxyModel>
#include <QSet>
#include <QStringList>

// A list of names with a check box each, over a list model that shows the names (the
// departments or positions an employee may work). The marks belong to the names: a name that
// leaves the source list loses its mark, the other names keep theirs whatever else changes.
class CheckedNamesModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit CheckedNamesModel(QAbstractItemModel *names, QObject *parent = nullptr);

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Marks exactly the listed names that the list holds (letter case counts).
    void setChecked(const QStringList &names);
    // The marked names in list order.
    QStringList checked() const;

private:
    QString nameAt(int row) const;
    // Drops the marks of names the source no longer lists.
    void forgetGoneNames();

    QSet<QString> m_checked;
};
