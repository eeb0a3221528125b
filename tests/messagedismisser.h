// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Presses the button of each message box as soon as the box is up, from the box's own event
// loop, and notes the box's title and text and whether it was plain: no icon, one button.
class MessageDismisser : public QObject
{
public:
    MessageDismisser() { QCoreApplication::instance()->installEventFilter(this); }

    QStringList titles;
    QStringList texts;
    bool plain = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = event->type() == QEvent::Show ? qobject_cast<QMessageBox *>(watched) : nullptr;
        if (box) {
            titles.append(box->windowTitle());
            texts.append(box->text());
            plain = plain && box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1;
            QTimer::singleShot(0, box, [box] { box->buttons().constFirst()->click(); });
        }
        return QObject::eventFilter(watched, event);
    }
};
