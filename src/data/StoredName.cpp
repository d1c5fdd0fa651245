#include "StoredName.h"

#include "CodePage.h"

#include <cstring>

namespace StoredName {

QString key(const QString &name)
{
    return CodePage::toUpper(CodePage::trimBlanks(name));
}

std::optional<QByteArray> lookupField(const QString &name, int width)
{
    qsizetype first = 0;
    while (first < name.size() && name.at(first) == u' ')
        ++first;
    const QString cut = name.mid(first, width);
    if (cut.endsWith(u' '))
        return std::nullopt;
    QByteArray bytes(width, ' ');
    CodePage::TextToField(bytes.data(), width, cut);
    return bytes;
}

bool fieldMatches(const char *stored, const std::optional<QByteArray> &wanted, int width)
{
    return wanted && std::memcmp(stored, wanted->constData(), size_t(width)) == 0;
}

} // namespace StoredName
