#pragma once

class DataFolderLock;
class Prompt;
class QString;

// Starts the windowed program over the data folder (empty: the default folder) and runs the
// event loop until the main window closes. The QApplication must exist. Returns the exit code.
int runWindowed(const QString &dataFolder);

// How the windowed program may use a data folder, decided by its lock: changing it when the
// lock is ours; read-only or not at all, as the user answers, when another copy holds it or no
// lock can be made; a lock left by a copy that ended without closing is kept only when the user
// agrees.
enum class FolderAccess { Write, ReadOnly, Quit };
FolderAccess chooseFolderAccess(DataFolderLock &lock, const QString &dataFolder, Prompt &prompt);
