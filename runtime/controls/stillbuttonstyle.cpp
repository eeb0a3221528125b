// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/stillbuttonstyle.h"

#include <QStyleOptionButton>

namespace runtime {

namespace {

QStyleOptionButton still(const QStyleOptionButton &button)
{
    QStyleOptionButton copy(button);
    copy.styleObject = nullptr;
    return copy;
}

} // namespace

StillButtonStyle::StillButtonStyle(QStyle *base)
    : QProxyStyle(base)
{ }

void StillButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
        const QStyleOptionButton copy = still(*button);
        QProxyStyle::drawPrimitive(element, &copy, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void StillButtonStyle::drawControl(ControlElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
        const QStyleOptionButton copy = still(*button);
        QProxyStyle::drawControl(element, &copy, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace runtime
