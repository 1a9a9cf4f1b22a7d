// The About window: the program's icon, name, version, a short description and a notice.
#pragma once

#include "forms/form.h"

class frmAbout : public forms::Form {
public:
    frmAbout();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;

private:
    void cmdOK_Click();
};
