// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/descriptionchange.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

namespace runtime {

// Qt 6.4's AT-SPI bridge sends a changed description with the object itself where the new text
// belongs, so a screen reader has nothing to say. The same event, with the text, goes out here
// on the bridge's own connection, to the object's path on the accessibility bus.
void announceDescription(QWidget *widget, const QString &description)
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || !accessible)
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
