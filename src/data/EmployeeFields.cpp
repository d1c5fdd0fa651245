#include "EmployeeFields.h"

#include "CodePage.h"

using CodePage::trimBlanks;

QString EmployeeFields::fullName() const
{
    QString name = trimBlanks(firstName);
    if (!name.isEmpty())
        name += u' ';
    name += trimBlanks(lastName);
    return trimBlanks(name);
}
