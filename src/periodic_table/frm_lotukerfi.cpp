// The periodic-table window: its layout, the grid that Form_Load builds, the caption passes
// of the two display modes, the preview of a clicked cell and the colour views.
#include "periodic_table/frm_lotukerfi.h"

#include <QWidget>
#include <string_view>

#include "common/secondary_window.h"
#include "forms/runtime_error.h"
#include "forms/services.h"
#include "periodic_table/colour_views.h"

using forms::Alignment;
using forms::BorderStyle;
using forms::ControlSpec;
using forms::FontSpec;
using forms::Kind;

namespace {

constexpr FontSpec kCellFont{"MS Sans Serif", 13.5, false};
constexpr FontSpec kBadgeFont{"Small Fonts", 6, false};
constexpr FontSpec kLegendFont{"MS Sans Serif", 8.25, true};

// Writes a colour only when it changes: the table rewrites many unchanged colours (a mode
// change recolours every badge in the colour it has), and each write rebuilds the widget's
// palette.
void setBackColor(forms::Control& control, forms::ColourValue colour) {
    if (control.backColor() != colour) control.setBackColor(colour);
}

ControlSpec option(const char* name, int index, const char* frame, forms::Twips left,
                   forms::Twips width, forms::Twips height, const char* caption, bool on,
                   int tabIndex) {
    return {.kind = Kind::OptionButton,
            .name = name,
            .index = index,
            .frame = frame,
            .left = left,
            .top = 240,
            .width = width,
            .height = height,
            .caption = caption,
            .value = on,
            .tabIndex = tabIndex};
}

ControlSpec legendFrame(const char* name, const char* caption, forms::Twips height, bool visible) {
    return {.kind = Kind::Frame,
            .name = name,
            .left = 480,
            .top = 6140,
            .width = 8655,
            .height = height,
            .caption = caption,
            .visible = visible};
}

// A legend label shows the colour of its class as its text colour.
ControlSpec legendLabel(const char* frame, const char* name, const char* caption, forms::Twips left,
                        forms::Twips top, forms::Twips width,
                        std::optional<forms::ColourValue> colour) {
    return {.kind = Kind::Label,
            .name = name,
            .frame = frame,
            .left = left,
            .top = top,
            .width = width,
            .height = 255,
            .caption = caption,
            .foreColor = colour,
            .font = kLegendFont};
}

}  // namespace

frmLotukerfi::frmLotukerfi() : forms::Form("frmLotukerfi") {
    onClick("cmdOK", [this] { cmdOK_Click(); });
    onArrayClick("lblFr", [this](Int16 index) { lblFr_Click(index); });
    onArrayClick("optBirta", [this](Int16 index) { optBirta_Click(index); });
    onArrayClick("optSyn", [this](Int16 index) { optSyn_Click(index); });
}

forms::WindowSpec frmLotukerfi::windowSpec() const {
    return SecondaryWindowSpec("Tarnok - lotukerfið", 10860, 8475);
}

