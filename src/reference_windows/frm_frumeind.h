// The secondary window with a picture explaining how atoms are built: a drawn atom with
// pointer captions, the rule by which electrons fill the shells, and two hydrogen isotopes.
#pragma once

#include "forms/form.h"

class frmFrumeind : public forms::Form {
public:
    frmFrumeind();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;

private:
    void cmdOK_Click();
};
