<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ExportWeek</name>
    <message numerus="yes">
        <source>%n file(s) could not be read, so the week is incomplete: %1</source>
        <translation>
            <numerusform>%n file could not be read, so the week is incomplete: %1</numerusform>
            <numerusform>%n files could not be read, so the week is incomplete: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportEmployeesCommand</name>
    <message numerus="yes">
        <source>%n bad row(s); nothing was imported (--skip-bad imports the good rows)</source>
        <translation>
            <numerusform>%n bad row; nothing was imported (--skip-bad imports the good rows)</numerusform>
            <numerusform>%n bad rows; nothing was imported (--skip-bad imports the good rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would add %n employee(s); nothing was written (--dry-run)
</source>
        <translation>
            <numerusform>Would add %n employee; nothing was written (--dry-run)
</numerusform>
            <numerusform>Would add %n employees; nothing was written (--dry-run)
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n employee(s)
</source>
        <translation>
            <numerusform>Added %n employee
</numerusform>
            <numerusform>Added %n employees
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimeGridAccessible</name>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmDepartmentList</name>
    <message numerus="yes">
        <source>%n employee membership(s)</source>
        <translation>
            <numerusform>%n employee membership</numerusform>
            <numerusform>%n employee memberships</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n default shift(s)</source>
        <translation>
            <numerusform>%n default shift</numerusform>
            <numerusform>%n default shifts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmEmployeeInfo</name>
    <message numerus="yes">
        <source>%n department membership(s)</source>
        <translation>
            <numerusform>%n department membership</numerusform>
            <numerusform>%n department memberships</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n position(s)</source>
        <translation>
            <numerusform>%n position</numerusform>
            <numerusform>%n positions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmImportEmployees</name>
    <message numerus="yes">
        <source>%n employee(s) to add.</source>
        <translation>
            <numerusform>%n employee to add.</numerusform>
            <numerusform>%n employees to add.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bad row(s) skipped.</source>
        <translation>
            <numerusform>%n bad row skipped.</numerusform>
            <numerusform>%n bad rows skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bad row(s): nothing is imported unless they are skipped.</source>
        <translation>
            <numerusform>%n bad row: nothing is imported unless they are skipped.</numerusform>
            <numerusform>%n bad rows: nothing is imported unless they are skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n employee(s) already there.</source>
        <translation>
            <numerusform>%n employee already there.</numerusform>
            <numerusform>%n employees already there.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmJobSetup</name>
    <message numerus="yes">
        <source>%n employee(s) who hold(s) it can then no longer be scheduled for it.</source>
        <translation>
            <numerusform>%n employee who holds it can then no longer be scheduled for it.</numerusform>
            <numerusform>%n employees who hold it can then no longer be scheduled for it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSchedule</name>
    <message numerus="yes">
        <source>Exported %1 without %n conflicting shift(s) (Schedule, Show Conflicts lists them).</source>
        <translation>
            <numerusform>Exported %1 without %n conflicting shift (Schedule, Show Conflicts lists them).</numerusform>
            <numerusform>Exported %1 without %n conflicting shifts (Schedule, Show Conflicts lists them).</numerusform>
        </translation>
    </message>
</context>
</TS>
