#pragma once

#include "widgets/Color.h"

#include <QFrame>

namespace widgets {

// A panel that paints itself off screen: its colour (or, when transparent, what its parent
// shows behind it), a one-pixel frame with a highlight and a shadow edge, and a one-line
// caption, embossed while disabled.
class TFlatPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr TColor kDefaultFrameColor = 0x8396A0;
    static constexpr TColor clBtnFace = TColor(0x8000000Fu);

    explicit TFlatPanel(QWidget* parent = nullptr);

    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The parent's background while ParentColor is on; setting a colour switches it off.
    TColor color() const;
    void setColor(TColor color);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool on);
    TColor colorHighLight() const { return m_colorHighLight; }
    void setColorHighLight(TColor color);
    TColor colorShadow() const { return m_colorShadow; }
    void setColorShadow(TColor color);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter; the caption is always centred
    // vertically on one line.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    // The caption's text flags for an alignment.
    static int captionFlags(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool m_transparent = false;
    QString m_caption;
    TColor m_color = clBtnFace;
    bool m_parentColor = true;
    TColor m_colorHighLight = kDefaultFrameColor;
    TColor m_colorShadow = kDefaultFrameColor;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
};

} // namespace widgets
