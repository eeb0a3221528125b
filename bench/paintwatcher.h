// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace bench {

// Watches the whole application for the next paint of a top-level window with the given object
// name, which need not exist yet. Once that paint pass and the backing store flush after it
// have returned to the event loop, flushed() reports the time (bench::nowNs).
class PaintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit PaintWatcher(const QString &windowName, QObject *parent = nullptr);

    // Waits for the next paint again.
    void arm()
    {
        m_armed = true;
        m_last = 0;
    }
    // Runs the event loop until flushed() has come since arm() or the time-out has passed;
    // returns the reported time, or 0 after a time-out.
    qint64 wait(int timeoutMs);

Q_SIGNALS:
    void flushed(qint64 nanoseconds);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_windowName;
    bool m_armed = true;
    qint64 m_last = 0;
};

} // namespace bench
