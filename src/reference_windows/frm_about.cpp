#include "reference_windows/frm_about.h"

#include "main_window/pictures.h"

frmAbout::frmAbout() : forms::Form("frmAbout") { onClick("cmdOK", [this] { unload(); }); }

forms::WindowSpec frmAbout::windowSpec() const {
    return {.caption = "Um Tarnok",
            .clientWidth = 5730,
            .clientHeight = 3045,
            .style = forms::WindowStyle::Secondary,
            .icon = pictures::kProgramIcon};
}

std::vector<forms::ControlSpec> frmAbout::controlSpecs() const { return {forms::OkButton(4245, 2625)}; }
