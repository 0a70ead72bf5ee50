#pragma once

#include "tools/skingen/icons.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

enum class TitleIcon { kSkins, kMinimise, kClose };

// 105 x 21; sits in a slot. Neighbouring buttons overlap by one column, which stays slot-dark.
Pixmap TextButtonImage(const Theme& theme, bool over);
// 18 x 18; sits on the title bar.
Pixmap TitleIconImage(const Theme& theme, TitleIcon icon, bool over);
// 40 x 40; sits on a card.
Pixmap PageArrowImage(const Theme& theme, Direction direction, bool over);
// 211 x 21 with a number cell of 20 pixels; sits in a slot.
Pixmap DropDownImage(const Theme& theme, bool over);
// One segment of a meter, `width` x 11; sits in a slot.
Pixmap MeterSegmentImage(const Theme& theme, int width, bool lit);
// 16 x 16; sits in a slot.
Pixmap DpiCellImage(const Theme& theme, bool lit);
// 16 x 16; sits on a card.
Pixmap CheckBoxImage(const Theme& theme, bool ticked);

}  // namespace vx::skingen
