#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace app {

// The program's dialogs (reminder windows, settings, message boxes) go when the main window
// is hidden and come back with it: a dialog left on screen, on top, would give the hidden
// program away. A dialog waiting for its answer keeps waiting while it is hidden.
class HiddenWindows : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Hides every shown dialog of the program; `main` (the main window) is left to the caller.
    void hideAll(const QWidget* main);
    // Shows again the dialogs hideAll() hid that still exist, the one waiting for an answer
    // in front.
    void showAgain();
    bool isEmpty() const { return m_hidden.isEmpty(); }

private:
    QList<QPointer<QWidget>> m_hidden; // in the order they were on screen
};

} // namespace app
