#include "ctlUserInfo.h"
#include "ui/models/CheckedNamesModel.h"
#include "ui/models/MasterListModels.h"
#include "ui/widgets/DateBox.h"
#include "ui/widgets/TimeBox.h"
#include "data/TypedNumbers.h"
#include "grid/Availability.h"

#include "ui/common/WindowHelpers.h"
#include "data/EmployeeFieldTable.h"
#include "data/MultiFileCommit.h"
#include "data/OleDate.h"
#include "data/PayRates.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QScrollArea>
#include <QVBoxLayout>
#include <limits>

namespace {

// What a label shows, without its mnemonic marker.
QString labelText(const QLabel *label)
{
    QString text = label->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text;
}

} // namespace

ctlUserInfo::ctlUserInfo(clsEmployeeInfo &info, Prompt &prompt, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("ctlUserInfo"));

    // Identity, above the tabs. The lengths are the widths of the stored fields, so nothing
    // typed is cut off silently when it is saved; the box says so when it is full.
    txtFirstName = fieldBox(EmployeeField::FirstName, "txtFirstName");
    txtMiddleName = fieldBox(EmployeeField::MiddleName, "txtMiddleName");
    txtLastName = fieldBox(EmployeeField::LastName, "txtLastName");
    txtScheduleName = fieldBox(EmployeeField::ScheduleName, "txtScheduleName");
    txtSSNumber = textBox("txtSSNumber", 11);
    txtSSNumber->setToolTip(tr("Nine digits, with or without dashes: 123-45-6789."));
    txtDescCode = fieldBox(EmployeeField::DescCode, "txtDescCode");

    auto *identity = new QGridLayout;
    identity->addWidget(BuddyLabel(tr("First &Name"), txtFirstName, this), 0, 0);
    identity->addWidget(BuddyLabel(tr("Middle Name"), txtMiddleName, this), 0, 1);
    identity->addWidget(BuddyLabel(tr("&Last Name"), txtLastName, this), 0, 2);
    identity->addWidget(txtFirstName, 1, 0);
    identity->addWidget(txtMiddleName, 1, 1);
    identity->addWidget(txtLastName, 1, 2);
    identity->addWidget(BuddyLabel(tr("Sched&ule Name"), txtScheduleName, this), 2, 0);
    labSSNumber = BuddyLabel(tr("SS Num&ber"), txtSSNumber, this);
    identity->addWidget(labSSNumber, 2, 1);
    identity->addWidget(BuddyLabel(tr("Employee ID"), txtDescCode, this), 2, 2);
    identity->addWidget(txtScheduleName, 3, 0);
    identity->addWidget(txtSSNumber, 3, 1);
    identity->addWidget(txtDescCode, 3, 2);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    // The page tabs take the focus themselves (tabBar() in the Tab order); the tab widget
    // around them must not be a second stop that leads back into the page.
    SSTab1->setFocusPolicy(Qt::NoFocus);
    SSTab1->tabBar()->setFocusPolicy(Qt::TabFocus);

    // "General"
    auto *general = new QWidget(SSTab1);
    general->setObjectName(QStringLiteral("tabGeneral"));
    dtpDOB = new DateBox(QStringLiteral("dtpDOB"), general);
    dtpHireDate = new DateBox(QStringLiteral("dtpHireDate"), general);
    Frame1 = new QGroupBox(tr("Gender"), general);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optMale = new QRadioButton(tr("&Male"), Frame1);
    optMale->setObjectName(QStringLiteral("optMale"));
    optFemale = new QRadioButton(tr("F&emale"), Frame1);
    optFemale->setObjectName(QStringLiteral("optFemale"));
    optMale->setChecked(true);
    auto *genderRow = new QHBoxLayout(Frame1);
    genderRow->addWidget(optMale);
    genderRow->addWidget(optFemale);
    genderRow->addStretch();

    txtAddressLine1 = fieldBox(EmployeeField::Address1, "txtAddressLine1");
    txtAddressLine2 = fieldBox(EmployeeField::Address2, "txtAddressLine2");
    txtCity = fieldBox(EmployeeField::City, "txtCity");
    txtState = fieldBox(EmployeeField::State, "txtState");
    txtZip = fieldBox(EmployeeField::PostalCode, "txtZip");
    txtPhoneNumber = fieldBox(EmployeeField::Phone, "txtPhoneNumber");
    txtEmergencyContact = fieldBox(EmployeeField::EmergencyContact, "txtEmergencyContact");
    txtEmergencyPhone = fieldBox(EmployeeField::EmergencyPhone, "txtEmergencyPhone");
    for (QLineEdit *phone : {txtPhoneNumber, txtEmergencyPhone})
        phone->setToolTip(tr("Up to 10 digits; blanks, dashes, dots and brackets may be typed between them."));
    txtSpouse = fieldBox(EmployeeField::Spouse, "txtSpouse");

    auto *left = new QFormLayout;
    labDOB = BuddyLabel(tr("D&OB"), dtpDOB, general);
    labHireDate = BuddyLabel(tr("Hire Date"), dtpHireDate, general);
    labPhoneNumber = BuddyLabel(tr("Home Phone"), txtPhoneNumber, general);
    labEmergencyPhone = BuddyLabel(tr("Phone"), txtEmergencyPhone, general);
    left->addRow(labDOB, dtpDOB);
    left->addRow(labHireDate, dtpHireDate);
    left->addRow(Frame1);
    left->addRow(labPhoneNumber, txtPhoneNumber);
    left->addRow(BuddyLabel(tr("Spouse"), txtSpouse, general), txtSpouse);
    left->addRow(BuddyLabel(tr("Emergenc&y"), txtEmergencyContact, general), txtEmergencyContact);
    left->addRow(labEmergencyPhone, txtEmergencyPhone);
    txtHourlyRate = textBox("txtHourlyRate", 12);
    txtHourlyRate->setToolTip(tr("The pay for an hour of work in every position without a rate of its own, like %1. "
                                 "Empty: no rate.").arg(MoneyText(1250)));
    labHourlyRate = BuddyLabel(tr("Hourly Rate"), txtHourlyRate, general);
    left->addRow(labHourlyRate, txtHourlyRate);
    auto *right = new QFormLayout;
    right->addRow(BuddyLabel(tr("Address"), txtAddressLine1, general), txtAddressLine1);
    right->addRow(QString(), txtAddressLine2);
    right->addRow(BuddyLabel(tr("City"), txtCity, general), txtCity);
    right->addRow(BuddyLabel(tr("State / Province"), txtState, general), txtState);
    right->addRow(BuddyLabel(tr("Postal Code"), txtZip, general), txtZip);
    auto *generalLayout = new QHBoxLayout(general);
    generalLayout->addLayout(left, 1);
    generalLayout->addSpacing(12);
    generalLayout->addLayout(right, 1);

    // "Contact" has no controls.
    auto *contact = new QWidget(SSTab1);
    contact->setObjectName(QStringLiteral("tabContact"));

    // "Availability"
    auto *availability = new QWidget(SSTab1);
    availability->setObjectName(QStringLiteral("tabAvailability"));
    auto *week = new QGridLayout(availability);
    week->addWidget(new QLabel(tr("From"), availability), 0, 2);
    week->addWidget(new QLabel(tr("To"), availability), 0, 3);
    const QStringList days = {tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"),
                              tr("Friday"), tr("Saturday")};
    for (int i = 0; i < 7; ++i) {
        chkNotAvailable[i] = new QCheckBox(tr("Not available"), availability);
        chkNotAvailable[i]->setObjectName(QStringLiteral("chkNotAvailable%1").arg(i));
        dtpStart[i] = new TimeBox(QStringLiteral("dtpStart%1").arg(i), availability);
        dtpEnd[i] = new TimeBox(QStringLiteral("dtpEnd%1").arg(i), availability);
        labDay[i] = new QLabel(days[i], availability);
        for (QWidget *w : {static_cast<QWidget *>(chkNotAvailable[i]), static_cast<QWidget *>(dtpStart[i]),
                           static_cast<QWidget *>(dtpEnd[i])})
            w->setAccessibleName(days[i] + u' ' + (w == chkNotAvailable[i] ? chkNotAvailable[i]->text()
                                                  : w == dtpStart[i]        ? tr("From")
                                                                            : tr("To")));
        week->addWidget(labDay[i], i + 1, 0);
        week->addWidget(chkNotAvailable[i], i + 1, 1);
        week->addWidget(dtpStart[i], i + 1, 2);
        week->addWidget(dtpEnd[i], i + 1, 3);
        connect(chkNotAvailable[i], &QCheckBox::toggled, this, [this, i](bool off) {
            dtpStart[i]->setEnabled(!off);
            dtpEnd[i]->setEnabled(!off);
        });
    }
    auto *allDay = new QLabel(tr("From %1 to %1 is the whole day.").arg(TimeBox::Text(QTime(0, 0))), availability);
    week->addWidget(allDay, 8, 0, 1, 4);
    week->setColumnStretch(4, 1);
    week->setRowStretch(9, 1);

    // "Assignments"
    auto *assignments = new QWidget(SSTab1);
    assignments->setObjectName(QStringLiteral("tabAssignments"));
    m_departmentChoices = new CheckedNamesModel(new DepartmentListModel(info, this), this);
    m_positionChoices = new CheckedNamesModel(new PositionListModel(info, this), this);
    lisDepartments = choiceList("lisDepartments", m_departmentChoices, assignments);
    lisAvalibleJobs = choiceList("lisAvalibleJobs", m_positionChoices, assignments);
    auto *lists = new QGridLayout(assignments);
    lists->addWidget(BuddyLabel(tr("Departments"), lisDepartments, assignments), 0, 0);
    lists->addWidget(BuddyLabel(tr("Positions"), lisAvalibleJobs, assignments), 0, 1);
    lists->addWidget(lisDepartments, 1, 0);
    lists->addWidget(lisAvalibleJobs, 1, 1);
    txtPositionRate = textBox("txtPositionRate", 12);
    txtPositionRate->setToolTip(tr("The hourly rate for the position chosen in the list; empty: the employee's hourly rate."));
    labPositionRate = BuddyLabel(tr("Hourly rate in this position"), txtPositionRate, assignments);
    auto *positionRate = new QHBoxLayout;
    positionRate->addWidget(labPositionRate);
    positionRate->addWidget(txtPositionRate);
    lists->addLayout(positionRate, 2, 1);
    connect(lisAvalibleJobs->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { showPositionRate(); });
    connect(txtPositionRate, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString position = lisAvalibleJobs->currentIndex().data(Qt::DisplayRole).toString();
        if (!position.isEmpty())
            m_positionRates[position] = text;
    });
    showPositionRate();

    // Long pages scroll rather than push the window off a small screen.
    const auto scrolled = [this](QWidget *page) {
        auto *area = new QScrollArea(SSTab1);
        area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
        area->setWidget(page);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus);
        return area;
    };
    SSTab1->addTab(scrolled(general), tr("&General"));
    SSTab1->addTab(contact, tr("Contact"));
    SSTab1->addTab(scrolled(availability), tr("A&vailability"));
    SSTab1->addTab(assignments, tr("Ass&ignments"));
    // "Contact" has nothing to show.
    SSTab1->setTabEnabled(TabContact, false);
    SSTab1->setTabVisible(TabContact, false);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->addLayout(identity);
    main->addWidget(SSTab1, 1);

    // One order through the identity boxes, the page tabs and every control of the pages; the
    // window around the control links the last back to its own controls.
    TabOrder(tabChain());
    // Boxes stay wide enough to read what they hold, however narrow the window is made.
    for (QLineEdit *box : findChildren<QLineEdit *>())
        if (box->objectName().startsWith(QLatin1String("txt")))
            box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 8);

    SelectAllOnFocusIn(this);
    // The two assignment lists are filled when an employee is shown (SetEmployeeNumber).
}

