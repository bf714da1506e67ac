// The arithmetic of placing a window over another, in twips.
#pragma once

namespace vq {

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

// form centred on the main window, then kept on the screen: a negative left or
// top becomes 0, then a window past the right or bottom edge is moved back
// (so one larger than the screen ends at the right or bottom edge).
WindowRect CenterFormOnMain(const WindowRect& main, WindowRect form, int screenWidth, int screenHeight);
// form centred on its owner, with no screen check.
WindowRect CenterFormOverOwner(const WindowRect& owner, WindowRect form);

} // namespace vq
