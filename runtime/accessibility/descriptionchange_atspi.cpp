// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/accessibility/descriptionchange.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>
#include <utility>

namespace runtime {

// Qt 6.4's AT-SPI bridge sends a changed description with the object itself where the new text
// belongs, so a screen reader has nothing to say. The same event, with the text, goes out here
// on the bridge's own connection, to the object's path on the accessibility bus. Both the
// connection's name and the path are Qt's own, unpublished: while a screen reader listens the
// bridge holds that connection, and when it cannot be found here that is said once, not hidden.
void announceDescription(QWidget *widget, const QString &description)
{
    if (!QAccessible::isActive())
        return;
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        static bool told = false;
        if (!std::exchange(told, true))
            qWarning("Dicemere: Qt's accessibility connection was not found; screen readers "
                     "will not hear changed descriptions");
        return;
    }
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (!accessible)
        return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/")
        + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(description)) << QVariantMap();
    bus.send(signal);
}

} // namespace runtime
