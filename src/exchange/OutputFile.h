#pragma once

#include <QString>

// Where a command may write what it makes (--out, --pdf, --png): never into the data folder it
// reads, nor into any folder inside it, whatever path leads there (a relative path, "..", a link
// to the file or to a folder on the way). A file there would replace a data file or leave a
// foreign file among them.
namespace OutputFile {

// The one-line reason why the command may not write `file` (given with its option, such as
// "--out"), or an empty text when it may. Neither the file nor the data folder has to exist.
QString refusal(const QString &option, const QString &file, const QString &dataFolder);

// The path the file would really be written at: links followed (also one that leads to a file
// not there yet), and the nearest folder that exists made canonical, the rest appended.
QString resolved(const QString &path);

} // namespace OutputFile
