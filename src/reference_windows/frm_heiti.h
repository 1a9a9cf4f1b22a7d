// The secondary window with the names of the elements 1 to 20 in Icelandic and English, with
// their symbols.
#pragma once

#include "forms/form.h"

class frmHeiti : public forms::Form {
public:
    frmHeiti();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;
    void Form_Load() override;

private:
    void cmdOK_Click();
};
