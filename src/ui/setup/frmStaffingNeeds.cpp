#include "frmStaffingNeeds.h"

#include "data/FileError.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "ui/common/WindowHelpers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { Weekday, Position, From, To, Needed, Most, ColumnCount };

// The table shows weekdays in the user's language ("Mo" in German); the file keeps "Mon".."Sun".
// Both are taken when typed.
QString shownWeekday(int weekday) { return QLocale().standaloneDayName(weekday + 1, QLocale::ShortFormat); }

QString fileWeekday(const QString &typed)
{
    const QString text = typed.trimmed();
    for (int d = 0; d < 7; ++d)
        for (const QString &name : {shownWeekday(d), QLocale().dayName(d + 1, QLocale::ShortFormat), QLocale().dayName(d + 1)})
            if (text.compare(name, Qt::CaseInsensitive) == 0)
                return StaffingNeeds::weekdayName(d);
    return typed;
}

QString shownFromFile(const QString &stored)
{
    const int d = StaffingNeeds::weekdayFromName(stored);
    return d < 0 ? stored : shownWeekday(d);
}
}

frmStaffingNeeds::frmStaffingNeeds(clsEmployeeInfo &info, Prompt &prompt, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmStaffingNeeds"));
    setWindowTitle(tr("Staffing Needs"));
    comDepartment = new QComboBox;
    comDepartment->setObjectName(QStringLiteral("comDepartment"));
    comDepartment->addItems(m_info.DepartmentNames());
    auto *labDepartment = new QLabel(tr("&Department:"));
    labDepartment->setBuddy(comDepartment);

    tblNeeds = new QTableWidget(0, ColumnCount);
    tblNeeds->setObjectName(QStringLiteral("tblNeeds"));
    tblNeeds->setHorizontalHeaderLabels({tr("Weekday"), tr("Position"), tr("From"), tr("To"), tr("Needed"), tr("Most")});
    tblNeeds->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblNeeds->horizontalHeader()->setSectionResizeMode(Position, QHeaderView::Stretch);
    tblNeeds->horizontalHeader()->setMinimumSectionSize(64);
    tblNeeds->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblNeeds->setToolTip(tr("Weekday %1..%2; From and To as HH:MM (a To not after From runs past midnight); "
                            "Needed and Most 0 to 99, Most empty for no bound. Overlapping rows add up.")
                             .arg(shownWeekday(0), shownWeekday(6)));
    labProblem = new QLabel;
    labProblem->setObjectName(QStringLiteral("labProblem"));
    labProblem->setWordWrap(true);
    labProblem->setStyleSheet(QStringLiteral("color: #b71c1c"));

    cmdAdd = new QPushButton(tr("&Add"));
    cmdDelete = new QPushButton(tr("De&lete"));
    cmdCopyDay = new QPushButton(tr("&Copy Day To..."));
    cmdUndo = new QPushButton(tr("&Undo"));
    cmdSave = new QPushButton(tr("&Save"));
    cmdClose = new QPushButton(tr("Cl&ose"));
    for (auto [button, name] : {std::pair{cmdAdd, "cmdAdd"}, {cmdDelete, "cmdDelete"}, {cmdCopyDay, "cmdCopyDay"},
                                {cmdUndo, "cmdUndo"}, {cmdSave, "cmdSave"}, {cmdClose, "cmdClose"}})
        button->setObjectName(QString::fromLatin1(name));
    cmdUndo->setShortcut(QKeySequence::Undo);
    connect(cmdAdd, &QPushButton::clicked, this, &frmStaffingNeeds::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmStaffingNeeds::cmdDelete_Click);
    connect(cmdCopyDay, &QPushButton::clicked, this, &frmStaffingNeeds::cmdCopyDay_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &frmStaffingNeeds::cmdUndo_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmStaffingNeeds::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(tblNeeds, &QTableWidget::itemChanged, this, [this] {
        if (m_filling)
            return;
        m_modified = true;
        check();
    });
    // The table before an edit, kept when the edit starts.
    connect(tblNeeds, &QTableWidget::currentCellChanged, this, [this] {
        if (!m_filling && (m_undo.isEmpty() || m_undo.last() != texts()))
            remember();
    });
    connect(comDepartment, &QComboBox::currentTextChanged, this, [this](const QString &name) {
        if (name != m_shown && m_modified && m_prompt.askYesNo(tr("Save the staffing needs of %1?").arg(m_shown), windowTitle())
            && !cmdSave_Click()) {
            comDepartment->setCurrentText(m_shown);
            return;
        }
        m_shown = name;
        fill({});
        m_undo.clear();
        m_modified = false;
        const QList<NeedRow> rows = m_needs.rowsOf(name);
        QList<QStringList> texts;
        for (const NeedRow &r : rows)
            texts << QStringList{StaffingNeeds::weekdayName(r.weekday), r.position, StaffingNeeds::timeText(r.from),
                                 StaffingNeeds::timeText(r.to % 1440), QString::number(r.needed),
                                 r.most < 0 ? QString() : QString::number(r.most)};
        fill(texts);
        check();
    });

    auto *top = new QHBoxLayout;
    top->addWidget(labDepartment);
    top->addWidget(comDepartment, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {cmdAdd, cmdDelete, cmdCopyDay, cmdUndo})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tblNeeds, 1);
    layout->addWidget(labProblem);
    layout->addLayout(buttons);
    resize(680, 420);
    load();
}

