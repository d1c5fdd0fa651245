<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BandedReport</name>
    <message>
        <source>the report could not be rendered</source>
        <translation>der Bericht konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>(continued)</source>
        <translation>(Fortsetzung)</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its length of %1 bytes is not a whole number of %2-byte records</source>
        <translation>ihre Länge von %1 Bytes ist kein Vielfaches der Satzlänge von %2 Bytes</translation>
    </message>
    <message>
        <source>record %1: the %2 is not a number</source>
        <translation>Satz %1: %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>record %1: the %2 is not a date between 1900 and 2200</source>
        <translation>Satz %1: %2 ist kein Datum zwischen 1900 und 2200</translation>
    </message>
    <message>
        <source>two employees share the number %1</source>
        <translation>zwei Mitarbeiter haben die Nummer %1</translation>
    </message>
    <message>
        <source>record %1: membership of employee %2, who does not exist</source>
        <translation>Satz %1: Zugehörigkeit des Mitarbeiters %2, den es nicht gibt</translation>
    </message>
    <message>
        <source>record %1: membership in department &quot;%2&quot;, which does not exist</source>
        <translation>Satz %1: Zugehörigkeit zur Abteilung „%2“, die es nicht gibt</translation>
    </message>
    <message>
        <source>record %1: position of employee %2, who does not exist</source>
        <translation>Satz %1: Position des Mitarbeiters %2, den es nicht gibt</translation>
    </message>
    <message>
        <source>record %1: position &quot;%2&quot;, which does not exist</source>
        <translation>Satz %1: Position „%2“, die es nicht gibt</translation>
    </message>
    <message>
        <source>record %1: a time is not a number</source>
        <translation>Satz %1: eine Uhrzeit ist keine Zahl</translation>
    </message>
    <message>
        <source>record %1: default shift of department &quot;%2&quot;, which does not exist</source>
        <translation>Satz %1: Standardschicht der Abteilung „%2“, die es nicht gibt</translation>
    </message>
    <message>
        <source>record %1: a second department named &quot;%2&quot; (record %3)</source>
        <translation>Satz %1: eine zweite Abteilung namens „%2“ (Satz %3)</translation>
    </message>
    <message>
        <source>record %1: the department name &quot;%2&quot; cannot be a folder name, so its shifts cannot be stored: %3</source>
        <translation>Satz %1: Der Abteilungsname „%2“ kann kein Ordnername sein, daher können ihre Schichten nicht gespeichert werden: %3</translation>
    </message>
    <message>
        <source>record %1: the first weekday %2 is not a weekday (0 Sunday to 6 Saturday)</source>
        <translation>Satz %1: Der erste Wochentag %2 ist kein Wochentag (0 Sonntag bis 6 Samstag)</translation>
    </message>
    <message>
        <source>time off of employee %1, who does not exist</source>
        <translation>Abwesenheit des Mitarbeiters %1, den es nicht gibt</translation>
    </message>
    <message>
        <source>record %1: the period ends before it begins</source>
        <translation>Satz %1: Der Zeitraum endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>record %1: belongs to employee %2, not to the file&apos;s employee</source>
        <translation>Satz %1: gehört dem Mitarbeiter %2, nicht dem Mitarbeiter der Datei</translation>
    </message>
    <message>
        <source>record %1: the shift ends before it begins</source>
        <translation>Satz %1: Die Schicht endet, bevor sie beginnt</translation>
    </message>
    <message>
        <source>record %1: the shift begins on another day than its file&apos;s</source>
        <translation>Satz %1: Die Schicht beginnt an einem anderen Tag als dem ihrer Datei</translation>
    </message>
    <message>
        <source>of employee %1, who does not exist</source>
        <translation>des Mitarbeiters %1, den es nicht gibt</translation>
    </message>
    <message>
        <source>of employee %1, who is not a member of %2</source>
        <translation>des Mitarbeiters %1, der nicht zu %2 gehört</translation>
    </message>
    <message>
        <source>of position &quot;%1&quot;, which does not exist</source>
        <translation>der Position „%1“, die es nicht gibt</translation>
    </message>
    <message>
        <source>of employee %1 as %2, a position the employee does not hold</source>
        <translation>des Mitarbeiters %1 als %2, eine Position, die er nicht innehat</translation>
    </message>
    <message>
        <source>records %1 and %2: shifts of employee %3 overlap</source>
        <translation>Sätze %1 und %2: Schichten des Mitarbeiters %3 überschneiden sich</translation>
    </message>
    <message>
        <source>%1 shifts of employee %2 overlap, among them records %3</source>
        <translation>%1 Schichten des Mitarbeiters %2 überschneiden sich, darunter die Sätze %3</translation>
    </message>
    <message>
        <source>no window shows its shifts: the department %1 keeps them in the folder %1</source>
        <translation>kein Fenster zeigt ihre Schichten: Die Abteilung %1 legt sie im Ordner %1 ab</translation>
    </message>
    <message>
        <source>department folder without a department</source>
        <translation>Abteilungsordner ohne Abteilung</translation>
    </message>
    <message>
        <source>it is a link to %1, outside the data folder</source>
        <translation>sie ist ein Verweis auf %1, außerhalb des Datenordners</translation>
    </message>
    <message>
        <source>the name is not a day</source>
        <translation>der Name ist kein Tag</translation>
    </message>
    <message>
        <source>%1: shift of employee %2 overlaps %3</source>
        <translation>%1: Schicht des Mitarbeiters %2 überschneidet %3</translation>
    </message>
    <message>
        <source>%1 overlaps of shifts of employee %2 with shifts in other files on this day, among them %3</source>
        <translation>%1 Überschneidungen von Schichten des Mitarbeiters %2 mit Schichten anderer Dateien an diesem Tag, darunter %3</translation>
    </message>
    <message>
        <source>%1: the data folder cannot be read</source>
        <translation>%1: Der Datenordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>an operation was interrupted; the next start of the program finishes or undoes it</source>
        <translation>ein Vorgang wurde unterbrochen; der nächste Programmstart schließt ihn ab oder macht ihn rückgängig</translation>
    </message>
    <message>
        <source>temporary file left by an interrupted save</source>
        <translation>temporäre Datei eines unterbrochenen Speicherns</translation>
    </message>
    <message>
        <source>a rate of employee %1, who does not exist</source>
        <translation>ein Stundensatz des Mitarbeiters %1, den es nicht gibt</translation>
    </message>
    <message>
        <source>a rate of employee %1 for the position %2, which does not exist</source>
        <translation>ein Stundensatz des Mitarbeiters %1 für die Position %2, die es nicht gibt</translation>
    </message>
    <message>
        <source>a budget of the department %1, which does not exist</source>
        <translation>ein Budget der Abteilung %1, die es nicht gibt</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Shiftgrid cannot store %1: its data files hold only Western European letters (the Windows-1252 character set). Please write the text without %2.</source>
        <translation>Shiftgrid kann %1 nicht speichern: Seine Datendateien fassen nur westeuropäische Buchstaben (den Zeichensatz Windows-1252). Bitte schreiben Sie den Text ohne %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shiftgrid plans the work shifts of a business.</source>
        <translation>Shiftgrid plant die Arbeitsschichten eines Betriebs.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version zeigen.</translation>
    </message>
    <message>
        <source>The data folder.</source>
        <translation>Der Datenordner.</translation>
    </message>
    <message>
        <source>A department name.</source>
        <translation>Ein Abteilungsname.</translation>
    </message>
    <message>
        <source>A date, YYYY-MM-DD.</source>
        <translation>Ein Datum, JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>A PNG file to paint into.</source>
        <translation>Eine PNG-Datei, in die gemalt wird.</translation>
    </message>
    <message>
        <source>Number of employees.</source>
        <translation>Anzahl der Mitarbeiter.</translation>
    </message>
    <message>
        <source>Number of weeks.</source>
        <translation>Anzahl der Wochen.</translation>
    </message>
    <message>
        <source>First date, YYYY-MM-DD.</source>
        <translation>Erstes Datum, JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>Last date, YYYY-MM-DD.</source>
        <translation>Letztes Datum, JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>A file to write.</source>
        <translation>Eine zu schreibende Datei.</translation>
    </message>
    <message>
        <source>An employee number.</source>
        <translation>Eine Personalnummer.</translation>
    </message>
    <message>
        <source>Time off too.</source>
        <translation>Auch Abwesenheiten.</translation>
    </message>
    <message>
        <source>Check only; write nothing.</source>
        <translation>Nur prüfen; nichts schreiben.</translation>
    </message>
    <message>
        <source>Import the good rows.</source>
        <translation>Die fehlerfreien Zeilen importieren.</translation>
    </message>
    <message>
        <source>Create departments and positions.</source>
        <translation>Abteilungen und Positionen anlegen.</translation>
    </message>
    <message>
        <source>The zone of the times.</source>
        <translation>Die Zeitzone der Zeiten.</translation>
    </message>
    <message>
        <source>Copy one day.</source>
        <translation>Einen Tag kopieren.</translation>
    </message>
    <message>
        <source>Copy a week.</source>
        <translation>Eine Woche kopieren.</translation>
    </message>
    <message>
        <source>Replace shifts on the target days.</source>
        <translation>Schichten an den Zieltagen ersetzen.</translation>
    </message>
    <message>
        <source>export master</source>
        <translation>export master</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see shiftgrid --help</source>
        <translation>unbekannter Befehl „%1“; siehe shiftgrid --help</translation>
    </message>
    <message>
        <source>Seconds the planner may search.</source>
        <translation>Sekunden, die der Planer suchen darf.</translation>
    </message>
    <message>
        <source>Let the planner go above the hour limits.</source>
        <translation>Dem Planer erlauben, die Stundengrenzen zu überschreiten.</translation>
    </message>
    <message>
        <source>Paint the coverage strip.</source>
        <translation>Den Besetzungsstreifen malen.</translation>
    </message>
</context>
<context>
    <name>CommandSupport</name>
    <message>
        <source>data folder not found: %1</source>
        <translation>Datenordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>%1 needs a date, YYYY-MM-DD</source>
        <translation>%1 braucht ein Datum, JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the data folder %1 is in use by %2</source>
        <translation>der Datenordner %1 wird von %2 benutzt</translation>
    </message>
    <message>
        <source>cannot lock the data folder: %1</source>
        <translation>der Datenordner kann nicht gesperrt werden: %1</translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>the week of %1</source>
        <translation>die Woche vom %1</translation>
    </message>
    <message>
        <source>copy needs either --day or --week</source>
        <translation>copy braucht entweder --day oder --week</translation>
    </message>
    <message>
        <source>copy needs --department NAME</source>
        <translation>copy braucht --department NAME</translation>
    </message>
    <message>
        <source>copy needs --from YYYY-MM-DD, a real date</source>
        <translation>copy braucht --from JJJJ-MM-TT, ein gültiges Datum</translation>
    </message>
    <message>
        <source>copy needs --to YYYY-MM-DD, a real date</source>
        <translation>copy braucht --to JJJJ-MM-TT, ein gültiges Datum</translation>
    </message>
    <message>
        <source>data folder not found: %1</source>
        <translation>Datenordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>the data folder %1 is in use by %2</source>
        <translation>der Datenordner %1 wird von %2 benutzt</translation>
    </message>
    <message>
        <source>cannot lock the data folder: %1</source>
        <translation>der Datenordner kann nicht gesperrt werden: %1</translation>
    </message>
    <message>
        <source>no department named &quot;%1&quot;</source>
        <translation>keine Abteilung namens „%1“</translation>
    </message>
    <message>
        <source>shifts are already scheduled on %1; nothing was copied (--replace replaces them)</source>
        <translation>am %1 sind schon Schichten geplant; nichts wurde kopiert (--replace ersetzt sie)</translation>
    </message>
