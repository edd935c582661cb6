#pragma once

#include <QDBusArgument>
#include <QList>
#include <QString>
#include <QVariantMap>

namespace platform {

// One entry of the desktop portal's shortcut list: D-Bus type (sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};
using PortalShortcutList = QList<PortalShortcut>;

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// Registers the types with the D-Bus type system; safe to call more than once.
void registerPortalShortcutTypes();

} // namespace platform

Q_DECLARE_METATYPE(platform::PortalShortcut)
