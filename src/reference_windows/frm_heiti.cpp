#include "reference_windows/frm_heiti.h"

#include "common/secondary_window.h"
#include "elements/module1.h"

using forms::ControlSpec;
using forms::Kind;

frmHeiti::frmHeiti() : forms::Form("frmHeiti") {
    onClick("cmdOK", [this] { cmdOK_Click(); });
}

forms::WindowSpec frmHeiti::windowSpec() const {
    return SecondaryWindowSpec("Tarnok - heiti frumefna", 5310, 5175);
}

// The three columns start empty; Form_Load fills them. They share one top and one font, so
// the rows of the three columns line up.
std::vector<ControlSpec> frmHeiti::controlSpecs() const {
    return {
        forms::OkButton(1800, 4560),
        {.kind = Kind::Label,
         .name = "lblTakn",
         .left = 360,
         .top = 240,
         .width = 615,
         .height = 4095},
        {.kind = Kind::Label,
         .name = "lblIsl",
         .left = 1320,
         .top = 240,
         .width = 1695,
         .height = 3975},
        {.kind = Kind::Label,
         .name = "lblEns",
         .left = 3240,
         .top = 240,
         .width = 1695,
         .height = 4095},
    };
}

// One line per element, each ended by a line feed, appended to what the column shows.
void frmHeiti::Form_Load() {
    const QChar lineFeed(10);
    for (ElementIndex i = 1; i <= 20; ++i) {
        ctl("lblEns").setCaption(ctl("lblEns").caption() + Module1::EnglishName(i) + lineFeed);
        ctl("lblIsl").setCaption(ctl("lblIsl").caption() + Module1::ElementName(i) + lineFeed);
        ctl("lblTakn").setCaption(ctl("lblTakn").caption() + Module1::ElementSymbol(i) + lineFeed);
    }
}

void frmHeiti::cmdOK_Click() {
    unload();
}
