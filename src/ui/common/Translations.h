#pragma once

#include <QString>

class QCoreApplication;

namespace Translations {

// Installs Qt's own and the program's translations for the system's language; a language
// without a translation of ours gets English. Returns the language the windows will speak
// ("de", "en").
QString install(QCoreApplication &app);

} // namespace Translations
