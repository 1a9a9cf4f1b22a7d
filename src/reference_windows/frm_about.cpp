#include "reference_windows/frm_about.h"

#include "common/pictures.h"
#include "common/secondary_window.h"

using forms::ControlSpec;
using forms::Kind;

frmAbout::frmAbout() : forms::Form("frmAbout") {
    onClick("cmdOK", [this] { cmdOK_Click(); });
}

forms::WindowSpec frmAbout::windowSpec() const {
    return SecondaryWindowSpec("Um Tarnok", 5730, 3045);
}

// Topmost first. The separator is etched: the grey line Line1(1) lies over the white,
// two-pixel line Line1(0) one pixel lower.
std::vector<ControlSpec> frmAbout::controlSpecs() const {
    return {
        {.kind = Kind::PictureBox,
         .name = "picIcon",
         .left = 240,
         .top = 240,
         .width = 540,
         .height = 540,
         .border = forms::BorderStyle::FixedSingle,
         .tabIndex = 1,
         .picture = pictures::kProgramIcon,
         .autoSize = true},
        forms::OkButton(4245, 2625),
        {.kind = Kind::Line,
         .name = "Line1",
         .index = 1,
         .x1 = 90,
         .y1 = 2445,
         .x2 = 5654,
         .y2 = 2445,
         .lineColor = 0x00808080},
        {.kind = Kind::Label,
         .name = "lblDescription",
         .left = 1080,
         .top = 1125,
         .width = 3885,
         .height = 1170,
         .caption = "Kennsluforrit í efnafræði: lotukerfið, bygging frumeinda og spurningaleikur "
                    "um frumefnin 1 til 20.",
         .foreColor = forms::colours::Black},
        {.kind = Kind::Label,
         .name = "lblTitle",
         .left = 1050,
         .top = 240,
         .width = 3885,
         .height = 480,
         .caption = "Tarnok",
         .foreColor = forms::colours::Black},
        {.kind = Kind::Line,
         .name = "Line1",
         .index = 0,
         .x1 = 105,
         .y1 = 2460,
         .x2 = 5654,
         .y2 = 2460,
         .lineWidth = 2,
         .lineColor = forms::colours::White},
        {.kind = Kind::Label,
         .name = "lblVersion",
         .left = 1050,
         .top = 780,
         .width = 3885,
         .height = 225,
         .caption = "Útgáfa 1.0"},
        {.kind = Kind::Label,
         .name = "lblDisclaimer",
         .left = 255,
         .top = 2625,
         .width = 3870,
         .height = 345,
         .caption = "Forritið er ætlað til kennslu og er án allrar ábyrgðar.",
         .foreColor = forms::colours::Black},
    };
}

void frmAbout::cmdOK_Click() {
    unload();
}
