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
    const char* const frames[][2] = {{"frSkyring3", "Skýring:  "},
                                     {"frSkyring2", "Skýring: Hamur við staðalaðstæður"},
                                     {"frSkyring5", "Skýring:  Efnið "},
                                     {"frSkyring1", "Skýring"}};
    for (const auto& f : frames) {
        auto* frame = ui::control<QGroupBox>(table_, QString::fromLatin1(f[0]));
        EXPECT_EQ(frame->title(), QString::fromUtf8(f[1]));
        EXPECT_EQ(frame->geometry().topLeft(), QPoint(ui::px(480), ui::px(6140)));
    }
    // The "Flokkar" legend reaches into the option frames, which stay on top of it.
    EXPECT_EQ(widget(QStringLiteral("frSkyring1"))->geometry().bottom() + 1, ui::px(6140 + 855));
    const QObjectList& stack = widget(QStringLiteral("client"))->children();
    EXPECT_GT(stack.indexOf(widget(QStringLiteral("frSyn"))),
              stack.indexOf(widget(QStringLiteral("frSkyring1"))));

    const struct {
        const char* name;
        const char* caption;
        forms::ColourValue colour;
    } labels[] = {
        {"lblMalmur", "Málmur ", kBlue},
        {"LblEkkiMalmur", "Hálfmálmar", kGreen},
        {"LblEdalgas", "Málmleysingjar", kRed},
        {"lblFastefni", "Fast efni (s)", shownAs(forms::colours::WindowText)},
        {"lblGas", "Gas (g)", kRed},
        {"lblVokvi", "Vökvi (l)", kBlue},
        {"lblNattura", "Finnst í náttúrunni", kDarkGreen},
        {"lblTilraun", "Finnst aðeins á tilraunastofu eða hefur ekki fundist", 0x00C00000},
        {"lblHvarfMalmar", "Hvarfgjarnir málmar", kBlue},
        {"lblHvarfJardmalmar", "Hvarfgjarnir jarðmálmar", kLightBlue},
        {"lblHlidarmalmar", "Hliðarmálmar", kRed},
        {"lblTregirMalmar", "Tregir málmar", kOrange},
        {"lblMalmleysingjar", "Málmleysingjar", kPurple},
        {"lblHalogen", "Halógenefnin", kMagenta},
        {"lblEdalgas1", "Eðalgastegundir", kYellow},
        {"lblLantanid", "Lantanið", kDarkGreen},
        {"lblAktinid", "Aktiníð", 0x0080FF80}};
    for (const auto& l : labels) {
        const QLabel* text = label(QString::fromLatin1(l.name));
        EXPECT_EQ(text->text(), QString::fromUtf8(l.caption));
        EXPECT_EQ(valueOf(text->palette().color(QPalette::WindowText)), l.colour) << l.name;
        EXPECT_TRUE(text->font().bold()) << l.name;
    }
}

}  // namespace
}  // namespace lotukerfi_test
