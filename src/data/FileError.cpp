#include "FileError.h"

#include <QFileInfo>

QString FileError::userText() const
{
    const QFileInfo info(m_path);
    return QStringLiteral("Could not %1 \"%2\" (in %3): %4.")
        .arg(m_kind == Kind::Read ? QStringLiteral("read") : QStringLiteral("save"), info.fileName(),
             info.absolutePath(), m_reason);
}
