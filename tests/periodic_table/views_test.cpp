// The four colour views chosen under "Sýn": the colour of every cell, the one legend shown,
// the legends' texts, and the badges in their cells' colours.
#include <QGroupBox>
#include <map>

#include "lotukerfi_fixture.h"

namespace lotukerfi_test {
namespace {

constexpr forms::ColourValue kLightBlue = 0x00FF8080, kOrange = 0x000080FF, kPurple = 0x00C000C0,
                             kYellow = 0x0000FFFF, kDarkGreen = 0x0000C000;

struct ViewCase {
    const char* option;
    const char* legend;
    std::map<forms::ColourValue, int> counts;      // cells per colour
    std::map<int, forms::ColourValue> namedCells;  // element -> colour
};

// clang-format off
const ViewCase kViews[] = {
    {"optSyn(3)", "frSkyring3", {{kBlue, 92}, {kGreen, 8}, {kRed, 18}},
     {{1, kRed}, {2, kRed}, {118, kRed}, {117, kBlue}, {84, kGreen}, {85, kGreen}, {86, kRed},
      {33, kGreen}}},
    {"optSyn(2)", "frSkyring2", {{kRed, 12}, {kBlue, 3}, {kWhite, 103}},
     {{35, kBlue}, {80, kBlue}, {112, kBlue}, {118, kRed}, {104, kWhite}, {117, kWhite}}},
    {"optSyn(5)", "frSkyring5", {{kGreen, 90}, {kBlue, 28}},
     {{42, kGreen}, {43, kBlue}, {60, kGreen}, {61, kBlue}, {92, kGreen}, {93, kBlue}}},
    {"optSyn(1)", "frSkyring1",
     {{kBlue, 6}, {kLightBlue, 6}, {kRed, 33}, {kOrange, 10}, {kPurple, 10}, {kMagenta, 5},
      {kYellow, 6}, {kDarkGreen, 17}, {kGreen, 15}, {kWhite, 10}},
     {{21, kDarkGreen}, {39, kDarkGreen}, {57, kDarkGreen}, {71, kDarkGreen}, {89, kGreen},
      {103, kGreen}, {109, kRed}, {110, kWhite}, {1, kWhite}, {85, kMagenta}}},
};
// clang-format on

class ViewsTest : public LotukerfiTest {
protected:
    void expectView(const ViewCase& view) const {
        SCOPED_TRACE(view.option);
        EXPECT_TRUE(isOn(QString::fromLatin1(view.option)));
        std::map<forms::ColourValue, int> counts;
        for (int i = 1; i <= 118; ++i) {
            ++counts[colour(cell(i))];
            EXPECT_EQ(colour(badge(i)), colour(cell(i))) << "badge " << i;
        }
        EXPECT_EQ(counts, view.counts);
        for (const auto& [element, expected] : view.namedCells) {
            EXPECT_EQ(colour(cell(element)), expected) << "element " << element;
        }
        for (const char* legend : {"frSkyring5", "frSkyring3", "frSkyring2", "frSkyring1"}) {
            EXPECT_EQ(ui::shows(table_, QString::fromLatin1(legend)),
                      std::string_view(legend) == view.legend)
                << legend;
        }
    }
};

TEST_F(ViewsTest, MalmarAtLoadThenEachOptionPaintsItsView) {
    expectView(kViews[0]);
    // Forwards and backwards: no cell keeps a colour of the view before.
    for (const ViewCase& view : kViews) {
        choose(view.option);
        expectView(view);
    }
    for (auto it = std::rbegin(kViews); it != std::rend(kViews); ++it) {
        choose(it->option);
        expectView(*it);
    }
}

TEST_F(ViewsTest, LegendsNameTheirColours) {
    const struct {
        const char* name;
        const char* caption;
        forms::Twips height;
    } frames[] = {{"frSkyring3", "Skýring:  ", 735},
                  {"frSkyring2", "Skýring: Hamur við staðalaðstæður", 735},
                  {"frSkyring5", "Skýring:  Efnið ", 735},
                  {"frSkyring1", "Skýring", 855}};
    for (const auto& f : frames) {
        auto* frame = ui::control<QGroupBox>(table_, QString::fromLatin1(f.name));
        EXPECT_EQ(frame->title(), QString::fromUtf8(f.caption));
        EXPECT_EQ(frame->geometry(), screenBox(480, 6140, 8655, f.height)) << f.name;
    }
    // The "Flokkar" legend reaches into the option frames, which stay on top of it.
    EXPECT_EQ(widget(QStringLiteral("frSkyring1"))->geometry().bottom() + 1, ui::px(6140 + 855));
    const QObjectList& stack = widget(QStringLiteral("client"))->children();
    EXPECT_GT(stack.indexOf(widget(QStringLiteral("frSyn"))),
              stack.indexOf(widget(QStringLiteral("frSkyring1"))));

    // Each label in its frame, 255 twips high, left-aligned, bold 8.25 pt.
    const struct {
        const char* frame;
        const char* name;
        const char* caption;
        forms::Twips left, top, width;
        forms::ColourValue colour;
    } labels[] = {
        {"frSkyring3", "lblMalmur", "Málmur ", 240, 360, 2175, kBlue},
        {"frSkyring3", "LblEkkiMalmur", "Hálfmálmar", 2520, 360, 2415, kGreen},
        {"frSkyring3", "LblEdalgas", "Málmleysingjar", 5400, 360, 2655, kRed},
        {"frSkyring2", "lblFastefni", "Fast efni (s)", 360, 240, 1335,
         shownAs(forms::colours::WindowText)},
        {"frSkyring2", "lblGas", "Gas (g)", 3360, 240, 1095, kRed},
        {"frSkyring2", "lblVokvi", "Vökvi (l)", 6600, 240, 975, kBlue},
        {"frSkyring5", "lblNattura", "Finnst í náttúrunni", 240, 360, 2175, kDarkGreen},
        {"frSkyring5", "lblTilraun", "Finnst aðeins á tilraunastofu eða hefur ekki fundist", 2760,
         360, 4335, 0x00C00000},
        {"frSkyring1", "lblHvarfMalmar", "Hvarfgjarnir málmar", 120, 240, 1695, kBlue},
        {"frSkyring1", "lblHvarfJardmalmar", "Hvarfgjarnir jarðmálmar", 2040, 240, 2055,
         kLightBlue},
        {"frSkyring1", "lblHlidarmalmar", "Hliðarmálmar", 4200, 240, 1335, kRed},
        {"frSkyring1", "lblTregirMalmar", "Tregir málmar", 5760, 240, 1335, kOrange},
        {"frSkyring1", "lblMalmleysingjar", "Málmleysingjar", 120, 480, 1335, kPurple},
        {"frSkyring1", "lblHalogen", "Halógenefnin", 2040, 480, 1335, kMagenta},
        {"frSkyring1", "lblEdalgas1", "Eðalgastegundir", 4200, 480, 1455, kYellow},
        {"frSkyring1", "lblLantanid", "Lantanið", 5760, 480, 855, kDarkGreen},
        {"frSkyring1", "lblAktinid", "Aktiníð", 7080, 480, 735, 0x0080FF80}};
    const int legendFont = forms::ToQFont("MS Sans Serif", 8.25, true).pixelSize();
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        const QLabel* text = label(QString::fromLatin1(l.name));
        EXPECT_EQ(text->text(), QString::fromUtf8(l.caption));
        EXPECT_EQ(text->parentWidget(), widget(QString::fromLatin1(l.frame)));
        EXPECT_EQ(text->geometry(), screenBox(l.left, l.top, l.width, 255));
        EXPECT_EQ(valueOf(text->palette().color(QPalette::WindowText)), l.colour);
        EXPECT_TRUE(text->font().bold());
        EXPECT_EQ(text->font().pixelSize(), legendFont);
        EXPECT_TRUE(text->alignment() & Qt::AlignLeft);
    }
}

}  // namespace
}  // namespace lotukerfi_test
