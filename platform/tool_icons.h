// Pictures of the tools: the desktop theme's standard icons, with pictures of our own
// drawn for any the theme lacks.
#pragma once

#include <QIcon>

namespace vq {

// The icon of a tool id; a null icon for tools without a picture.
QIcon ToolIcon(int id);

} // namespace vq
