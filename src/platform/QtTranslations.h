#pragma once

#include <QString>

// Qt's own texts (the standard buttons OK, Yes, No, Cancel and Qt's dialogs) in the interface
// language, from the translations that come with Qt.
namespace QtTranslations {

// Installs Qt's translation for "Russian", "French" or "Swedish" in place of the one installed
// before; "English" or any other name removes it, leaving Qt's English texts. False when the
// language's translation file is missing (Qt's texts are then English); Swedish, which Qt may
// come without, then has its standard buttons from a table of the program's own.
bool use(const QString& languageName);

} // namespace QtTranslations
