#include "widgets/ButtonWidths.h"

#include <QFontMetrics>
#include <QLayout>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace widgets {

namespace {

// The glyph and caption as the button painter sets them, with room for the frame around.
int neededWidth(QPushButton& button)
{
    constexpr int kFrameAndPadding = 12;
    constexpr int kGlyphSpacing = 4;
    button.ensurePolished(); // the style may give it its font only now
    QString caption = button.text();
    caption.remove(QLatin1Char('&')); // the accelerator marks, which are not drawn
    const int glyph = button.icon().isNull() ? 0 : button.iconSize().width() + kGlyphSpacing;
    return QFontMetrics(button.font()).horizontalAdvance(caption) + glyph + kFrameAndPadding;
}

} // namespace

void widenButtonsToTheirTexts(QWidget& window)
{
    // Rows: the buttons that share a parent and a top edge, left to right.
    std::map<std::pair<QWidget*, int>, std::vector<QPushButton*>> rows;
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        QWidget* parent = button->parentWidget();
        const bool laidOut = parent && parent->layout() && parent->layout()->indexOf(button) >= 0;
        if (parent && !laidOut)
            rows[{parent, button->y()}].push_back(button);
    }
    int widest = window.width();
    for (auto& [row, buttons] : rows) {
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        int shift = 0;
        for (QPushButton* button : buttons) {
            const int lacking = std::max(0, neededWidth(*button) - button->width());
            button->setGeometry(button->x() + shift, button->y(), button->width() + lacking, button->height());
            shift += lacking;
        }
        // Keep the margin the row had to the right edge of the window.
        if (shift > 0 && row.first == &window)
            widest = std::max(widest, window.width() + shift);
    }
    if (widest > window.width()) {
        if (window.minimumWidth() == window.maximumWidth())
            window.setFixedWidth(widest);
        else
            window.resize(widest, window.height());
    }
}

} // namespace widgets
