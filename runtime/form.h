// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "error.h"
#include "layout.h"
#include "runtime.h"

#include <QList>
#include <QWidget>
#include <span>

class QPushButton;

namespace runtime {

// A window whose controls come from its layout table. Loading builds the controls, connects the
// window's handlers and runs Form_Load; unloading closes the window and throws the controls
// away, so the next load starts again from the design-time values.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const WindowSpec &window, std::span<const ControlSpec> controls);

    void Show();
    void Unload();
    bool isLoaded() const { return m_loaded; }

    const WindowSpec &windowSpec() const { return m_window; }
    std::span<const ControlSpec> layout() const { return m_layout; }

protected:
    virtual void connectEvents() = 0;
    virtual void Form_Load() { }

    // A control of the loaded window; a missing one is the control failure error.
    template<typename Control>
    Control *control(const char *name) const
    {
        for (QObject *candidate : m_controls) {
            if (candidate->objectName() == QLatin1StringView(name)) {
                if (auto *typed = qobject_cast<Control *>(candidate))
                    return typed;
            }
        }
        throw Error(ErrorNumber::ControlFailure);
    }

    // Connects a control's signal to a handler of this window through the runtime's dispatch.
    template<typename Sender, typename Signal, typename Owner>
    void handle(Sender *sender, Signal signal, void (Owner::*handler)())
    {
        auto *owner = static_cast<Owner *>(this);
        connect(sender, signal, owner,
                [owner, handler] { Runtime::dispatch([owner, handler] { (owner->*handler)(); }); });
    }

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Load();
    void buildControls();
    void orderTabs();
    void discardControls();

    const WindowSpec &m_window;
    std::span<const ControlSpec> m_layout;
    QList<QObject *> m_controls;
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    bool m_loaded = false;
};

} // namespace runtime
