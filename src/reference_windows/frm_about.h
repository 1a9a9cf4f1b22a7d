// The secondary window with the About window.
#pragma once

#include "forms/form.h"

class frmAbout : public forms::Form {
public:
    frmAbout();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;
};
