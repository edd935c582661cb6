// Window behaviour: stay on top, minimise and restore, the hot key, exit.
#include "app/MiniForm.h"

#include <QApplication>

namespace app {

bool TMiniForm::isStayOnTop() const { return m_stayOnTop; }

void TMiniForm::btnLockClick()
{
    m_stayOnTop = !m_stayOnTop;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, m_stayOnTop);
    if (visible)
        show(); // changing the flags hides a shown window
}

void TMiniForm::SpeedButton2Click() { showMinimized(); }

void TMiniForm::hotKeyPressed(int) {}

void TMiniForm::Exit1Click() { QApplication::quit(); }

} // namespace app
