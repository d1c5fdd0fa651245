#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <functional>

class clsEmployeeInfo;

// One list of master data (employees, departments or positions) as clsEmployeeInfo holds it.
// After every change announced by clsEmployeeInfo the rows are compared with the stored list:
// only the rows that differ are changed, removed or inserted, so a view keeps its selection
// and scroll position when one name is added, renamed or deleted.
class MasterListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // The employee number of a row of the employee list (nothing for the other lists).
    static constexpr int NumberRole = Qt::UserRole;

    struct Row {
        QString text;
        qint32 number = 0;   // employees only
        bool operator==(const Row &) const = default;
    };

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The row that shows `text` (the first when several do); -1 when none does.
    int rowOfText(const QString &text) const;
    QString textAt(int row) const;
    // Reads the list from clsEmployeeInfo again and updates the rows that differ.
    void follow();

protected:
    using Reader = std::function<QList<Row>(const clsEmployeeInfo &)>;

    MasterListModel(clsEmployeeInfo &info, Reader read, bool numbered, QObject *parent);

    const QList<Row> &rows() const { return m_rows; }

private:
    clsEmployeeInfo &m_info;
    Reader m_read;
    bool m_numbered;
    QList<Row> m_rows;
};

// The departments, each name once and in record order (clsEmployeeInfo::DepartmentNames).
class DepartmentListModel : public MasterListModel
{
    Q_OBJECT

public:
    explicit DepartmentListModel(clsEmployeeInfo &info, QObject *parent = nullptr);
};

// The positions in record order (clsEmployeeInfo::JobNamesGetAll).
class PositionListModel : public MasterListModel
{
    Q_OBJECT

public:
    explicit PositionListModel(clsEmployeeInfo &info, QObject *parent = nullptr);
};

// The employees in record order: the full name shown, the number under NumberRole
// (clsEmployeeInfo::GetEmpNames).
class EmployeeListModel : public MasterListModel
{
    Q_OBJECT

public:
    explicit EmployeeListModel(clsEmployeeInfo &info, QObject *parent = nullptr);

    // The row of the employee; -1 when the list does not hold the number.
    int rowOfNumber(qint32 number) const;
    qint32 numberAt(int row) const;
};
