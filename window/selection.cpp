// The current key and the highlight rectangle that follows it.
#include "window/pelvokDlg.h"

namespace {

// What a move answers when the model is gone: an edge marker, so that the
// caller leaves the pointer where it is.
Key noMove() { return Key(KeyPoint(), KeyPoint(), -1, -1, 48, 0, 0); }

// A move always shows the frame of the key it lands on: at the edge of the
// grid that is the key that stays current, and after a press or a right
// click the frame comes back. The caller still gets the edge marker.
template <typename Move>
Key moveAndHighlight(CPelvokDlg& window, Move move) {
    if (!window.layout) return noMove();
    const Key key = move(*window.layout);
    window.platform().framework.invalidate(nullptr);
    const Key current = window.layout->currentKey();
    window.highlight1 = current.getPoint1();
    window.highlight2 = current.getPoint2();
    window.highlightState = 1;
    return key;
}

}  // namespace

void CPelvokDlg::selectCell(int column, int row) {
    if (!layout) return;
    layout->setCurrent(row, column);
    const Key key = layout->currentKey();
    highlight1 = key.getPoint1();
    highlight2 = key.getPoint2();
}

Key CPelvokDlg::moveCurrentUp() {
    return moveAndHighlight(*this, [](KeyboardLayout& model) { return model.moveUp(); });
}

Key CPelvokDlg::moveCurrentDown() {
    return moveAndHighlight(*this, [](KeyboardLayout& model) { return model.moveDown(); });
}

Key CPelvokDlg::moveCurrentRight() {
    return moveAndHighlight(*this, [](KeyboardLayout& model) { return model.moveRight(); });
}

Key CPelvokDlg::moveCurrentLeft() {
    return moveAndHighlight(*this, [](KeyboardLayout& model) { return model.moveLeft(); });
}
