#pragma once

#include <QString>

namespace store {

// A text that counts things ("%n notes", or "%Ln notes" for the locale's digit grouping), in
// the user's language with that language's plural forms. Where no translation has it (English,
// and every language Quibbet does not ship) it reads as English does: `one` for one thing,
// `text` for any other number. Mark `text` with QT_TRANSLATE_N_NOOP(context, ...) at the call,
// so the language files carry it.
QString countedText(const char* context, const char* text, const char* one, int n);

} // namespace store
