#include "MasterListModels.h"

#include "data/clsEmployeeInfo.h"

MasterListModel::MasterListModel(clsEmployeeInfo &info, Reader read, bool numbered, QObject *parent)
    : QAbstractListModel(parent), m_info(info), m_read(std::move(read)), m_numbered(numbered), m_rows(m_read(info))
{
    // Everything read again from the files may have changed any list.
    connect(&m_info, &clsEmployeeInfo::reloaded, this, &MasterListModel::follow);
}

int MasterListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant MasterListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows[index.row()];
    if (role == Qt::DisplayRole)
        return row.text;
    if (role == NumberRole && m_numbered)
        return row.number;
    return {};
}

int MasterListModel::rowOfText(const QString &text) const
{
    for (qsizetype row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].text == text)
            return int(row);
    return -1;
}

QString MasterListModel::textAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].text : QString();
}

void MasterListModel::follow()
{
    const QList<Row> now = m_read(m_info);
    if (now == m_rows)
        return;
    // The rows before the first difference and after the last one stay; of the part between,
    // as many rows as both lists have there change in place, and the rest is removed or added.
    const qsizetype oldCount = m_rows.size(), newCount = now.size();
    qsizetype front = 0;
    while (front < oldCount && front < newCount && m_rows[front] == now[front])
        ++front;
    qsizetype back = 0;
    while (back < oldCount - front && back < newCount - front
           && m_rows[oldCount - 1 - back] == now[newCount - 1 - back])
        ++back;
    const qsizetype oldEnd = oldCount - back, newEnd = newCount - back;
    const qsizetype changed = qMin(oldEnd, newEnd) - front;
    if (changed > 0) {
        for (qsizetype row = front; row < front + changed; ++row)
            m_rows[row] = now[row];
        Q_EMIT dataChanged(index(int(front)), index(int(front + changed - 1)));
    }
    const qsizetype at = front + changed;
    if (oldEnd > at) {
        beginRemoveRows({}, int(at), int(oldEnd - 1));
        m_rows.remove(at, oldEnd - at);
        endRemoveRows();
    } else if (newEnd > at) {
        beginInsertRows({}, int(at), int(newEnd - 1));
        m_rows.insert(at, newEnd - at, Row{});
        for (qsizetype row = at; row < newEnd; ++row)
            m_rows[row] = now[row];
        endInsertRows();
    }
    Q_ASSERT(m_rows == now);
}

namespace {
QList<MasterListModel::Row> namesOnly(const QStringList &names)
{
    QList<MasterListModel::Row> rows;
    rows.reserve(names.size());
    for (const QString &name : names)
        rows.append({name, 0});
    return rows;
}
}   // namespace

DepartmentListModel::DepartmentListModel(clsEmployeeInfo &info, QObject *parent)
    : MasterListModel(info, [](const clsEmployeeInfo &i) { return namesOnly(i.DepartmentNames()); }, false, parent)
{
    connect(&info, &clsEmployeeInfo::departmentsChanged, this, &MasterListModel::follow);
}

PositionListModel::PositionListModel(clsEmployeeInfo &info, QObject *parent)
    : MasterListModel(info, [](const clsEmployeeInfo &i) { return namesOnly(i.JobNamesGetAll()); }, false, parent)
{
    connect(&info, &clsEmployeeInfo::positionsChanged, this, &MasterListModel::follow);
}

EmployeeListModel::EmployeeListModel(clsEmployeeInfo &info, QObject *parent)
    : MasterListModel(
          info,
          [](const clsEmployeeInfo &i) {
              QStringList names;
              QList<qint32> numbers;
              i.GetEmpNames(names, numbers);
              QList<Row> rows;
              rows.reserve(names.size());
              for (qsizetype k = 0; k < names.size() && k < numbers.size(); ++k)
                  rows.append({names[k], numbers[k]});
              return rows;
          },
          true, parent)
{
    connect(&info, &clsEmployeeInfo::employeesChanged, this, &MasterListModel::follow);
}

int EmployeeListModel::rowOfNumber(qint32 number) const
{
    for (qsizetype row = 0; row < rows().size(); ++row)
        if (rows()[row].number == number)
            return int(row);
    return -1;
}

qint32 EmployeeListModel::numberAt(int row) const
{
    return row >= 0 && row < rows().size() ? rows()[row].number : 0;
}