</context>
<context>
    <name>CoverageStrip</name>
    <message>
        <source>Coverage</source>
        <translation>Besetzung</translation>
    </message>
    <message>
        <source>Unmet staffing need this week: %1 hours</source>
        <translation>Ungedeckter Personalbedarf dieser Woche: %1 Stunden</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 %3 - %4: %n on shift</source>
        <translation>
            <numerusform>%1, %2 %3 - %4: %n im Dienst</numerusform>
            <numerusform>%1, %2 %3 - %4: %n im Dienst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n needed</source>
        <translation>
            <numerusform>%n benötigt</numerusform>
            <numerusform>%n benötigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short</source>
        <translation>
            <numerusform>%n fehlt</numerusform>
            <numerusform>%n fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n above the most wanted</source>
        <translation>
            <numerusform>%n über dem gewünschten Höchstwert</numerusform>
            <numerusform>%n über dem gewünschten Höchstwert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>not readable as CSV: %1</source>
        <translation>nicht als CSV lesbar: %1</translation>
    </message>
    <message>
        <source>the header has no column %1</source>
        <translation>die Kopfzeile hat keine Spalte %1</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an employee number</source>
        <translation>„%1“ ist keine Mitarbeiternummer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount like 12.50</source>
        <translation>„%1“ ist kein Betrag wie 12.50</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a multiplier from 1 to 10 like 1.5</source>
        <translation>„%1“ ist kein Faktor von 1 bis 10 wie 1.5</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was given on an earlier line; that line counts</source>
        <translation>„%1“ steht schon in einer früheren Zeile; jene Zeile gilt</translation>
    </message>
    <message>
        <source>has %1 fields, the header has %2</source>
        <translation>hat %1 Felder, die Kopfzeile hat %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a weekday Mon..Sun</source>
        <translation>„%1“ ist kein Wochentag Mon..Sun</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time HH:MM</source>
        <translation>„%1“ ist keine Uhrzeit HH:MM</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to 99</source>
        <translation>„%1“ ist keine Zahl von 0 bis 99</translation>
    </message>
    <message>
        <source>%1 is less than Needed</source>
        <translation>%1 ist kleiner als Needed</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>line %1: a quote in the middle of a field</source>
        <translation>Zeile %1: ein Anführungszeichen mitten in einem Feld</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>an unknown copy (the lock file names no process)</source>
        <translation>eine unbekannte Kopie (die Sperrdatei nennt keinen Prozess)</translation>
    </message>
    <message>
        <source> on host %1</source>
        <translation> auf dem Rechner %1</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>no lock file can be made in %1 (%2)</source>
        <translation>in %1 kann keine Sperrdatei angelegt werden (%2)</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>an interrupted save could not be finished: %1</source>
        <translation>ein unterbrochenes Speichern konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <source>took over the lock of the data folder from %1, which no longer runs</source>
        <translation>hat die Sperre des Datenordners von %1 übernommen, das nicht mehr läuft</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>, since %1</source>
        <translation>, seit %1</translation>
    </message>
</context>
<context>
    <name>DateBox</name>
    <message>
        <source>Type the date as %1; F4 opens a calendar.</source>
        <translation>Geben Sie das Datum als %1 ein; F4 öffnet einen Kalender.</translation>
    </message>
    <message>
        <source>Calendar (F4)</source>
        <translation>Kalender (F4)</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>kein Datum</translation>
    </message>
</context>
<context>
    <name>DelayedPrintStore</name>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>no free report number was found</source>
        <translation>keine freie Berichtsnummer gefunden</translation>
    </message>
    <message>
        <source>the report could not be rendered</source>
        <translation>der Bericht konnte nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>DemoCommand</name>
    <message>
        <source>%1 needs a positive whole number</source>
        <translation>%1 braucht eine positive ganze Zahl</translation>
    </message>
    <message>
        <source>could not move %1 into %2</source>
        <translation>%1 konnte nicht nach %2 verschoben werden</translation>
    </message>
    <message>
        <source>demo needs --data DIR</source>
        <translation>demo braucht --data ORDNER</translation>
    </message>
    <message>
        <source>cannot create the data folder %1%2</source>
        <translation>der Datenordner %1 kann nicht angelegt werden%2</translation>
    </message>
    <message>
        <source>the folder %1 already holds data; the demo needs an empty folder</source>
        <translation>der Ordner %1 enthält schon Daten; das Beispiel braucht einen leeren Ordner</translation>
    </message>
    <message>
        <source>cannot create a folder beside %1: %2</source>
        <translation>neben %1 kann kein Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>Created a demo business with %1 employees and %2 weeks of shifts in %3
</source>
        <translation>Beispielbetrieb mit %1 Mitarbeitern und %2 Wochen Schichten in %3 angelegt
</translation>
    </message>
</context>
<context>
    <name>EditOutcomeText</name>
    <message>
        <source>There is no row to place the shift in.</source>
        <translation>Es gibt keine Zeile, in die die Schicht gesetzt werden kann.</translation>
    </message>
    <message>
        <source>A shift must end after it begins.</source>
        <translation>Eine Schicht muss nach ihrem Beginn enden.</translation>
    </message>
    <message>
        <source>The shift no longer exists.</source>
        <translation>Die Schicht gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>A shift must begin on one of the days shown.</source>
        <translation>Eine Schicht muss an einem der gezeigten Tage beginnen.</translation>
    </message>
    <message>
        <source>This shift would begin on %1, outside the days shown, so it could not be saved here. Go to that week to add it.</source>
        <translation>Diese Schicht würde am %1 beginnen, außerhalb der gezeigten Tage, und kann daher hier nicht gespeichert werden. Gehen Sie zu jener Woche, um sie hinzuzufügen.</translation>
    </message>
    <message>
        <source>Time off has no position.</source>
        <translation>Eine Abwesenheit hat keine Position.</translation>
    </message>
    <message>
        <source>This shift touches %1&apos;s time off (%2 to %3).</source>
        <translation>Diese Schicht berührt die Abwesenheit von %1 (%2 bis %3).</translation>
    </message>
    <message>
        <source>This shift begins outside the days shown, so it can be copied but not changed here.</source>
        <translation>Diese Schicht beginnt außerhalb der gezeigten Tage; sie kann hier kopiert, aber nicht geändert werden.</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>%1-%2 for %3</source>
        <translation>%1-%2 für %3</translation>
    </message>
    <message>
        <source>%1 %2-%3</source>
        <translation>%1 %2-%3</translation>
    </message>
    <message>
        <source>Also scheduled at this time in %1</source>
        <translation>Zu dieser Zeit auch in %1 eingeplant</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>All departments: %1</source>
        <translation>Alle Abteilungen: %1</translation>
    </message>
    <message>
        <source>%1 is already scheduled at this time in %2.

Schedule this shift anyway?</source>
        <translation>%1 ist zu dieser Zeit schon in %2 eingeplant.

Diese Schicht trotzdem einplanen?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>  %1  %2 - %3  %4</source>
        <translation>  %1  %2 - %3  %4</translation>
    </message>
    <message>
        <source>This conflicts with a previously scheduled shift:
%1

These stored shifts are not shown. They stay in their files as they are; remove what they collide with to see them again.</source>
        <translation>Das kollidiert mit einer schon geplanten Schicht:
%1

Diese gespeicherten Schichten werden nicht gezeigt. Sie bleiben unverändert in ihren Dateien; entfernen Sie, womit sie kollidieren, um sie wieder zu sehen.</translation>
    </message>
    <message>
        <source>%1 %2-%3</source>
        <comment>weekday, begin, end</comment>
        <translation>%1 %2-%3</translation>
    </message>
    <message>
        <source>%1 %2-%3 %4</source>
        <comment>weekday, begin, weekday, end</comment>
        <translation>%1 %2-%3 %4</translation>
    </message>
    <message>
        <source>This time off touches or overlaps %1&apos;s time off %2.</source>
        <translation>Diese Abwesenheit berührt oder überschneidet die Abwesenheit %2 von %1.</translation>
    </message>
    <message>
        <source>This shift touches or overlaps %1&apos;s time off %2.</source>
        <translation>Diese Schicht berührt oder überschneidet die Abwesenheit %2 von %1.</translation>
    </message>
    <message>
        <source>This touches or overlaps %1&apos;s shift %2.</source>
        <translation>Das berührt oder überschneidet die Schicht %2 von %1.</translation>
    </message>
    <message>
        <source>This touches or overlaps %1&apos;s shift %2 as %3.</source>
        <translation>Das berührt oder überschneidet die Schicht %2 von %1 als %3.</translation>
    </message>
</context>
<context>
    <name>ExportCoverageCommand</name>
    <message>
        <source>export coverage needs --department NAME</source>
        <translation>export coverage braucht --department NAME</translation>
    </message>
    <message>
        <source>export coverage needs --date YYYY-MM-DD</source>
        <translation>export coverage braucht --date JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>no department named &quot;%1&quot;</source>
        <translation>keine Abteilung namens „%1“</translation>
    </message>
</context>
<context>
    <name>ExportHours</name>
    <message>
        <source>the first date is after the last date</source>
        <translation>das erste Datum liegt nach dem letzten</translation>
    </message>
    <message>
        <source>no department named &quot;%1&quot;</source>
        <translation>keine Abteilung namens „%1“</translation>
    </message>
</context>
<context>
    <name>ExportIcs</name>
    <message>
        <source>unknown time zone &quot;%1&quot; (use a name such as Europe/Paris or Etc/UTC)</source>
        <translation>unbekannte Zeitzone „%1“ (verwenden Sie einen Namen wie Europe/Berlin oder Etc/UTC)</translation>
    </message>
    <message>
        <source>this machine&apos;s time zone &quot;%1&quot; is not a known zone, so the times cannot be placed in a calendar</source>
        <translation>die Zeitzone „%1“ dieses Rechners ist unbekannt, daher können die Zeiten nicht in einen Kalender gesetzt werden</translation>
    </message>
    <message>
        <source>the first date is after the last date</source>
        <translation>das erste Datum liegt nach dem letzten</translation>
    </message>
    <message>
        <source>no department named &quot;%1&quot;</source>
        <translation>keine Abteilung namens „%1“</translation>
    </message>
</context>
<context>
    <name>ExportIcsCommand</name>
    <message>
        <source>--employee needs an employee number, not &quot;%1&quot;</source>
        <translation>--employee braucht eine Personalnummer, nicht „%1“</translation>
    </message>
    <message>
        <source>export ics: days read</source>
        <translation>export ics: gelesene Tage</translation>
    </message>
    <message>
        <source>no department named &quot;%1&quot;</source>
        <translation>keine Abteilung namens „%1“</translation>
    </message>
</context>
<context>
    <name>ExportWeek</name>
    <message>
        <source>no department named &quot;%1&quot;</source>
        <translation>keine Abteilung namens „%1“</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read, so the week is incomplete: %1</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden, die Woche ist daher unvollständig: %1</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden, die Woche ist daher unvollständig: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>could not write the picture %1</source>
        <translation>das Bild %1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ExportWeekCommand</name>
    <message>
        <source>export week needs --department NAME</source>
        <translation>export week braucht --department NAME</translation>
    </message>
    <message>
        <source>export week needs --date YYYY-MM-DD</source>
        <translation>export week braucht --date JJJJ-MM-TT</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read &quot;%1&quot; (in %2): %3.</source>
        <translation>„%1“ (in %2) konnte nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot; (in %2): %3.</source>
        <translation>„%1“ (in %2) konnte nicht gespeichert werden: %3.</translation>
    </message>
