// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/AccessibleText.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QMetaObject>

namespace host {

namespace {

// The classes given a role, by the name their meta-object gives them. Widgets live on the
// GUI thread, and so do the factory's calls.
QHash<QString, QAccessible::Role>& Roles() {
    static QHash<QString, QAccessible::Role> roles;
    return roles;
}

// Asked once for each class from the object's own up to QObject; answers only for the
// object's own class, so a subclass keeps whatever presentation is made for it.
QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const auto found = Roles().constFind(className);
    if (found == Roles().constEnd()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), *found);
}

} // namespace

void PresentAs(const QMetaObject& type, QAccessible::Role role) {
    if (Roles().isEmpty()) QAccessible::installFactory(RoleFactory);
    Roles().insert(QLatin1String(type.className()), role);
}

} // namespace host