std::vector<ControlSpec> frmLotukerfi::controlSpecs() const {
    std::vector<ControlSpec> specs;
    specs.reserve(300);
    // Windowed controls: the button, the option frames over the legends. The frames' tab
    // indexes are those of the layout; frames take no focus, so the options make up the order.
    specs.push_back(forms::OkButton(4080, 8040));
    specs.push_back({.kind = Kind::Frame,
                     .name = "frBirta",
                     .left = 480,
                     .top = 6960,
                     .width = 2775,
                     .height = 615,
                     .caption = "Birta",
                     .tabIndex = 280});
    specs.push_back(option("optBirta", 0, "frBirta", 240, 1095, 255, "Lotunúmer", true, 281));
    specs.push_back(option("optBirta", 1, "frBirta", 1440, 975, 255, "Massa", false, 282));
    specs.push_back({.kind = Kind::Frame,
                     .name = "frSyn",
                     .left = 3380,
                     .top = 6960,
                     .width = 5775,
                     .height = 615,
                     .caption = "Sýn",
                     .tabIndex = 111});
    specs.push_back(option("optSyn", 3, "frSyn", 240, 855, 195, "Málmar", true, 115));
    specs.push_back(option("optSyn", 2, "frSyn", 1440, 1215, 195, "Hamur", false, 114));
    specs.push_back(option("optSyn", 5, "frSyn", 2640, 1335, 195, "Náttúruleg", false, 289));
    specs.push_back(option("optSyn", 1, "frSyn", 4200, 1095, 195, "Flokkar", false, 113));
    specs.push_back(legendFrame("frSkyring5", "Skýring:  Efnið ", 735, false));
    specs.push_back(legendFrame("frSkyring3", "Skýring:  ", 735, false));
    specs.push_back(legendFrame("frSkyring2", "Skýring: Hamur við staðalaðstæður", 735, true));
    specs.push_back(legendFrame("frSkyring1", "Skýring", 855, false));

    // The badges lie over the cells; Form_Load and the caption passes place and size both.
    for (int i = 1; i <= 118; ++i) {
        specs.push_back({.kind = Kind::Label,
                         .name = "lblSaeti",
                         .index = i,
                         .backColor = forms::colours::WindowBackground,
                         .foreColor = forms::colours::WindowText,
                         .font = kBadgeFont});
    }
    for (int i = 1; i <= 118; ++i) {
        // Bromine's cell has no border of its own.
        specs.push_back({.kind = Kind::Label,
                         .name = "lblFr",
                         .index = i,
                         .foreColor = forms::colours::WindowText,
                         .font = kCellFont,
                         .alignment = Alignment::Center,
                         .border = i == 35 ? BorderStyle::None : BorderStyle::FixedSingle});
    }
    for (int k = 1; k <= 18; ++k) {
        specs.push_back({.kind = Kind::Label, .name = "lbldalkur", .index = k});
    }
    specs.push_back({.kind = Kind::Label,
                     .name = "lblSkoda",
                     .left = 3360,
                     .top = 480,
                     .width = 1250,
                     .height = 1250,
                     .backColor = forms::colours::ButtonFace,
                     .font = kCellFont,
                     .alignment = Alignment::Center});
    specs.push_back({.kind = Kind::Label,
                     .name = "lblHeiti",
                     .left = 4800,
                     .top = 840,
                     .width = 1935,
                     .height = 375});

    constexpr forms::ColourValue kBlue = 0x00FF0000;
    constexpr forms::ColourValue kGreen = 0x0000FF00;
    constexpr forms::ColourValue kRed = 0x000000FF;
    const ControlSpec legendLabels[] = {
        legendLabel("frSkyring3", "lblMalmur", "Málmur ", 240, 360, 2175, kBlue),
        legendLabel("frSkyring3", "LblEkkiMalmur", "Hálfmálmar", 2520, 360, 2415, kGreen),
        legendLabel("frSkyring3", "LblEdalgas", "Málmleysingjar", 5400, 360, 2655, kRed),
        legendLabel("frSkyring2", "lblFastefni", "Fast efni (s)", 360, 240, 1335, std::nullopt),
        legendLabel("frSkyring2", "lblGas", "Gas (g)", 3360, 240, 1095, kRed),
        legendLabel("frSkyring2", "lblVokvi", "Vökvi (l)", 6600, 240, 975, kBlue),
        legendLabel("frSkyring5", "lblNattura", "Finnst í náttúrunni", 240, 360, 2175, 0x0000C000),
        legendLabel("frSkyring5", "lblTilraun",
                    "Finnst aðeins á tilraunastofu eða hefur ekki fundist", 2760, 360, 4335,
                    0x00C00000),
        legendLabel("frSkyring1", "lblHvarfMalmar", "Hvarfgjarnir málmar", 120, 240, 1695, kBlue),
        legendLabel("frSkyring1", "lblHvarfJardmalmar", "Hvarfgjarnir jarðmálmar", 2040, 240, 2055,
                    0x00FF8080),
        legendLabel("frSkyring1", "lblHlidarmalmar", "Hliðarmálmar", 4200, 240, 1335, kRed),
        legendLabel("frSkyring1", "lblTregirMalmar", "Tregir málmar", 5760, 240, 1335, 0x000080FF),
        legendLabel("frSkyring1", "lblMalmleysingjar", "Málmleysingjar", 120, 480, 1335,
                    0x00C000C0),
        legendLabel("frSkyring1", "lblHalogen", "Halógenefnin", 2040, 480, 1335, 0x00FF00FF),
        legendLabel("frSkyring1", "lblEdalgas1", "Eðalgastegundir", 4200, 480, 1455, 0x0000FFFF),
        legendLabel("frSkyring1", "lblLantanid", "Lantanið", 5760, 480, 855, 0x0000C000),
        legendLabel("frSkyring1", "lblAktinid", "Aktiníð", 7080, 480, 735, 0x0080FF80)};
    specs.insert(specs.end(), std::begin(legendLabels), std::end(legendLabels));
    return specs;
}

