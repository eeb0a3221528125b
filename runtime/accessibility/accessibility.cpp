// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/accessibility/accessibility.h"

#include "runtime/accessibility/descriptionchange.h"
#include "runtime/controls/frame.h"
#include "runtime/controls/linecontrol.h"
#include "runtime/controls/picturebox.h"
#include "runtime/forms/form.h"
#include "runtime/kernel/application.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace runtime {

namespace {

class ApplicationAccessible : public QAccessibleApplication
{
public:
    int childCount() const override { return int(shownWindows().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> windows = shownWindows();
        return index >= 0 && index < windows.size() ? windows.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(shownWindows().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    static QList<QAccessibleInterface *> shownWindows()
    {
        QList<QAccessibleInterface *> shown;
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (!window->isVisible() || window->type() == Qt::Popup
                || window->type() == Qt::Desktop)
                continue;
            if (QAccessibleInterface *root = window->accessibleRoot())
                shown.append(root);
        }
        return shown;
    }
};

// A frame is named by its caption, as Qt names a group box. One that shows the program's state
// is a status bar: screen readers read a status bar on request (Orca: "present status bar"),
// caption and content together, and say nothing when its content changes.
class FrameAccessible : public QAccessibleWidget
{
public:
    explicit FrameAccessible(Frame *frame)
        : QAccessibleWidget(frame)
    { }

    QAccessible::Role role() const override
    {
        return frame()->showsStatus() ? QAccessible::StatusBar : QAccessible::Grouping;
    }
    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? frame()->title() : text;
    }

private:
    Frame *frame() const { return static_cast<Frame *>(widget()); }
};

// Qt asks with the name of each class the object is, most derived first.
template<typename Class>
bool is(const QString &className)
{
    return className == QLatin1StringView(Class::staticMetaObject.className());
}

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (is<Application>(className))
        return new ApplicationAccessible;
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (is<Form>(className)) {
        const bool dialog = widget->windowType() == Qt::Dialog;
        return new QAccessibleWidget(widget, dialog ? QAccessible::Dialog : QAccessible::Window);
    }
    if (is<Frame>(className))
        return new FrameAccessible(static_cast<Frame *>(widget));
    if (is<PictureBox>(className))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (is<LineControl>(className))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(accessibleFor);
}

void describe(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() == description)
        return;
    widget->setAccessibleDescription(description);
    announceDescription(widget, description);
}

} // namespace runtime
