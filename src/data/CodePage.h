#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// Fixed-width text fields of the data files: Windows-1252, one byte per character, left-aligned
// and padded on the right with blanks. The master data refuses text with characters outside the
// code page (RequireEncodable); encode() alone writes them as '?'.
namespace CodePage {

// Text the data files cannot hold. Carries the characters, so the window can name them.
class UnencodableText : public std::runtime_error
{
public:
    explicit UnencodableText(const QString &characters);
    const QString &characters() const { return m_characters; }
    // "Shiftgrid cannot store "ễ": ..." in plain words.
    QString userText() const;

private:
    QString m_characters;
};

// The distinct characters of the text that the code page cannot hold, in order of appearance.
QString Unencodable(const QString &text);
// Throws UnencodableText when the text holds characters the code page cannot hold.
void RequireEncodable(const QString &text);
// The sentence a window shows for such characters.
QString UnencodableMessage(const QString &characters);

// Text to bytes and back, one byte per character.
QByteArray encode(const QString &text);
QString decode(const char *bytes, int length);
inline QString decode(const QByteArray &bytes) { return decode(bytes.constData(), int(bytes.size())); }

// Upper-cases as the code page does, character by character: a-z, the accented small letters
// (but not the sharp s or the micro sign, which have no capital of their own in the code page),
// and the small letters of the 0x80-0x9F range. Every other character stays; the length never
// changes.
QString toUpper(const QString &text);

// Removes leading and trailing blanks (0x20 only; NUL characters and tabs are kept).
QString trimBlanks(const QString &text);

// Fills a field of `width` bytes from the text: cut to width, padded with blanks.
void TextToField(char *field, int width, const QString &text);
// Reads a field of `width` bytes with its blanks trimmed.
QString FieldToText(const char *field, int width);
// Reads bytes first..last (0-based, inclusive) of a field without trimming; -1 means the
// field's lower or upper bound.
QString FieldToText(const char *field, int width, int first, int last);

} // namespace CodePage
