// The window and control services driven through small windows of their own: loading and
// unloading, activation, the secondary windows' frame, control properties, option groups,
// the keyboard, labels, stacking, shapes, lines and pictures.
#include "forms/form.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "forms/services.h"
#include "forms/widgets.h"
#include "support/ui.h"

using namespace forms;

// Failure messages show texts as texts.
namespace {

// A window whose layout is given as data; its counters are form-level variables.
class TestForm : public Form {
public:
    TestForm(const char* className, WindowSpec window, std::vector<ControlSpec> controls)
        : Form(className), window_(std::move(window)), controls_(std::move(controls)) {}

    using Form::ctl;
    using Form::hasControl;
    using Form::onArrayClick;
    using Form::onClick;
    using Form::onKeyDown;

    QWidget* widget(const char* name, int index = kNoIndex) { return ctl(name, index).widget(); }

    int loads = 0;
    int activations = 0;
    std::function<void()> loadStep;

protected:
    WindowSpec windowSpec() const override { return window_; }
    std::vector<ControlSpec> controlSpecs() const override { return controls_; }
    void Form_Load() override {
        ++loads;
        if (loadStep) loadStep();
    }
    void Form_Activate() override { ++activations; }

private:
    WindowSpec window_;
    std::vector<ControlSpec> controls_;
};

WindowSpec dialog(Twips width = 4800, Twips height = 3600) {
    return {.caption = "Prófun", .clientWidth = width, .clientHeight = height};
}

// A control in its box; a test sets the few other properties it needs on the result.
ControlSpec place(Kind kind, const char* name, Twips left, Twips top, Twips width, Twips height,
                  const char* caption = "") {
    return {.kind = kind,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption};
}

ControlSpec label(const char* name, Twips left, Twips top, Twips width, Twips height,
                  const char* caption = "") {
    return place(Kind::Label, name, left, top, width, height, caption);
}

ControlSpec focusable(Kind kind, const char* name, Twips left, Twips top, int tabIndex) {
    ControlSpec spec = place(kind, name, left, top, 1260, 345, kind == Kind::TextBox ? "" : name);
    spec.tabIndex = tabIndex;
    return spec;
}

// Adds the options name(0) to name(count - 1) to frame, one under the other; option `on`
// is on. With a first tab index, the options take the tab indexes from it upwards.
void optionGroup(std::vector<ControlSpec>& specs, const char* name, const char* frame, int count,
                 int on, int firstTabIndex = -1) {
    static const char* const captions[] = {"Málmar", "Ástand", "Flokkar"};
    for (int i = 0; i < count; ++i) {
        ControlSpec option =
            place(Kind::OptionButton, name, 120, 240 + 300 * i, 1200, 255, captions[i]);
        option.index = i;
        option.frame = frame;
        option.value = i == on;
        option.tabIndex = firstTabIndex < 0 ? -1 : firstTabIndex + i;
        specs.push_back(option);
    }
}

// The client area of a loaded window: what its controls lie on.
QWidget* clientArea(TestForm& form) {
    return form.window()->findChild<QWidget*>("client");
}

QColor pixel(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

// Where a label's text lies when drawn in its box, wrapping at blanks.
QRect textBox(QLabel* lbl, const QString& text) {
    return lbl->fontMetrics().boundingRect(lbl->contentsRect(), Qt::AlignLeft | Qt::TextWordWrap,
                                           text);
}
QRect textBox(QLabel* lbl) {
    return textBox(lbl, lbl->text());
}

// How many lines the label's text takes.
int linesShown(QLabel* lbl) {
    return qRound(static_cast<double>(textBox(lbl).height()) / textBox(lbl, "X").height());
}

// Whether anything but the background is drawn in the widget's pixel rows [from, to).
bool inkBetween(QWidget* widget, int from, int to) {
    const QImage image = widget->grab().toImage();
    const QColor ground = widget->palette().color(QPalette::Window);
    for (int y = from; y < std::min(to, image.height()); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != ground) return true;
        }
    }
    return false;
}

// "100": which options of the array are on, by index 0, 1, ...
std::string values(TestForm& form, const char* name, int count) {
    std::string on;
    for (int i = 0; i < count; ++i) on += form.ctl(name, i).value() ? '1' : '0';
    return on;
}

// A click where a pupil's mouse would land: the window finds the widget under the point.
void clickAt(QWidget* window, QPoint at) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    ui::settle();
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Form::loadedWindowCount(), 0); }
    void TearDown() override { ui::settle(); }
};

