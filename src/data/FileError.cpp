#include "FileError.h"

#include <QCoreApplication>
#include <QFileInfo>

QString FileError::userText() const
{
    const QFileInfo info(m_path);
    const QString text = m_kind == Kind::Read
                             ? QCoreApplication::translate("FileError", "Could not read \"%1\" (in %2): %3.")
                             : QCoreApplication::translate("FileError", "Could not save \"%1\" (in %2): %3.");
    return text.arg(info.fileName(), info.absolutePath(), m_reason);
}
