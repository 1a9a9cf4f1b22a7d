#include "reference_windows/frm_skilgreiningar.h"

#include "common/secondary_window.h"

using forms::ControlSpec;
using forms::Twips;

namespace {

// One line of the definitions: black text in MS Sans Serif 12 pt.
ControlSpec definition(int index, const char* caption, Twips left, Twips top, Twips width) {
    return {.kind = forms::Kind::Label,
            .name = "lblSkyring",
            .index = index,
            .left = left,
            .top = top,
            .width = width,
            .height = 330,
            .caption = caption,
            .foreColor = forms::colours::Black,
            .font = forms::FontSpec{.size = 12}};
}

}  // namespace

frmSkilgreiningar::frmSkilgreiningar() : forms::Form("frmSkilgreiningar") {
    onClick("cmdOK", [this] { cmdOK_Click(); });
}

forms::WindowSpec frmSkilgreiningar::windowSpec() const {
    return SecondaryWindowSpec("Tarnok - skilgreiningar", 7500, 4095);
}

// Topmost first. The last row is two labels: the right-hand side (7) lies over the right part
// of the left-hand side (6), so that the row reads as one formula.
std::vector<ControlSpec> frmSkilgreiningar::controlSpecs() const {
    return {
        forms::OkButton(3120, 3720),
        definition(7, "fjöldi róteinda - fjöldi rafeinda", 4200, 2880, 3165),
        definition(6, "Hleðsla hlaðinnar frumeindar (jónar) = ", 120, 2880, 7245),
        definition(4, "Fjöldi nifteinda (0) =  massatala - fjöldi róteinda", 120, 1920, 6285),
        definition(3, "Fjöldi róteinda (+) =  sætistala", 120, 1560, 6285),
        definition(2, "Í frumeind með neikvæða hleðslu eru rafeindirnar fleiri en róteindirnar",
                   120, 960, 7365),
        definition(1, "Í frumeind með jákvæða hleðslu eru rafeindirnar færri en róteindirnar", 120,
                   600, 7245),
        definition(0, "Í óhlaðinni frumeind eru jafnmargar róteindir (+) og rafeindir (-)", 120,
                   240, 7245),
    };
}

void frmSkilgreiningar::cmdOK_Click() {
    unload();
}
