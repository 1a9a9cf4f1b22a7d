#include "reference_windows/frm_skilgreiningar.h"

#include "main_window/pictures.h"

frmSkilgreiningar::frmSkilgreiningar() : forms::Form("frmSkilgreiningar") { onClick("cmdOK", [this] { unload(); }); }

forms::WindowSpec frmSkilgreiningar::windowSpec() const {
    return {.caption = "Tarnok - skilgreiningar",
            .clientWidth = 7500,
            .clientHeight = 4095,
            .style = forms::WindowStyle::Secondary,
            .icon = pictures::kProgramIcon};
}

std::vector<forms::ControlSpec> frmSkilgreiningar::controlSpecs() const { return {forms::OkButton(3120, 3720)}; }
