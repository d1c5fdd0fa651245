#include "FileError.h"

#include <QFileInfo>

QString FileError::userText() const
{
    const QFileInfo info(m_path);
    const bool reading = m_routine.contains(QLatin1String("Read"));
    return QStringLiteral("Could not %1 \"%2\" (in %3): %4.")
        .arg(reading ? QStringLiteral("read") : QStringLiteral("save"), info.fileName(),
             info.absolutePath(), m_reason);
}
