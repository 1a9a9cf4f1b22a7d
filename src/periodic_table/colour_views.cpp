#include "periodic_table/colour_views.h"

namespace colour_views {

namespace {

constexpr forms::ColourValue kBlue = 0x00FF0000;
constexpr forms::ColourValue kGreen = 0x0000FF00;
constexpr forms::ColourValue kRed = 0x000000FF;
constexpr forms::ColourValue kWhite = 0x00FFFFFF;
constexpr forms::ColourValue kLightBlue = 0x00FF8080;
constexpr forms::ColourValue kOrange = 0x000080FF;
constexpr forms::ColourValue kPurple = 0x00C000C0;
constexpr forms::ColourValue kMagenta = 0x00FF00FF;
constexpr forms::ColourValue kYellow = 0x0000FFFF;
constexpr forms::ColourValue kDarkGreen = 0x0000C000;

// Legend "Málmur ", "Hálfmálmar", "Málmleysingjar".
constexpr ColourRun kMalmar[] = {
    // Metals.
    {3, 4, kBlue},
    {11, 13, kBlue},
    {19, 31, kBlue},
    {37, 50, kBlue},
    {55, 83, kBlue},
    {87, 117, kBlue},
    // Metalloids.
    {5, 5, kGreen},
    {14, 14, kGreen},
    {32, 33, kGreen},
    {51, 52, kGreen},
    {84, 85, kGreen},
    // Non-metals.
    {2, 2, kRed},
    {6, 10, kRed},
    {15, 18, kRed},
    {34, 36, kRed},
    {53, 54, kRed},
    {86, 86, kRed},
    {118, 118, kRed},
    // Hydrogen is a non-metal too.
    {1, 1, kRed}};

// Legend "Gas (g)", "Vökvi (l)", "Fast efni (s)".
constexpr ColourRun kHamur[] = {
    // Gases.
    {1, 2, kRed},
    {7, 10, kRed},
    {17, 18, kRed},
    {36, 36, kRed},
    {54, 54, kRed},
    {86, 86, kRed},
    {118, 118, kRed},
    // Liquids.
    {35, 35, kBlue},
    {80, 80, kBlue},
    {112, 112, kBlue},
    // Solids.
    {3, 6, kWhite},
    {11, 16, kWhite},
    {19, 34, kWhite},
    {37, 53, kWhite},
    {55, 79, kWhite},
    {81, 85, kWhite},
    {87, 111, kWhite},
    {113, 117, kWhite}};

// Legend "Finnst í náttúrunni", "Finnst aðeins á tilraunastofu eða hefur ekki fundist".
constexpr ColourRun kNatturuleg[] = {
    // Found in nature.
    {1, 42, kGreen},
    {44, 60, kGreen},
    {62, 92, kGreen},
    // Made in the laboratory, or not found yet.
    {43, 43, kBlue},
    {61, 61, kBlue},
    {93, 118, kBlue}};

constexpr ColourRun kFlokkar[] = {
    // "Hvarfgjarnir málmar".
    {3, 3, kBlue},
    {11, 11, kBlue},
    {19, 19, kBlue},
    {37, 37, kBlue},
    {55, 55, kBlue},
    {87, 87, kBlue},
    // "Hvarfgjarnir jarðmálmar".
    {4, 4, kLightBlue},
    {12, 12, kLightBlue},
    {20, 20, kLightBlue},
    {38, 38, kLightBlue},
    {56, 56, kLightBlue},
    {88, 88, kLightBlue},
    // "Hliðarmálmar".
    {22, 30, kRed},
    {40, 48, kRed},
    {72, 80, kRed},
    {104, 109, kRed},
    // "Tregir málmar".
    {13, 13, kOrange},
    {31, 32, kOrange},
    {49, 51, kOrange},
    {81, 84, kOrange},
    // "Málmleysingjar".
    {5, 8, kPurple},
    {14, 16, kPurple},
    {33, 34, kPurple},
    {52, 52, kPurple},
    // "Halógenefnin".
    {9, 9, kMagenta},
    {17, 17, kMagenta},
    {35, 35, kMagenta},
    {53, 53, kMagenta},
    {85, 85, kMagenta},
    // "Eðalgastegundir".
    {2, 2, kYellow},
    {10, 10, kYellow},
    {18, 18, kYellow},
    {36, 36, kYellow},
    {54, 54, kYellow},
    {86, 86, kYellow},
    // "Lantanið".
    {21, 21, kDarkGreen},
    {39, 39, kDarkGreen},
    {57, 71, kDarkGreen},
    // "Aktiníð".
    {89, 103, kGreen},
    // No family named in the legend.
    {1, 1, kWhite},
    {110, 118, kWhite}};

template <std::size_t N>
constexpr bool coversEveryCellOnce(const ColourRun (&runs)[N]) {
    for (int i = 1; i <= 118; ++i) {
        int count = 0;
        for (const ColourRun& run : runs) count += run.first <= i && i <= run.last ? 1 : 0;
        if (count != 1) return false;
    }
    return true;
}
static_assert(coversEveryCellOnce(kMalmar));
static_assert(coversEveryCellOnce(kHamur));
static_assert(coversEveryCellOnce(kNatturuleg));
static_assert(coversEveryCellOnce(kFlokkar));

}  // namespace

const ColourView Natturuleg{"frSkyring5", kNatturuleg};
const ColourView Malmar{"frSkyring3", kMalmar};
const ColourView Hamur{"frSkyring2", kHamur};
const ColourView Flokkar{"frSkyring1", kFlokkar};

}  // namespace colour_views
