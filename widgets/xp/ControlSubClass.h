#pragma once

#include "widgets/xp/ControlKinds.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

class QStyle;
class QWidget;

namespace widgets {
class TXPPainter;
}

namespace widgets::xp {

// The painter's hook on one control: it watches the control's events for the states the
// painted look depends on (pointer over it or focus received, left button held, space bar
// held) and has the control repainted when they change. The painting itself is done by
// the style the painter puts on the control.
class TControlSubClass : public QObject {
    Q_OBJECT
public:
    TControlSubClass(QWidget* control, ControlKind kind, TXPPainter* painter, QStyle* style);
    ~TControlSubClass() override;

    QWidget* control() const { return m_control; }
    ControlKind kind() const { return m_kind; }

    bool hot() const { return m_hot; }
    bool mouseDown() const { return m_mouseDown; }
    bool spaceDown() const { return m_spaceDown; }
    // How many times the control was asked to repaint because its state changed.
    int stateRepaints() const { return m_stateRepaints; }

    // Gives the control back its own style and colours; the hook is deleted afterwards.
    void unhook();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void repaint();
    void applyTrueXPBackground();

    QPointer<QWidget> m_control;
    ControlKind m_kind;
    TXPPainter* m_painter;
    QPointer<QStyle> m_savedStyle; // the control's own style, when it had one
    bool m_hadOwnStyle = false;
    QPalette m_savedPalette;
    bool m_changedPalette = false;
    bool m_hadOwnPalette = false;
    bool m_hot = false;
    bool m_mouseDown = false;
    bool m_spaceDown = false;
    int m_stateRepaints = 0;
};

} // namespace widgets::xp
