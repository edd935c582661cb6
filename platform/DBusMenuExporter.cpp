#include "platform/DBusMenuExporter.h"

#include <QAction>
#include <QDBusAbstractAdaptor>
#include <QTimer>

namespace platform {

namespace {

constexpr int kRootId = 0;

QVariantMap filtered(QVariantMap properties, const QStringList& names)
{
    if (names.isEmpty())
        return properties;
    for (auto it = properties.begin(); it != properties.end();) {
        if (names.contains(it.key()))
            ++it;
        else
            it = properties.erase(it);
    }
    return properties;
}

// com.canonical.dbusmenu on the exporter's object path, version 3 of the interface.
class DBusMenuAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    explicit DBusMenuAdaptor(DBusMenuExporter* menu) : QDBusAbstractAdaptor(menu), m_menu(*menu)
    {
        connect(menu, &DBusMenuExporter::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
    }

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // The types of the bus's methods are spelt out in full, lists too: QtDBus finds them by name.
public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   platform::DBusMenuLayoutItem& layout)
    {
        layout = m_menu.layout(parentId, recursionDepth, propertyNames);
        return m_menu.revision();
    }

    QList<platform::DBusMenuItem> GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames)
    {
        QList<DBusMenuItem> items;
        for (int id : ids) {
            if (m_menu.contains(id))
                items.append({id, m_menu.layout(id, 0, propertyNames).properties});
        }
        return items;
    }

    QDBusVariant GetProperty(int id, const QString& name)
    {
        return QDBusVariant(m_menu.layout(id, 0, {name}).properties.value(name));
    }

    void Event(int id, const QString& eventId, const QDBusVariant&, uint) { m_menu.handleEvent(id, eventId); }

    QList<int> EventGroup(const QList<platform::DBusMenuEvent>& events)
    {
        QList<int> unknown;
        for (const DBusMenuEvent& event : events) {
            if (!m_menu.handleEvent(event.id, event.eventId))
                unknown.append(event.id);
        }
        return unknown;
    }

    // The entries never change when the menu opens: no update is needed.
    bool AboutToShow(int) { return false; }

    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
    {
        for (int id : ids) {
            if (!m_menu.contains(id))
                idErrors.append(id);
        }
        return {};
    }

Q_SIGNALS:
    void ItemsPropertiesUpdated(const QList<platform::DBusMenuItem>& updatedProps,
                                const QList<platform::DBusMenuItemKeys>& removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    DBusMenuExporter& m_menu;
};

} // namespace

DBusMenuExporter::DBusMenuExporter(QObject* parent) : QObject(parent)
{
    registerStatusNotifierTypes();
    new DBusMenuAdaptor(this);
}

void DBusMenuExporter::setActions(const QList<QAction*>& actions)
{
    for (const QPointer<QAction>& action : std::as_const(m_actions)) {
        if (action)
            disconnect(action, nullptr, this, nullptr);
    }
    m_actions.clear();
    for (QAction* action : actions) {
        m_actions.append(action);
        connect(action, &QAction::changed, this, &DBusMenuExporter::changed);
        connect(action, &QObject::destroyed, this, [this] {
            m_actions.removeAll(QPointer<QAction>());
            changed();
        });
    }
    changed();
}

void DBusMenuExporter::changed()
{
    ++m_revision;
    emit layoutUpdated(m_revision, kRootId);
}

QAction* DBusMenuExporter::actionAt(int id) const
{
    return id >= 1 && id <= m_actions.size() ? m_actions.at(id - 1).data() : nullptr;
}

bool DBusMenuExporter::contains(int id) const
{
    return id == kRootId || actionAt(id);
}

QString DBusMenuExporter::label(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool another = i + 1 < text.size();
        if (c == u'_') {
            result += QStringLiteral("__");
        } else if (c != u'&') {
            result += c;
        } else if (another && text.at(i + 1) == u'&') {
            result += c; // "&&" is a plain "&"
            ++i;
        } else if (another) {
            result += u'_'; // the next letter is the key; a trailing "&" is dropped
        }
    }
    return result;
}

QVariantMap DBusMenuExporter::properties(int id, const QStringList& names) const
{
    QVariantMap properties;
    if (id == kRootId) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        return filtered(properties, names);
    }
    const QAction* action = actionAt(id);
    if (!action)
        return properties;
    if (action->isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        properties.insert(QStringLiteral("label"), label(action->text()));
        if (!action->isEnabled())
            properties.insert(QStringLiteral("enabled"), false);
        if (action->isCheckable()) {
            properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
            properties.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
        }
    }
    if (!action->isVisible())
        properties.insert(QStringLiteral("visible"), false);
    return filtered(properties, names);
}

DBusMenuLayoutItem DBusMenuExporter::layout(int parentId, int depth, const QStringList& names) const
{
    DBusMenuLayoutItem item{parentId, properties(parentId, names), {}};
    if (parentId == kRootId && depth != 0) {
        for (int id = 1; id <= m_actions.size(); ++id)
            item.children.append({id, properties(id, names), {}});
    }
    return item;
}

bool DBusMenuExporter::handleEvent(int id, const QString& eventId)
{
    if (!contains(id))
        return false;
    QAction* action = actionAt(id);
    if (eventId == QLatin1String("clicked") && action && action->isEnabled() && !action->isSeparator()) {
        // After the answer has gone out: the action may open a dialog and wait for it.
        QTimer::singleShot(0, action, [action] { action->trigger(); });
    }
    return true;
}

} // namespace platform

#include "DBusMenuExporter.moc"
