#include "periodic_table/frm_lotukerfi.h"

#include "main_window/pictures.h"

frmLotukerfi::frmLotukerfi() : forms::Form("frmLotukerfi") { onClick("cmdOK", [this] { unload(); }); }

forms::WindowSpec frmLotukerfi::windowSpec() const {
    return {.caption = "Tarnok - lotukerfið",
            .clientWidth = 10860,
            .clientHeight = 8475,
            .style = forms::WindowStyle::Secondary,
            .icon = pictures::kProgramIcon};
}

std::vector<forms::ControlSpec> frmLotukerfi::controlSpecs() const { return {forms::OkButton(4080, 8040)}; }
