#pragma once

#include "platform/StatusNotifierTypes.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

namespace platform {

// A plain menu of actions (no submenus) in the form a D-Bus tray can show: exported on the bus
// as com.canonical.dbusmenu, so the tray draws the menu its own way and reports the click.
// Entry n (from 1) is the n-th action, a separator action a separator; a click triggers the
// action once the bus has had its answer, so a dialog the action opens holds up nobody.
class DBusMenuExporter : public QObject {
    Q_OBJECT
public:
    explicit DBusMenuExporter(QObject* parent = nullptr);

    void setActions(const QList<QAction*>& actions);
    // Goes up with every change of the entries; a tray reads the menu again on a new one.
    uint revision() const { return m_revision; }

    // What the bus asks for. Empty `names` stand for every property; a negative depth for
    // every level.
    DBusMenuLayoutItem layout(int parentId, int depth, const QStringList& names) const;
    bool contains(int id) const;
    // Returns false for an entry that does not exist.
    bool handleEvent(int id, const QString& eventId);

    // The menu's label of an action's text: "_" marks the key letter where Qt uses "&".
    static QString label(const QString& text);

signals:
    void layoutUpdated(uint revision, int parentId);

private:
    QAction* actionAt(int id) const;
    QVariantMap properties(int id, const QStringList& names) const;
    void changed();

    QList<QPointer<QAction>> m_actions;
    uint m_revision = 1;
};

} // namespace platform