QLineEdit *ctlUserInfo::textBox(const char *name, int width)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    LimitToField(box, width);
    return box;
}

QLineEdit *ctlUserInfo::fieldBox(EmployeeField field, const char *name)
{
    const EmployeeFieldEntry &entry = EmployeeFieldTable::entry(field);
    // Phones may be typed with blanks, brackets and dashes; the digits must fit the field.
    constexpr int kTypedPhoneLength = 20;
    QLineEdit *box = textBox(name, entry.kind == EmployeeFieldEntry::Kind::Phone ? kTypedPhoneLength : entry.width);
    m_fieldBoxes.append({&entry, box});
    return box;
}

QString ctlUserInfo::formTitle() const
{
    // The editor's own window, also inside the main window's work area.
    return parentWidget() ? parentWidget()->windowTitle() : windowTitle();
}

QList<QWidget *> ctlUserInfo::tabChain() const
{
    QList<QWidget *> chain{txtFirstName, txtMiddleName, txtLastName, txtScheduleName, txtSSNumber, txtDescCode,
                           SSTab1->tabBar(), dtpDOB, dtpHireDate, optMale, optFemale,
                           txtPhoneNumber, txtSpouse, txtEmergencyContact, txtEmergencyPhone, txtHourlyRate, txtAddressLine1,
                           txtAddressLine2, txtCity, txtState, txtZip};
    for (int i = 0; i < 7; ++i)
        chain << chkNotAvailable[i] << dtpStart[i] << dtpEnd[i];
    return chain << lisDepartments << lisAvalibleJobs << txtPositionRate;
}

