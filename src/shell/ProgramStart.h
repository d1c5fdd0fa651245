#pragma once

class QString;

// Starts the windowed program over the data folder (empty: the default folder) and runs the
// event loop until the main window closes. The QApplication must exist. Returns the exit code.
int runWindowed(const QString &dataFolder);
