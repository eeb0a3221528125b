// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace runtime {

// The timer control: a precise timer that runs while enabled and its interval is above 0, and
// keeps in Tag whatever text the window puts there. The window sets the pause through
// changeInterval, which restarts the countdown and holds the timer still at 0 instead of letting
// it fire at every turn of the event loop. No QTimer is exposed, so nothing can go around that.
class Timer : public QObject
{
    Q_OBJECT

public:
    explicit Timer(QObject *parent = nullptr);

    void setEnabled(bool enabled);

    // A negative pause is a control failure.
    void changeInterval(int milliseconds);
    int interval() const { return m_interval; }
    bool isActive() const { return m_id != 0; }

    const QString &Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

Q_SIGNALS:
    void timeout();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void startOrStop();

    bool m_enabled = false;
    int m_interval = 0;
    int m_id = 0;
    QString m_tag;
};

} // namespace runtime
