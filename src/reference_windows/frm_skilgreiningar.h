// The secondary window with definitions of charge and of proton and neutron counts.
#pragma once

#include "forms/form.h"

class frmSkilgreiningar : public forms::Form {
public:
    frmSkilgreiningar();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;

private:
    void cmdOK_Click();
};
