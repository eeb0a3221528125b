// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/forms/form.h"

#include "runtime/controls/timer.h"
#include "runtime/forms/controlfactory.h"

#include <algorithm>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace runtime {

Form::Form(const WindowDesign &window, std::span<const ControlDesign> controls)
    : QWidget(nullptr)
    , m_window(window)
    , m_design(controls)
{
    setObjectName(QString::fromLatin1(window.className));
    setWindowTitle(QString::fromUtf8(window.caption));
    const QSize client(pixels(window.clientWidth), pixels(window.clientHeight));
    if (window.border == Border::FixedDialog) {
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                       | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowCloseButtonHint);
        setFixedSize(client);
    } else {
        resize(client);
    }
    if (window.icon)
        setWindowIcon(QIcon(QString::fromUtf8(window.icon)));
}

void Form::Show()
{
    if (isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
        return;
    }
    show();
}

void Form::setVisible(bool visible)
{
    if (visible && !m_loaded) {
        Load();
        if (!m_loaded)
            return;
    }
    QWidget::setVisible(visible);
}

void Form::Unload()
{
    close();
}

void Form::Load()
{
    // Every load starts from the design-time placement, wherever the user moved it last time.
    if (m_window.fixedPlacement) {
        const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
        setGeometry(
            QRect(screenOrigin + QPoint(pixels(m_window.left), pixels(m_window.top)), size()));
    }
    // A table or a window that names a control wrongly fails here, once, as a control failure.
    Runtime::dispatch([this] {
        buildControls();
        orderTabs();
        m_loaded = true;
        connectEvents();
        Form_Load();
    });
    if (Runtime::hasFailed())
        discardControls();
}

Error Form::missingControl(const char *name)
{
    return Error(ErrorNumber::ControlFailure,
                 Error::standardDescription(ErrorNumber::ControlFailure)
                     + QStringLiteral(": no control %1").arg(QLatin1StringView(name)));
}

void Form::buildControls()
{
    for (const ControlDesign &row : m_design) {
        QWidget *container = this;
        if (row.container) {
            container = nullptr;
            for (QObject *built : std::as_const(m_controls)) {
                if (built->objectName() == QLatin1StringView(row.container))
                    container = qobject_cast<QWidget *>(built);
            }
            if (!container)
                throw missingControl(row.container);
        }
        QObject *control = createControl(row, container);
        m_controls.append(control);
        auto *button = qobject_cast<QPushButton *>(control);
        if (button && row.isDefault)
            m_defaultButton = button;
        if (button && row.isCancel)
            m_cancelButton = button;
    }
    // In a window with a default button Enter clicks whichever button has the focus.
    if (m_defaultButton) {
        for (QObject *control : std::as_const(m_controls)) {
            if (auto *button = qobject_cast<QPushButton *>(control))
                button->setAutoDefault(true);
        }
    }
}

void Form::orderTabs()
{
    QList<std::pair<int, QWidget *>> stops;
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        auto *widget = qobject_cast<QWidget *>(m_controls.at(i));
        if (widget && widget->focusPolicy() != Qt::NoFocus)
            stops.append({m_design[size_t(i)].tabIndex, widget});
    }
    if (stops.isEmpty())
        return;
    // Controls that share a tab index keep the table's order.
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1).second, stops.at(i).second);
    stops.first().second->setFocus();
}

void Form::discardControls()
{
    // A control may be the very one whose handler unloads the window: take every control out
    // of the window now and delete it once its event is over.
    for (QObject *control : std::as_const(m_controls)) {
        if (auto *timer = qobject_cast<Timer *>(control))
            timer->setEnabled(false);
        if (auto *widget = qobject_cast<QWidget *>(control)) {
            widget->hide();
            widget->setParent(nullptr);
        } else {
            control->setParent(nullptr);
        }
        control->deleteLater();
    }
    m_controls.clear();
    m_defaultButton = nullptr;
    m_cancelButton = nullptr;
    m_loaded = false;
    setWindowTitle(QString::fromUtf8(m_window.caption));
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_loaded)
        discardControls();
    event->accept();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    // Enter, on the main keys or the keypad, presses the focused button, else the default one.
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto *focused = qobject_cast<QPushButton *>(focusWidget());
    if (enter && (focused || m_defaultButton)) {
        (focused ? focused : m_defaultButton)->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_cancelButton) {
        m_cancelButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace runtime
