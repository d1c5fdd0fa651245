#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Department and position names as the record files store and look them up.
namespace StoredName {

// The stored form of a typed name: blanks around it trimmed, upper-cased by the code page.
QString key(const QString &name);

// The field a name given by a caller is looked up with: leading blanks do not matter, the name
// is cut to the field's width, and a name that still ends in a blank (or differs in letter case)
// matches no stored name. Empty when nothing can match.
std::optional<QByteArray> lookupField(const QString &name, int width);

// True when the stored field equals the looked-up one byte for byte.
bool fieldMatches(const char *stored, const std::optional<QByteArray> &wanted, int width);

} // namespace StoredName