// --- Windows -----------------------------------------------------------------------------

TEST_F(FormTest, ShowLoadsOnceAndMakesNoSecondCopy) {
    TestForm form("frmProf", dialog(), {label("lblA", 120, 120, 2000, 255, "Upphaf")});
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(ui::countWindows("frmProf"), 0);
    form.show();
    ui::settle();
    QWidget* first = form.window();
    EXPECT_EQ(ui::countWindows("frmProf"), 1);
    form.show();
    ui::settle();
    EXPECT_EQ(form.window(), first);
    EXPECT_EQ(ui::countWindows("frmProf"), 1);
    EXPECT_EQ(form.loads, 1);  // Load runs at the load, not at the second showing
}

TEST_F(FormTest, ReadingAControlLoadsTheWindowWithoutShowingIt) {
    TestForm form("frmProf", dialog(), {label("lblA", 120, 120, 2000, 255, "Upphaf")});
    EXPECT_EQ(form.ctl("lblA").caption(), "Upphaf");
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.loads, 1);
    EXPECT_FALSE(form.window()->isVisible());
}

TEST_F(FormTest, ReloadStartsFromTheLayoutWhileFormVariablesSurvive) {
    ControlSpec white = label("lblA", 120, 120, 2000, 255);
    white.backColor = colours::White;
    TestForm form("frmProf", dialog(), {white});
    // Load runs once the controls stand: what it writes shows.
    form.loadStep = [&form] {
        form.ctl("lblA").setCaption("Hlaðið " + PlainNumberText(form.loads));
    };
    form.show();
    ui::settle();
    EXPECT_EQ(ui::caption(form.window(), "lblA"), "Hlaðið 1");
    Control& lbl = form.ctl("lblA");
    lbl.setLeft(7747);
    lbl.setBackColor(colours::Red);
    lbl.setVisible(false);

    form.unload();
    ui::settle();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(ui::findWindow("frmProf"), nullptr);
    form.unload();  // nothing happens to a window that is not loaded
    EXPECT_EQ(Form::loadedWindowCount(), 0);

    form.show();
    ui::settle();
    QWidget* window = form.window();
    EXPECT_EQ(ui::caption(window, "lblA"), "Hlaðið 2");
    EXPECT_EQ(form.ctl("lblA").left(), 120);
    EXPECT_EQ(ui::control(window, "lblA")->x(), 8);
    EXPECT_EQ(ui::background(window, "lblA"), colours::White);
    EXPECT_TRUE(ui::shows(window, "lblA"));
}

// The offscreen platform activates a window when it is shown or asked to become active;
// ui::activate stands for the pupil clicking into a window.
TEST_F(FormTest, ActivateOnFirstShowingAndOnComingBackOnly) {
    TestForm a("frmA", dialog(), {OkButton(120, 120)});
    TestForm b("frmB", dialog(), {OkButton(120, 120)});
    a.show();
    ui::settle();
    EXPECT_EQ(a.activations, 1);
    a.show();  // already open and active
    ui::activate(a.window());
    EXPECT_EQ(a.activations, 1);

    b.show();
    ui::settle();
    EXPECT_EQ(b.activations, 1);
    ui::activate(a.window());
    EXPECT_EQ(a.activations, 2);

    // A message box is no window of the program: coming back from it activates nothing.
    ui::answerNextMessageBoxWith("vbOK");
    MsgBox("Skilaboð", vbOKOnly, "Tarnok");
    ui::activate(a.window());
    EXPECT_EQ(a.activations, 2);
    EXPECT_EQ(b.activations, 1);

    a.unload();
    a.show();
    ui::settle();
    EXPECT_EQ(a.activations, 3);
}

TEST_F(FormTest, LastUnloadedWindowEndsTheProgram) {
    int ends = 0;
    Form::setLastWindowUnloadedHandler([&ends] { ++ends; });
    TestForm a("frmA", dialog(), {OkButton(120, 120)});
    TestForm b("frmB", dialog(), {OkButton(120, 120)});
    a.show();
    b.show();
    ui::settle();
    EXPECT_EQ(Form::loadedWindowCount(), 2);
    a.unload();
    EXPECT_EQ(ends, 0);
    b.window()->close();  // the close box
    ui::settle();
    EXPECT_FALSE(b.isLoaded());
    EXPECT_EQ(ends, 1);
    Form::setLastWindowUnloadedHandler({});
}

