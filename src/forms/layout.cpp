#include "forms/layout.h"

namespace forms {

ControlSpec OkButton(Twips left, Twips top) {
    return {.kind = Kind::CommandButton,
            .name = "cmdOK",
            .left = left,
            .top = top,
            .width = 1260,
            .height = 345,
            .caption = "OK",
            .tabIndex = 0,
            .isDefault = true,
            .isCancel = true};
}

}  // namespace forms