void frmLotukerfi::cmdOK_Click() {
    unload();
}

void frmLotukerfi::Form_Activate() {
    ctl("lblSkoda").setBackColor(forms::colours::ButtonFace);
}

void frmLotukerfi::Form_Load() {
    using forms::Add16;
    // The column variables, column 1 first.
    static constexpr Int16 frmLotukerfi::*kGroupLeft[] = {
        &frmLotukerfi::GroupLeft1,  &frmLotukerfi::GroupLeft2,  &frmLotukerfi::GroupLeft3,
        &frmLotukerfi::GroupLeft4,  &frmLotukerfi::GroupLeft5,  &frmLotukerfi::GroupLeft6,
        &frmLotukerfi::GroupLeft7,  &frmLotukerfi::GroupLeft8,  &frmLotukerfi::GroupLeft9,
        &frmLotukerfi::GroupLeft10, &frmLotukerfi::GroupLeft11, &frmLotukerfi::GroupLeft12,
        &frmLotukerfi::GroupLeft13, &frmLotukerfi::GroupLeft14, &frmLotukerfi::GroupLeft15,
        &frmLotukerfi::GroupLeft16, &frmLotukerfi::GroupLeft17, &frmLotukerfi::GroupLeft18};
    auto groupLeft = [this](int column) -> Int16& { return this->*kGroupLeft[column - 1]; };

    // 1. The layout variables. A reopened window starts with no selection.
    CellSize = 580;
    PeriodTop1 = 400;
    PeriodTop2 = Add16(PeriodTop1, CellSize, "PeriodTop2");
    PeriodTop3 = Add16(PeriodTop2, CellSize, "PeriodTop3");
    PeriodTop4 = Add16(PeriodTop3, CellSize, "PeriodTop4");
    PeriodTop5 = Add16(PeriodTop4, CellSize, "PeriodTop5");
    PeriodTop6 = Add16(PeriodTop5, CellSize, "PeriodTop6");
    PeriodTop7 = Add16(PeriodTop6, CellSize, "PeriodTop7");
    LanthanideTop = Add16(Add16(PeriodTop7, CellSize, "LanthanideTop"), 400, "LanthanideTop");
    ActinideTop = Add16(LanthanideTop, CellSize, "ActinideTop");
    GroupLeft1 = 160;
    for (int k = 2; k <= 18; ++k) groupLeft(k) = Add16(groupLeft(k - 1), CellSize, "GroupLeft");
    LegendTop = Add16(ActinideTop, 700, "LegendTop");
    PanelLeft = 480;
    OptionsTop = Add16(LegendTop, 820, "OptionsTop");
    SelectedElement = 0;

    // The grid: in the row whose Top the variable holds, the columns first to last hold the
    // elements from firstElement upwards.
    struct GridRun {
        Int16 frmLotukerfi::*rowTop;
        int firstColumn;
        int lastColumn;
        int firstElement;
    };
    static constexpr GridRun kGrid[] = {
        {&frmLotukerfi::PeriodTop1, 1, 1, 1},      {&frmLotukerfi::PeriodTop1, 18, 18, 2},
        {&frmLotukerfi::PeriodTop2, 1, 2, 3},      {&frmLotukerfi::PeriodTop2, 13, 18, 5},
        {&frmLotukerfi::PeriodTop3, 1, 2, 11},     {&frmLotukerfi::PeriodTop3, 13, 18, 13},
        {&frmLotukerfi::PeriodTop4, 1, 18, 19},    {&frmLotukerfi::PeriodTop5, 1, 18, 37},
        {&frmLotukerfi::PeriodTop6, 1, 2, 55},     {&frmLotukerfi::PeriodTop6, 3, 18, 71},
        {&frmLotukerfi::PeriodTop7, 1, 2, 87},     {&frmLotukerfi::PeriodTop7, 3, 18, 103},
        {&frmLotukerfi::LanthanideTop, 5, 18, 57}, {&frmLotukerfi::ActinideTop, 5, 18, 89}};

    // 2. Every cell is a square of CellSize.
    for (int i = 1; i <= 118; ++i) {
        ctl("lblFr", i).setWidth(CellSize);
        ctl("lblFr", i).setHeight(CellSize);
    }
    // 3. Top by row; 4. Left by column.
    for (const GridRun& run : kGrid) {
        for (int column = run.firstColumn; column <= run.lastColumn; ++column) {
            ctl("lblFr", run.firstElement + column - run.firstColumn).setTop(this->*run.rowTop);
        }
    }
    for (const GridRun& run : kGrid) {
        for (int column = run.firstColumn; column <= run.lastColumn; ++column) {
            ctl("lblFr", run.firstElement + column - run.firstColumn).setLeft(groupLeft(column));
        }
    }

    // 5. The option frames; 6. the legend frames, one over the other, all hidden.
    ctl("frBirta").setLeft(PanelLeft);
    ctl("frBirta").setTop(OptionsTop);
    ctl("frSyn").setLeft(Add16(PanelLeft, 2900, "frSyn.Left"));
    ctl("frSyn").setTop(OptionsTop);
    for (const char* legend : colour_views::kLegendFrames) {
        ctl(legend).setLeft(PanelLeft);
        ctl(legend).setTop(LegendTop);
        ctl(legend).setVisible(false);
    }

    // 7. Group numbers on the cells of period 4, then raised onto the first cell of the
    // columns that begin higher up.
    for (int k = 1; k <= 18; ++k) {
        forms::Control& group = ctl("lbldalkur", k);
        group.setAlignment(Alignment::Center);
        group.setHeight(180);
        group.setWidth(ctl("lblFr", 1).width());
        group.setTop(PeriodTop4 - 180);
        group.setLeft(ctl("lblFr", 18 + k).left());
        group.setCaption(forms::SignedNumberText(k));
    }
    for (int k : {1, 18}) ctl("lbldalkur", k).setTop(PeriodTop1 - 180);
    for (int k : {2, 13, 14, 15, 16, 17}) ctl("lbldalkur", k).setTop(PeriodTop2 - 180);
    ctl("lbldalkur", 2).setLeft(GroupLeft2 + 15);

    // 8. Captions and badges; 9. the colours of the view that is on.
    ShowAtomicNumbers();
    Int16 index = 0;
    optSyn_Click(index);
}

