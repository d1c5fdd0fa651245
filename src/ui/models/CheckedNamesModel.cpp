#include "CheckedNamesModel.h"

CheckedNamesModel::CheckedNamesModel(QAbstractItemModel *names, QObject *parent) : QIdentityProxyModel(parent)
{
    setSourceModel(names);
    connect(names, &QAbstractItemModel::rowsRemoved, this, &CheckedNamesModel::forgetGoneNames);
    connect(names, &QAbstractItemModel::modelReset, this, &CheckedNamesModel::forgetGoneNames);
    connect(names, &QAbstractItemModel::dataChanged, this, &CheckedNamesModel::forgetGoneNames);
}

Qt::ItemFlags CheckedNamesModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QIdentityProxyModel::flags(index);
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

QVariant CheckedNamesModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::CheckStateRole && index.isValid())
        return m_checked.contains(nameAt(index.row())) ? Qt::Checked : Qt::Unchecked;
    return QIdentityProxyModel::data(index, role);
}

bool CheckedNamesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QIdentityProxyModel::setData(index, value, role);
    const QString name = nameAt(index.row());
    if (value.value<Qt::CheckState>() == Qt::Checked)
        m_checked.insert(name);
    else
        m_checked.remove(name);
    // A name listed twice shows the same mark in both rows.
    Q_EMIT dataChanged(this->index(0, 0), this->index(rowCount() - 1, 0), {Qt::CheckStateRole});
    return true;
}

void CheckedNamesModel::setChecked(const QStringList &names)
{
    m_checked.clear();
    for (int row = 0; row < rowCount(); ++row)
        if (names.contains(nameAt(row), Qt::CaseSensitive))
            m_checked.insert(nameAt(row));
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

QStringList CheckedNamesModel::checked() const
{
    QStringList names;
    for (int row = 0; row < rowCount(); ++row)
        if (m_checked.contains(nameAt(row)))
            names << nameAt(row);
    return names;
}

QString CheckedNamesModel::nameAt(int row) const
{
    return index(row, 0).data(Qt::DisplayRole).toString();
}

void CheckedNamesModel::forgetGoneNames()
{
    QSet<QString> listed;
    for (int row = 0; row < rowCount(); ++row)
        listed.insert(nameAt(row));
    m_checked.intersect(listed);
}