TEST_F(FormTest, SecondaryWindowFrame) {
    const ControlSpec ok = OkButton(3120, 3720);
    EXPECT_EQ(ok.kind, Kind::CommandButton);
    EXPECT_STREQ(ok.name, "cmdOK");
    EXPECT_STREQ(ok.caption, "OK");
    EXPECT_EQ(ok.width, 1260);
    EXPECT_EQ(ok.height, 345);
    EXPECT_EQ(ok.tabIndex, 0);
    EXPECT_TRUE(ok.isDefault && ok.isCancel);

    TestForm form("frmProf",
                  {.caption = "Tarnok - prófun", .clientWidth = 7500, .clientHeight = 4095},
                  {ok, label("lblA", 120, 240, 7245, 330, "Texti")});
    TestForm main("frmAdal",
                  {.caption = "Tarnok",
                   .clientWidth = 3000,
                   .clientHeight = 2000,
                   .style = WindowStyle::Main},
                  {});
    form.show();
    main.show();
    ui::settle();
    for (QWidget* window : {form.window(), main.window()}) {
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint) << window->objectName().toStdString();
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint) << window->objectName().toStdString();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint) << window->objectName().toStdString();
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
    }
    QWidget* window = form.window();
    EXPECT_EQ(window->windowTitle(), "Tarnok - prófun");
    EXPECT_EQ(window->windowType(), Qt::Tool);  // no taskbar entry
    EXPECT_EQ(main.window()->windowType(), Qt::Window);
    EXPECT_EQ(window->geometry(), QRect(156, 129, 500, 273));
    EXPECT_EQ(ui::control(window, "cmdOK")->geometry(), QRect(208, 248, 84, 23));
    EXPECT_EQ(window->focusWidget(), ui::control(window, "cmdOK"));
}

TEST_F(FormTest, OkClickEnterEscAndCloseBoxUnload) {
    TestForm form("frmProf", dialog(), {OkButton(1800, 3000)});
    form.onClick("cmdOK", [&form] { form.unload(); });
    const struct {
        const char* way;
        std::function<void(QWidget*)> close;
    } ways[] = {
        {"click", [](QWidget* w) { ui::click(w, "cmdOK"); }},
        {"Enter", [](QWidget* w) { ui::pressKey(w, Qt::Key_Return); }},
        {"Esc", [](QWidget* w) { ui::pressKey(w, Qt::Key_Escape); }},
        {"close box",
         [](QWidget* w) {
             w->close();
             ui::settle();
         }},
    };
    for (const auto& way : ways) {
        form.show();
        ui::settle();
        ASSERT_TRUE(form.isLoaded());
        way.close(form.window());
        EXPECT_FALSE(form.isLoaded()) << way.way;
        EXPECT_EQ(ui::countWindows("frmProf"), 0) << way.way;
    }
}

// --- Control properties ------------------------------------------------------------------

TEST_F(FormTest, PropertiesReadBackExactlyAndShowRoundedToPixels) {
    TestForm form("frmProf", dialog(), {label("lblA", 0, 0, 100, 100, "A")});
    form.show();
    const struct {
        Twips left, top, width, height;
        QRect pixels;
    } cases[] = {
        {7747, 4001, 1262, 338, QRect(516, 267, 85, 22)},
        {7, 22, 8, 7, QRect(0, 1, 1, 1)},
        {-1000, 120, 2055, 495, QRect(-67, 8, 137, 33)},
    };
    Control& lbl = form.ctl("lblA");
    for (const auto& c : cases) {
        lbl.setLeft(c.left);
        lbl.setTop(c.top);
        lbl.setWidth(c.width);
        lbl.setHeight(c.height);
        EXPECT_EQ(lbl.left(), c.left);
        EXPECT_EQ(lbl.top(), c.top);
        EXPECT_EQ(lbl.width(), c.width);
        EXPECT_EQ(lbl.height(), c.height);
        EXPECT_EQ(lbl.widget()->geometry(), c.pixels) << c.left;
    }
    lbl.setFontSize(13.5);
    EXPECT_EQ(lbl.fontSize(), 13.5);
    EXPECT_EQ(QFontInfo(lbl.widget()->font()).pixelSize(), 17);
    lbl.setBackColor(0x00C0C0C0);
    EXPECT_EQ(lbl.backColor(), 0x00C0C0C0u);
    EXPECT_EQ(ui::background(form.window(), "lblA"), 0x00C0C0C0u);
    lbl.setForeColor(colours::Red);
    EXPECT_EQ(lbl.foreColor(), colours::Red);
    EXPECT_EQ(lbl.widget()->palette().color(QPalette::WindowText), QColor(Qt::red));
    lbl.setAlignment(Alignment::Center);
    EXPECT_EQ(lbl.alignment(), Alignment::Center);
    EXPECT_TRUE(qobject_cast<QLabel*>(lbl.widget())->alignment() & Qt::AlignHCenter);
}