// The caption passes.

struct frmLotukerfi::CaptionMode {
    QString (*cellCaption)(int element);
    forms::Twips badgeWidth;
    forms::Twips badgeOffset;  // from the cell's top
    QString (*badgeCaption)(int element);
};

void frmLotukerfi::ShowAtomicNumbers() {
    // The symbol on the second line; the badge with the number stands in the first.
    static const CaptionMode kNumbers{
        .cellCaption = [](int element) { return QChar(10) + Module1::ElementSymbol(element); },
        .badgeWidth = 300,
        .badgeOffset = 60,
        .badgeCaption = [](int element) { return forms::SignedNumberText(element); }};
    CaptionCells(kNumbers);
}

void frmLotukerfi::ShowAtomicWeights() {
    // The symbol on the first line, the badge with the weight below it.
    static const CaptionMode kWeights{
        .cellCaption = [](int element) { return Module1::ElementSymbol(element); },
        .badgeWidth = 400,
        .badgeOffset = 360,
        .badgeCaption = [](int element) { return Module1::AtomicWeight(element); }};
    // The window paints nothing while the pass runs, and all of it at once after.
    window()->setUpdatesEnabled(false);
    CaptionCells(kWeights);
    window()->setUpdatesEnabled(true);
}

void frmLotukerfi::CaptionCells(const CaptionMode& Mode) {
    for (int i = 1; i <= 118; ++i) {
        forms::Control& cell = ctl("lblFr", i);
        forms::Control& badge = ctl("lblSaeti", i);
        cell.setFontSize(12);
        cell.setCaption(Mode.cellCaption(i));
        badge.setWidth(Mode.badgeWidth);
        badge.setHeight(150);
        badge.setLeft(cell.left() + cell.width() / 2 - badge.width() / 2);
        setBackColor(badge, cell.backColor());
        badge.setTop(cell.top() + Mode.badgeOffset);
        badge.setCaption(Mode.badgeCaption(i));
        badge.setAlignment(Alignment::Center);
    }
}

