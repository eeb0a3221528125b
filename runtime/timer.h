// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

namespace runtime {

// The timer control: while Enabled, raises timeout every Interval ms; an Interval of 0 holds
// it still, as it does for the classic control. Tag keeps any text the window puts there.
class Timer : public QTimer
{
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)

public:
    explicit Timer(QObject *parent = nullptr);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    int Interval() const { return interval(); }
    // A change restarts the countdown from the new interval.
    void setInterval(int milliseconds);

    const QString &Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

private:
    void startOrStop();

    bool m_enabled = false;
    QString m_tag;
};

} // namespace runtime
