#include "reference_windows/frm_frumeind.h"

#include <optional>

#include "common/pictures.h"
#include "common/secondary_window.h"

using forms::ColourValue;
using forms::ControlSpec;
using forms::Kind;
using forms::Twips;

namespace {

constexpr ColourValue kProton = 0x000000FF;    // red
constexpr ColourValue kNeutron = 0x0080FF80;   // light green
constexpr ColourValue kElectron = 0x00FF0000;  // blue

ControlSpec label(const char* name, const char* caption, Twips left, Twips top, Twips width,
                  Twips height) {
    return {.kind = Kind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .font = forms::FontSpec{.size = 12}};
}

// A particle (filled) or a shell (outline only).
ControlSpec circle(const char* name, Twips left, Twips top, Twips width, Twips height,
                   std::optional<ColourValue> fill) {
    return {.kind = Kind::Shape,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .fillColor = fill,
            .border = forms::BorderStyle::FixedSingle,
            .shape = forms::ShapeKind::Circle};
}

ControlSpec particle(const char* name, Twips left, Twips top, ColourValue fill) {
    return circle(name, left, top, 255, 255, fill);
}

ControlSpec pointer(const char* name, Twips x1, Twips y1, Twips x2, Twips y2) {
    return {.kind = Kind::Line, .name = name, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2};
}

}  // namespace

frmFrumeind::frmFrumeind() : forms::Form("frmFrumeind") {
    onClick("cmdOK", [this] { cmdOK_Click(); });
}

forms::WindowSpec frmFrumeind::windowSpec() const {
    return SecondaryWindowSpec("Tarnok - bygging frumeinda", 10230, 6750);
}

// Topmost first. The ring lies below everything; each pointer line lies over the particle it
// starts in; in the nucleus Shape4 lies over Shape1 and Shape2, and both over Shape3.
std::vector<ControlSpec> frmFrumeind::controlSpecs() const {
    return {
        forms::OkButton(4200, 6360),
        circle("Shape13", 7320, 4080, 1215, 975, std::nullopt),
        circle("Shape8", 5520, 4080, 1215, 975, std::nullopt),
        label("Label16",
              "Báðar frumeindirnar eru vetni því þær hafa 1 róteind. Þetta eru mismunandi "
              "samsætur vetnis því fjöldi nifteinda er mismunandi.",
              5280, 5280, 4695, 975),
        particle("Shape12", 7680, 3960, kElectron),
        particle("Shape11", 7800, 4560, kNeutron),
        particle("Shape10", 7800, 4320, kProton),
        particle("Shape9", 5760, 3960, kElectron),
        particle("Shape7", 6000, 4440, kProton),
        label("Label15", "Hvolf", 1200, 2880, 1335, 375),
        label("Label14",
              "Frumeindir með mismunandi fjölda nifteinda en sama róteinda fjölda kallast "
              "samsætur.",
              5280, 3240, 4695, 735),
        label("Label13", "Samsætur", 6720, 2880, 1335, 375),
        label("Label12", "þar til ekki eru fleiri rafeindir", 120, 3960, 4335, 375),
        label("Label11", "fyrst 1. hvolf svo hvert hvolfið á fætur öðru", 120, 3600, 4455, 375),
        label("Label10", "Rafeindirnar fylla hvolfin hvert af öðru:", 120, 3240, 4695, 375),
        label("Label9", "4. hvolf þar komast mest fyrir 16 rafeindir", 120, 5400, 4455, 375),
        label("Label8", "3. hvolf þar komast mest fyrir 8 rafeindir", 120, 5040, 4335, 375),
        label("Label7", "2. hvolf þar komast mest fyrir 8 rafeindir", 120, 4680, 4335, 375),
        particle("Shape6", 840, 240, kElectron),
        pointer("Line5", 1920, 2520, 3480, 1920),
        label("Label6", "Rafeind (neikvætt hlaðin)", 3480, 1800, 3375, 255),
        pointer("Line4", 2880, 1800, 3480, 1440),
        label("Label5", "Hvolf ", 3480, 1320, 1095, 255),
        particle("Shape5", 1680, 2400, kElectron),
        pointer("Line3", 1560, 1440, 3480, 960),
        pointer("Line2", 1920, 1200, 3360, 600),
        pointer("Line1", 1800, 960, 3360, 360),
        label("Label4", "Nifteind (hefur enga hleðslu)", 3480, 840, 3855, 375),
        label("Label3", "Róteind (jákvætt hlaðin)", 3480, 480, 3255, 375),
        particle("Shape4", 1680, 1080, kProton),
        particle("Shape1", 1440, 1200, kNeutron),
        label("Label2", "Kjarni samsettur út róteindum og nifteindum", 3480, 120, 4815, 375),
        label("Label1", "1. hvolf þar komast mest fyrir 2 rafeindir", 120, 4320, 4335, 375),
        particle("Shape2", 1560, 840, kProton),
        particle("Shape3", 1320, 960, kNeutron),
        {.kind = Kind::Image,
         .name = "Image2",
         .left = 360,
         .top = 120,
         .width = 2655,
         .height = 2415,
         .picture = pictures::kRing},
    };
}

void frmFrumeind::cmdOK_Click() {
    unload();
}