void frmLotukerfi::SyncCellColours() {
    for (int i = 1; i <= 118; ++i) setBackColor(ctl("lblSaeti", i), ctl("lblFr", i).backColor());
    if (SelectedElement > 0) {
        setBackColor(ctl("lblSkoda"), ctl("lblFr", SelectedElement).backColor());
    }
}

void frmLotukerfi::lblFr_Click(Int16& Index) {
    ctl("lblSkoda").setBackColor(ctl("lblFr", Index).backColor());
    ctl("lblSkoda")
        .setCaption(forms::SignedNumberText(Index) + QChar(10) + Module1::ElementSymbol(Index) +
                    QChar(10) + Module1::AtomicWeight(Index));
    ctl("lblHeiti").setCaption(Module1::ElementName(Index));
    SelectedElement = Index;
}

void frmLotukerfi::optBirta_Click([[maybe_unused]] Int16& Index) {
    if (ctl("optBirta", 1).value()) {
        ShowAtomicWeights();
        SyncCellColours();
    }
    if (ctl("optBirta", 0).value()) {
        ShowAtomicNumbers();
        SyncCellColours();
    }
}

// The colour views.

void frmLotukerfi::optSyn_Click([[maybe_unused]] Int16& Index) {
    if (ctl("optSyn", 5).value()) ApplyView(colour_views::Natturuleg);
    if (ctl("optSyn", 3).value()) ApplyView(colour_views::Malmar);
    if (ctl("optSyn", 2).value()) ApplyView(colour_views::Hamur);
    if (ctl("optSyn", 1).value()) ApplyView(colour_views::Flokkar);
}

void frmLotukerfi::ApplyView(const colour_views::ColourView& View) {
    for (const char* legend : colour_views::kLegendFrames) {
        ctl(legend).setVisible(std::string_view(legend) == View.legend);
    }
    for (const colour_views::ColourRun& run : View.runs) {
        for (int i = run.first; i <= run.last; ++i) setBackColor(ctl("lblFr", i), run.colour);
    }
    SyncCellColours();
}
