#include "PositionRecords.h"

#include "CodePage.h"
#include "DecodedRecords.h"
#include "StoredName.h"

using StoredName::key;

namespace {
// The record and its offsets.
constexpr int Size = 328, Name = 0, NameWidth = 20, TextColor = 20, BackColor = 24;
} // namespace

void PositionRecords::load(const QString &path)
{
    m_positions = DecodedRecords::load(path, Size, [](const char *r) {
        return PositionInfo{CodePage::toUpper(CodePage::FieldToText(r + Name, NameWidth)), Field::i32(r + TextColor),
                            Field::i32(r + BackColor)};
    });
}

void PositionRecords::save(const QString &path) const
{
    DecodedRecords::save(path, Size, m_positions, [](char *r, const PositionInfo &p) {
        CodePage::TextToField(r + Name, NameWidth, key(p.name));
        Field::setI32(r + TextColor, p.textColor);
        Field::setI32(r + BackColor, p.backColor);
    });
}

void PositionRecords::setColours(const QString &name, qint32 textColor, qint32 backColor)
{
    const QString k = key(name);
    auto it = std::find_if(m_positions.begin(), m_positions.end(),
                           [&](const PositionInfo &p) { return CodePage::trimBlanks(p.name) == k; });
    if (it != m_positions.end()) {
        it->textColor = textColor;
        it->backColor = backColor;
    } else {
        m_positions.append({k, textColor, backColor});
    }
}

void PositionRecords::removeNamed(const QString &name)
{
    const QString k = key(name);
    removeAllMovingLast(m_positions, [&](const PositionInfo &p) { return key(p.name) == k; });
}

void PositionRecords::colours(const QString &name, qint32 &textColor, qint32 &backColor) const
{
    textColor = 0;
    backColor = 65280;
    for (const PositionInfo &p : m_positions) {
        if (p.name == name) {
            textColor = p.textColor;
            backColor = p.backColor;
            return;
        }
    }
}

QStringList PositionRecords::names() const
{
    QStringList names;
    names.reserve(m_positions.size());
    for (const PositionInfo &p : m_positions)
        names << p.name;
    return names;
}
