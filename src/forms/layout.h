// Layouts as data: a window's controls with their design properties, its menus and the
// window itself. A window class describes itself with these tables; the services build the
// controls from them each time the window loads.
//
// ControlSpec is meant for designated initialisers, fields in declaration order:
//   {.kind = Kind::Label, .name = "lblStig", .left = 5520, .top = 240, .width = 3375,
//    .height = 255, .backColor = 0x00C0C0C0, .visible = false}
#pragma once

#include <optional>
#include <vector>

#include "forms/units.h"

namespace forms {

enum class Kind {
    Label,          // text; line feeds break lines; long text wraps at blanks
    TextBox,        // one line of typed text
    CommandButton,  // push button
    PictureBox,     // picture at natural size from the top-left corner, clipped
    Image,          // picture stretched to the box
    Frame,          // captioned frame; the controls inside are placed relative to it
    OptionButton,   // the option buttons of one frame form one group
    Shape,          // rectangle or circle
    Line            // straight line between two points
};

enum class Alignment { Left, Right, Center };
enum class BorderStyle { None, FixedSingle };
enum class ShapeKind { Rectangle, Circle };

constexpr int kNoIndex = -1;

struct ControlSpec {
    Kind kind = Kind::Label;
    const char* name = "";
    int index = kNoIndex;         // element of a control array; kNoIndex for a lone control
    const char* frame = nullptr;  // name of the frame that holds it; position relative to it
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    const char* caption = "";                // Caption, or Text of a text box (UTF-8)
    std::optional<ColourValue> backColor{};  // default: button face, whatever the kind
    std::optional<ColourValue> foreColor{};  // default: window text
    std::optional<ColourValue> fillColor{};  // shapes: solid fill; none = not filled
    std::optional<FontSpec> font{};          // default: the window's font
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool value = false;  // option buttons: on or off
    BorderStyle border = BorderStyle::None;
    bool transparent = false;       // labels: no background of their own
    int tabIndex = -1;              // focus order; -1 for controls that take no focus
    const char* picture = nullptr;  // resource path of the picture
    bool isDefault = false;         // pressed by Enter anywhere in its window
    bool isCancel = false;          // pressed by Esc anywhere in its window
    bool autoSize = false;          // picture boxes: size to the picture
    ShapeKind shape = ShapeKind::Rectangle;
    Twips x1 = 0, y1 = 0, x2 = 0, y2 = 0;    // lines: end points
    int lineWidth = 1;                       // lines: pixels
    std::optional<ColourValue> lineColor{};  // lines and shape outlines; default window text
};

struct MenuItemSpec {
    const char* name;
    const char* caption;
    const char* shortcut;  // "Ctrl+B", or "" for none
};

struct MenuSpec {
    const char* name;
    const char* caption;
    std::vector<MenuItemSpec> items;
};

enum class WindowStyle {
    Main,      // fixed single border, close box only, taskbar entry, placed by the desktop
    Secondary  // fixed dialog border, close box only, no taskbar entry, fixed opening place
};

struct WindowSpec {
    const char* caption = "";
    Twips clientWidth = 0;
    Twips clientHeight = 0;
    WindowStyle style = WindowStyle::Secondary;
    std::optional<ColourValue> backColor{};  // default: button face
    FontSpec font{};                         // font of controls that name none
    const char* icon = nullptr;              // resource path of the window icon
    std::vector<MenuSpec> menus{};
};

// Where every secondary window opens: its client area's top-left corner on the screen.
constexpr Twips kSecondaryWindowLeft = 2340;
constexpr Twips kSecondaryWindowTop = 1935;

// The "OK" button that every secondary window has: 1260 x 345, tab index 0, both the
// default and the cancel button.
ControlSpec OkButton(Twips left, Twips top);

}  // namespace forms
