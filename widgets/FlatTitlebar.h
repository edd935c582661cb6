#pragma once

#include "widgets/Color.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <stdexcept>

namespace widgets {

// Raised when a control is put where it cannot work.
class InvalidOperation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The caption strip of a window without a system frame: one colour, the caption centred in
// the active or inactive text colour, and a drag that moves the whole window. It may only sit
// directly on a window (or on nothing); it follows that window's activation.
class TFlatTitlebar : public QWidget {
    Q_OBJECT
public:
    // Throws InvalidOperation when `parent` is not a window.
    explicit TFlatTitlebar(QWidget* parent = nullptr);
    ~TFlatTitlebar() override;

    static constexpr TColor kDefaultActiveTextColor = 0xFFFFFF;
    static constexpr TColor kDefaultInactiveTextColor = 0x829AA2;
    static constexpr TColor kDefaultTitlebarColor = 0;

    TColor activeTextColor() const { return m_activeTextColor; }
    void setActiveTextColor(TColor color);
    TColor inactiveTextColor() const { return m_inactiveTextColor; }
    void setInactiveTextColor(TColor color);
    TColor titlebarColor() const { return m_titlebarColor; }
    void setTitlebarColor(TColor color);
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // Places the strip on `form` (or takes it off any window with nullptr). Anything that is
    // not a window raises InvalidOperation and leaves the strip where it was.
    void assignParent(QWidget* form);
    QWidget* form() const { return m_form; }

    // False until the window is first activated.
    bool isActive() const { return m_active; }
    bool isDragging() const { return m_dragging; }

    // Where the window goes while it is dragged; by default it is simply moved there. The
    // owner sets this to apply its own placement rules (snapping) to every step.
    void setMoveHandler(std::function<void(QPoint)> handler) { m_moveHandler = std::move(handler); }
    // Where a program may not place its own window (Wayland), the drag is handed to the
    // window system instead.
    void setUseSystemMove(bool on) { m_useSystemMove = on; }
    bool usesSystemMove() const { return m_useSystemMove; }
    // A drag is handed over too where the window system ignores the program's own moves:
    // when several asks have not moved the window (and from then on, every drag from its
    // start). `start` hands it over (by default QWindow::startSystemMove; tests give their
    // own) and says whether it was taken.
    void setSystemMove(std::function<bool()> start) { m_systemMove = std::move(start); }

signals:
    void activated();
    void deactivated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setActive(bool active);
    QPoint windowOriginSeenBy(const QMouseEvent& event) const;
    bool startSystemMove();

    TColor m_activeTextColor = kDefaultActiveTextColor;
    TColor m_inactiveTextColor = kDefaultInactiveTextColor;
    TColor m_titlebarColor = kDefaultTitlebarColor;
    QString m_caption;
    QPointer<QWidget> m_form;
    bool m_active = false;
    bool m_dragging = false;
    QPoint m_grab; // client coordinates of the last press
    std::function<void(QPoint)> m_moveHandler;
    bool m_useSystemMove = false;
    std::function<bool()> m_systemMove;
    QPoint m_pressOrigin;      // the window's place, as the window system had it at the press
    bool m_movesAnswered = false; // the window has moved during this drag
    int m_unansweredMoves = 0;
    QElapsedTimer m_sinceFirstUnanswered;
};

} // namespace widgets
