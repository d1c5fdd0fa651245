#pragma once

#include <QString>

// Reads and writes one key of a settings file with the classic profile-file rules: section and
// key names match without regard to case, the first section and the first key of a name win,
// blanks around keys and values are trimmed and one pair of outer quotes is removed from a value,
// ';' starts a comment only at the start of a line. A write changes the key's line in place
// (keeping its spelling), or appends the key to its section, or the section to the file; every
// other line is kept. CRLF line ends, Windows-1252. Writes are atomic.
//
// A section header's name runs from '[' to the last ']' of its line, so a name that itself holds
// ']' is found again. Names and values that would break the file's line structure (line breaks,
// NUL, a key with '=' or starting with ';' or '[') are refused rather than written.
class clsInifile
{
public:
    // True when the value was written.
    static bool kelVBWritePrivateProfileString(const QString &section, const QString &key,
                                               const QString &value, const QString &fileName);
    // The key's value; empty when the key, the section or the file is missing, or the file
    // cannot be read. At most 126 characters are returned.
    static QString kelVBGetPrivateProfileString(const QString &section, const QString &key,
                                                const QString &fileName);

    // As kelVBWritePrivateProfileString, but a failure throws FileError with its reason.
    // The file is left untouched when the value is already stored as given.
    static void WriteProfileString(const QString &section, const QString &key,
                                   const QString &value, const QString &fileName);

    // Longest value the reader returns (a 127-character buffer with its terminating zero).
    static constexpr int kMaxValueLength = 126;
};
