#pragma once

#include "widgets/Color.h"

#include <QPlainTextEdit>

namespace widgets {

// A multi-line text box with a flat three-pixel border: one ring in ColorBorder and two in
// the colour of its look. The focused look (ColorFocused) shows while it has the focus, or
// while the pointer is over it and no other flat memo has the focus; otherwise the flat
// look (ColorFlat). The background follows the look. Its scroll bars sit inside the border.
class TFlatMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr TColor kDefaultColorFocused = 0xFFFFFF;
    static constexpr TColor kDefaultColorBorder = 0x8396A0;
    static constexpr TColor kDefaultColorFlat = 0xE1EAEB;
    static constexpr int kBorderWidth = 3;
    static constexpr int kScrollBarExtent = 16;

    explicit TFlatMemo(QWidget* parent = nullptr);

    TColor colorFocused() const { return m_colorFocused; }
    void setColorFocused(TColor color);
    TColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(TColor color);
    TColor colorFlat() const { return m_colorFlat; }
    // Also switches ParentColor off.
    void setColorFlat(TColor color);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool on);
    int advColorFocused() const { return m_advColorFocused; }
    void setAdvColorFocused(int percent);
    int advColorBorder() const { return m_advColorBorder; }
    void setAdvColorBorder(int percent);
    bool useAdvColors() const { return m_useAdvColors; }
    void setUseAdvColors(bool on);

    bool isHovered() const { return m_hovered; }
    bool showsFocusedLook() const;

    // Brings the background and the border in line with the current look.
    void PaintFlatBorder();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void paintBorder();
    void deriveColors();
    void takeParentColor();
    TColor parentBackground() const;

    TColor m_colorFocused = kDefaultColorFocused;
    TColor m_colorBorder = kDefaultColorBorder;
    TColor m_colorFlat = kDefaultColorFlat;
    bool m_parentColor = true;
    int m_advColorFocused = 10;
    int m_advColorBorder = 50;
    bool m_useAdvColors = false;
    bool m_hovered = false;
    bool m_settingBackground = false;
};

} // namespace widgets