void frmStaffingNeeds::load()
{
    RunShowingFileError(m_prompt, windowTitle(), [this] {
        m_needs = StaffingNeeds::read(m_info.DataPath());
        if (!m_needs.problems().isEmpty()) {
            QStringList lines;
            for (const CsvProblem &p : m_needs.problems())
                lines << p.text();
            m_prompt.message(tr("Some rows of %1 could not be read and are not shown; saving leaves them out:\n%2")
                                 .arg(StaffingNeeds::filePath(m_info.DataPath()), lines.join(u'\n')),
                             windowTitle(), Prompt::Icon::Warning);
        }
    });
    m_shown.clear();
    emit comDepartment->currentTextChanged(comDepartment->currentText());
}

QString frmStaffingNeeds::department() const { return comDepartment->currentText(); }

void frmStaffingNeeds::showDepartment(const QString &department) { comDepartment->setCurrentText(department); }

QList<QStringList> frmStaffingNeeds::texts() const
{
    QList<QStringList> all;
    for (int r = 0; r < tblNeeds->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < ColumnCount; ++c)
            row << (tblNeeds->item(r, c) ? tblNeeds->item(r, c)->text() : QString());
        row[Weekday] = fileWeekday(row[Weekday]);
        all << row;
    }
    return all;
}

void frmStaffingNeeds::fill(const QList<QStringList> &texts)
{
    m_filling = true;
    tblNeeds->setRowCount(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r)
        for (int c = 0; c < ColumnCount; ++c)
            tblNeeds->setItem(r, c, new QTableWidgetItem(c == Weekday ? shownFromFile(texts[r].value(c)) : texts[r].value(c)));
    m_filling = false;
}

void frmStaffingNeeds::remember()
{
    m_undo << texts();
    cmdUndo->setEnabled(true);
}

