// The frame that the periodic table and the four reference windows share: a fixed dialog
// border, the program's icon and the fixed opening place of every secondary window.
#pragma once

#include "forms/layout.h"
#include "main_window/pictures.h"

inline forms::WindowSpec SecondaryWindowSpec(const char* caption, forms::Twips clientWidth,
                                             forms::Twips clientHeight) {
    return {.caption = caption,
            .clientWidth = clientWidth,
            .clientHeight = clientHeight,
            .style = forms::WindowStyle::Secondary,
            .icon = pictures::kProgramIcon};
}
