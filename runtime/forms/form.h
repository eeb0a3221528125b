// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms/layout.h"
#include "runtime/kernel/error.h"
#include "runtime/kernel/runtime.h"

#include <QList>
#include <QWidget>
#include <span>

class QPushButton;

namespace runtime {

// A window whose controls come from its layout table. Showing a window that is not loaded loads
// it first, whether through Show() or QWidget's show(): loading builds the controls, connects
// the window's handlers and runs Form_Load, all as one handler of the runtime. Closing unloads:
// the controls are thrown away, so the next load starts again from the design-time values.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const WindowDesign &window, std::span<const ControlDesign> controls);

    // Loads the window if need be and shows it; a window already shown is brought back to the
    // front as it is, restored if it was minimized.
    void Show();
    void Unload();
    bool isLoaded() const { return m_loaded; }

    void setVisible(bool visible) override;

protected:
    virtual void connectEvents() = 0;
    virtual void Form_Load() { }

    // A control of the loaded window; a missing name or a control of another kind is a control
    // failure, raised at load when connectEvents asks for it.
    template<typename Control>
    Control *control(const char *name) const
    {
        for (QObject *candidate : m_controls) {
            if (candidate->objectName() == QLatin1StringView(name)) {
                if (auto *typed = qobject_cast<Control *>(candidate))
                    return typed;
            }
        }
        throw missingControl(name);
    }

    // Connects a control's signal to a handler of this window through the runtime's dispatch.
    template<typename Sender, typename Signal, typename Owner>
    void handle(Sender *sender, Signal signal, void (Owner::*handler)())
    {
        // The control itself is the context: it lives inside the window, and assistive tools do
        // not take the window for something the control operates.
        auto *owner = static_cast<Owner *>(this);
        connect(sender, signal, sender,
                [owner, handler] { Runtime::dispatch([owner, handler] { (owner->*handler)(); }); });
    }

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    static Error missingControl(const char *name);
    void Load();
    void buildControls();
    void orderTabs();
    void discardControls();

    const WindowDesign &m_window;
    std::span<const ControlDesign> m_design;
    QList<QObject *> m_controls;
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    bool m_loaded = false;
};

} // namespace runtime
