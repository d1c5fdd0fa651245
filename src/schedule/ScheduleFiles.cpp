#include "ScheduleFiles.h"

#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"

#include <algorithm>
#include <cstring>

namespace ScheduleFiles {

namespace Shift {
constexpr int Employee = 0, Begin = 4, End = 12, Position = 20, PositionWidth = 20;

qint32 employee(const char *r) { return Field::i32(r + Employee); }
double begin(const char *r) { return Field::f64(r + Begin); }
double end(const char *r) { return Field::f64(r + End); }
QString position(const char *r) { return CodePage::FieldToText(r + Position, PositionWidth); }
void setEmployee(char *r, qint32 employee) { Field::setI32(r + Employee, employee); }
void setTimes(char *r, double begin, double end)
{
    Field::setF64(r + Begin, begin);
    Field::setF64(r + End, end);
}
void setPosition(char *r, const QString &position)
{
    CodePage::TextToField(r + Position, PositionWidth, CodePage::toUpper(CodePage::trimBlanks(position)));
}
QByteArray positionField(const QString &position)
{
    QByteArray record(Size, '\0');
    setPosition(record.data(), position);
    return record.mid(Position, PositionWidth);
}
void setPositionField(char *r, const QByteArray &field)
{
    std::memcpy(r + Position, field.constData(), size_t(std::min<qsizetype>(field.size(), PositionWidth)));
}
} // namespace Shift

namespace TimeOff {
constexpr int Employee = 0, Begin = 4, End = 12, Reason = 20, ReasonWidth = 30;

qint32 employee(const char *r) { return Field::i32(r + Employee); }
double begin(const char *r) { return Field::f64(r + Begin); }
double end(const char *r) { return Field::f64(r + End); }
QString reason(const char *r) { return CodePage::FieldToText(r + Reason, ReasonWidth, -1, -1); }
void set(char *r, qint32 employee, double begin, double end, const QString &reason)
{
    Field::setI32(r + Employee, employee);
    Field::setF64(r + Begin, begin);
    Field::setF64(r + End, end);
    CodePage::TextToField(r + Reason, ReasonWidth, reason);
}
} // namespace TimeOff

QString departmentFolder(const QString &dataPath, const QString &department)
{
    const QString name = CodePage::toUpper(CodePage::trimBlanks(department));
    if (!ScheduleHelper::IsSafeFolderName(name))
        return {};
    return dataPath + u'/' + name;
}

QString dayFile(const QString &dataPath, const QString &department, double day)
{
    const QString folder = departmentFolder(dataPath, department);
    if (folder.isEmpty())
        return {};
    return folder + u'/' + OleDate::format(day, QStringLiteral("yyyymmdd")) + QStringLiteral(".KELSCD");
}

QString timeOffFile(const QString &dataPath, qint32 employee)
{
    return dataPath + u'/' + QString::number(employee) + QStringLiteral(".KELOFF");
}

} // namespace ScheduleFiles
