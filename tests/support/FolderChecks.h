#pragma once

// Shared by the command and report tests: a folder's whole state, and output against a checked-in
// golden file.

#include "HandMadeRecords.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>

// Every entry below the folder: regular files with a digest of their bytes, anything else by its
// kind (a pipe is never opened), each with its time. A command that changes, adds or removes
// anything shows in the comparison.
inline QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QByteArray what = info.isSymLink() ? "link " + info.symLinkTarget().toUtf8()
                          : info.isDir()   ? QByteArray("folder")
                          : info.isFile()  ? QCryptographicHash::hash(HandMade::read(path), QCryptographicHash::Sha1)
                                           : QByteArray("special");
        entries.insert(QDir(folder).relativeFilePath(path), what + " " + QByteArray::number(info.lastModified().toMSecsSinceEpoch()));
    }
    return entries;
}

// Compares the output with golden/<name> of the test's area line by line, naming the first line
// that differs. With SHIFTGRID_UPDATE_GOLDEN=1 in the environment the file is rewritten.
inline bool matchesGolden(const QString &output, const QString &name)
{
    const QString path = QStringLiteral(SHIFTGRID_TEST_AREA_DIR "/golden/") + name;
    if (qEnvironmentVariableIntValue("SHIFTGRID_UPDATE_GOLDEN"))
        HandMade::write(path, output.toUtf8());
    const QList<QByteArray> got = output.toUtf8().split('\n'), want = HandMade::read(path).split('\n');
    for (qsizetype i = 0; i < qMax(got.size(), want.size()); ++i) {
        const QByteArray a = got.value(i, "(end)"), b = want.value(i, "(end)");
        if (a != b) {
            qWarning("%s line %d: %s, expected %s", qPrintable(name), int(i + 1), a.constData(), b.constData());
            return false;
        }
    }
    return true;
}
