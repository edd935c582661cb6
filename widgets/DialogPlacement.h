#pragma once

class QWidget;

namespace widgets {

// Where a dialog of the program appears: its inside centred over the window it belongs to,
// from its first showing on, and left where it is while it stays open (hidden with the main
// window and shown again, or moved by the user). The inside, not the frame: the window
// manager's frame is not known before it has framed the dialog, and a place taken from a
// guess at it would change once it is known. A dialog that places itself (one centred on the
// screen, one at a fixed place) keeps its own place.
class DialogPlacement {
public:
    // Centres `dialog` over its owner's window when it is next shown; to be called each time
    // the dialog is about to be shown for an answer.
    static void centreOnNextShow(QWidget& dialog);
    // Centres a dialog that is being shown now (for one whose size is settled only as it is
    // shown, as a message box's is).
    static void centre(QWidget& dialog);
};

} // namespace widgets
