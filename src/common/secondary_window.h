// The frame that the periodic table and the four reference windows share: a fixed dialog
// border, the program's icon and the fixed opening place of every secondary window.
#pragma once

#include "forms/layout.h"

forms::WindowSpec SecondaryWindowSpec(const char* caption, forms::Twips clientWidth,
                                      forms::Twips clientHeight);