TEST_F(FormTest, FrameHoldsItsControlsAndHidesThem) {
    ControlSpec option = place(Kind::OptionButton, "optA", 120, 240, 1500, 255, "Málmar");
    option.frame = "frA";
    TestForm form("frmProf", dialog(),
                  {place(Kind::Frame, "frA", 1500, 600, 2400, 1200, "Sýn"), option});
    form.show();
    ui::settle();
    QWidget* widget = form.widget("optA");
    EXPECT_EQ(widget->parentWidget(), form.widget("frA"));
    EXPECT_EQ(widget->mapTo(form.window(), QPoint(0, 0)), QPoint(108, 56));
    form.ctl("frA").setVisible(false);
    EXPECT_FALSE(ui::shows(form.window(), "optA"));
    form.ctl("frA").setVisible(true);
    EXPECT_TRUE(ui::shows(form.window(), "optA"));
}

TEST_F(FormTest, OptionGroupKeepsExactlyOneOn) {
    std::vector<ControlSpec> specs = {place(Kind::Frame, "frSyn", 120, 120, 2000, 1200),
                                      place(Kind::Frame, "frTal", 2400, 120, 2000, 1200)};
    optionGroup(specs, "optSyn", "frSyn", 3, 0);
    optionGroup(specs, "optTal", "frTal", 2, 1);
    TestForm form("frmProf", dialog(), specs);
    std::vector<int> clicks;
    form.onArrayClick("optSyn", [&clicks](std::int16_t index) { clicks.push_back(index); });
    form.show();
    ui::settle();
    EXPECT_EQ(values(form, "optSyn", 3), "100");
    EXPECT_TRUE(clicks.empty());  // the layout's Value raises no Click

    ui::click(form.widget("optSyn", 2));
    EXPECT_EQ(values(form, "optSyn", 3), "001");
    EXPECT_EQ(values(form, "optTal", 2), "01");  // another frame, another group
    form.ctl("optSyn", 1).setValue(true);
    EXPECT_EQ(values(form, "optSyn", 3), "010");
    // Clicking the one that is on keeps it on and raises Click again; so does Space on it.
    ui::click(form.widget("optSyn", 1));
    EXPECT_EQ(values(form, "optSyn", 3), "010");
    form.ctl("optSyn", 1).setFocus();
    ui::pressKey(form.window(), Qt::Key_Space);
    EXPECT_EQ(values(form, "optSyn", 3), "010");
    EXPECT_EQ(clicks, (std::vector<int>{2, 1, 1, 1}));
}

// --- Keyboard and focus ------------------------------------------------------------------

TEST_F(FormTest, EnterAndEscPressDefaultAndCancelAnywhere) {
    ControlSpec yes = focusable(Kind::CommandButton, "cmdJa", 120, 1200, 1);
    yes.isDefault = true;
    ControlSpec no = focusable(Kind::CommandButton, "cmdNei", 1500, 1200, 2);
    no.isCancel = true;
    TestForm form("frmProf", dialog(),
                  {focusable(Kind::TextBox, "txtSvar", 120, 120, 0), yes, no,
                   focusable(Kind::CommandButton, "cmdAnnad", 2900, 1200, 3)});
    std::vector<std::string> pressed;
    for (const char* name : {"cmdJa", "cmdNei", "cmdAnnad"}) {
        form.onClick(name, [&pressed, name] { pressed.push_back(name); });
    }
    form.show();
    ui::settle();
    QWidget* window = form.window();
    ASSERT_EQ(window->focusWidget(), form.widget("txtSvar"));
    ui::pressKey(window, Qt::Key_Return);
    ui::pressKey(window, Qt::Key_Escape);
    form.ctl("cmdAnnad").setFocus();
    ui::pressKey(window, Qt::Key_Return);  // Enter presses the focused button
    ui::pressKey(window, Qt::Key_Escape);
    form.ctl("cmdNei").setFocus();
    ui::pressKey(window, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed,
              (std::vector<std::string>{"cmdJa", "cmdNei", "cmdAnnad", "cmdNei", "cmdNei"}));
}