QListView *ctlUserInfo::choiceList(const char *name, CheckedNamesModel *choices, QWidget *parent)
{
    auto *list = new QListView(parent);
    list->setObjectName(QLatin1String(name));
    list->setModel(choices);
    return list;
}

void ctlUserInfo::ReloadChoices()
{
    lisDepartments->setCurrentIndex({});
    lisAvalibleJobs->setCurrentIndex({});
}

QString ctlUserInfo::InputProblem()
{
    const auto show = [this](int tab, QWidget *box) {
        SSTab1->setCurrentIndex(tab);
        box->setFocus();
    };
    if (IdentityNumber::read(txtSSNumber->text()).fault != IdentityNumber::Fault::None
        && txtSSNumber->text() != m_ssShown) {
        show(TabGeneral, txtSSNumber);
        return tr("The %1 \"%2\" must have nine digits, with or without dashes (123-45-6789).")
            .arg(labelText(labSSNumber), txtSSNumber->text());
    }
    for (auto [box, label] : {std::pair{dtpDOB, labDOB}, {dtpHireDate, labHireDate}}) {
        if (box->hasAcceptableInput())
            continue;
        show(TabGeneral, box);
        return tr("The %1 \"%2\" is not a date. Please type it as %3.")
            .arg(labelText(label), box->lineEdit()->text(), box->Text(QDate(1990, 3, 15)));
    }
    if (!txtHourlyRate->text().trimmed().isEmpty() && !MoneyFromTyped(txtHourlyRate->text())) {
        show(TabGeneral, txtHourlyRate);
        return tr("The %1 \"%2\" is not an amount. Please type it like %3, or leave it empty.")
            .arg(labelText(labHourlyRate), txtHourlyRate->text(), MoneyText(1250));
    }
    for (auto it = m_positionRates.cbegin(); it != m_positionRates.cend(); ++it) {
        if (it->trimmed().isEmpty() || MoneyFromTyped(*it))
            continue;
        SSTab1->setCurrentIndex(TabAssignments);
        return tr("The hourly rate as %1 \"%2\" is not an amount. Please type it like %3, or leave it empty.")
            .arg(it.key(), *it, MoneyText(1250));
    }
    for (auto [box, label] : {std::pair{txtPhoneNumber, labPhoneNumber}, {txtEmergencyPhone, labEmergencyPhone}}) {
        const PhoneRule::Reading phone = PhoneRule::read(box->text());
        if (phone.fault == PhoneRule::Fault::None)
            continue;
        show(TabGeneral, box);
        if (phone.fault == PhoneRule::Fault::TooManyDigits)
            return tr("The %1 \"%2\" has %3 digits; at most %4 can be stored. Please shorten it.")
                .arg(labelText(label), box->text())
                .arg(phone.digits.size())
                .arg(PhoneRule::kDigits);
        return tr("The %1 \"%2\" cannot hold \"%3\": only up to %4 digits, with blanks, dashes, dots or brackets "
                  "between them. Please correct it.")
            .arg(labelText(label), box->text(), phone.refused)
            .arg(PhoneRule::kDigits);
    }
    for (int i = 0; i < 7; ++i) {
        if (chkNotAvailable[i]->isChecked())
            continue;
        for (TimeBox *box : {dtpStart[i], dtpEnd[i]})
            if (!box->hasAcceptableInput()) {
                show(TabAvailability, box);
                return tr("On %1, \"%2\" is not a time of day.").arg(labDay[i]->text(), box->lineEdit()->text());
            }
        const double start = OleDate::timeValue(dtpStart[i]->time().hour(), dtpStart[i]->time().minute(), 0);
        const double end = OleDate::timeValue(dtpEnd[i]->time().hour(), dtpEnd[i]->time().minute(), 0);
        if (end != 0 && end <= start) {
            show(TabAvailability, dtpEnd[i]);
            return tr("On %1 the available hours must end after they begin (%2 to %3).")
                .arg(labDay[i]->text(), TimeBox::Text(dtpStart[i]->time()), TimeBox::Text(dtpEnd[i]->time()));
        }
    }
    return {};
}

