<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CoverageStrip</name>
    <message numerus="yes">
        <source>%1, %2 %3 - %4: %n on shift</source>
        <translation>
            <numerusform>%1, %2 %3 - %4: %n on shift</numerusform>
            <numerusform>%1, %2 %3 - %4: %n on shift</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n needed</source>
        <translation>
            <numerusform>%n needed</numerusform>
            <numerusform>%n needed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short</source>
        <translation>
            <numerusform>%n short</numerusform>
            <numerusform>%n short</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n above the most wanted</source>
        <translation>
            <numerusform>%n above the most wanted</numerusform>
            <numerusform>%n above the most wanted</numerusform>
        </translation>
    </message>
</context>
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
    <name>FillNeedsDialog</name>
    <message numerus="yes">
        <source>%n row(s) of %1 could not be read and are left out; the first: %2</source>
        <translation>
            <numerusform>%n row of %1 could not be read and is left out: %2</numerusform>
            <numerusform>%n rows of %1 could not be read and are left out; the first: %2</numerusform>
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
    <name>PlanOutcomeText</name>
    <message numerus="yes">
        <source>%1 %2-%3 %4: %n missing - %5</source>
        <translation>
            <numerusform>%1 %2-%3 %4: %n missing - %5</numerusform>
            <numerusform>%1 %2-%3 %4: %n missing - %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shift(s) to add.</source>
        <translation>
            <numerusform>%n shift to add.</numerusform>
            <numerusform>%n shifts to add.</numerusform>
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
    <name>WeekCostView</name>
    <message numerus="yes">
        <source>(%n shift(s) without a rate)</source>
        <translation>
            <numerusform>(%n shift without a rate)</numerusform>
            <numerusform>(%n shifts without a rate)</numerusform>
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
    <message numerus="yes">
        <source>%n day(s) already hold shifts: %1.
Replace their schedule?</source>
        <translation>
            <numerusform>%n day already holds shifts: %1.
Replace its schedule?</numerusform>
            <numerusform>%n days already hold shifts: %1.
Replace their schedule?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fill %n open need(s)</source>
        <translation>
            <numerusform>Fill %n open need</numerusform>
            <numerusform>Fill %n open needs</numerusform>
        </translation>
    </message>
</context>
</TS>