</context>
<context>
    <name>FillNeedsDialog</name>
    <message>
        <source>Fill Open Needs</source>
        <translation>Offenen Bedarf auffüllen</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 could not be read and are left out; the first: %2</source>
        <translation>
            <numerusform>%n Zeile von %1 konnte nicht gelesen werden und wird ausgelassen: %2</numerusform>
            <numerusform>%n Zeilen von %1 konnten nicht gelesen werden und werden ausgelassen; die erste: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Adds the department&apos;s default shifts to the week of %1 in %2 where the staffing needs are not met, from the staff who hold the position, are available and stay under their limits.</source>
        <translation>Fügt in der Woche vom %1 in %2 die Standardschichten der Abteilung dort hinzu, wo der Personalbedarf nicht gedeckt ist, mit Mitarbeitern, die die Position haben, verfügbar sind und unter ihren Grenzen bleiben.</translation>
    </message>
    <message>
        <source>Allow &amp;overtime</source>
        <translation>Über&amp;stunden erlauben</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Search for at most:</source>
        <translation>&amp;Längstens suchen:</translation>
    </message>
    <message>
        <source>The department has no staffing needs (Setup &gt; Staffing Needs).</source>
        <translation>Die Abteilung hat keinen Personalbedarf (Einrichten &gt; Personalbedarf).</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>A&amp;uffüllen</translation>
    </message>
    <message>
        <source>&amp;Add Shifts</source>
        <translation>Schichten hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Searching for the best plan...</source>
        <translation>Der beste Plan wird gesucht...</translation>
    </message>
    <message>
        <source>Stopped: the plan found so far is shown.</source>
        <translation>Angehalten: Der bisher gefundene Plan wird gezeigt.</translation>
    </message>
    <message>
        <source>Stopping: the plan found so far will be shown...</source>
        <translation>Wird angehalten: Der bisher gefundene Plan wird gleich gezeigt...</translation>
    </message>
</context>
<context>
    <name>ImportEmployees</name>
    <message>
        <source>line break</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>the file is not UTF-8: it looks like %1; save it as UTF-8 (in a spreadsheet: CSV UTF-8) and import it again</source>
        <translation>die Datei ist kein UTF-8: Sie sieht nach %1 aus; speichern Sie sie als UTF-8 (in einer Tabellenkalkulation: CSV UTF-8) und importieren Sie sie erneut</translation>
    </message>
    <message>
        <source>UTF-32 (little-endian, with a byte-order mark)</source>
        <translation>UTF-32 (Little Endian, mit Byte-Order-Mark)</translation>
    </message>
    <message>
        <source>UTF-32 (big-endian, with a byte-order mark)</source>
        <translation>UTF-32 (Big Endian, mit Byte-Order-Mark)</translation>
    </message>
    <message>
        <source>UTF-16 (little-endian, with a byte-order mark)</source>
        <translation>UTF-16 (Little Endian, mit Byte-Order-Mark)</translation>
    </message>
    <message>
        <source>UTF-16 (big-endian, with a byte-order mark)</source>
        <translation>UTF-16 (Big Endian, mit Byte-Order-Mark)</translation>
    </message>
    <message>
        <source>line %1 holds the byte 0x%2</source>
        <translation>Zeile %1 enthält das Byte 0x%2</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text (%1, and it holds zero bytes)</source>
        <translation>die Datei ist kein UTF-8-Text (%1, und sie enthält Nullbytes)</translation>
    </message>
    <message>
        <source>control characters are not allowed: %1</source>
        <translation>Steuerzeichen sind nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>the data files cannot hold these characters: %1</source>
        <translation>die Datendateien können diese Zeichen nicht fassen: %1</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %1</source>
        <translation>kein Datum (JJJJ-MM-TT): %1</translation>
    </message>
    <message>
        <source>yes or no is needed: %1</source>
        <translation>ja oder nein wird gebraucht: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>„%1“ ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the file is empty; its first line must name the columns</source>
        <translation>die Datei ist leer; ihre erste Zeile muss die Spalten nennen</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;; the columns are: %2</source>
        <translation>unbekannte Spalte „%1“; die Spalten sind: %2</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>die Spalte „%1“ ist zweimal genannt</translation>
    </message>
    <message>
        <source>%1 fields, but the header names %2 columns</source>
        <translation>%1 Felder, aber die Kopfzeile nennt %2 Spalten</translation>
    </message>
    <message>
        <source>a first or last name is needed</source>
        <translation>ein Vor- oder Nachname wird gebraucht</translation>
    </message>
    <message>
        <source>no department named &quot;%1&quot; (create it with %2)</source>
        <translation>keine Abteilung namens „%1“ (mit %2 anlegen)</translation>
    </message>
    <message>
        <source>no position named &quot;%1&quot; (create it with %2)</source>
        <translation>keine Position namens „%1“ (mit %2 anlegen)</translation>
    </message>
    <message>
        <source>%1 %2 with this birth date is already there; not added again</source>
        <translation>%1 %2 mit diesem Geburtsdatum ist schon vorhanden; nicht erneut hinzugefügt</translation>
    </message>
    <message>
        <source>only digits, with blanks, dashes, dots or brackets between them, can be stored, not &quot;%1&quot;: %2</source>
        <translation>nur Ziffern, mit Leerzeichen, Bindestrichen, Punkten oder Klammern dazwischen, können gespeichert werden, nicht „%1“: %2</translation>
    </message>
    <message>
        <source>%1 digits; at most %2 can be stored: %3</source>
        <translation>%1 Ziffern; höchstens %2 können gespeichert werden: %3</translation>
    </message>
    <message>
        <source>hours as HH:MM-HH:MM ending after they begin, &quot;off&quot; or nothing are needed: %1</source>
        <translation>Stunden als HH:MM-HH:MM, die nach ihrem Beginn enden, „off“ oder nichts werden gebraucht: %1</translation>
    </message>
    <message>
        <source>not an amount like 12.50: %1</source>
        <translation>kein Betrag wie 12.50: %1</translation>
    </message>
</context>
<context>
    <name>ImportEmployeesCommand</name>
    <message>
        <source>import employees needs --data DIR</source>
        <translation>import employees braucht --data ORDNER</translation>
    </message>
    <message>
        <source>import employees needs one CSV file</source>
        <translation>import employees braucht eine CSV-Datei</translation>
    </message>
    <message>
        <source>could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>import employees: rows checked</source>
        <translation>import employees: geprüfte Zeilen</translation>
    </message>
    <message>
        <source>New departments: %1
</source>
        <translation>Neue Abteilungen: %1
</translation>
    </message>
    <message>
        <source>New positions: %1
</source>
        <translation>Neue Positionen: %1
</translation>
    </message>
    <message numerus="yes">
        <source>%n bad row(s); nothing was imported (--skip-bad imports the good rows)</source>
        <translation>
            <numerusform>%n fehlerhafte Zeile; nichts wurde importiert (--skip-bad importiert die fehlerfreien Zeilen)</numerusform>
            <numerusform>%n fehlerhafte Zeilen; nichts wurde importiert (--skip-bad importiert die fehlerfreien Zeilen)</numerusform>
        </translation>
    </message>
    <message>
        <source>import employees: employees added</source>
        <translation>import employees: hinzugefügte Mitarbeiter</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n employee(s); nothing was written (--dry-run)
</source>
        <translation>
            <numerusform>Würde %n Mitarbeiter hinzufügen; nichts wurde geschrieben (--dry-run)
</numerusform>
            <numerusform>Würde %n Mitarbeiter hinzufügen; nichts wurde geschrieben (--dry-run)
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n employee(s)
</source>
        <translation>
            <numerusform>%n Mitarbeiter hinzugefügt
</numerusform>
            <numerusform>%n Mitarbeiter hinzugefügt
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobInfo</name>
    <message>
        <source>Job Caption</source>
        <translation>Positionsbeschriftung</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Job Name</source>
        <translation>Positionsname</translation>
    </message>
    <message>
        <source>BarColor</source>
        <translation>Balkenfarbe</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Te&amp;xt Color</source>
        <translation>Te&amp;xtfarbe</translation>
    </message>
</context>
<context>
    <name>MultiFileCommit</name>
    <message>
        <source>its first line is not the journal&apos;s header</source>
        <translation>seine erste Zeile ist nicht die Kopfzeile des Journals</translation>
    </message>
    <message>
        <source>line %1 does not have four fields</source>
        <translation>Zeile %1 hat nicht vier Felder</translation>
    </message>
    <message>
        <source>line %1 names a file outside the data folder or a temporary file of another name</source>
        <translation>Zeile %1 nennt eine Datei außerhalb des Datenordners oder eine temporäre Datei anderen Namens</translation>
    </message>
    <message>
        <source>line %1 is not a complete entry</source>
        <translation>Zeile %1 ist kein vollständiger Eintrag</translation>
    </message>
    <message>
        <source>line %1 names a file that is not a regular file of the data folder</source>
        <translation>Zeile %1 nennt eine Datei, die keine gewöhnliche Datei des Datenordners ist</translation>
    </message>
    <message>
        <source>; the other files of this save are finished when the data folder is next opened</source>
        <translation>; die übrigen Dateien dieses Speicherns werden beim nächsten Öffnen des Datenordners abgeschlossen</translation>
    </message>
    <message>
        <source>the new %1 is missing or incomplete</source>
        <translation>die neue %1 fehlt oder ist unvollständig</translation>
    </message>
    <message>
        <source>A save that was interrupted has been finished: %1.</source>
        <translation>Ein unterbrochenes Speichern wurde abgeschlossen: %1.</translation>
    </message>
    <message>
        <source>A save that was interrupted could not be finished (%1); %2 keep their earlier content.</source>
        <translation>Ein unterbrochenes Speichern konnte nicht abgeschlossen werden (%1); %2 behalten ihren früheren Inhalt.</translation>
    </message>
    <message>
        <source>The journal of an interrupted save could not be used (%1) and was removed; no file was changed.</source>
        <translation>Das Journal eines unterbrochenen Speicherns war nicht verwendbar (%1) und wurde entfernt; keine Datei wurde geändert.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 %2 is inside the data folder %3 that the command reads; write it elsewhere</source>
        <translation>%1 %2 liegt im Datenordner %3, den der Befehl liest; schreiben Sie die Datei anderswohin</translation>
    </message>
</context>
<context>
    <name>PlanCommand</name>
    <message>
        <source>plan needs --department NAME</source>
        <translation>plan braucht --department NAME</translation>
    </message>
    <message>
        <source>plan needs --date YYYY-MM-DD</source>
        <translation>plan braucht --date JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--time-limit needs a number of seconds above 0</source>
        <translation>--time-limit braucht eine Anzahl Sekunden über 0</translation>
    </message>
    <message>
        <source>no department named &quot;%1&quot;</source>
        <translation>keine Abteilung namens „%1“</translation>
    </message>
