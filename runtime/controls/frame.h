// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QStyleOptionGroupBox>

namespace runtime {

// The frame control. A transparent control inside it, such as a label whose text changes, has
// the frame repaint beneath it, and the style lays out the caption and draws the whole box for
// each such repaint however small. Where the frame lies on nothing but its window's background,
// it keeps that background with the box drawn on it, caption left out, and copies from there
// for repaints that miss the caption: the same drawing on the same pixels, done once.
// A frame that shows the program's state says so to assistive tools, which read it on request.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);

    bool showsStatus() const { return m_showsStatus; }
    void setShowsStatus(bool showsStatus) { m_showsStatus = showsStatus; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool onPlainBackground() const;
    // Notes what the box is now drawn for and lets the old drawing go.
    void forgetBox(const QStyleOptionGroupBox &option);
    void drawBox(const QStyleOptionGroupBox &option);

    QPixmap m_box;
    QStyleOptionGroupBox m_drawn;
    const QStyle *m_drawnStyle = nullptr;
    QBrush m_drawnBackground;
    qreal m_drawnRatio = 0;
    QRect m_caption;
    bool m_showsStatus = false;
};

} // namespace runtime