void ctlUserInfo::SetDepartments(const QStringList &names)
{
    m_departmentChoices->setChecked(names);
    lisDepartments->setCurrentIndex({});
}

void ctlUserInfo::SetPositions(const QStringList &names)
{
    m_positionChoices->setChecked(names);
    lisAvalibleJobs->setCurrentIndex({});
}

QStringList ctlUserInfo::checkedDepartments() const { return m_departmentChoices->checked(); }
QStringList ctlUserInfo::checkedPositions() const { return m_positionChoices->checked(); }

bool ctlUserInfo::SaveCurrent()
{
    if (m_employee == 0)
        return true;
    // An employee removed meanwhile must not get assignments or memberships back.
    if (!m_info.EmployeeExists(m_employee)) {
        m_employee = 0;
        return true;
    }
    if (const QString problem = InputProblem(); !problem.isEmpty()) {
        m_prompt.message(problem, formTitle(), Prompt::Icon::Warning);
        return false;
    }
    // Only departments and positions that still exist are written: one deleted in another
    // window while this one was open must not come back.
    QStringList knownDepartments;
    for (const DepartmentInfo &d : m_info.Departments())
        knownDepartments << d.name;
    const QStringList knownPositions = m_info.JobNamesGetAll();
    QStringList departments = checkedDepartments();
    departments.removeIf([&](const QString &d) { return !knownDepartments.contains(d); });
    QStringList positions = checkedPositions();
    positions.removeIf([&](const QString &p) { return !knownPositions.contains(p); });
    std::array<double, 7> starts{}, ends{}, storedStarts{}, storedEnds{};
    AvalTimesWeekGet(starts, ends);
    m_info.EmployeeGetAvalTimes(m_employee, storedStarts, storedEnds);
    // Unchanged hours keep their stored bytes.
    const bool hoursChanged = starts != storedStarts || ends != storedEnds;
    QMap<QString, qint64> rates;
    if (const auto own = MoneyFromTyped(txtHourlyRate->text()))
        rates.insert(QString(), *own);
    for (auto it = m_positionRates.cbegin(); it != m_positionRates.cend(); ++it)
        if (const auto rate = MoneyFromTyped(*it); rate && knownPositions.contains(it.key()))
            rates.insert(it.key(), *rate);
    return RunShowingFileError(m_prompt, formTitle(), [&] {
        // The employee's record files and the rates reach the disk together or not at all.
        MultiFileCommit together(m_info.DataPath());
        m_info.beginBatch();   // the employee file is written once
        try {
            m_info.AddEmployee(fields());
            if (hoursChanged)
                m_info.EmployeeSetAvalTimes(m_employee, starts, ends);
            m_info.JobEmpAvalReplace(m_employee, positions);
            m_info.DeptEmployeeSetAll(m_employee, departments);
        } catch (...) {
            m_info.cancelBatch();
            throw;
        }
        m_info.endBatch();
        if (m_ratesLoaded) {
            PayRates all = PayRates::read(m_info.DataPath());
            if (all.ratesOf(m_employee) != rates) {
                all.setRatesOf(m_employee, rates);
                all.write(m_info.DataPath());
            }
        }
        together.commit();
    });
}