QList<NeedRow> frmStaffingNeeds::rows(QList<CsvProblem> *problems) const
{
    // The table is read by the file's own reader, so that the window and the file agree on
    // every rule; its lines are the table's rows after the header.
    QStringList header = StaffingNeeds::columns();
    QString csv = header.join(u',') + QStringLiteral("\r\n");
    for (const QStringList &row : texts()) {
        QStringList fields;
        for (const QString &f : QStringList{comDepartment->currentText()} + row)
            fields << u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"';
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    const StaffingNeeds read = StaffingNeeds::parse(csv.toUtf8());
    if (problems) {
        *problems = read.problems();
        for (CsvProblem &p : *problems)
            p.line -= 1;   // table rows from 1
    }
    return read.rows();
}

QString frmStaffingNeeds::problemText(const CsvProblem &problem) const
{
    // The column by its heading and a weekday in the user's language; the file's names are
    // only for the file.
    const int column = StaffingNeeds::columns().indexOf(problem.column) - 1;
    const QString heading = column >= 0 ? tblNeeds->horizontalHeaderItem(column)->text() : problem.column;
    const QString why = problem.reason == CsvProblem::Reason::BadWeekday
        ? tr("\"%1\" is not a weekday %2..%3").arg(problem.detail, shownWeekday(0), shownWeekday(6))
        : problem.reasonText();
    return tr("Row %1, %2: %3").arg(problem.line).arg(heading, why);
}

void frmStaffingNeeds::check()
{
    QList<CsvProblem> problems;
    rows(&problems);
    m_filling = true;
    for (int r = 0; r < tblNeeds->rowCount(); ++r)
        for (int c = 0; c < ColumnCount; ++c)
            if (QTableWidgetItem *item = tblNeeds->item(r, c))
                item->setBackground(QBrush());
    for (const CsvProblem &p : problems) {
        const int column = StaffingNeeds::columns().indexOf(p.column) - 1;   // the file's first column is the department
        for (int c = 0; c < ColumnCount; ++c)
            if (QTableWidgetItem *item = tblNeeds->item(p.line - 1, c); item && (column < 0 || c == column))
                item->setBackground(QColor(0xFF, 0xCD, 0xD2));
    }
    m_filling = false;
    labProblem->setText(problems.isEmpty() ? QString() : problemText(problems.first()));
    cmdSave->setEnabled(problems.isEmpty());
    cmdUndo->setEnabled(!m_undo.isEmpty());
}

void frmStaffingNeeds::cmdAdd_Click()
{
    remember();
    const QStringList positions = m_info.PositionsInDept({comDepartment->currentText()});
    const int row = tblNeeds->rowCount();
    QList<QStringList> all = texts();
    const QString weekday = row > 0 ? all.last().value(Weekday) : StaffingNeeds::weekdayName(0);
    all << QStringList{weekday, positions.value(0), QStringLiteral("09:00"), QStringLiteral("17:00"), QStringLiteral("1"), QString()};
    fill(all);
    m_modified = true;
    check();
    tblNeeds->setCurrentCell(row, Position);
}

void frmStaffingNeeds::cmdDelete_Click()
{
    QList<int> selected;
    for (const QModelIndex &index : tblNeeds->selectionModel()->selectedRows())
        selected << index.row();
    if (selected.isEmpty() && tblNeeds->currentRow() >= 0)
        selected << tblNeeds->currentRow();
    if (selected.isEmpty())
        return;
    remember();
    QList<QStringList> all = texts();
    std::sort(selected.begin(), selected.end(), std::greater<int>());
    for (int r : selected)
        all.removeAt(r);
    fill(all);
    m_modified = true;
    check();
}

void frmStaffingNeeds::cmdCopyDay_Click()
{
    const int current = tblNeeds->currentRow();
    if (current < 0) {
        m_prompt.message(tr("Select a row of the weekday to copy."), windowTitle());
        return;
    }
    const int fromDay = StaffingNeeds::weekdayFromName(texts().value(current).value(Weekday).trimmed());
    if (fromDay < 0)
        return;
    QStringList choices{tr("Every other weekday"), tr("Monday to Friday")};
    QList<int> single;
    for (int d = 0; d < 7; ++d)
        if (d != fromDay) {
            choices << QLocale().dayName(d + 1);
            single << d;
        }
    const std::optional<int> choice = m_prompt.chooseItem(tr("Copy the rows of %1 to:").arg(QLocale().dayName(fromDay + 1)),
                                                          choices, 0, windowTitle());
    if (!choice)
        return;
    QList<int> targets;
    if (*choice == 0) {
        for (int d = 0; d < 7; ++d)
            if (d != fromDay)
                targets << d;
    } else if (*choice == 1) {
        for (int d = 0; d < 5; ++d)
            if (d != fromDay)
                targets << d;
    } else {
        targets << single.value(*choice - 2);
    }
    remember();
    // The target days' rows are replaced by copies of the source day's.
    QList<QStringList> all = texts(), copies;
    for (const QStringList &row : std::as_const(all))
        if (StaffingNeeds::weekdayFromName(row.value(Weekday)) == fromDay)
            copies << row;
    all.removeIf([&](const QStringList &row) { return targets.contains(StaffingNeeds::weekdayFromName(row.value(Weekday))); });
    for (int d : std::as_const(targets))
        for (QStringList row : std::as_const(copies)) {
            row[Weekday] = StaffingNeeds::weekdayName(d);
            all << row;
        }
    fill(all);
    m_modified = true;
    check();
}

void frmStaffingNeeds::cmdUndo_Click()
{
    if (m_undo.isEmpty())
        return;
    fill(m_undo.takeLast());
    m_modified = true;
    check();
}

void frmStaffingNeeds::closeEvent(QCloseEvent *event)
{
    if (m_modified && m_prompt.askYesNo(tr("Save the staffing needs of %1?").arg(m_shown), windowTitle())
        && !cmdSave_Click()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool frmStaffingNeeds::cmdSave_Click()
{
    QList<CsvProblem> problems;
    const QList<NeedRow> rows = this->rows(&problems);
    if (!problems.isEmpty()) {
        m_prompt.message(problemText(problems.first()), windowTitle(), Prompt::Icon::Warning);
        return false;
    }
    StaffingNeeds changed = m_needs;
    changed.setRowsOf(m_shown, rows);
    const bool saved = RunShowingFileError(m_prompt, windowTitle(), [&] { changed.write(m_info.DataPath()); });
    if (saved) {
        m_needs = changed;
        m_modified = false;
    }
    return saved;
}
