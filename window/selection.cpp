// The current key and the highlight rectangle that follows it.
#include "window/pelvokDlg.h"

namespace {

// What a move answers when the model is gone: an edge marker, so that the
// caller leaves the pointer where it is.
Key noMove() { return Key(KeyPoint(), KeyPoint(), -1, -1, 48, 0, 0); }

template <typename Move>
Key moveAndHighlight(CPelvokDlg& window, Move move) {
    if (!window.layout) return noMove();
    const Key key = move(*window.layout);
    window.platform().framework.invalidate(nullptr);
    window.highlight1 = key.getPoint1();
    window.highlight2 = key.getPoint2();
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
