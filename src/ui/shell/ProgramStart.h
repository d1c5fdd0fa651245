#pragma once

#include <functional>

class DataFolderLock;
class Prompt;
class QString;

// Fills a new folder with a demo business; returns an empty text, or why it could not.
using DemoBusinessMaker = std::function<QString(const QString &folder)>;

// Starts the windowed program over the data folder (empty: the default folder) and runs the
// event loop until the main window closes. `makeDemo`, when given, lets the first-start wizard
// offer a demo business in a folder of its own. The QApplication must exist. Returns the exit
// code.
int runWindowed(const QString &dataFolder, const DemoBusinessMaker &makeDemo = {});

// How the windowed program may use a data folder, decided by its lock: changing it when the
// lock is ours; read-only or not at all, as the user answers, when another copy holds it or no
// lock can be made; a lock left by a copy that ended without closing is kept only when the user
// agrees.
enum class FolderAccess { Write, ReadOnly, Quit };
FolderAccess chooseFolderAccess(DataFolderLock &lock, const QString &dataFolder, Prompt &prompt);

// Makes sure the data folder exists and can be written. Empty when it can be used; otherwise
// what is wrong and what the user can do, in plain words.
QString PrepareDataFolder(const QString &folder);
