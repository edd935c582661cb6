#include "app/HiddenWindows.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace app {

namespace {

// A dialog's own hiding ends its wait for an answer (as though cancelled); the plain
// widget's hiding takes it off the screen and lets the wait go on. The same holds for
// showing it again.
void setShown(QWidget& window, bool shown)
{
    window.QWidget::setVisible(shown);
}

} // namespace

void HiddenWindows::hideAll(const QWidget* main)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == main || !window->isVisible() || !qobject_cast<QDialog*>(window))
            continue;
        m_hidden.append(window);
        setShown(*window, false);
    }
}

void HiddenWindows::showAgain()
{
    const QList<QPointer<QWidget>> hidden = std::exchange(m_hidden, {});
    for (const QPointer<QWidget>& window : hidden) {
        if (window && !window->isVisible())
            setShown(*window, true);
    }
    if (QWidget* waiting = QApplication::activeModalWidget()) {
        waiting->raise();
        waiting->activateWindow();
    }
}

} // namespace app
