#include "widgets/DialogPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace widgets {

namespace {

// Set on a dialog placed here: it is placed again at its next showing for an answer (the
// window may have moved meanwhile), while a dialog whose own code placed it is left alone.
const char* const kPlacedHere = "quibbetCentredOverOwner";

// Places its dialog at its next showing, then goes.
class ShowWatch : public QObject {
public:
    explicit ShowWatch(QWidget& dialog) : QObject(&dialog) { dialog.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Seen before the dialog's own show handling, which would place it the toolkit's way
        // (10 pixels left of and 40 above the middle, where it cannot see a frame to measure),
        // and before the window system is asked to show it, so it appears at its place at once.
        if (event->type() == QEvent::Show) {
            DialogPlacement::centre(*static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

// The top-left corner of an inside of size `inside` centred over `owner`, kept within
// `available` (when valid) where it fits.
QPoint centredPosition(const QRect& owner, const QSize& inside, const QRect& available)
{
    QPoint corner(owner.x() + (owner.width() - inside.width()) / 2, owner.y() + (owner.height() - inside.height()) / 2);
    if (available.isValid()) {
        corner.setX(std::max(available.left(), std::min(corner.x(), available.right() + 1 - inside.width())));
        corner.setY(std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - inside.height())));
    }
    return corner;
}

} // namespace

void DialogPlacement::centreOnNextShow(QWidget& dialog)
{
    if (!dialog.parentWidget() || (dialog.testAttribute(Qt::WA_Moved) && !dialog.property(kPlacedHere).toBool()))
        return;
    new ShowWatch(dialog);
}

void DialogPlacement::centre(QWidget& dialog)
{
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (!owner)
        return;
    const QScreen* screen = owner->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    // setGeometry places the inside, where move() would place a frame not made yet.
    dialog.setGeometry(QRect(centredPosition(owner->frameGeometry(), dialog.size(), available), dialog.size()));
    dialog.setProperty(kPlacedHere, true);
}

} // namespace widgets