bool ctlUserInfo::ShowNobody()
{
    if (!SaveCurrent())
        return false;
    m_employee = 0;
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    m_ssShown.clear();
    m_ssStored = 0;
    m_positionRates.clear();
    SetDepartments({});
    SetPositions({});
    setEnabled(false);
    return true;
}

bool ctlUserInfo::SetEmployeeNumber(qint32 number)
{
    if (!SaveCurrent())
        return false;
    setEnabled(true);
    m_employee = number;
    ReloadChoices();
    m_info.PopulateInfoControl(*this, number);
    loadRates();
    return true;
}

void ctlUserInfo::loadRates()
{
    m_positionRates.clear();
    txtHourlyRate->clear();
    m_ratesLoaded = RunShowingFileError(m_prompt, formTitle(), [this] {
        const PayRates rates = PayRates::read(m_info.DataPath());
        const QMap<QString, qint64> own = rates.ratesOf(m_employee);
        for (auto it = own.cbegin(); it != own.cend(); ++it) {
            if (it.key().isEmpty())
                txtHourlyRate->setText(MoneyText(*it));
            else
                m_positionRates.insert(it.key(), MoneyText(*it));
        }
    });
    showPositionRate();
}

void ctlUserInfo::showPositionRate()
{
    const QString position = lisAvalibleJobs->currentIndex().data(Qt::DisplayRole).toString();
    txtPositionRate->setEnabled(!position.isEmpty());
    txtPositionRate->setText(m_positionRates.value(position));
    // Empty, the position takes the employee's rate: shown greyed as a hint.
    txtPositionRate->setPlaceholderText(txtHourlyRate->text());
    labPositionRate->setText(position.isEmpty() ? tr("Hourly rate in the chosen position")
                                                : tr("Hourly rate as %1").arg(position));
}