</context>
<context>
    <name>PlanOutcomeText</name>
    <message>
        <source>no default shift covers it</source>
        <translation>keine Standardschicht deckt ihn ab</translation>
    </message>
    <message>
        <source>nobody in the department holds the position</source>
        <translation>niemand in der Abteilung hat die Position</translation>
    </message>
    <message>
        <source>all who hold it are off</source>
        <translation>alle, die sie haben, sind abwesend</translation>
    </message>
    <message>
        <source>all who hold it are unavailable then</source>
        <translation>alle, die sie haben, sind dann nicht verfügbar</translation>
    </message>
    <message>
        <source>all who hold it are already working</source>
        <translation>alle, die sie haben, arbeiten schon</translation>
    </message>
    <message>
        <source>all who hold it are at their hour limit</source>
        <translation>alle, die sie haben, sind an ihrer Stundengrenze</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2-%3 %4: %n missing - %5</source>
        <translation>
            <numerusform>%1 %2-%3 %4: %n fehlt - %5</numerusform>
            <numerusform>%1 %2-%3 %4: %n fehlen - %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shift(s) to add.</source>
        <translation>
            <numerusform>%n Schicht hinzuzufügen.</numerusform>
            <numerusform>%n Schichten hinzuzufügen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every need is met.</source>
        <translation>Jeder Bedarf ist gedeckt.</translation>
    </message>
    <message>
        <source>Need left open: %1 hours.</source>
        <translation>Offener Bedarf: %1 Stunden.</translation>
    </message>
    <message>
        <source>Overtime: %1 hours.</source>
        <translation>Überstunden: %1 Stunden.</translation>
    </message>
    <message>
        <source>No better plan exists.</source>
        <translation>Es gibt keinen besseren Plan.</translation>
    </message>
    <message>
        <source>The search stopped before it could prove this plan the best.</source>
        <translation>Die Suche hielt an, bevor sie diesen Plan als den besten nachweisen konnte.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Open the data folder read-only? (No quits the program.)</source>
        <translation>Den Datenordner schreibgeschützt öffnen? (Nein beendet das Programm.)</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; was left locked by a copy of Shiftgrid that ended without closing: %2.

Take the folder over?</source>
        <translation>Der Datenordner „%1“ ist noch von einer Shiftgrid-Kopie gesperrt, die ohne Schließen endete: %2.

Den Ordner übernehmen?</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; is in use by another copy of Shiftgrid: %2. Only one copy at a time can change it.

%3</source>
        <translation>Der Datenordner „%1“ wird von einer anderen Shiftgrid-Kopie benutzt: %2. Nur eine Kopie zur Zeit kann ihn ändern.

%3</translation>
    </message>
    <message>
        <source>Shiftgrid cannot lock the data folder &quot;%1&quot;: %2.

%3</source>
        <translation>Shiftgrid kann den Datenordner „%1“ nicht sperren: %2.

%3</translation>
    </message>
    <message>
        <source>Shiftgrid - Demo Business</source>
        <translation>Shiftgrid – Beispielbetrieb</translation>
    </message>
    <message>
        <source>Start Shiftgrid with --data FOLDER to use a folder where you may write.</source>
        <translation>Starten Sie Shiftgrid mit --data ORDNER, um einen Ordner zu verwenden, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be created: &quot;%2&quot; is a file, not a folder.</source>
        <translation>Der Datenordner „%1“ kann nicht angelegt werden: „%2“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be created: the folder &quot;%2&quot; is read-only.</source>
        <translation>Der Datenordner „%1“ kann nicht angelegt werden: Der Ordner „%2“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be created: the system refused to create it in &quot;%2&quot;.</source>
        <translation>Der Datenordner „%1“ kann nicht angelegt werden: Das System hat das Anlegen in „%2“ verweigert.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be used: it is a file, not a folder.</source>
        <translation>Der Datenordner „%1“ kann nicht verwendet werden: Er ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; is read-only, so Shiftgrid could not save your work there.</source>
        <translation>Der Datenordner „%1“ ist schreibgeschützt, daher könnte Shiftgrid Ihre Arbeit dort nicht speichern.</translation>
    </message>
    <message>
        <source>Make the folder writable (or copy it to a place where you may write) and start Shiftgrid with --data FOLDER.</source>
        <translation>Machen Sie den Ordner beschreibbar (oder kopieren Sie ihn an einen Ort, an dem Sie schreiben dürfen) und starten Sie Shiftgrid mit --data ORDNER.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 wird geschrieben...</translation>
    </message>
    <message>
        <source>The report was not exported.
%1</source>
        <translation>Der Bericht wurde nicht exportiert.
%1</translation>
    </message>
    <message>
        <source>No printer is installed, so &quot;%1&quot; cannot be printed.

Export it as a PDF file instead?</source>
        <translation>Es ist kein Drucker eingerichtet, daher kann „%1“ nicht gedruckt werden.

Stattdessen als PDF-Datei exportieren?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot;...</source>
        <translation>„%1“ wird gedruckt...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed on %2.</source>
        <translation>„%1“ konnte nicht auf %2 gedruckt werden.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The report&apos;s rows were not exported.
%1</source>
        <translation>Die Zeilen des Berichts wurden nicht exportiert.
%1</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Individual Employee</source>
        <translation>Einzelner Mitarbeiter</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Total Hours By Dept</source>
        <translation>Stunden nach Abteilung</translation>
    </message>
    <message>
        <source>Total Hours By Position</source>
        <translation>Stunden nach Position</translation>
    </message>
    <message>
        <source>Scheduled Time Off</source>
        <translation>Geplante Abwesenheiten</translation>
    </message>
    <message>
        <source>Master List</source>
        <translation>Stammliste</translation>
    </message>
    <message>
        <source>Contact List</source>
        <translation>Kontaktliste</translation>
    </message>
    <message>
        <source>Phone List</source>
        <translation>Telefonliste</translation>
    </message>
    <message>
        <source>Id List</source>
        <translation>Nummernliste</translation>
    </message>
    <message>
        <source>Mailing List</source>
        <translation>Adressliste</translation>
    </message>
    <message>
        <source>Week Posting</source>
        <translation>Wochenaushang</translation>
    </message>
    <message>
        <source>My Schedule</source>
        <translation>Mein Dienstplan</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>%1 needs a date YYYY-MM-DD</source>
        <translation>%1 braucht ein Datum JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 braucht ein Datum JJJJ-MM-TT, nicht „%2“</translation>
    </message>
    <message>
        <source>%1: no such name &quot;%2&quot;</source>
        <translation>%1: kein solcher Name „%2“</translation>
    </message>
    <message>
        <source>--employee needs an employee number, not &quot;%1&quot;</source>
        <translation>--employee braucht eine Personalnummer, nicht „%1“</translation>
    </message>
    <message>
        <source>--employee: no employee number %1</source>
        <translation>--employee: keine Personalnummer %1</translation>
    </message>
    <message>
        <source>could not read %1: %2
</source>
        <translation>%1 konnte nicht gelesen werden: %2
</translation>
    </message>
    <message>
        <source>no printer is installed; write the report to a file with --pdf FILE instead</source>
        <translation>kein Drucker eingerichtet; schreiben Sie den Bericht stattdessen mit --pdf DATEI in eine Datei</translation>
    </message>
    <message>
        <source>--printer: no printer named &quot;%1&quot;</source>
        <translation>--printer: kein Drucker namens „%1“</translation>
    </message>
    <message>
        <source>could not print on %1</source>
        <translation>auf %1 konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>A position name.</source>
        <translation>Ein Positionsname.</translation>
    </message>
    <message>
        <source>A PDF file to write.</source>
        <translation>Eine zu schreibende PDF-Datei.</translation>
    </message>
    <message>
        <source>Print on a printer.</source>
        <translation>Auf einem Drucker drucken.</translation>
    </message>
    <message>
        <source>The printer to print on.</source>
        <translation>Der Drucker, auf dem gedruckt wird.</translation>
    </message>
    <message>
        <source>Print the report&apos;s pages as text.</source>
        <translation>Die Seiten des Berichts als Text ausgeben.</translation>
    </message>
    <message>
        <source>report needs a TYPE: %1</source>
        <translation>report braucht eine ART: %1</translation>
    </message>
    <message>
        <source>unknown report TYPE &quot;%1&quot;; one of %2</source>
        <translation>unbekannte Berichtsart „%1“; eine von %2</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2: the dates are reversed</source>
        <translation>--from %1 liegt nach --to %2: die Daten sind vertauscht</translation>
    </message>
    <message>
        <source>--data: folder not found: %1</source>
        <translation>--data: Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>--department: no such name &quot;%1&quot;</source>
        <translation>--department: kein solcher Name „%1“</translation>
    </message>
    <message>
        <source>The first date is after the last date.</source>
        <translation>Das erste Datum liegt nach dem letzten.</translation>
    </message>
    <message>
        <source>the report&apos;s layout was stopped</source>
        <translation>das Setzen des Berichts wurde abgebrochen</translation>
    </message>
    <message>
        <source>--printer needs --print</source>
        <translation>--printer braucht --print</translation>
    </message>
    <message>
        <source>there are several printers and none is the default (%1); choose one with --printer NAME</source>
        <translation>es gibt mehrere Drucker und keiner ist der Standarddrucker (%1); wählen Sie einen mit --printer NAME</translation>
    </message>
    <message>
        <source>A CSV file to write the report&apos;s rows to.</source>
        <translation>Eine CSV-Datei für die Zeilen des Berichts.</translation>
    </message>
    <message>
        <source>Employee lists: print Social Security numbers whole.</source>
        <translation>Mitarbeiterlisten: Sozialversicherungsnummern ganz drucken.</translation>
    </message>
    <message>
        <source>Employee lists: &quot;name&quot; (last, first) or &quot;file&quot; order.</source>
        <translation>Mitarbeiterlisten: Reihenfolge „name“ (Nachname, Vorname) oder „file“ (wie in der Datei).</translation>
    </message>
    <message>
        <source>--sort needs &quot;name&quot; or &quot;file&quot;, not &quot;%1&quot;</source>
        <translation>--sort braucht „name“ oder „file“, nicht „%1“</translation>
    </message>
    <message>
        <source>report needs exactly one of --pdf FILE, --csv FILE, --print or --text</source>
        <translation>report braucht genau eines von --pdf DATEI, --csv DATEI, --print oder --text</translation>
    </message>
    <message>
        <source>%1 is for the employee lists; the %2 report does not use it</source>
        <translation>%1 gilt für die Mitarbeiterlisten; der Bericht %2 verwendet es nicht</translation>
    </message>
</context>
<context>
    <name>ScheduleCopy</name>
    <message>
        <source>the department name cannot be used as a folder name</source>
        <translation>der Abteilungsname kann nicht als Ordnername dienen</translation>
    </message>
    <message>
        <source>; nothing was copied</source>
        <translation>; nichts wurde kopiert</translation>
    </message>
</context>
<context>
    <name>ScheduleHelper</name>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <translation>nur %1 von %2 Bytes haben den Datenträger erreicht</translation>
    </message>
    <message>
        <source>it is not a regular file (a folder, pipe, device or other special file)</source>
        <translation>sie ist keine gewöhnliche Datei (ein Ordner, eine Pipe, ein Gerät oder eine andere Spezialdatei)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, more than any data folder holds</source>
        <translation>sie ist größer als %1 MiB, mehr als ein Datenordner je enthält</translation>
    </message>
    <message>
        <source>it is a link to %1, outside the data folder</source>
        <translation>sie ist ein Verweis auf %1, außerhalb des Datenordners</translation>
    </message>
    <message>
        <source>The name cannot be empty.</source>
        <translation>Der Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The names &quot;.&quot; and &quot;..&quot; are not allowed.</source>
        <translation>Die Namen „.“ und „..“ sind nicht erlaubt.</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>Der Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The name cannot contain any of these characters: / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Der Name darf keines dieser Zeichen enthalten: / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>The name cannot end with a period.</source>
        <translation>Der Name darf nicht mit einem Punkt enden.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved by the system and cannot be used.</source>
        <translation>Der Name „%1“ ist vom System reserviert und kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>schreibgeschütztes Dateisystem</translation>
    </message>
