// Linked into each widget test program: a dialog that a test did not queue an answer for is
// cancelled at once (and logged) instead of waiting for a click that never comes, so a test
// that opens one by mistake fails instead of hanging until its time-out.
#include "widgets/Modal.h"

namespace {

const bool g_cancelling = [] {
    widgets::Modal::setCancelUnanswered(true);
    return true;
}();

} // namespace
