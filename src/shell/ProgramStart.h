#pragma once

#include <functional>

class QString;

// Fills a new folder with a demo business; returns an empty text, or why it could not.
using DemoBusinessMaker = std::function<QString(const QString &folder)>;

// Starts the windowed program over the data folder (empty: the default folder) and runs the
// event loop until the main window closes. `makeDemo`, when given, lets the first-start wizard
// offer a demo business in a folder of its own. The QApplication must exist. Returns the exit
// code.
int runWindowed(const QString &dataFolder, const DemoBusinessMaker &makeDemo = {});

// Makes sure the data folder exists and can be written. Empty when it can be used; otherwise
// what is wrong and what the user can do, in plain words.
QString PrepareDataFolder(const QString &folder);
