// A text box that keeps its selection while the menu bar has the keyboard: Qt clears
// the selection when the menu bar takes the focus from the keyboard (Alt, or Alt and a
// menu's access key), which the mouse never does, so the Edit commands would find none.
#pragma once

class QLineEdit;

namespace vq {

// When box gets the focus back from the menu bar with its text unchanged, the
// selection it had when the menu bar took the focus is selected again.
void KeepSelectionOverMenuBar(QLineEdit* box);

} // namespace vq
