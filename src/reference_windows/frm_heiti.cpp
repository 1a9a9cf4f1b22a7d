#include "reference_windows/frm_heiti.h"

#include "main_window/pictures.h"

frmHeiti::frmHeiti() : forms::Form("frmHeiti") { onClick("cmdOK", [this] { unload(); }); }

forms::WindowSpec frmHeiti::windowSpec() const {
    return {.caption = "Tarnok - heiti frumefna",
            .clientWidth = 5310,
            .clientHeight = 5175,
            .style = forms::WindowStyle::Secondary,
            .icon = pictures::kProgramIcon};
}

std::vector<forms::ControlSpec> frmHeiti::controlSpecs() const { return {forms::OkButton(1800, 4560)}; }
