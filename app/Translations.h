#pragma once

#include <QLocale>
#include <QString>

namespace app {

// Puts Quibbet's own texts and the toolkit's (its dialogs' buttons, the file chooser) into the
// desktop's language, when Quibbet ships that language; English otherwise, as written in the
// code. Needs the application object; call it before any window or message exists, since
// texts already shown stay as they were. Returns the language taken ("de"), empty for English.
QString installTranslations(const QLocale& locale = QLocale::system());

// Takes the translators out again, for tests that switch languages.
void removeTranslations();

} // namespace app
