#include "OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace OutputFile {

namespace {

#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;   // the usual file systems there
#else
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

bool isInside(const QString &path, const QString &folder)
{
    if (path.compare(folder, kFileNameCase) == 0)
        return true;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return path.startsWith(prefix, kFileNameCase);
}

} // namespace

QString resolved(const QString &path)
{
    QFileInfo file(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    // A link at the file's own name: a save writes where it leads, even to a file not there yet.
    for (int hops = 0; file.isSymLink() && hops < 40; ++hops)
        file.setFile(QDir::cleanPath(file.symLinkTarget()));
    if (file.exists())
        return file.canonicalFilePath();
    QString rest = file.fileName();
    QString folder = file.absolutePath();
    while (!QFileInfo::exists(folder)) {
        const QFileInfo up(folder);
        if (up.isRoot() || up.absolutePath() == folder)
            return QDir::cleanPath(folder + u'/' + rest);
        rest = up.fileName() + u'/' + rest;
        folder = up.absolutePath();
    }
    return QDir::cleanPath(QFileInfo(folder).canonicalFilePath() + u'/' + rest);
}

QString refusal(const QString &option, const QString &file, const QString &dataFolder)
{
    if (!isInside(resolved(file), resolved(dataFolder)))
        return {};
    return QCoreApplication::translate("OutputFile", "%1 %2 is inside the data folder %3 that the command reads; write it elsewhere")
        .arg(option, QDir::toNativeSeparators(file), QDir::toNativeSeparators(dataFolder));
}

} // namespace OutputFile
