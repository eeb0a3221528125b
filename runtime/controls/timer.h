// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

namespace runtime {

// The timer control: a precise QTimer that runs while enabled and its interval is above 0, and
// keeps in Tag whatever text the window puts there. The window sets the pause through
// changeInterval, which restarts the countdown and holds the timer still at 0 instead of letting
// it fire at every turn of the event loop.
class Timer : public QTimer
{
    Q_OBJECT

public:
    explicit Timer(QObject *parent = nullptr);

    void setEnabled(bool enabled);

    // A negative pause is a control failure.
    void changeInterval(int milliseconds);

    const QString &Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

private:
    void startOrStop();

    bool m_enabled = false;
    QString m_tag;
};

} // namespace runtime
