#include "common/window_placement.h"

namespace vq {

WindowRect CenterFormOverOwner(const WindowRect& owner, WindowRect form)
{
    form.left = owner.left + (owner.width - form.width) / 2;
    form.top = owner.top + (owner.height - form.height) / 2;
    return form;
}

WindowRect CenterFormOnMain(const WindowRect& main, WindowRect form, int screenWidth, int screenHeight)
{
    form = CenterFormOverOwner(main, form);
    if (form.left < 0)
        form.left = 0;
    if (form.top < 0)
        form.top = 0;
    if (form.left + form.width > screenWidth)
        form.left = screenWidth - form.width;
    if (form.top + form.height > screenHeight)
        form.top = screenHeight - form.height;
    return form;
}

} // namespace vq
