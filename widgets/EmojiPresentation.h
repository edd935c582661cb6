#pragma once

#include <QList>
#include <QStringView>
#include <QTextLayout>

class QTextDocument;

namespace widgets {

// Workaround: the toolkit picks a face for each character on its own, taking the first face
// that has a glyph for it, so an emoji that a text face also has is drawn as that face's
// black glyph though a colour emoji face is installed: "❤️" (U+2764 U+FE0F, a heart asked
// for in its emoji form) and "😀" (U+1F600) both come from DejaVu Sans. The stretches of
// text that are emoji are set in the desktop's emoji face (fontconfig's "emoji" family)
// instead; all other text keeps its face.

// Each stretch: a character shown as emoji by default (unless U+FE0E asks for text) or
// asked for as emoji with U+FE0F, with the rest of its picture (selectors, a keycap mark,
// skin tones, flag tags, and what U+200D joins on), so that the face draws it as one.
struct TextStretch {
    int start = 0;
    int length = 0;
    bool operator==(const TextStretch&) const = default;
};
QList<TextStretch> emojiPresentationStretches(QStringView text);

// The stretches as formats of a text layout.
QList<QTextLayout::FormatRange> emojiPresentationFormats(QStringView text);

// Keeps the stretches of a document in the emoji face while it is edited.
void keepEmojiPresentation(QTextDocument* document);

} // namespace widgets
