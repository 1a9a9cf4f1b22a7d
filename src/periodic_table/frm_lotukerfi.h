// The secondary window with the periodic table of all 118 elements, with four colour views.
#pragma once

#include "forms/form.h"

class frmLotukerfi : public forms::Form {
public:
    frmLotukerfi();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;
};
