#pragma once

#include "widgets/FontValue.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace dialogs {

// The font chooser: the toolkit's font panel (face, style, size, underline, strike-out)
// with a colour choice beside it, which the toolkit's panel lacks. A system colour (the
// window-text colour, say) is shown through the palette and, left alone, comes back as the
// very value it came in as.
class FontChooser : public QDialog {
    Q_OBJECT
public:
    explicit FontChooser(QWidget* owner = nullptr);

    void setFontValue(const widgets::FontValue& font);
    // The chosen face, size, style and colour; the character set stays what it was.
    widgets::FontValue fontValue() const;

    void setColorValue(widgets::TColor color);
    widgets::TColor colorValue() const;

    QFontDialog* fontPanel() const { return m_fontPanel; }
    QComboBox* colorBox() const { return m_colorBox; }

    // Opens the chooser on `font`; when the user confirms, `font` takes the choice.
    static bool choose(QWidget* owner, widgets::FontValue& font);

private:
    void addColor(const QString& name, widgets::TColor color);
    void colorActivated(int index);
    int otherIndex() const;

    QFontDialog* m_fontPanel = nullptr;
    QComboBox* m_colorBox = nullptr;
    widgets::FontValue m_font;
};

} // namespace dialogs
