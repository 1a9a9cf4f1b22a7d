#include "reference_windows/frm_frumeind.h"

#include "main_window/pictures.h"

frmFrumeind::frmFrumeind() : forms::Form("frmFrumeind") { onClick("cmdOK", [this] { unload(); }); }

forms::WindowSpec frmFrumeind::windowSpec() const {
    return {.caption = "Tarnok - bygging frumeinda",
            .clientWidth = 10230,
            .clientHeight = 6750,
            .style = forms::WindowStyle::Secondary,
            .icon = pictures::kProgramIcon};
}

std::vector<forms::ControlSpec> frmFrumeind::controlSpecs() const { return {forms::OkButton(4200, 6360)}; }