</context>
<context>
    <name>ShiftDialog</name>
    <message>
        <source>Shift</source>
        <translation>Schicht</translation>
    </message>
    <message>
        <source>&amp;Begins:</source>
        <translation>Be&amp;ginn:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>E&amp;nde:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>Pos&amp;ition:</translation>
    </message>
    <message>
        <source>&amp;Change Shift</source>
        <translation>S&amp;chicht ändern</translation>
    </message>
    <message>
        <source>%1 hours, ending the next day</source>
        <translation>%1 Stunden, endet am nächsten Tag</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
</context>
<context>
    <name>ShiftEditController</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>C&amp;hange Position...</source>
        <translation>&amp;Position ändern...</translation>
    </message>
    <message>
        <source>Position of %1&apos;s shift:</source>
        <translation>Position der Schicht von %1:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>%1 kopiert.</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Change %1 to %2</source>
        <translation>%1 zu %2 ändern</translation>
    </message>
    <message>
        <source>&amp;Edit Shift...</source>
        <translation>Schicht &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Add Shift</source>
        <translation>Schicht &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Paste %1</source>
        <translation>%1 &amp;einfügen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
</context>
<context>
    <name>ShiftEditWindow</name>
    <message>
        <source>Shift:</source>
        <translation>Schicht:</translation>
    </message>
    <message>
        <source>Start of the shift:</source>
        <translation>Beginn der Schicht:</translation>
    </message>
    <message>
        <source>End of the shift:</source>
        <translation>Ende der Schicht:</translation>
    </message>
    <message>
        <source>No stored shift of these days conflicts with another shift or with time off.</source>
        <translation>Keine gespeicherte Schicht dieser Tage kollidiert mit einer anderen Schicht oder einer Abwesenheit.</translation>
    </message>
    <message>
        <source>%1 is outside %2&apos;s available hours on %3 (%4 - %5).</source>
        <translation>%1 liegt außerhalb der verfügbaren Stunden von %2 am %3 (%4 - %5).</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Pick Shift</source>
        <translation>Schicht wählen</translation>
    </message>
    <message>
        <source>Pick Start</source>
        <translation>Beginn wählen</translation>
    </message>
    <message>
        <source>Pick End</source>
        <translation>Ende wählen</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>10 Minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>15 Minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>30 Minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>The week could not be saved.
%1

Your changes are still on the grid.</source>
        <translation>Die Woche konnte nicht gespeichert werden.
%1

Ihre Änderungen sind noch im Raster.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Discard the changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Stay on this week</source>
        <translation>In dieser Woche bleiben</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Beginnt %1</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Endet %1</translation>
    </message>
    <message>
        <source>Some files could not be read, so their shifts or time off are not shown and those files will not be overwritten:
%1</source>
        <translation>Einige Dateien konnten nicht gelesen werden; ihre Schichten oder Abwesenheiten werden nicht gezeigt, und diese Dateien werden nicht überschrieben:
%1</translation>
    </message>
</context>
<context>
    <name>TimeBox</name>
    <message>
        <source>e.g. 9a, 5:30p, 22:00</source>
        <translation>z. B. 9a, 5:30p, 22:00</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>keine Uhrzeit</translation>
    </message>
</context>
<context>
    <name>TimeGridAccessible</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4 to %5</source>
        <translation>%1, %2, %3, %4 bis %5</translation>
    </message>
    <message>
        <source>%1, warning</source>
        <translation>%1, Warnung</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>Outside the hours the employee is available</source>
        <translation>Außerhalb der Stunden, in denen der Mitarbeiter verfügbar ist</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Plan</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekCostView</name>
    <message>
        <source>Week
Cost</source>
        <translation>Wochen-
kosten</translation>
    </message>
    <message>
        <source>Week cost %1 of budget %2</source>
        <translation>Wochenkosten %1 von %2 Budget</translation>
    </message>
    <message>
        <source>Week cost %1</source>
        <translation>Wochenkosten %1</translation>
    </message>
    <message numerus="yes">
        <source>(%n shift(s) without a rate)</source>
        <translation>
            <numerusform>(%n Schicht ohne Stundensatz)</numerusform>
            <numerusform>(%n Schichten ohne Stundensatz)</numerusform>
        </translation>
    </message>
    <message>
        <source>Week cost unknown: %1</source>
        <translation>Wochenkosten unbekannt: %1</translation>
    </message>
</context>
<context>
    <name>WindowHelpers</name>
    <message>
        <source>At most %1 characters fit here.</source>
        <translation>Hier passen höchstens %1 Zeichen hinein.</translation>
    </message>
    <message>
        <source>A %1 can have at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>Ein Feld „%1“ fasst höchstens %2 Zeichen; „%3“ hat %4.</translation>
    </message>
    <message>
        <source>Drop-down list</source>
        <translation>Aufklappliste</translation>
    </message>
    <message>
        <source>Text box</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>Entry box</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerelement</translation>
    </message>
    <message>
        <source>Only whole numbers from %1 to %2 fit here.</source>
        <translation>Hier passen nur ganze Zahlen von %1 bis %2 hinein.</translation>
    </message>
</context>
<context>
    <name>clsEmployeeInfo</name>
    <message>
        <source>the data folder was opened for reading only</source>
        <translation>der Datenordner wurde nur zum Lesen geöffnet</translation>
    </message>
</context>
<context>
    <name>clsInifile</name>
    <message>
        <source>a setting needs a section and a key name</source>
        <translation>eine Einstellung braucht einen Abschnitt und einen Schlüsselnamen</translation>
    </message>
    <message>
        <source>a setting cannot hold a line break</source>
        <translation>eine Einstellung darf keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <source>the key name &quot;%1&quot; cannot be stored</source>
        <translation>der Schlüsselname „%1“ kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>clsScheduleData</name>
    <message>
        <source>the schedule was opened for reading only</source>
        <translation>der Plan wurde nur zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>the department name cannot be used as a folder name</source>
        <translation>der Abteilungsname kann nicht als Ordnername dienen</translation>
    </message>
    <message>
        <source>the file could not be read, so it was left as it is</source>
        <translation>die Datei konnte nicht gelesen werden und blieb daher, wie sie ist</translation>
    </message>
    <message>
        <source>Week
Hours</source>
        <translation>Wochen-
stunden</translation>
    </message>
    <message>
        <source>Days
Aval</source>
        <translation>Tage
verf.</translation>
    </message>
</context>
<context>
    <name>ctlUserInfo</name>
    <message>
        <source>First &amp;Name</source>
        <translation>&amp;Vorname</translation>
    </message>
    <message>
        <source>&amp;Last Name</source>
        <translation>&amp;Nachname</translation>
    </message>
    <message>
        <source>Sched&amp;ule Name</source>
        <translation>Name &amp;im Plan</translation>
    </message>
    <message>
        <source>SS Num&amp;ber</source>
        <translation>Sozialversicherungsnu&amp;mmer</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>D&amp;OB</source>
        <translation>&amp;Geburtsdatum</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Partner/in</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Abteilungen</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Nine digits, with or without dashes: 123-45-6789.</source>
        <translation>Neun Ziffern, mit oder ohne Bindestriche: 123-45-6789.</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Employee ID</source>
        <translation>Personalnummer</translation>
    </message>
    <message>
        <source>&amp;Male</source>
        <translation>M&amp;ännlich</translation>
    </message>
    <message>
        <source>F&amp;emale</source>
        <translation>&amp;Weiblich</translation>
    </message>
    <message>
        <source>Up to 10 digits; blanks, dashes, dots and brackets may be typed between them.</source>
        <translation>Bis zu 10 Ziffern; Leerzeichen, Bindestriche, Punkte und Klammern dürfen dazwischen stehen.</translation>
    </message>
    <message>
        <source>Hire Date</source>
        <translation>Eintrittsdatum</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Telefon privat</translation>
    </message>
    <message>
        <source>Emergenc&amp;y</source>
        <translation>Notfall&amp;kontakt</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Wohnort</translation>
    </message>
    <message>
        <source>State / Province</source>
        <translation>Bundesland / Region</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>From %1 to %1 is the whole day.</source>
        <translation>Von %1 bis %1 ist der ganze Tag.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>A&amp;vailability</source>
        <translation>Ve&amp;rfügbarkeit</translation>
    </message>
    <message>
        <source>Ass&amp;ignments</source>
        <translation>Zu&amp;ordnungen</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; must have nine digits, with or without dashes (123-45-6789).</source>
        <translation>Das Feld %1 „%2“ muss neun Ziffern haben, mit oder ohne Bindestriche (123-45-6789).</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a date. Please type it as %3.</source>
        <translation>Das Feld %1 „%2“ ist kein Datum. Bitte geben Sie es als %3 ein.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; has %3 digits; at most %4 can be stored. Please shorten it.</source>
        <translation>Das Feld %1 „%2“ hat %3 Ziffern; höchstens %4 können gespeichert werden. Bitte kürzen Sie es.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot hold &quot;%3&quot;: only up to %4 digits, with blanks, dashes, dots or brackets between them. Please correct it.</source>
        <translation>Das Feld %1 „%2“ darf „%3“ nicht enthalten: nur bis zu %4 Ziffern, mit Leerzeichen, Bindestrichen, Punkten oder Klammern dazwischen. Bitte korrigieren Sie es.</translation>
    </message>
    <message>
        <source>On %1, &quot;%2&quot; is not a time of day.</source>
        <translation>Am %1 ist „%2“ keine Uhrzeit.</translation>
    </message>
    <message>
        <source>On %1 the available hours must end after they begin (%2 to %3).</source>
        <translation>Am %1 müssen die verfügbaren Stunden nach ihrem Beginn enden (%2 bis %3).</translation>
    </message>
    <message>
        <source>The pay for an hour of work in every position without a rate of its own, like %1. Empty: no rate.</source>
        <translation>Der Lohn für eine Arbeitsstunde in jeder Position ohne eigenen Satz, etwa %1. Leer: kein Stundensatz.</translation>
    </message>
    <message>
        <source>Hourly Rate</source>
        <translation>Stundensatz</translation>
    </message>
    <message>
        <source>The hourly rate for the position chosen in the list; empty: the employee&apos;s hourly rate.</source>
        <translation>Der Stundensatz für die in der Liste gewählte Position; leer: der Stundensatz des Mitarbeiters.</translation>
    </message>
    <message>
        <source>Hourly rate in this position</source>
        <translation>Stundensatz in dieser Position</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not an amount. Please type it like %3, or leave it empty.</source>
        <translation>%1 „%2“ ist kein Betrag. Bitte geben Sie ihn wie %3 ein oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>The hourly rate as %1 &quot;%2&quot; is not an amount. Please type it like %3, or leave it empty.</source>
        <translation>Der Stundensatz als %1 „%2“ ist kein Betrag. Bitte geben Sie ihn wie %3 ein oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Hourly rate in the chosen position</source>
        <translation>Stundensatz in der gewählten Position</translation>
    </message>
    <message>
        <source>Hourly rate as %1</source>
        <translation>Stundensatz als %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Shiftgrid</source>
        <translation>Über Shiftgrid</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Plans the work shifts of a business&apos;s employees, department by department.</source>
        <translation>Plant die Arbeitsschichten der Mitarbeiter eines Betriebs, Abteilung für Abteilung.</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Datenordner: %1</translation>
    </message>
</context>
<context>
    <name>frmAddShift</name>
    <message>
        <source>Add Shift</source>
        <translation>Schicht hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Beginn</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Ende</translation>
    </message>