void ctlUserInfo::AvalTimesWeekGet(std::array<double, 7> &starts, std::array<double, 7> &ends) const
{
    for (int d = 0; d < 7; ++d) {
        if (chkNotAvailable[d]->isChecked()) {
            starts[d] = ends[d] = Availability::kNotAvailable;
            continue;
        }
        const QTime from = dtpStart[d]->time(), to = dtpEnd[d]->time();
        starts[d] = OleDate::timeValue(from.hour(), from.minute(), 0);
        ends[d] = OleDate::timeValue(to.hour(), to.minute(), 0);
        if (ends[d] == 0)
            ends[d] = 1.0;
    }
}

void ctlUserInfo::AvalTimesWeekSet(const std::array<double, 7> &starts, const std::array<double, 7> &ends)
{
    for (int d = 1; d <= 7; ++d) {
        StartTimeSet(d, starts[d - 1]);
        EndTimeSet(d, ends[d - 1]);
    }
}

void ctlUserInfo::StartTimeSet(int day, double time)
{
    if (day >= 1 && day <= 7)
        dtpStart[day - 1]->setTime(OleDate::toTime(time));
}

void ctlUserInfo::EndTimeSet(int day, double time)
{
    if (day < 1 || day > 7)
        return;
    dtpEnd[day - 1]->setTime(OleDate::toTime(time));
    // Hours of no length (other than the all-day 0 to 0) mean the day is not available.
    const QTime from = dtpStart[day - 1]->time(), to = dtpEnd[day - 1]->time();
    const bool off = from == to && from != QTime(0, 0);
    chkNotAvailable[day - 1]->setChecked(off);
    if (off) {   // unticked, the day starts out as a whole day
        dtpStart[day - 1]->setTime(QTime(0, 0));
        dtpEnd[day - 1]->setTime(QTime(0, 0));
    }
}

QString ctlUserInfo::PhoneText(const QString &typed)
{
    // The field holds the digits only; an empty box is stored as "0" as it always was.
    const QString digits = PhoneRule::read(typed).digits;
    return digits.isEmpty() ? QStringLiteral("0") : digits.left(PhoneRule::kDigits);
}

EmployeeFields ctlUserInfo::fields() const
{
    EmployeeFields e;
    e.number = m_employee;
    for (const auto &[entry, box] : m_fieldBoxes)
        e.*entry->text = entry->kind == EmployeeFieldEntry::Kind::Phone ? PhoneText(box->text()) : box->text().trimmed();
    e.dob = qint32(OleDate::fromDate(dtpDOB->date()));
    e.hireDate = qint32(OleDate::fromDate(dtpHireDate->date()));
    // A stored number the rule would not take (from older files) stays while left as shown.
    e.ssNumber = txtSSNumber->text() == m_ssShown ? m_ssStored : IdentityNumber::read(txtSSNumber->text()).number;
    e.male = optMale->isChecked();
    return e;
}

void ctlUserInfo::setFields(const EmployeeFields &e)
{
    for (const auto &[entry, box] : m_fieldBoxes) {
        const QString &text = e.*entry->text;
        box->setText((entry->kind == EmployeeFieldEntry::Kind::Phone ? ScheduleHelper::FormatPhone(text) : text).trimmed());
    }
    dtpDOB->setDate(OleDate::toDate(e.dob));
    dtpHireDate->setDate(OleDate::toDate(e.hireDate));
    m_ssStored = e.ssNumber;
    m_ssShown = IdentityNumber::text(e.ssNumber);
    txtSSNumber->setText(m_ssShown);
    (e.male ? optMale : optFemale)->setChecked(true);
    AvalTimesWeekSet(e.availabilityStart, e.availabilityEnd);
}
