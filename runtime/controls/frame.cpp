// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/frame.h"

#include <QPaintEvent>
#include <QStyle>
#include <QStylePainter>

namespace runtime {

namespace {

bool drawnAlike(const QStyleOptionGroupBox &a, const QStyleOptionGroupBox &b)
{
    return a.rect == b.rect && a.state == b.state && a.direction == b.direction
        && a.palette == b.palette && a.fontMetrics == b.fontMetrics && a.text == b.text
        && a.textAlignment == b.textAlignment && a.textColor == b.textColor
        && a.features == b.features && a.lineWidth == b.lineWidth
        && a.midLineWidth == b.midLineWidth && a.subControls == b.subControls
        && a.activeSubControls == b.activeSubControls;
}

QBrush backgroundOf(const QWidget *widget)
{
    return widget->palette().brush(widget->backgroundRole());
}

} // namespace

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(parent)
{
    // Titled here, not by QGroupBox's constructor: a screen reader that is already listening
    // would otherwise take the accessible interface of a plain group box for this frame.
    setTitle(caption);
}

void Frame::paintEvent(QPaintEvent *event)
{
    if (!onPlainBackground()) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (m_drawnStyle != style() || !drawnAlike(option, m_drawn)
        || m_drawnBackground != backgroundOf(parentWidget()) || m_drawnRatio != devicePixelRatioF())
        forgetBox(option);
    if (event->region().intersects(m_caption)) {
        QGroupBox::paintEvent(event);
        return;
    }
    // Drawn at the first repaint that can use it, so that the first showing does no more.
    if (m_box.isNull())
        drawBox(option);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_box);
}

bool Frame::onPlainBackground() const
{
    // A window paints only its background brush beneath its controls unless it is see-through
    // or styled; a control made before the frame lies beneath it where the two overlap.
    const QWidget *window = parentWidget();
    if (!window || !window->isWindow() || window->testAttribute(Qt::WA_TranslucentBackground)
        || window->testAttribute(Qt::WA_NoSystemBackground)
        || window->testAttribute(Qt::WA_StyledBackground)
        || backgroundOf(window).style() != Qt::SolidPattern)
        return false;
    for (const QObject *sibling : window->children()) {
        if (sibling == this)
            break;
        const auto *widget = qobject_cast<const QWidget *>(sibling);
        if (widget && widget->isVisible() && widget->geometry().intersects(geometry()))
            return false;
    }
    return true;
}

void Frame::forgetBox(const QStyleOptionGroupBox &option)
{
    m_drawn = option;
    m_drawnStyle = style();
    m_drawnBackground = backgroundOf(parentWidget());
    m_drawnRatio = devicePixelRatioF();
    // With room for a focus frame around the caption.
    m_caption =
        (style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this)
         | style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, this))
            .adjusted(-4, -4, 4, 4);
    m_box = QPixmap();
}

void Frame::drawBox(const QStyleOptionGroupBox &option)
{
    QStyleOptionGroupBox box = option;
    box.subControls &= ~(QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxCheckBox);
    m_box = QPixmap(size() * m_drawnRatio);
    m_box.setDevicePixelRatio(m_drawnRatio);
    m_box.fill(m_drawnBackground.color());
    // Set up as a painter on the frame itself would be: the style's pixmaps are scaled smoothly
    // there, and a box drawn any other way differs from it in single shades.
    QStylePainter painter(&m_box, this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setBrush(palette().brush(backgroundRole()));
    painter.setFont(font());
    painter.setLayoutDirection(layoutDirection());
    painter.drawComplexControl(QStyle::CC_GroupBox, box);
}

} // namespace runtime