</context>
<context>
    <name>frmAddTimeOFf</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation>&amp;Grund</translation>
    </message>
    <message>
        <source>Add Time Off</source>
        <translation>Abwesenheit hinzufügen</translation>
    </message>
    <message>
        <source>Edit Time Off</source>
        <translation>Abwesenheit bearbeiten</translation>
    </message>
    <message>
        <source>The time off must end after it begins.</source>
        <translation>Die Abwesenheit muss nach ihrem Beginn enden.</translation>
    </message>
    <message>
        <source>The reason cannot hold these characters: %1</source>
        <translation>Der Grund darf diese Zeichen nicht enthalten: %1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>B&amp;is</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Please type it as %2.</source>
        <translation>„%1“ ist kein Datum. Bitte geben Sie es als %2 ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day.</source>
        <translation>„%1“ ist keine Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>frmCopySchedule</name>
    <message>
        <source>Copy Schedule</source>
        <translation>Plan kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmDepartmentList</name>
    <message>
        <source>Department List Manager</source>
        <translation>Abteilungen verwalten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>De&amp;partments</source>
        <translation>&amp;Abteilungen</translation>
    </message>
    <message>
        <source>Enter Department Name</source>
        <translation>Namen der Abteilung eingeben</translation>
    </message>
    <message>
        <source>Add Department</source>
        <translation>Abteilung hinzufügen</translation>
    </message>
    <message>
        <source>department name</source>
        <translation>Abteilungsname</translation>
    </message>
    <message>
        <source>The department %1 already exists.</source>
        <translation>Die Abteilung %1 gibt es schon.</translation>
    </message>
    <message>
        <source>Delete the department %1?</source>
        <translation>Die Abteilung %1 löschen?</translation>
    </message>
    <message>
        <source>Its %1 and %2 are deleted with it.</source>
        <translation>Ihre %1 und %2 werden mit ihr gelöscht.</translation>
    </message>
    <message>
        <source>The employees themselves and the schedules already made stay.</source>
        <translation>Die Mitarbeiter selbst und die schon erstellten Pläne bleiben.</translation>
    </message>
    <message>
        <source>Delete Department</source>
        <translation>Abteilung löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n employee membership(s)</source>
        <translation>
            <numerusform>%n Mitarbeiterzugehörigkeit</numerusform>
            <numerusform>%n Mitarbeiterzugehörigkeiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n default shift(s)</source>
        <translation>
            <numerusform>%n Standardschicht</numerusform>
            <numerusform>%n Standardschichten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmDepartmentSettings</name>
    <message>
        <source>Department Settings - </source>
        <translation>Abteilungseinstellungen - </translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Flag Overtime if</source>
        <translation>Überstunden markieren, wenn</translation>
    </message>
    <message>
        <source>0 (no limit)</source>
        <translation>0 (keine Grenze)</translation>
    </message>
    <message>
        <source>Whole hours, 0 to 255; 0 means no limit.</source>
        <translation>Ganze Stunden, 0 bis 255; 0 heißt keine Grenze.</translation>
    </message>
    <message>
        <source>&amp;Day hours greater than</source>
        <translation>&amp;Tagesstunden größer als</translation>
    </message>
    <message>
        <source>&amp;Week hours greater than</source>
        <translation>&amp;Wochenstunden größer als</translation>
    </message>
    <message>
        <source>&amp;Always display job pick list</source>
        <translation>Positions&amp;auswahl immer zeigen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;First day of week</source>
        <translation>&amp;Erster Wochentag</translation>
    </message>
    <message>
        <source>Display Start &amp;Time</source>
        <translation>Anzeige&amp;beginn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day. Type it as 9a, 9:30 pm or 21:30.</source>
        <translation>„%1“ ist keine Uhrzeit. Schreiben Sie sie als 9a, 9:30 pm oder 21:30.</translation>
    </message>
    <message>
        <source>Department Settings - %1</source>
        <translation>Abteilungseinstellungen - %1</translation>
    </message>
    <message>
        <source>The labour cost the department may spend in a week, like %1. Empty: no budget.</source>
        <translation>Die Personalkosten, die die Abteilung in einer Woche ausgeben darf, etwa %1. Leer: kein Budget.</translation>
    </message>
    <message>
        <source>How many times the hourly rate an overtime hour costs, from 1 to 10, like %1.</source>
        <translation>Das Wievielfache des Stundensatzes eine Überstunde kostet, von 1 bis 10, etwa %1.</translation>
    </message>
    <message>
        <source>Weekly &amp;Budget</source>
        <translation>Wochenbu&amp;dget</translation>
    </message>
    <message>
        <source>Overtime &amp;Multiplier</source>
        <translation>Überstunden&amp;faktor</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not an amount. Please type it like %3, or leave it empty.</source>
        <translation>%1 „%2“ ist kein Betrag. Bitte geben Sie ihn wie %3 ein oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number from 1 to 10. Please type it like %3.</source>
        <translation>%1 „%2“ ist keine Zahl von 1 bis 10. Bitte geben Sie sie wie %3 ein.</translation>
    </message>
</context>
<context>
    <name>frmEmployeeInfo</name>
    <message>
        <source>Employee Information Manager</source>
        <translation>Mitarbeiterdaten verwalten</translation>
    </message>
    <message>
        <source>Employee List</source>
        <translation>Mitarbeiterliste</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>Tippen zum Filtern</translation>
    </message>
    <message>
        <source>Shows only the employees whose names contain what you type.</source>
        <translation>Zeigt nur die Mitarbeiter, deren Name das Getippte enthält.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Import Employees from Te&amp;xt...</source>
        <translation>Aus Te&amp;xt importieren...</translation>
    </message>
    <message>
        <source>Adds the employees of a CSV file, after showing what would change.</source>
        <translation>Fügt die Mitarbeiter einer CSV-Datei hinzu, nachdem gezeigt wurde, was sich ändern würde.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The changes to this employee could not be saved. Close anyway and lose them?</source>
        <translation>Die Änderungen an diesem Mitarbeiter konnten nicht gespeichert werden. Trotzdem schließen und sie verlieren?</translation>
    </message>
    <message>
        <source>Not available yet: the employee reports are not part of this version.</source>
        <translation>Noch nicht verfügbar: Die Mitarbeiterberichte gehören nicht zu dieser Version.</translation>
    </message>
    <message>
        <source>Enter first name.</source>
        <translation>Vornamen eingeben.</translation>
    </message>
    <message>
        <source>Add Employee</source>
        <translation>Mitarbeiter hinzufügen</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Enter last name.</source>
        <translation>Nachnamen eingeben.</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Delete the employee %1?</source>
        <translation>Den Mitarbeiter %1 löschen?</translation>
    </message>
    <message>
        <source>Their %1 and %2 are deleted with them.</source>
        <translation>Seine %1 und %2 werden mit ihm gelöscht.</translation>
    </message>
    <message>
        <source>Shifts already scheduled stay.</source>
        <translation>Schon geplante Schichten bleiben.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Bitte bestätigen</translation>
    </message>
    <message>
        <source>Import Employees</source>
        <translation>Mitarbeiter importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not import %1: %2</source>
        <translation>%1 konnte nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Adding employees...</source>
        <translation>Mitarbeiter werden hinzugefügt...</translation>
    </message>
    <message numerus="yes">
        <source>%n department membership(s)</source>
        <translation>
            <numerusform>%n Abteilungszugehörigkeit</numerusform>
            <numerusform>%n Abteilungszugehörigkeiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n position(s)</source>
        <translation>
            <numerusform>%n Position</numerusform>
            <numerusform>%n Positionen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmEmployeeReports</name>
    <message>
        <source>Employee Reports</source>
        <translation>Mitarbeiterberichte</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Prints the list on the default printer.</source>
        <translation>Druckt die Liste auf dem Standarddrucker.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Report &amp;Type</source>
        <translation>Bericht&amp;sart</translation>
    </message>
    <message>
        <source>Laying out &quot;%1&quot;...</source>
        <translation>„%1“ wird gesetzt...</translation>
    </message>
    <message>
        <source>Printed &quot;%1&quot; to %2.</source>
        <translation>„%1“ auf %2 gedruckt.</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>&amp;Sort by last name, first name</source>
        <translation>Nach &amp;Nachname, Vorname sortieren</translation>
    </message>
    <message>
        <source>Print Social Security numbers &amp;whole</source>
        <translation>Sozialversicherungsnummern &amp;ganz drucken</translation>
    </message>
    <message>
        <source>Otherwise the master list and the id list show only their last four digits.</source>
        <translation>Sonst zeigen die Stammliste und die Nummernliste nur die letzten vier Ziffern.</translation>
    </message>
</context>
<context>
    <name>frmEmployeeWeek</name>
    <message>
        <source>Shift Configuration</source>
        <translation>Schicht-Einstellungen</translation>
    </message>
    <message>
        <source>Bar Display</source>
        <translation>Balkenanzeige</translation>
    </message>
    <message>
        <source>Snap To</source>
        <translation>Einrasten auf</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Mausposition</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Stretch %1 to %2</source>
        <translation>%1 auf %2 dehnen</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 nach %2 verschieben</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>%1  %2 - %3</source>
        <comment>employee, first and last day</comment>
        <translation>%1  %2 - %3</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Shiftgrid Help</source>
        <translation>Shiftgrid-Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page could not be loaded.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseite konnte nicht geladen werden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmImportEmployees</name>
    <message>
        <source>Import Employees - %1</source>
        <translation>Mitarbeiter importieren - %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Abteilungen</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Bad row</source>
        <translation>Fehlerhafte Zeile</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Schon vorhanden</translation>
    </message>
    <message>
        <source>New departments: %1.</source>
        <translation>Neue Abteilungen: %1.</translation>
    </message>
    <message>
        <source>New positions: %1.</source>
        <translation>Neue Positionen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n employee(s) to add.</source>
        <translation>
            <numerusform>%n Mitarbeiter hinzuzufügen.</numerusform>
            <numerusform>%n Mitarbeiter hinzuzufügen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bad row(s) skipped.</source>
        <translation>
            <numerusform>%n fehlerhafte Zeile übersprungen.</numerusform>
            <numerusform>%n fehlerhafte Zeilen übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bad row(s): nothing is imported unless they are skipped.</source>
        <translation>
            <numerusform>%n fehlerhafte Zeile: Nichts wird importiert, solange sie nicht übersprungen wird.</numerusform>
            <numerusform>%n fehlerhafte Zeilen: Nichts wird importiert, solange sie nicht übersprungen werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n employee(s) already there.</source>
        <translation>
            <numerusform>%n Mitarbeiter schon vorhanden.</numerusform>
            <numerusform>%n Mitarbeiter schon vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&amp;Create missing departments and positions</source>
        <translation>Fehlende Abteilungen und Positionen &amp;anlegen</translation>
    </message>
    <message>
        <source>&amp;Skip bad rows</source>
        <translation>Fehlerhafte Zeilen über&amp;springen</translation>
    </message>
    <message>
        <source>Save a Sa&amp;mple CSV...</source>
        <translation>&amp;Muster-CSV speichern...</translation>
    </message>
    <message>
        <source>Writes a CSV file with every column this import reads and two example rows.</source>
        <translation>Schreibt eine CSV-Datei mit jeder Spalte, die dieser Import liest, und zwei Beispielzeilen.</translation>
    </message>
    <message>
        <source>Save a Sample CSV</source>
        <translation>Muster-CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmInitialSetup</name>
    <message>
        <source>Help Wizard</source>
        <translation>Hilfe-Assistent</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Abteilungen</translation>
    </message>
    <message>
        <source>Setup &amp;Departments</source>
        <translation>&amp;Abteilungen einrichten</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Setup &amp;Positions</source>
        <translation>P&amp;ositionen einrichten</translation>
    </message>
    <message>
        <source>Default Work Shifts</source>
        <translation>Standard-Arbeitsschichten</translation>
    </message>
    <message>
        <source>Setup Wor&amp;k Shifts</source>
        <translation>Arbeits&amp;schichten einrichten</translation>
    </message>
    <message>
        <source>Employees</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Setup &amp;Employees</source>
        <translation>&amp;Mitarbeiter einrichten</translation>
    </message>
    <message>
        <source>Schedule Employees</source>
        <translation>Mitarbeiter einplanen</translation>
    </message>
    <message>
        <source>Launch S&amp;cheduler</source>
        <translation>Schichtplaner s&amp;tarten</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message>
        <source>Schedule Days &amp;Off</source>
        <translation>Freie Tage p&amp;lanen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Demo Business</source>
        <translation>Beispielbetrieb</translation>
    </message>
    <message>
        <source>Open Demo B&amp;usiness</source>
        <translation>Beispielbetrieb öffne&amp;n</translation>
    </message>
    <message>
        <source>Explore Shiftgrid with a made-up business first. It opens in a folder of its own; your data folder stays as it is until you set up your business.</source>
        <translation>Erkunden Sie Shiftgrid zuerst mit einem erfundenen Betrieb. Er öffnet sich in einem eigenen Ordner; Ihr Datenordner bleibt unverändert, bis Sie Ihren Betrieb einrichten.</translation>
    </message>
    <message>
        <source>Start by setting up each department.  Each individual department will be scheduled separately.</source>
        <translation>Richten Sie zuerst jede Abteilung ein.  Jede Abteilung wird für sich geplant.</translation>
    </message>
    <message>
        <source>Assign employee positions. Employees may be assigned to multiple positions.</source>
        <translation>Legen Sie die Positionen fest. Mitarbeiter können mehrere Positionen haben.</translation>
    </message>
    <message>
        <source>Setup your default work shifts for each department.</source>
        <translation>Richten Sie die Standard-Arbeitsschichten jeder Abteilung ein.</translation>
    </message>
    <message>
        <source>Setup Employee names, contact, and availability information</source>
        <translation>Richten Sie Namen, Kontaktdaten und Verfügbarkeit der Mitarbeiter ein</translation>
    </message>
    <message>
        <source>Setup your employee work schedules.</source>
        <translation>Erstellen Sie die Dienstpläne Ihrer Mitarbeiter.</translation>
    </message>
    <message>
        <source>Schedule employee days off.</source>
        <translation>Planen Sie die freien Tage der Mitarbeiter.</translation>
    </message>
    <message>
        <source>Configure and print various reports.</source>
        <translation>Stellen Sie Berichte zusammen und drucken Sie sie.</translation>
    </message>
    <message>
        <source>Pr&amp;int Reports</source>
        <translation>Berichte dr&amp;ucken</translation>
    </message>
