#pragma once

#include <QString>

namespace Runtime {

// Translates the program's texts, and Qt's own (the buttons of the error
// message), into the user's UI language as the desktop sets it (LANGUAGE,
// LANG). The program's translations are compiled into it under
// :/i18n/NAME_LANGUAGE.qm; a language without them stays English.
void InstallTranslations(const QString& name);

} // namespace Runtime
