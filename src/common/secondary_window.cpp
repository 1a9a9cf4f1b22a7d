#include "common/secondary_window.h"

#include "common/pictures.h"

forms::WindowSpec SecondaryWindowSpec(const char* caption, forms::Twips clientWidth,
                                      forms::Twips clientHeight) {
    return {.caption = caption,
            .clientWidth = clientWidth,
            .clientHeight = clientHeight,
            .style = forms::WindowStyle::Secondary,
            .icon = pictures::kProgramIcon};
}
