#pragma once

#include <QString>

namespace import {

// Whether a note's text is rich text (HTML) rather than plain text.
bool looksLikeHtml(const QString& text);

// The text of rich text: tags dropped, a paragraph, line break or list item ends a line,
// the document's head and style sheets left out, character references decoded.
QString htmlToPlainText(const QString& html);

} // namespace import
