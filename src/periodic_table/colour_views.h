// The four colour views of the periodic table: for each, the legend frame that names its
// colours and the colour of every one of the 118 cells, as ranges of atomic numbers.
#pragma once

#include <span>

#include "elements/module1.h"
#include "forms/units.h"

namespace colour_views {

// The cells first to last (both included) take colour.
struct ColourRun {
    ElementIndex first;
    ElementIndex last;
    forms::ColourValue colour;
};

struct ColourView {
    const char* legend;               // name of the view's legend frame
    std::span<const ColourRun> runs;  // every cell exactly once
};

// The legend frames of all views, in the order the views are tested.
constexpr const char* kLegendFrames[] = {"frSkyring5", "frSkyring3", "frSkyring2", "frSkyring1"};

extern const ColourView Natturuleg;  // "Náttúruleg": found in nature or not
extern const ColourView Malmar;      // "Málmar": metal, metalloid or non-metal
extern const ColourView Hamur;       // "Hamur": state at standard conditions
extern const ColourView Flokkar;     // "Flokkar": chemical family

}  // namespace colour_views
