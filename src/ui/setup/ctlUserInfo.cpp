#include "ctlUserInfo.h"
#include "ui/models/CheckedNamesModel.h"
#include "ui/models/MasterListModels.h"

#include "ui/common/WindowHelpers.h"
#include "data/LeadingNumber.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <limits>

namespace {

// A date box that Tab leaves (rather than stepping through day, month and year; "/" and the
// arrow keys do that), and whose calendar opens with F4 or Alt+Down.
class DatePicker : public QDateEdit
{
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (calendarPopup()
            && (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier))) {
            // The calendar opens as a press on the drop-down arrow does.
            const QPointF arrow(width() - 6, height() / 2.0);
            QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            mousePressEvent(&press);
            return;
        }
        QDateEdit::keyPressEvent(event);
    }
};

double pickerTime(const QTimeEdit *picker)
{
    const QTime t = picker->time();
    return OleDate::timeValue(t.hour(), t.minute(), t.second());
}

} // namespace

ctlUserInfo::ctlUserInfo(clsEmployeeInfo &info, Prompt &prompt, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("ctlUserInfo"));

    // Identity, above the tabs. The lengths are the widths of the stored fields, so nothing
    // typed is cut off silently when it is saved; the box says so when it is full.
    txtFirstName = textBox("txtFirstName", 50);
    txtMiddleName = textBox("txtMiddleName", 50);
    txtLastName = textBox("txtLastName", 50);
    txtScheduleName = textBox("txtScheduleName", 50);
    txtSSNumber = textBox("txtSSNumber", 20);
    txtDescCode = textBox("txtDescCode", 50);

    auto *identity = new QGridLayout;
    identity->addWidget(BuddyLabel(tr("First &Name"), txtFirstName, this), 0, 0);
    identity->addWidget(BuddyLabel(tr("&Middle Name"), txtMiddleName, this), 0, 1);
    identity->addWidget(BuddyLabel(tr("&Last Name"), txtLastName, this), 0, 2);
    identity->addWidget(txtFirstName, 1, 0);
    identity->addWidget(txtMiddleName, 1, 1);
    identity->addWidget(txtLastName, 1, 2);
    identity->addWidget(BuddyLabel(tr("Sched&ule Name"), txtScheduleName, this), 2, 0);
    identity->addWidget(BuddyLabel(tr("SS Num&ber"), txtSSNumber, this), 2, 1);
    identity->addWidget(BuddyLabel(tr("Employee &ID"), txtDescCode, this), 2, 2);
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
    dtpDOB = new DatePicker(general);
    dtpDOB->setObjectName(QStringLiteral("dtpDOB"));
    dtpHireDate = new DatePicker(general);
    dtpHireDate->setObjectName(QStringLiteral("dtpHireDate"));
    for (QDateEdit *picker : {dtpDOB, dtpHireDate}) {
        picker->setLocale(WindowLocale());
        picker->setDisplayFormat(WindowDateFormat());
        picker->setCalendarPopup(true);
        picker->setMinimumDate(QDate(100, 1, 1));
    }
    Frame1 = new QGroupBox(tr("Gender"), general);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optMale = new QRadioButton(tr("Male"), Frame1);
    optMale->setObjectName(QStringLiteral("optMale"));
    optFemale = new QRadioButton(tr("Female"), Frame1);
    optFemale->setObjectName(QStringLiteral("optFemale"));
    optMale->setChecked(true);
    auto *genderRow = new QHBoxLayout(Frame1);
    genderRow->addWidget(optMale);
    genderRow->addWidget(optFemale);
    genderRow->addStretch();

    txtAddressLine1 = textBox("txtAddressLine1", 30);
    txtAddressLine2 = textBox("txtAddressLine2", 30);
    txtCity = textBox("txtCity", 30);
    txtState = textBox("txtState", 20);
    txtZip = textBox("txtZip", 10);
    // Phones may be typed with blanks, brackets and dashes; the digits must fit the field.
    txtPhoneNumber = textBox("txtPhoneNumber", 20);
    txtEmergencyContact = textBox("txtEmergencyContact", 20);
    txtEmergencyPhone = textBox("txtEmergencyPhone", 20);
    for (QLineEdit *phone : {txtPhoneNumber, txtEmergencyPhone})
        phone->setToolTip(tr("Up to 10 digits; blanks, brackets, dashes and + may be typed between them."));
    txtSpouse = textBox("txtSpouse", 20);

    auto *left = new QFormLayout;
    left->addRow(BuddyLabel(tr("D&OB"), dtpDOB, general), dtpDOB);
    left->addRow(BuddyLabel(tr("Hire Da&te"), dtpHireDate, general), dtpHireDate);
    left->addRow(Frame1);
    left->addRow(BuddyLabel(tr("Home Phon&e"), txtPhoneNumber, general), txtPhoneNumber);
    left->addRow(BuddyLabel(tr("Spouse"), txtSpouse, general), txtSpouse);
    left->addRow(BuddyLabel(tr("Emer&gency"), txtEmergencyContact, general), txtEmergencyContact);
    left->addRow(BuddyLabel(tr("Phone"), txtEmergencyPhone, general), txtEmergencyPhone);
    auto *right = new QFormLayout;
    right->addRow(BuddyLabel(tr("Address"), txtAddressLine1, general), txtAddressLine1);
    right->addRow(QString(), txtAddressLine2);
    right->addRow(BuddyLabel(tr("Cit&y"), txtCity, general), txtCity);
    right->addRow(BuddyLabel(tr("State / Pro&vince"), txtState, general), txtState);
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
    week->addWidget(new QLabel(tr("From"), availability), 0, 1);
    week->addWidget(new QLabel(tr("To"), availability), 0, 2);
    const QStringList days = {tr("Sun"), tr("Mon"), tr("Tue"), tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat")};
    for (int i = 0; i < 7; ++i) {
        dtpStart[i] = TimePicker(QStringLiteral("dtpStart%1").arg(i), availability);
        dtpEnd[i] = TimePicker(QStringLiteral("dtpEnd%1").arg(i), availability);
        week->addWidget(new QLabel(days[i], availability), i + 1, 0);
        week->addWidget(dtpStart[i], i + 1, 1);
        week->addWidget(dtpEnd[i], i + 1, 2);
    }
    week->setColumnStretch(3, 1);
    week->setRowStretch(8, 1);

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

    SSTab1->addTab(general, tr("General"));
    SSTab1->addTab(contact, tr("Contact"));
    SSTab1->addTab(availability, tr("Availability"));
    SSTab1->addTab(assignments, tr("Assignments"));
    // Only "General" and "Assignments" are in use; availability is edited elsewhere.
    SSTab1->setTabEnabled(TabAvailability, false);
    SSTab1->setTabEnabled(TabContact, false);
    SSTab1->setTabVisible(TabAvailability, false);
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

QString ctlUserInfo::formTitle() const
{
    // The editor's own window, also inside the main window's work area.
    return parentWidget() ? parentWidget()->windowTitle() : windowTitle();
}

QList<QWidget *> ctlUserInfo::tabChain() const
{
    return {txtFirstName, txtMiddleName, txtLastName, txtScheduleName, txtSSNumber, txtDescCode, SSTab1->tabBar(),
            dtpDOB, dtpHireDate, optMale, optFemale, txtPhoneNumber, txtSpouse, txtEmergencyContact,
            txtEmergencyPhone, txtAddressLine1, txtAddressLine2, txtCity, txtState, txtZip, lisDepartments,
            lisAvalibleJobs};
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
    // The phone fields hold 10 characters: the digits of the number, nothing else.
    const std::pair<QLineEdit *, QString> phones[] = {{txtPhoneNumber, tr("home phone")},
                                                      {txtEmergencyPhone, tr("emergency phone")}};
    static const QRegularExpression separators(QStringLiteral("[+() \\-]"));
    for (const auto &[box, what] : phones) {
        QString digits = box->text();
        digits.remove(separators);
        if (digits.isEmpty())
            continue;
        const bool onlyDigits = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (onlyDigits && digits.size() <= 10)
            continue;
        SSTab1->setCurrentIndex(TabGeneral);
        box->setFocus();
        return onlyDigits ? tr("The %1 \"%2\" has %3 digits; at most 10 can be stored. Please shorten it.")
                                .arg(what, box->text()).arg(digits.size())
                          : tr("The %1 \"%2\" can hold only digits, with blanks, brackets, dashes or + between "
                               "them. Please correct it.")
                                .arg(what, box->text());
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
    return RunShowingFileError(m_prompt, formTitle(), [&] {
        m_info.AddEmployee(FirstName(), MiddleName(), LastName(), dob(), HireDate(), ScheduleName(), SSNumber(),
                           DescCode(), m_employee, PhoneNumber(), Address1(), Address2(), City(), State(),
                           PostalCode(), EmergencyContact(), EmergencyPhone(), Spouse(), GenderIsMale());
        m_info.JobEmpAvalReplace(m_employee, positions);
        m_info.DeptEmployeeSetAll(m_employee, departments);
    });
}

bool ctlUserInfo::SetEmployeeNumber(qint32 number)
{
    if (!SaveCurrent())
        return false;
    m_employee = number;
    ReloadChoices();
    m_info.PopulateInfoControl(*this, number);
    return true;
}

void ctlUserInfo::AvalTimesWeekGet(std::array<double, 7> &starts, std::array<double, 7> &ends) const
{
    for (int d = 0; d < 7; ++d) {
        starts[d] = pickerTime(dtpStart[d]);
        ends[d] = pickerTime(dtpEnd[d]);
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
    if (day >= 1 && day <= 7)
        dtpEnd[day - 1]->setTime(OleDate::toTime(time));
}

QString ctlUserInfo::PhoneDigits(const QString &text)
{
    QString rest = text;
    for (QChar c : {u'+', u'(', u')', u'-', u' '})
        rest.remove(c);
    // Digits are kept as typed, a leading zero too; anything else (which a save refuses
    // first) is read by the older rule. Only tabs remain to be skipped: the blanks are gone.
    if (!rest.isEmpty() && std::all_of(rest.cbegin(), rest.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return rest;
    return GeneralNumberText(LeadingNumberSkippingBlanks(rest));
}

qint32 ctlUserInfo::NumberFromText(const QString &text)
{
    const double value = RoundHalfEven(LeadingNumberSkippingBlanks(text));
    if (value < double(std::numeric_limits<qint32>::min()) || value > double(std::numeric_limits<qint32>::max()))
        return 0;
    return qint32(value);
}

QString ctlUserInfo::PhoneNumber() const { return PhoneDigits(txtPhoneNumber->text()); }
QString ctlUserInfo::FirstName() const { return txtFirstName->text().trimmed(); }
QString ctlUserInfo::MiddleName() const { return txtMiddleName->text().trimmed(); }
QString ctlUserInfo::LastName() const { return txtLastName->text().trimmed(); }
QString ctlUserInfo::ScheduleName() const { return txtScheduleName->text().trimmed(); }
qint32 ctlUserInfo::dob() const { return qint32(OleDate::fromDate(dtpDOB->date())); }
qint32 ctlUserInfo::HireDate() const { return qint32(OleDate::fromDate(dtpHireDate->date())); }
qint32 ctlUserInfo::SSNumber() const { return NumberFromText(txtSSNumber->text()); }
QString ctlUserInfo::State() const { return txtState->text().trimmed(); }
QString ctlUserInfo::PostalCode() const { return txtZip->text().trimmed(); }
QString ctlUserInfo::Spouse() const { return txtSpouse->text().trimmed(); }
QString ctlUserInfo::City() const { return txtCity->text().trimmed(); }
QString ctlUserInfo::EmergencyPhone() const { return PhoneDigits(txtEmergencyPhone->text()); }
QString ctlUserInfo::EmergencyContact() const { return txtEmergencyContact->text().trimmed(); }
bool ctlUserInfo::GenderIsMale() const { return optMale->isChecked(); }
QString ctlUserInfo::Address2() const { return txtAddressLine2->text().trimmed(); }
QString ctlUserInfo::Address1() const { return txtAddressLine1->text().trimmed(); }
QString ctlUserInfo::DescCode() const { return txtDescCode->text().trimmed(); }

void ctlUserInfo::setPhoneNumber(const QString &text) { txtPhoneNumber->setText(text); }
void ctlUserInfo::setFirstName(const QString &text) { txtFirstName->setText(text.trimmed()); }
void ctlUserInfo::setMiddleName(const QString &text) { txtMiddleName->setText(text.trimmed()); }
void ctlUserInfo::setLastName(const QString &text) { txtLastName->setText(text.trimmed()); }
void ctlUserInfo::setScheduleName(const QString &text) { txtScheduleName->setText(text.trimmed()); }
void ctlUserInfo::setDob(qint32 day) { dtpDOB->setDate(OleDate::toDate(day)); }
void ctlUserInfo::setHireDate(qint32 day) { dtpHireDate->setDate(OleDate::toDate(day)); }
void ctlUserInfo::setState(const QString &text) { txtState->setText(text.trimmed()); }
void ctlUserInfo::setPostalCode(const QString &text) { txtZip->setText(text.trimmed()); }
void ctlUserInfo::setSpouse(const QString &text) { txtSpouse->setText(text.trimmed()); }
void ctlUserInfo::setCity(const QString &text) { txtCity->setText(text.trimmed()); }
void ctlUserInfo::setEmergencyPhone(const QString &text) { txtEmergencyPhone->setText(text.trimmed()); }
void ctlUserInfo::setEmergencyContact(const QString &text) { txtEmergencyContact->setText(text.trimmed()); }
void ctlUserInfo::setGenderIsMale(bool male) { (male ? optMale : optFemale)->setChecked(true); }
void ctlUserInfo::setAddress2(const QString &text) { txtAddressLine2->setText(text.trimmed()); }
void ctlUserInfo::setAddress1(const QString &text) { txtAddressLine1->setText(text.trimmed()); }
void ctlUserInfo::setSSNumber(qint32 number) { txtSSNumber->setText(QString::number(number)); }
void ctlUserInfo::setDescCode(const QString &text) { txtDescCode->setText(text.trimmed()); }