</context>
<context>
    <name>frmJobSetup</name>
    <message>
        <source>Positions List Manager</source>
        <translation>Positionen verwalten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Position &amp;Name</source>
        <translation>Positions&amp;name</translation>
    </message>
    <message>
        <source>Enter Position Name</source>
        <translation>Namen der Position eingeben</translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Position hinzufügen</translation>
    </message>
    <message>
        <source>position name</source>
        <translation>Positionsname</translation>
    </message>
    <message>
        <source>The position %1 already exists; its colours stay as they are.</source>
        <translation>Die Position %1 gibt es schon; ihre Farben bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Delete the position %1?</source>
        <translation>Die Position %1 löschen?</translation>
    </message>
    <message>
        <source>Shifts already scheduled stay.</source>
        <translation>Schon geplante Schichten bleiben.</translation>
    </message>
    <message>
        <source>Delete Position</source>
        <translation>Position löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n employee(s) who hold(s) it can then no longer be scheduled for it.</source>
        <translation>
            <numerusform>%n Mitarbeiter, der sie innehat, kann dann nicht mehr für sie eingeplant werden.</numerusform>
            <numerusform>%n Mitarbeiter, die sie innehaben, können dann nicht mehr für sie eingeplant werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPickDate</name>
    <message>
        <source>Pick Date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Click each report to print; each chosen report comes out on its own.</source>
        <translation>Klicken Sie jeden zu druckenden Bericht an; jeder gewählte Bericht wird für sich ausgegeben.</translation>
    </message>
    <message>
        <source>Report &amp;Type</source>
        <translation>Bericht&amp;sart</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>&amp;First Date</source>
        <translation>E&amp;rstes Datum</translation>
    </message>
    <message>
        <source>&amp;Last Date</source>
        <translation>&amp;Letztes Datum</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Prints each chosen report on the default printer.</source>
        <translation>Druckt jeden gewählten Bericht auf dem Standarddrucker.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Opens each chosen report in a preview window.</source>
        <translation>Öffnet jeden gewählten Bericht in einem Vorschaufenster.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Please select a report type</source>
        <translation>Bitte wählen Sie eine Berichtsart</translation>
    </message>
    <message>
        <source>The first date (%1) is after the last date (%2). Please put them in order.</source>
        <translation>Das erste Datum (%1) liegt nach dem letzten (%2). Bitte bringen Sie sie in die richtige Reihenfolge.</translation>
    </message>
    <message>
        <source>Laying out &quot;%1&quot;...</source>
        <translation>„%1“ wird gesetzt...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; to %2</source>
        <translation>„%1“ an %2</translation>
    </message>
    <message>
        <source>Some schedule files could not be read, so the reports leave their shifts out:
%1</source>
        <translation>Einige Plandateien konnten nicht gelesen werden, daher lassen die Berichte ihre Schichten weg:
%1</translation>
    </message>
    <message>
        <source>Printed %1.</source>
        <translation>%1 gedruckt.</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>The first date is after the last date.</source>
        <translation>Das erste Datum liegt nach dem letzten.</translation>
    </message>
</context>
<context>
    <name>frmReportFilter</name>
    <message>
        <source>Report Filter</source>
        <translation>Berichtsfilter</translation>
    </message>
    <message>
        <source>Department Filter</source>
        <translation>Abteilungsfilter</translation>
    </message>
    <message>
        <source>&amp;Department</source>
        <translation>&amp;Abteilung</translation>
    </message>
    <message>
        <source>Position Filter</source>
        <translation>Positionsfilter</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>Employee Filter</source>
        <translation>Mitarbeiterfilter</translation>
    </message>
    <message>
        <source>&amp;Employee</source>
        <translation>&amp;Mitarbeiter</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>&amp;Ausgewählte</translation>
    </message>
</context>
<context>
    <name>frmReportPreview</name>
    <message>
        <source>Report Preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes this preview</source>
        <translation>Schließt diese Vorschau</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Chooses a printer and the pages, then prints</source>
        <translation>Wählt Drucker und Seiten, dann wird gedruckt</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <source>Saves every page as a PDF file</source>
        <translation>Speichert alle Seiten als PDF-Datei</translation>
    </message>
    <message>
        <source>Print Later</source>
        <translation>Später drucken</translation>
    </message>
    <message>
        <source>Keeps the report in the Delayed Print folder for printing later</source>
        <translation>Legt den Bericht zum späteren Drucken im Ordner für verzögerten Druck ab</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Seite </translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source> of %1 </source>
        <translation> von %1 </translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>Laying out &quot;%1&quot;...</source>
        <translation>„%1“ wird gesetzt...</translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot;...</source>
        <translation>„%1“ wird gedruckt...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed on %2.</source>
        <translation>„%1“ konnte nicht auf %2 gedruckt werden.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>An %1 gesendet.</translation>
    </message>
    <message>
        <source>Keeping &quot;%1&quot; for later...</source>
        <translation>„%1“ wird für später abgelegt...</translation>
    </message>
    <message>
        <source>The report was not kept for printing later.
%1</source>
        <translation>Der Bericht wurde nicht zum späteren Drucken abgelegt.
%1</translation>
    </message>
    <message>
        <source>Kept for printing later as %1 in %2.</source>
        <translation>Zum späteren Drucken als %1 in %2 abgelegt.</translation>
    </message>
    <message>
        <source>%1 Preview</source>
        <translation>%1 – Vorschau</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Saves the report&apos;s rows as a CSV file for a spreadsheet</source>
        <translation>Speichert die Zeilen des Berichts als CSV-Datei für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Rows exported to %1.</source>
        <translation>Zeilen exportiert nach %1.</translation>
    </message>
