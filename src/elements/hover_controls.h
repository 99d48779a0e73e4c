#pragma once
// The hover-aware picture and label of the screens. Every platform control
// reports the mouse entering and leaving it (OnMouseEnter, OnMouseLeave),
// enabled or not, so these are the plain picture and label under the names
// the screens use.
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

namespace lumora {

using TMImage = Picture;
using TMLabel = Label;

} // namespace lumora
