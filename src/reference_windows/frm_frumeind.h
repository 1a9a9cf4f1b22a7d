// The secondary window with a picture explaining how atoms are built.
#pragma once

#include "forms/form.h"

class frmFrumeind : public forms::Form {
public:
    frmFrumeind();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;
};