TEST_F(FormTest, KeyDownGivesKeyCodeAndShiftState) {
    TestForm form("frmProf", dialog(), {focusable(Kind::TextBox, "txtSvar", 120, 120, 0)});
    std::int16_t keyCode = -1, shift = -1;
    form.onKeyDown("txtSvar", [&](std::int16_t& code, std::int16_t& state) {
        keyCode = code;
        shift = state;
    });
    form.show();
    ui::settle();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int keyCode, shift;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, 13, 0},
        {Qt::Key_Enter, Qt::KeypadModifier, 13, 0},
        {Qt::Key_Return, Qt::ShiftModifier, 13, 1},
        {Qt::Key_Return, Qt::ControlModifier, 13, 2},
        {Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier, 13, 3},
        {Qt::Key_A, Qt::ShiftModifier, 65, 1},
        {Qt::Key_6, Qt::NoModifier, 54, 0},
    };
    for (const auto& c : cases) {
        keyCode = shift = -1;
        ui::pressKey(form.window(), c.key, c.modifiers);
        EXPECT_EQ(keyCode, c.keyCode) << c.key;
        EXPECT_EQ(shift, c.shift) << c.key;
    }
}

TEST_F(FormTest, FocusFollowsTabIndexAndSkipsHiddenControls) {
    ControlSpec hidden = focusable(Kind::TextBox, "txtC", 120, 1500, 0);
    hidden.visible = false;
    TestForm form(
        "frmProf", dialog(),
        {focusable(Kind::TextBox, "txtD", 120, 120, 3), label("lblX", 1500, 120, 1200, 255, "X"),
         focusable(Kind::TextBox, "txtB", 120, 600, 2), hidden,
         focusable(Kind::CommandButton, "cmdA", 1500, 600, 1)});
    form.show();
    ui::settle();
    QWidget* window = form.window();
    auto focused = [window] {
        return window->focusWidget() ? window->focusWidget()->objectName() : QString();
    };
    EXPECT_EQ(focused(), "cmdA");  // txtC has the lowest tab index but is hidden
    for (const char* next : {"txtB", "txtD", "cmdA", "txtB"}) {
        ui::pressKey(window, Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
    ui::pressKey(window, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "cmdA");
    form.ctl("txtD").setFocus();
    EXPECT_EQ(focused(), "txtD");
}

TEST_F(FormTest, TabEntersAnOptionGroupAtTheOptionThatIsOnAndArrowsMoveWithinIt) {
    std::vector<ControlSpec> specs = {focusable(Kind::CommandButton, "cmdA", 120, 120, 0),
                                      place(Kind::Frame, "frSyn", 120, 600, 2000, 1200),
                                      focusable(Kind::TextBox, "txtB", 2400, 120, 4)};
    optionGroup(specs, "optSyn", "frSyn", 3, 1, 1);
    TestForm form("frmProf", dialog(), specs);
    std::vector<int> clicks;
    form.onArrayClick("optSyn", [&clicks](std::int16_t index) { clicks.push_back(index); });
    form.show();
    ui::settle();
    QWidget* window = form.window();
    auto focused = [window] {
        return window->focusWidget() ? window->focusWidget()->objectName() : QString();
    };
    const auto expectTabs = [&](Qt::Key key, std::vector<const char*> stops) {
        for (const char* next : stops) {
            ui::pressKey(window, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            EXPECT_EQ(focused(), next);
        }
    };
    EXPECT_EQ(focused(), "cmdA");
    expectTabs(Qt::Key_Tab, {"optSyn(1)", "txtB", "cmdA"});
    expectTabs(Qt::Key_Backtab, {"txtB", "optSyn(1)", "cmdA"});

    // An arrow key turns the next option on; Tab then enters the group there.
    form.ctl("optSyn", 1).setFocus();
    ui::pressKey(window, Qt::Key_Down);
    EXPECT_EQ(focused(), "optSyn(2)");
    EXPECT_EQ(values(form, "optSyn", 3), "001");
    EXPECT_EQ(clicks, (std::vector<int>{2}));
    expectTabs(Qt::Key_Tab, {"txtB", "cmdA", "optSyn(2)"});
}

// --- Labels ------------------------------------------------------------------------------

TEST_F(FormTest, LabelBreaksLinesAndWrapsLongTextAtBlanks) {
    TestForm form(
        "frmProf", dialog(),
        {label("lblLinur", 120, 120, 3000, 600, "Fyrsta lína\nÖnnur lína"),
         label("lblLangur", 120, 900, 1500, 495, "Rafeindirnar raðast á hvolfin eitt af öðru"),
         label("lblStuttur", 120, 1500, 1500, 495, "Rafeindir")});
    form.show();
    ui::settle();
    auto* lines = ui::control<QLabel>(form.window(), "lblLinur");
    auto* wrapped = ui::control<QLabel>(form.window(), "lblLangur");
    auto* single = ui::control<QLabel>(form.window(), "lblStuttur");
    ASSERT_TRUE(lines && wrapped && single);
    EXPECT_EQ(lines->text(), "Fyrsta lína\nÖnnur lína");
    EXPECT_EQ(linesShown(lines), 2);
    EXPECT_TRUE(wrapped->wordWrap());
    ASSERT_GT(wrapped->fontMetrics().horizontalAdvance(wrapped->text()), wrapped->width());
    EXPECT_GE(linesShown(wrapped), 2);
    EXPECT_LE(textBox(wrapped).width(), wrapped->width());
    EXPECT_EQ(linesShown(single), 1);
    EXPECT_EQ(wrapped->height(), 33);  // cut off at its own height: the box does not grow
    // On screen: the second line has text, below a one-line caption there is none.
    const int line = wrapped->fontMetrics().lineSpacing();
    EXPECT_TRUE(inkBetween(lines, line, 2 * line));
    EXPECT_TRUE(inkBetween(wrapped, line, 2 * line));
    EXPECT_FALSE(inkBetween(single, line, 2 * line));
}

TEST_F(FormTest, LabelIsOpaqueUnlessTransparent) {
    ControlSpec clear = label("lblGegnsaer", 1800, 600, 1200, 600);
    clear.transparent = true;
    ControlSpec ground = place(Kind::Shape, "shpGrunnur", 0, 300, 4800, 1200);
    ground.fillColor = colours::Red;
    TestForm form("frmProf", dialog(), {label("lblOpinn", 120, 600, 1200, 600), clear, ground});
    form.show();
    ui::settle();
    EXPECT_EQ(pixel(clientArea(form), QPoint(48, 60)), ToQColor(colours::ButtonFace));
    EXPECT_EQ(pixel(clientArea(form), QPoint(160, 60)), QColor(Qt::red));
}

TEST_F(FormTest, ClickOnALabelWithoutHandlerReachesWhatLiesBeneath) {
    TestForm form("frmProf", dialog(),
                  {label("lblEfst", 120, 120, 1500, 600), label("lblYfir", 1800, 120, 1500, 600),
                   label("lblUndir", 120, 120, 3300, 600)});
    std::vector<std::string> clicked;
    form.onClick("lblEfst", [&clicked] { clicked.push_back("lblEfst"); });
    form.onClick("lblUndir", [&clicked] { clicked.push_back("lblUndir"); });
    form.show();
    ui::settle();
    clickAt(form.window(), QPoint(50, 20));   // on lblEfst, which handles clicks
    clickAt(form.window(), QPoint(170, 20));  // on lblYfir, which does not
    EXPECT_EQ(clicked, (std::vector<std::string>{"lblEfst", "lblUndir"}));
}

// --- Control arrays and stacking ---------------------------------------------------------

std::vector<ControlSpec> arrayWithGaps() {
    std::vector<ControlSpec> specs;
    for (int index : {1, 2, 3, 26}) {
        specs.push_back(label("lblFr", 120 + 600 * (index % 7), 120, 495, 495, "Fr"));
        specs.back().index = index;
    }
    return specs;
}

TEST_F(FormTest, ControlArrayWithGapsFindsEachElement) {
    TestForm form("frmProf", dialog(), arrayWithGaps());
    std::vector<int> clicked;
    form.onArrayClick("lblFr", [&clicked](std::int16_t index) { clicked.push_back(index); });
    form.show();
    ui::settle();
    for (int index : {1, 2, 3, 26}) {
        ASSERT_TRUE(form.hasControl("lblFr", index));
        EXPECT_EQ(form.ctl("lblFr", index).index(), index);
        ui::click(form.window(), QStringLiteral("lblFr(%1)").arg(index));
    }
    EXPECT_EQ(clicked, (std::vector<int>{1, 2, 3, 26}));
    EXPECT_FALSE(form.hasControl("lblFr", 4));
    EXPECT_FALSE(form.hasControl("lblFr", kNoIndex));
}

TEST(FormDeathTest, MissingControlStopsTheProgramNamingIt) {
    TestForm form("frmProf", dialog(), arrayWithGaps());
    form.show();
    EXPECT_DEATH(form.ctl("lblFr", 4), "lblFr\\(4\\)");
    EXPECT_DEATH(form.ctl("lblEkki"), "lblEkki");
}

TEST_F(FormTest, WindowedControlsLieAboveWindowlessOnesInListedOrder) {
    auto at = [](Kind kind, const char* name) { return place(kind, name, 120, 120, 1500, 600); };
    TestForm form(
        "frmProf", dialog(),
        {at(Kind::Label, "lblA"), at(Kind::CommandButton, "cmdB"), at(Kind::Shape, "shpC"),
         at(Kind::TextBox, "txtD"), at(Kind::Label, "lblE"), at(Kind::PictureBox, "picF")});
    form.show();
    ui::settle();
    QStringList bottomToTop;
    for (QObject* child : clientArea(form)->children()) {
        if (child->isWidgetType()) bottomToTop << child->objectName();
    }
    EXPECT_EQ(bottomToTop, QStringList({"lblE", "shpC", "lblA", "picF", "txtD", "cmdB"}));
    EXPECT_EQ(clientArea(form)->childAt(50, 20), form.widget("cmdB"));
}

// --- Shapes, lines and pictures ----------------------------------------------------------

TEST_F(FormTest, ShapesFillAndOutline) {
    ControlSpec full = place(Kind::Shape, "shpFullur", 150, 150, 1500, 900);
    full.fillColor = colours::Red;
    full.border = BorderStyle::FixedSingle;
    full.lineColor = colours::Blue;
    ControlSpec empty = place(Kind::Shape, "shpTomur", 1950, 150, 900, 900);
    empty.shape = ShapeKind::Circle;
    TestForm form("frmProf", dialog(), {full, empty});
    form.show();
    ui::settle();
    auto* filled = ui::control<ShapeWidget>(form.window(), "shpFullur");
    auto* circle = ui::control<ShapeWidget>(form.window(), "shpTomur");
    ASSERT_TRUE(filled && circle);
    EXPECT_TRUE(filled->filled() && filled->outlined());
    EXPECT_FALSE(circle->filled() || circle->outlined());
    EXPECT_EQ(circle->shape(), ShapeKind::Circle);
    EXPECT_EQ(pixel(filled, QPoint(50, 30)), QColor(Qt::red));
    EXPECT_EQ(pixel(filled, QPoint(0, 30)), QColor(Qt::blue));
    EXPECT_EQ(pixel(clientArea(form), QPoint(160, 40)), ToQColor(colours::ButtonFace));

    form.ctl("shpFullur").setFillColor(0x0000FF00);
    EXPECT_EQ(form.ctl("shpFullur").fillColor(), 0x0000FF00u);
    EXPECT_EQ(pixel(filled, QPoint(50, 30)), QColor(Qt::green));
}

TEST_F(FormTest, LinesRunBetweenTheirEndPoints) {
    ControlSpec red = place(Kind::Line, "linA", 0, 0, 0, 0);
    std::tie(red.x1, red.y1, red.x2, red.y2) = std::tuple(150, 300, 1500, 300);
    red.lineColor = colours::Red;
    ControlSpec wide = place(Kind::Line, "linB", 0, 0, 0, 0);
    std::tie(wide.x1, wide.y1, wide.x2, wide.y2) = std::tuple(1500, 1500, 3000, 600);
    wide.lineWidth = 2;
    TestForm form("frmProf", dialog(), {red, wide});
    form.show();
    ui::settle();
    auto* a = ui::control<LineWidget>(form.window(), "linA");
    auto* b = ui::control<LineWidget>(form.window(), "linB");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->from(), QPoint(10, 20));
    EXPECT_EQ(a->to(), QPoint(100, 20));
    EXPECT_EQ(b->from(), QPoint(100, 100));
    EXPECT_EQ(b->to(), QPoint(200, 40));
    EXPECT_EQ(b->lineWidth(), 2);
    EXPECT_EQ(pixel(clientArea(form), QPoint(50, 20)), QColor(Qt::red));
    EXPECT_EQ(pixel(clientArea(form), QPoint(50, 23)), ToQColor(colours::ButtonFace));
}

TEST_F(FormTest, PictureBoxesShowNaturalSizeAndImagesStretch) {
    // 40 x 30 pixels: the left half red, the right half blue.
    QTemporaryDir folder;
    const QString file = folder.filePath("mynd.png");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, 20, 30, Qt::red);
    ASSERT_TRUE(picture.save(file));
    const QByteArray path = file.toLocal8Bit();

    ControlSpec natural = place(Kind::PictureBox, "picNatur", 0, 0, 1500, 1500);
    ControlSpec sized = place(Kind::PictureBox, "picSjalf", 1800, 0, 300, 300);
    sized.border = BorderStyle::FixedSingle;
    sized.autoSize = true;
    ControlSpec image = place(Kind::Image, "imgTeygd", 0, 1800, 1500, 1500);
    for (ControlSpec* spec : {&natural, &sized, &image}) spec->picture = path.constData();
    TestForm form("frmProf", dialog(), {natural, sized, image});
    form.show();
    ui::settle();
    EXPECT_EQ(pixel(form.widget("picNatur"), QPoint(5, 5)), QColor(Qt::red));
    EXPECT_EQ(pixel(form.widget("picNatur"), QPoint(30, 5)), QColor(Qt::blue));
    // Beyond the picture, the box's default background: button face.
    EXPECT_EQ(pixel(form.widget("picNatur"), QPoint(60, 60)), ToQColor(colours::ButtonFace));

    // Sized to the picture and its border of 2 pixels each side.
    EXPECT_EQ(form.ctl("picSjalf").width(), 44 * 15);
    EXPECT_EQ(form.ctl("picSjalf").height(), 34 * 15);
    EXPECT_EQ(form.widget("picSjalf")->size(), QSize(44, 34));

    EXPECT_EQ(pixel(form.widget("imgTeygd"), QPoint(25, 50)), QColor(Qt::red));
    EXPECT_EQ(pixel(form.widget("imgTeygd"), QPoint(75, 50)), QColor(Qt::blue));
    EXPECT_EQ(pixel(form.widget("imgTeygd"), QPoint(97, 97)), QColor(Qt::blue));
}

// --- Fonts -------------------------------------------------------------------------------

// The longest one-line captions of the program in their fonts and boxes: each stays on one
// line and inside its room (the left half of a formula row must end before the right half).
TEST_F(FormTest, LongestCaptionsFitTheirBoxes) {
    const FontSpec normal{"MS Sans Serif", 12, false}, bold{"MS Sans Serif", 8.25, true};
    const struct {
        const char* caption;
        FontSpec font;
        Twips width, room;
    } cases[] = {
        {"Í frumeind með jákvæða hleðslu eru rafeindirnar færri en róteindirnar", normal, 7245,
         7245},
        {"Í frumeind með neikvæða hleðslu eru rafeindirnar fleiri en róteindirnar", normal, 7365,
         7365},
        {"Hleðsla hlaðinnar frumeindar (jónar) = ", normal, 7245, 4200 - 120},
        {"Kjarni samsettur út róteindum og nifteindum", normal, 4815, 4815},
        {"fyrst 1. hvolf svo hvert hvolfið á fætur öðru", normal, 4455, 4455},
        {"Finnst aðeins á tilraunastofu eða hefur ekki fundist", bold, 4335, 4335},
        {"Hvarfgjarnir jarðmálmar", bold, 2055, 2055},
        {"Brennisteinn", {"Arial", 18, false}, 2055, 2055},
        {"Mg", {"Arial", 30, false}, 855, 855},
    };
    std::vector<ControlSpec> specs;
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        specs.push_back(
            label("lblTexti", 120, 120 + 500 * i, cases[i].width, 495, cases[i].caption));
        specs.back().index = i;
        specs.back().font = cases[i].font;
    }
    TestForm form("frmProf", dialog(7500, 4500), specs);
    form.show();
    ui::settle();
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        auto* lbl = static_cast<QLabel*>(form.widget("lblTexti", i));
        EXPECT_EQ(linesShown(lbl), 1) << cases[i].caption;
        EXPECT_LE(lbl->fontMetrics().horizontalAdvance(lbl->text()), ToPixels(cases[i].room))
            << cases[i].caption;
    }
}

}  // namespace
