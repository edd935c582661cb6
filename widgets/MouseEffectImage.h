#pragma once

#include <QPixmap>
#include <QWidget>

namespace widgets {

// A picture that acts as a button: it shows OverPicture while the pointer is over it,
// DownPicture while the left button is held, and OriginPicture at rest. The control takes
// the size of the picture it shows.
class TMouseEffectImage : public QWidget {
    Q_OBJECT
public:
    explicit TMouseEffectImage(QWidget* parent = nullptr);

    // The picture on screen; each state change copies one of the three pictures into it.
    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    const QPixmap& originPicture() const { return m_origin; }
    void setOriginPicture(const QPixmap& picture); // also shows it
    const QPixmap& overPicture() const { return m_over; }
    void setOverPicture(const QPixmap& picture) { m_over = picture; }
    const QPixmap& downPicture() const { return m_down; }
    void setDownPicture(const QPixmap& picture) { m_down = picture; }

    // On: the picture goes back to rest only when the pointer leaves; off: already on release.
    bool revertOnLeave() const { return m_revertOnLeave; }
    void setRevertOnLeave(bool on) { m_revertOnLeave = on; }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QPixmap m_origin;
    QPixmap m_over;
    QPixmap m_down;
    bool m_revertOnLeave = false;
    bool m_pressed = false;
};

} // namespace widgets
