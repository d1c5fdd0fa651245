#include "clsInifile.h"

#include "CodePage.h"
#include "FileError.h"
#include "ScheduleHelper.h"

#include <QCoreApplication>
#include <QList>

namespace {

const QString kWriteRoutine = QStringLiteral("kelVBWritePrivateProfileString");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

// The text without the blanks at either end (spaces, tabs and stray carriage returns).
QString trimmed(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first)))
        ++first;
    while (last > first && isBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first).toString();
}

// A name as the file can hold it: cut to the code page, so that a character the file stores as
// '?' still finds the section or key it was written to.
QString storedName(const QString &name)
{
    return trimmed(CodePage::decode(CodePage::encode(name)));
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One line of the file. Offsets are character offsets in the decoded text, which are also byte
// offsets in the file since the code page has one byte per character.
struct Line
{
    enum Kind { Blank, Comment, Section, Key, Other };
    Kind kind = Other;
    qsizetype start = 0;   // first character
    qsizetype end = 0;     // one past the last character before the line break
    qsizetype next = 0;    // start of the following line (after '\n'), or the text's size
    QString name;          // section or key name, trimmed
    QString value;         // key value, trimmed, quotes kept
};

QList<Line> parseLines(const QString &text)
{
    QList<Line> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        Line line;
        line.start = pos;
        qsizetype nl = text.indexOf(u'\n', pos);
        line.next = nl < 0 ? text.size() : nl + 1;
        line.end = nl < 0 ? text.size() : nl;
        if (line.end > line.start && text.at(line.end - 1) == u'\r')
            --line.end;
        pos = line.next;

        const QString content = trimmed(QStringView(text).mid(line.start, line.end - line.start));
        if (content.isEmpty()) {
            line.kind = Line::Blank;
        } else if (content.startsWith(u';')) {
            line.kind = Line::Comment;
        } else if (content.startsWith(u'[') && content.lastIndexOf(u']') > 0) {
            line.kind = Line::Section;
            line.name = trimmed(QStringView(content).mid(1, content.lastIndexOf(u']') - 1));
        } else {
            // A line without '=' is a key without a value.
            const qsizetype eq = content.indexOf(u'=');
            line.kind = Line::Key;
            line.name = trimmed(QStringView(content).left(eq < 0 ? content.size() : eq));
            line.value = eq < 0 ? QString() : trimmed(QStringView(content).mid(eq + 1));
        }
        lines.append(line);
    }
    return lines;
}

// Where a key sits: the index of the first section of the name (-1 when none), the index of the
// first key of the name in it (-1 when none), and the last non-blank line of that section.
struct Location
{
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype lastNonBlank = -1;
};

Location locate(const QList<Line> &lines, const QString &section, const QString &key)
{
    Location at;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        if (at.section < 0) {
            if (line.kind == Line::Section && sameName(line.name, section))
                at.section = at.lastNonBlank = i;
            continue;
        }
        if (line.kind == Line::Section)
            break;   // the first section of the name has ended
        if (line.kind != Line::Blank)
            at.lastNonBlank = i;
        if (line.kind == Line::Key && at.key < 0 && sameName(line.name, key))
            at.key = i;
    }
    return at;
}

// Why a name or value cannot be written so that it reads back the same; empty when it can.
QString writeProblem(const QString &section, const QString &key, const QString &value)
{
    const auto breaksLine = [](const QString &s) {
        return s.contains(u'\n') || s.contains(u'\r') || s.contains(QChar(0));
    };
    if (section.isEmpty() || key.isEmpty())
        return QCoreApplication::translate("clsInifile", "a setting needs a section and a key name");
    if (breaksLine(section) || breaksLine(key) || breaksLine(value))
        return QCoreApplication::translate("clsInifile", "a setting cannot hold a line break");
    if (key.contains(u'=') || key.startsWith(u';') || key.startsWith(u'['))
        return QCoreApplication::translate("clsInifile", "the key name \"%1\" cannot be stored").arg(key);
    return {};
}

} // namespace

QString clsInifile::kelVBGetPrivateProfileString(const QString &section, const QString &key,
                                                 const QString &fileName)
{
    const QString sectionName = storedName(section);
    const QString keyName = storedName(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return {};

    QByteArray bytes;
    try {
        bytes = ScheduleHelper::ReadFileBytes(fileName);
    } catch (const FileError &) {
        return {};   // an unreadable file reads as one without the key
    }
    const QString text = CodePage::decode(bytes);
    const QList<Line> lines = parseLines(text);
    const Location at = locate(lines, sectionName, keyName);
    if (at.key < 0)
        return {};

    QString value = lines.at(at.key).value;
    if (value.size() > 1 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(kMaxValueLength);
}

void clsInifile::WriteProfileString(const QString &section, const QString &key,
                                    const QString &value, const QString &fileName)
{
    const QString sectionName = storedName(section);
    const QString keyName = storedName(key);
    const QString problem = writeProblem(sectionName, keyName, value);
    if (!problem.isEmpty())
        throw FileError(kWriteRoutine, fileName, problem, FileError::Kind::Write);

    // A file that cannot be read is never replaced: its other settings would be lost.
    const QByteArray old = ScheduleHelper::ReadFileBytes(fileName);
    const QString text = CodePage::decode(old);
    const QList<Line> lines = parseLines(text);
    const Location at = locate(lines, sectionName, keyName);
    const QString crlf = QStringLiteral("\r\n");

    // Only the changed or added text is encoded; every other byte is copied as it was.
    qsizetype from = 0;
    qsizetype to = 0;
    QString insert;
    if (at.key >= 0) {
        const Line &line = lines.at(at.key);
        const QString stored = line.name + u'=' + CodePage::decode(CodePage::encode(value));
        if (QStringView(text).mid(line.start, line.end - line.start) == stored)
            return;   // already stored exactly so
        from = line.start;
        to = line.next;
        insert = stored + crlf;
    } else if (at.section >= 0) {
        const Line &line = lines.at(at.lastNonBlank);
        from = to = line.next;
        if (line.next == text.size() && !text.endsWith(u'\n'))   // last line, no line break yet
            insert = crlf;
        insert += keyName + u'=' + value + crlf;
    } else {
        from = to = text.size();
        if (!text.isEmpty() && !text.endsWith(u'\n'))
            insert = crlf;
        insert += u'[' + sectionName + u']' + crlf + keyName + u'=' + value + crlf;
    }

    QByteArray bytes = old.left(from);
    bytes += CodePage::encode(insert);
    bytes += old.mid(to);
    ScheduleHelper::WriteFileBytes(fileName, bytes);
}

bool clsInifile::kelVBWritePrivateProfileString(const QString &section, const QString &key,
                                                const QString &value, const QString &fileName)
{
    try {
        WriteProfileString(section, key, value, fileName);
        return true;
    } catch (const FileError &) {
        return false;
    }
}
