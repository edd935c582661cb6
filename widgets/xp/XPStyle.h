#pragma once

#include <QProxyStyle>

namespace widgets {
class TXPPainter;
}

namespace widgets::xp {

class TControlSubClass;

// The style a painter puts on the controls and menus it hooks: for each element it paints
// it hands the work to the painter of that kind of control, and everything else to the
// application's own style.
class XPStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit XPStyle(TXPPainter* painter);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    // The hook of a widget the painter is to paint now: hooked, painter active, tag not
    // negative. Null otherwise.
    const TControlSubClass* paintable(const QWidget* widget) const;

    TXPPainter* m_painter;
};

} // namespace widgets::xp
