#include "widgets/EmojiPresentation.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <algorithm>
#include <array>

namespace widgets {

namespace {

constexpr char16_t kEmojiSelector = 0xFE0F;
constexpr char16_t kTextSelector = 0xFE0E;
constexpr char16_t kKeycap = 0x20E3;
constexpr char16_t kJoiner = 0x200D;

struct CodeRange {
    char32_t first;
    char32_t last;
};

// The characters shown as emoji unless a text selector follows (Emoji_Presentation in the
// Unicode 15.0 emoji data), in order.
constexpr std::array kEmojiPresentation = std::to_array<CodeRange>({
    {0x231A, 0x231B}, {0x23E9, 0x23EC}, {0x23F0, 0x23F0}, {0x23F3, 0x23F3}, {0x25FD, 0x25FE}, {0x2614, 0x2615},
    {0x2648, 0x2653}, {0x267F, 0x267F}, {0x2693, 0x2693}, {0x26A1, 0x26A1}, {0x26AA, 0x26AB}, {0x26BD, 0x26BE},
    {0x26C4, 0x26C5}, {0x26CE, 0x26CE}, {0x26D4, 0x26D4}, {0x26EA, 0x26EA}, {0x26F2, 0x26F3}, {0x26F5, 0x26F5},
    {0x26FA, 0x26FA}, {0x26FD, 0x26FD}, {0x2705, 0x2705}, {0x270A, 0x270B}, {0x2728, 0x2728}, {0x274C, 0x274C},
    {0x274E, 0x274E}, {0x2753, 0x2755}, {0x2757, 0x2757}, {0x2795, 0x2797}, {0x27B0, 0x27B0}, {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C}, {0x2B50, 0x2B50}, {0x2B55, 0x2B55}, {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E},
    {0x1F191, 0x1F19A}, {0x1F1E6, 0x1F1FF}, {0x1F201, 0x1F201}, {0x1F21A, 0x1F21A}, {0x1F22F, 0x1F22F},
    {0x1F232, 0x1F236}, {0x1F238, 0x1F23A}, {0x1F250, 0x1F251}, {0x1F300, 0x1F320}, {0x1F32D, 0x1F335},
    {0x1F337, 0x1F37C}, {0x1F37E, 0x1F393}, {0x1F3A0, 0x1F3CA}, {0x1F3CF, 0x1F3D3}, {0x1F3E0, 0x1F3F0},
    {0x1F3F4, 0x1F3F4}, {0x1F3F8, 0x1F43E}, {0x1F440, 0x1F440}, {0x1F442, 0x1F4FC}, {0x1F4FF, 0x1F53D},
    {0x1F54B, 0x1F54E}, {0x1F550, 0x1F567}, {0x1F57A, 0x1F57A}, {0x1F595, 0x1F596}, {0x1F5A4, 0x1F5A4},
    {0x1F5FB, 0x1F64F}, {0x1F680, 0x1F6C5}, {0x1F6CC, 0x1F6CC}, {0x1F6D0, 0x1F6D2}, {0x1F6D5, 0x1F6D7},
    {0x1F6DC, 0x1F6DF}, {0x1F6EB, 0x1F6EC}, {0x1F6F4, 0x1F6FC}, {0x1F7E0, 0x1F7EB}, {0x1F7F0, 0x1F7F0},
    {0x1F90C, 0x1F93A}, {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF}, {0x1FA70, 0x1FA7C}, {0x1FA80, 0x1FA88},
    {0x1FA90, 0x1FABD}, {0x1FABF, 0x1FAC5}, {0x1FACE, 0x1FADB}, {0x1FAE0, 0x1FAE8}, {0x1FAF0, 0x1FAF8}
});

bool isEmojiPresentation(char32_t c)
{
    if (c < kEmojiPresentation.front().first)
        return false;
    const auto after = std::upper_bound(kEmojiPresentation.begin(), kEmojiPresentation.end(), c,
                                        [](char32_t value, const CodeRange& range) { return value < range.first; });
    return after != kEmojiPresentation.begin() && c <= std::prev(after)->last;
}

// Skin tones and the tag characters of a subdivision flag: parts of the emoji before them.
bool isEmojiModifierOrTag(char32_t c)
{
    return (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0020 && c <= 0xE007F);
}

// The character at `at` and its length in UTF-16 units.
char32_t characterAt(QStringView text, qsizetype at, int& length)
{
    if (at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate()) {
        length = 2;
        return QChar::surrogateToUcs4(text[at], text[at + 1]);
    }
    length = 1;
    return text[at].unicode();
}

QTextCharFormat emojiFormat()
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QStringLiteral("emoji")});
    return format;
}

class EmojiHighlighter : public QSyntaxHighlighter {
public:
    explicit EmojiHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

protected:
    void highlightBlock(const QString& text) override
    {
        for (const TextStretch& stretch : emojiPresentationStretches(text))
            setFormat(stretch.start, stretch.length, m_format);
    }

private:
    const QTextCharFormat m_format = emojiFormat();
};

} // namespace

QList<TextStretch> emojiPresentationStretches(QStringView text)
{
    QList<TextStretch> stretches;
    const qsizetype size = text.size();
    qsizetype at = 0;
    while (at < size) {
        int length = 1;
        const char32_t c = characterAt(text, at, length);
        qsizetype end = at + length;
        const bool selected = end < size && text[end] == QChar(kEmojiSelector);
        const bool asText = end < size && text[end] == QChar(kTextSelector);
        if (!selected && (asText || !isEmojiPresentation(c))) {
            at = end;
            continue;
        }
        // The rest of the one picture: selectors, a keycap, skin tones, tags, and what a
        // joiner joins on.
        while (end < size) {
            const QChar next = text[end];
            int nextLength = 1;
            if (next == QChar(kEmojiSelector) || next == QChar(kKeycap))
                ++end;
            else if (isEmojiModifierOrTag(characterAt(text, end, nextLength)))
                end += nextLength;
            else if (next == QChar(kJoiner) && end + 1 < size) {
                characterAt(text, end + 1, nextLength);
                end += 1 + nextLength;
            } else
                break;
        }
        if (!stretches.isEmpty() && stretches.last().start + stretches.last().length == at)
            stretches.last().length = int(end - stretches.last().start);
        else
            stretches.append({int(at), int(end - at)});
        at = end;
    }
    return stretches;
}

QList<QTextLayout::FormatRange> emojiPresentationFormats(QStringView text)
{
    QList<QTextLayout::FormatRange> formats;
    const QList<TextStretch> stretches = emojiPresentationStretches(text);
    if (stretches.isEmpty())
        return formats;
    const QTextCharFormat format = emojiFormat();
    for (const TextStretch& stretch : stretches)
        formats.append({stretch.start, stretch.length, format});
    return formats;
}

void keepEmojiPresentation(QTextDocument* document)
{
    new EmojiHighlighter(document); // owned by the document
}

} // namespace widgets
