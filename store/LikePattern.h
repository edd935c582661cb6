#pragma once

#include <QByteArray>

namespace store {

// The matcher behind like(), on UTF-8 text: % and _ wildcards, letters compared without
// regard to case in every script; escape is 0 when none is given. It decides every pattern
// the same way whatever shortcut like() takes, so it stays the measure of those shortcuts.
bool likeMatches(const QByteArray& pattern, const QByteArray& text, char32_t escape = 0);

} // namespace store