</context>
<context>
    <name>frmSchedule</name>
    <message>
        <source>Schedule</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Go to another week (Ctrl+G)</source>
        <translation>Zu einer anderen Woche gehen (Strg+G)</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source> Week View</source>
        <translation> Wochenansicht</translation>
    </message>
    <message>
        <source>Previous week (Page Up)</source>
        <translation>Vorige Woche (Bild auf)</translation>
    </message>
    <message>
        <source>Next week (Page Down)</source>
        <translation>Nächste Woche (Bild ab)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Voriger Tag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>Copy Week</source>
        <translation>Woche kopieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Saves the week, then opens the schedule reports for this department and these days.</source>
        <translation>Speichert die Woche und öffnet dann die Planberichte für diese Abteilung und diese Tage.</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Add Shift</source>
        <translation>Schicht hinzufügen</translation>
    </message>
    <message>
        <source>Snap To</source>
        <translation>Einrasten auf</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Bar Text</source>
        <translation>Balkentext</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Mausposition</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>Previous &amp;Week</source>
        <translation>Vorige &amp;Woche</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>&amp;Nächste Woche</translation>
    </message>
    <message>
        <source>Previous &amp;Day</source>
        <translation>Voriger &amp;Tag</translation>
    </message>
    <message>
        <source>Next D&amp;ay</source>
        <translation>Nächster T&amp;ag</translation>
    </message>
    <message>
        <source>&amp;Go to Date...</source>
        <translation>&amp;Gehe zu Datum...</translation>
    </message>
    <message>
        <source>&amp;Copy Day or Week...</source>
        <translation>Tag oder Woche &amp;kopieren...</translation>
    </message>
    <message>
        <source>Show C&amp;onflicts...</source>
        <translation>K&amp;onflikte zeigen...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>&amp;Bild exportieren...</translation>
    </message>
    <message>
        <source>Export Calenda&amp;r...</source>
        <translation>Kalende&amp;r exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Switch &amp;Day/Week View</source>
        <translation>&amp;Tages-/Wochenansicht wechseln</translation>
    </message>
    <message>
        <source>&amp;Week Hours</source>
        <translation>&amp;Wochenstunden</translation>
    </message>
    <message>
        <source>D&amp;ay Hours</source>
        <translation>T&amp;agesstunden</translation>
    </message>
    <message>
        <source>Days &amp;Worked</source>
        <translation>&amp;Gearbeitete Tage</translation>
    </message>
    <message>
        <source>Bars Show &amp;Position</source>
        <translation>Balken zeigen &amp;Position</translation>
    </message>
    <message>
        <source>Bars Show &amp;Times</source>
        <translation>Balken zeigen &amp;Zeiten</translation>
    </message>
    <message>
        <source>Bars Show &amp;Nothing</source>
        <translation>Balken zeigen &amp;nichts</translation>
    </message>
    <message>
        <source>&amp;Add Shift</source>
        <translation>Schicht &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Pick &amp;Shift</source>
        <translation>S&amp;chicht wählen</translation>
    </message>
    <message>
        <source>Pick S&amp;tart</source>
        <translation>&amp;Beginn wählen</translation>
    </message>
    <message>
        <source>Pick &amp;End</source>
        <translation>&amp;Ende wählen</translation>
    </message>
    <message>
        <source>The Chosen Default Shift</source>
        <translation>Die gewählte Standardschicht</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Anpassen...</translation>
    </message>
    <message>
        <source>Please setup a department first</source>
        <translation>Bitte richten Sie zuerst eine Abteilung ein</translation>
    </message>
    <message>
        <source> Day View</source>
        <translation> Tagesansicht</translation>
    </message>
    <message>
        <source>Copy Day</source>
        <translation>Tag kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Time off is changed in the time-off window (Schedules, Availability Scheduler).</source>
        <translation>Abwesenheiten werden im Abwesenheitsfenster geändert (Pläne, Abwesenheitsplaner).</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Stretch %1 to %2</source>
        <translation>%1 auf %2 dehnen</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 nach %2 verschieben</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Could not write the picture &quot;%1&quot;.</source>
        <translation>Das Bild „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Kalender exportieren</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Nur %1</translation>
    </message>
    <message>
        <source>The whole department %1</source>
        <translation>Die ganze Abteilung %1</translation>
    </message>
    <message>
        <source>Whose shifts of the week?</source>
        <translation>Wessen Schichten der Woche?</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Could not export the calendar &quot;%1&quot;: %2</source>
        <translation>Der Kalender „%1“ konnte nicht exportiert werden: %2</translation>
    </message>
    <message>
        <source>Could not write the calendar &quot;%1&quot;: %2</source>
        <translation>Der Kalender „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 without %n conflicting shift(s) (Schedule, Show Conflicts lists them).</source>
        <translation>
            <numerusform>%1 exportiert, ohne %n kollidierende Schicht (Plan, Konflikte zeigen listet sie).</numerusform>
            <numerusform>%1 exportiert, ohne %n kollidierende Schichten (Plan, Konflikte zeigen listet sie).</numerusform>
        </translation>
    </message>
    <message>
        <source>Select the week to copy to.</source>
        <translation>Wählen Sie die Woche, in die kopiert wird.</translation>
    </message>
    <message>
        <source>Select the day to copy to.</source>
        <translation>Wählen Sie den Tag, auf den kopiert wird.</translation>
    </message>
    <message>
        <source>Copy week of %1 to week of %2</source>
        <translation>Woche vom %1 in die Woche vom %2 kopieren</translation>
    </message>
    <message>
        <source>Copy %1 to %2</source>
        <translation>%1 auf %2 kopieren</translation>
    </message>
    <message>
        <source>Verify Copy</source>
        <translation>Kopieren bestätigen</translation>
    </message>
    <message>
        <source>Copy Schedule</source>
        <translation>Plan kopieren</translation>
    </message>
    <message>
        <source>Replace Schedule</source>
        <translation>Plan ersetzen</translation>
    </message>
    <message>
        <source>12 Hours</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>2 Days</source>
        <translation>2 Tage</translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation>3 Tage</translation>
    </message>
    <message>
        <source>4 Days</source>
        <translation>4 Tage</translation>
    </message>
    <message>
        <source>5 Days</source>
        <translation>5 Tage</translation>
    </message>
    <message>
        <source>6 Days</source>
        <translation>6 Tage</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>first and last day shown</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>&amp;Open the Employee Editor</source>
        <translation>&amp;Mitarbeiterverwaltung öffnen</translation>
    </message>
    <message>
        <source>Nobody works in %1 yet, so there is no one to plan. Add employees to it in the employee editor.</source>
        <translation>In %1 arbeitet noch niemand, daher gibt es niemanden zu planen. Fügen Sie in der Mitarbeiterverwaltung Mitarbeiter hinzu.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) already hold shifts: %1.
Replace their schedule?</source>
        <translation>
            <numerusform>%n Tag hat schon Schichten: %1.
Seinen Plan ersetzen?</numerusform>
            <numerusform>%n Tage haben schon Schichten: %1.
Ihren Plan ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs...</source>
        <translation>Bedarf...</translation>
    </message>
    <message>
        <source>Fill...</source>
        <translation>Auffüllen...</translation>
    </message>
    <message>
        <source>Staffing Needs</source>
        <translation>Personalbedarf</translation>
    </message>
    <message>
        <source>&amp;Staffing Needs...</source>
        <translation>&amp;Personalbedarf...</translation>
    </message>
    <message>
        <source>&amp;Fill Open Needs...</source>
        <translation>Offenen Bedarf a&amp;uffüllen...</translation>
    </message>
    <message>
        <source>&amp;Coverage Strip</source>
        <translation>&amp;Besetzungsstreifen</translation>
    </message>
    <message numerus="yes">
        <source>Fill %n open need(s)</source>
        <translation>
            <numerusform>%n offenen Bedarf auffüllen</numerusform>
            <numerusform>%n offene Bedarfe auffüllen</numerusform>
        </translation>
    </message>
    <message>
        <source>These planned shifts no longer fit and were not added:
%1</source>
        <translation>Diese geplanten Schichten passen nicht mehr und wurden nicht hinzugefügt:
%1</translation>
    </message>
    <message>
        <source>Cost Co&amp;lumn</source>
        <translation>&amp;Kostenspalte</translation>
    </message>
</context>
<context>
    <name>frmShiftsSetup</name>
    <message>
        <source>Default Shifts Manager</source>
        <translation>Standardschichten verwalten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Nach oben</translation>
    </message>
    <message>
        <source>D&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>De&amp;partment</source>
        <translation>&amp;Abteilung</translation>
    </message>
    <message>
        <source>Sh&amp;ift</source>
        <translation>&amp;Schicht</translation>
    </message>
    <message>
        <source>Please setup a department</source>
        <translation>Bitte richten Sie eine Abteilung ein</translation>
    </message>
</context>
<context>
    <name>frmStaffingNeeds</name>
    <message>
        <source>Staffing Needs</source>
        <translation>Personalbedarf</translation>
    </message>
    <message>
        <source>&amp;Department:</source>
        <translation>&amp;Abteilung:</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Benötigt</translation>
    </message>
    <message>
        <source>Most</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Copy Day To...</source>
        <translation>Tag &amp;kopieren nach...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Save the staffing needs of %1?</source>
        <translation>Den Personalbedarf von %1 speichern?</translation>
    </message>
    <message>
        <source>Some rows of %1 could not be read and are not shown; saving leaves them out:
%2</source>
        <translation>Einige Zeilen von %1 konnten nicht gelesen werden und werden nicht gezeigt; beim Speichern fallen sie weg:
%2</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>Select a row of the weekday to copy.</source>
        <translation>Wählen Sie eine Zeile des Wochentags, der kopiert werden soll.</translation>
    </message>
    <message>
        <source>Every other weekday</source>
        <translation>Jeden anderen Wochentag</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Montag bis Freitag</translation>
    </message>
    <message>
        <source>Copy the rows of %1 to:</source>
        <translation>Die Zeilen von %1 kopieren nach:</translation>
    </message>
    <message>
        <source>Weekday %1..%2; From and To as HH:MM (a To not after From runs past midnight); Needed and Most 0 to 99, Most empty for no bound. Overlapping rows add up.</source>
        <translation>Wochentag %1..%2; Von und Bis als HH:MM (ein Bis, das nicht nach Von liegt, reicht über Mitternacht); Benötigt und Höchstens 0 bis 99, Höchstens leer für keine Obergrenze. Überlappende Zeilen werden addiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a weekday %2..%3</source>
        <translation>„%1“ ist kein Wochentag %2..%3</translation>
    </message>
</context>
<context>
    <name>frmTimeOffSetup</name>
    <message>
        <source>Availability Manager</source>
        <translation>Abwesenheitsplaner</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Employee</source>
        <translation>&amp;Mitarbeiter</translation>
    </message>
    <message>
        <source>Please setup employees first.</source>
        <translation>Bitte richten Sie zuerst Mitarbeiter ein.</translation>
    </message>
    <message>
        <source>The time off of %1 could not be saved. Close anyway and lose the changes?</source>
        <translation>Die Abwesenheiten von %1 konnten nicht gespeichert werden. Trotzdem schließen und die Änderungen verlieren?</translation>
    </message>
    <message>
        <source>Add time off %1</source>
        <translation>Abwesenheit %1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete time off %1</source>
        <translation>Abwesenheit %1 löschen</translation>
    </message>
    <message>
        <source>Edit time off %1</source>
        <translation>Abwesenheit %1 bearbeiten</translation>
    </message>
    <message>
        <source>Move time off %1</source>
        <translation>Abwesenheit %1 verschieben</translation>
    </message>
    <message>
        <source>Resize time off %1</source>
        <translation>Dauer der Abwesenheit %1 ändern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>He&amp;ute</translation>
    </message>
    <message>
        <source>Pre&amp;vious Week</source>
        <translation>&amp;Vorige Woche</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>&amp;Nächste Woche</translation>
    </message>
    <message>
        <source>Wee&amp;k of</source>
        <translation>W&amp;oche vom</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>mdiSchedule</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File Menu</source>
        <translation>Menü Datei</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Schedules</source>
        <translation>&amp;Pläne</translation>
    </message>
    <message>
        <source>&amp;Employee Scheduler</source>
        <translation>&amp;Schichtplaner</translation>
    </message>
    <message>
        <source>&amp;Availability Scheduler</source>
        <translation>&amp;Abwesenheitsplaner</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>&amp;Schedule Reports</source>
        <translation>&amp;Planberichte</translation>
    </message>
    <message>
        <source>&amp;Employee Reports</source>
        <translation>&amp;Mitarbeiterberichte</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>&amp;Departments</source>
        <translation>&amp;Abteilungen</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>&amp;Positionen</translation>
    </message>
    <message>
        <source>Work &amp;Shifts</source>
        <translation>Arbeits&amp;schichten</translation>
    </message>
    <message>
        <source>&amp;Employees</source>
        <translation>&amp;Mitarbeiter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>HelpMenu</source>
        <translation>Hilfemenü</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Online Support</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Support Web Site</source>
        <translation>&amp;Support-Website</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>&amp;Produktinformation</translation>
    </message>
    <message>
        <source>Help &amp;Wizard</source>
        <translation>Hilfe-&amp;Assistent</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Window List</source>
        <translation>&amp;Fensterliste</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>C&amp;lose Window</source>
        <translation>Fenster sch&amp;ließen</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>&amp;Alle schließen</translation>
    </message>
    <message>
        <source>Not available yet: %1 is not part of this version of Shiftgrid.</source>
        <translation>Noch nicht verfügbar: %1 gehört nicht zu dieser Version von Shiftgrid.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>No windows are open</source>
        <translation>Keine Fenster geöffnet</translation>
    </message>
    <message>
        <source>Could not open %1 in the web browser.</source>
        <translation>%1 konnte nicht im Webbrowser geöffnet werden.</translation>
    </message>
    <message>
        <source>Shiftgrid (read-only)</source>
        <translation>Shiftgrid (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Not available: another copy of Shiftgrid is changing this data folder, so this one only reads it.</source>
        <translation>Nicht verfügbar: Eine andere Shiftgrid-Kopie ändert diesen Datenordner, daher liest diese ihn nur.</translation>
    </message>
    <message>
        <source>Demo Business</source>
        <translation>Beispielbetrieb</translation>
    </message>
    <message>
        <source>Could not save the Help Wizard setting in &quot;%1&quot;.</source>
        <translation>Die Einstellung des Hilfe-Assistenten konnte nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>Staffing &amp;Needs</source>
        <translation>Personal&amp;bedarf</translation>
    </message>
</context>
</TS>
