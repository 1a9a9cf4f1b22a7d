// The main window's layout, its start-up and its menus.
#include "main_window/form1.h"

#include "common/pictures.h"
#include "main_window/window_instances.h"
#include "periodic_table/frm_lotukerfi.h"
#include "reference_windows/frm_about.h"
#include "reference_windows/frm_frumeind.h"
#include "reference_windows/frm_heiti.h"
#include "reference_windows/frm_skilgreiningar.h"

using forms::Alignment;
using forms::BorderStyle;
using forms::ControlSpec;
using forms::FontSpec;
using forms::Kind;

std::unique_ptr<frmFrumeind> frmFrumeindInstance;
std::unique_ptr<frmSkilgreiningar> frmSkilgreiningarInstance;
std::unique_ptr<frmLotukerfi> frmLotukerfiInstance;
std::unique_ptr<frmHeiti> frmHeitiInstance;
std::unique_ptr<frmAbout> frmAboutInstance;

namespace {

constexpr forms::ColourValue kGrey = 0x00C0C0C0;
constexpr forms::ColourValue kWhite = 0x00FFFFFF;
constexpr forms::ColourValue kBlue = 0x00FF0000;
constexpr forms::ColourValue kRed = 0x000000FF;

// The atom drawing's own pictures; the rings are the program-wide ring picture.
constexpr const char* kElectronPicture = ":/main_window/pictures/electron.jpg";
constexpr const char* kNucleusPicture = ":/main_window/pictures/nucleus.jpg";

constexpr FontSpec kSans{"MS Sans Serif", 8.25, false};
constexpr FontSpec kSansBold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kSans12{"MS Sans Serif", 12, false};
constexpr FontSpec kSans12Bold{"MS Sans Serif", 12, true};

// Symbols of the tiles of the small periodic table.
constexpr const char* kTileSymbols[] = {"H",  "He", "Li", "Be", "B", "C", "N",  "O",  "F", "Ne",
                                        "Na", "Mg", "Al", "Si", "P", "S", "Cl", "Ar", "K", "Ca"};

bool blueTile(int element) {
    return element == 1 || element == 3 || element == 4 || element == 11 || element == 12 ||
           element == 19 || element == 20;
}

// The photographs: atomic number and the box's size in twips.
struct Photograph {
    int element;
    forms::Twips width, height;
    int tabIndex;
};
constexpr Photograph kPhotographs[] = {
    {1, 1335, 2055, 58},  {2, 1335, 2055, 57},  {3, 1575, 1790, 56},  {4, 2295, 1815, 55},
    {5, 1575, 1935, 54},  {6, 1215, 2055, 53},  {7, 1695, 1575, 52},  {8, 1215, 1815, 51},
    {9, 1455, 1695, 50},  {10, 1815, 1695, 49}, {11, 1215, 1575, 48}, {12, 1575, 1815, 47},
    {13, 1215, 1695, 46}, {14, 1935, 1575, 45}, {15, 735, 1815, 44},  {16, 1455, 1815, 43},
    {17, 2250, 1455, 42}, {18, 1335, 1695, 41}, {19, 1095, 1935, 40}, {20, 1215, 1695, 39},
    {26, 1935, 2040, 62}, {29, 2055, 2160, 64}, {47, 1215, 1680, 63}, {79, 2415, 1680, 65}};

// The picture of each photograph, by atomic number.
const char* photographPath(int element) {
    static const std::array<QByteArray, 80> paths = [] {
        std::array<QByteArray, 80> all;
        for (const Photograph& photo : kPhotographs) {
            all[static_cast<std::size_t>(photo.element)] =
                QByteArray(":/main_window/pictures/element_") + QByteArray::number(photo.element) +
                ".bmp";
        }
        return all;
    }();
    return paths[static_cast<std::size_t>(element)].constData();
}

// A label of the layout, on its own background.
ControlSpec label(const char* name, forms::Twips left, forms::Twips top, forms::Twips width,
                  forms::Twips height, FontSpec font, forms::ColourValue back, bool visible,
                  const char* caption, Alignment alignment) {
    return {.kind = Kind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .backColor = back,
            .font = font,
            .alignment = alignment,
            .visible = visible};
}

// A label on the window's grey, so that it shows only its text.
ControlSpec greyLabel(const char* name, forms::Twips left, forms::Twips top, forms::Twips width,
                      forms::Twips height, FontSpec font, bool visible, const char* caption = "",
                      Alignment alignment = Alignment::Left) {
    return label(name, left, top, width, height, font, kGrey, visible, caption, alignment);
}

ControlSpec groupNumber(const char* name, const char* caption, forms::Twips left,
                        forms::Twips top) {
    return greyLabel(name, left, top, 255, 255, kSans, true, caption, Alignment::Center);
}

// An answer box: right-aligned, hidden until a prompt opens it.
ControlSpec answerBox(const char* name, forms::Twips top, int tabIndex) {
    return {.kind = Kind::TextBox,
            .name = name,
            .left = 10080,
            .top = top,
            .width = 495,
            .height = 375,
            .font = kSans12,
            .alignment = Alignment::Right,
            .visible = false,
            .tabIndex = tabIndex};
}

// A label of the element card: white until a card is shown, hidden at start.
ControlSpec cardLabel(const char* name, const char* caption, forms::Twips left, forms::Twips top,
                      forms::Twips width, forms::Twips height, FontSpec font,
                      Alignment alignment = Alignment::Left) {
    return label(name, left, top, width, height, font, kWhite, false, caption, alignment);
}

ControlSpec picture(const char* name, forms::Twips left, forms::Twips top, forms::Twips size,
                    const char* path, int index = forms::kNoIndex) {
    return {.kind = Kind::Image,
            .name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = size,
            .height = size,
            .visible = false,
            .picture = path};
}

}  // namespace

Form1::Form1() : forms::Form("Form1") {
    onClick("Byrja", [this] { Byrja_Click(); });
    onClick("mnHaetta", [this] { mnHaetta_Click(); });
    onClick("mnBygging", [this] { mnBygging_Click(); });
    onClick("mnSkilgreiningar", [this] { mnSkilgreiningar_Click(); });
    onClick("mnLotukerfid", [this] { mnLotukerfid_Click(); });
    onClick("mnHeiti", [this] { mnHeiti_Click(); });
    onClick("mnUm", [this] { mnUm_Click(); });
    onClick("cmdNaesta", [this] { cmdNaesta_Click(); });
    onKeyDown("txtSvar1",
              [this](Int16& keyCode, Int16& shift) { txtSvar1_KeyDown(keyCode, shift); });
    onKeyDown("txtSvar2",
              [this](Int16& keyCode, Int16& shift) { txtSvar2_KeyDown(keyCode, shift); });
}

forms::WindowSpec Form1::windowSpec() const {
    return {.caption = "Tarnok",
            .clientWidth = 10800,
            .clientHeight = 7065,
            .style = forms::WindowStyle::Main,
            .backColor = kGrey,
            .icon = pictures::kProgramIcon,
            .menus = {
                {"Sysla", "Sýsla", {{"Byrja", "Byrja", "Ctrl+B"}, {"mnHaetta", "Hætta", "Ctrl+Q"}}},
                {"Adstod",
                 "Aðstoð",
                 {{"mnBygging", "Bygging frumeinda", "Ctrl+F"},
                  {"mnSkilgreiningar", "Skilgreiningar", "Ctrl+S"},
                  {"mnLotukerfid", "Lotukerfið", "Ctrl+L"},
                  {"mnHeiti", "Heiti frumefna", "Ctrl+H"}}},
                {"hjalp", "Hjálp", {{"mnUm", "Um", ""}}}}};
}

std::vector<ControlSpec> Form1::controlSpecs() const {
    std::vector<ControlSpec> specs;
    // Windowed controls: the question area's boxes and button, and the photographs.
    specs.push_back(answerBox("txtSvar1", 840, 2));
    specs.push_back(answerBox("txtSvar2", 1560, 6));
    specs.push_back({.kind = Kind::CommandButton,
                     .name = "cmdNaesta",
                     .left = 6120,
                     .top = 720,
                     .width = 1335,
                     .height = 495,
                     .caption = "Næsta spurning",
                     .visible = false,
                     .tabIndex = 61});
    for (const Photograph& photo : kPhotographs) {
        specs.push_back({.kind = Kind::PictureBox,
                         .name = "picFrumefni",
                         .index = photo.element,
                         .left = 3600,
                         .top = 4440,
                         .width = photo.width,
                         .height = photo.height,
                         .backColor = forms::colours::WindowBackground,
                         .visible = false,
                         .tabIndex = photo.tabIndex,
                         .picture = photographPath(photo.element)});
    }

    // The atom drawing, from the top: electrons, nucleus caption, nucleus, rings 1 to 4.
    for (int i = 1; i <= 20; ++i)
        specs.push_back(picture("imgRafeind", 0, 0, 195, kElectronPicture, i));
    specs.push_back({.kind = Kind::Label,
                     .name = "lblKjarni",
                     .left = 7560,
                     .top = 4560,
                     .width = 450,
                     .height = 375,
                     .font = kSansBold,
                     .visible = false,
                     .transparent = true});
    specs.push_back(picture("imgKjarni", 7320, 4320, 825, kNucleusPicture));
    specs.push_back(picture("imgBraut1", 7080, 4080, 1335, pictures::kRing));
    specs.push_back(picture("imgBraut2", 6720, 3710, 2055, pictures::kRing));
    specs.push_back(picture("imgBraut3", 6210, 3210, 3075, pictures::kRing));
    specs.push_back(picture("imgBraut4", 5520, 2520, 4455, pictures::kRing));

    // The element card: the charge over the heading, the card's labels over its background.
    specs.push_back(
        greyLabel("lblJonir", 3720, 3480, 615, 255, FontSpec{"MS Sans Serif", 9.75, true}, false));
    specs.push_back(
        greyLabel("lblHeiti", 3360, 3600, 2055, 495, FontSpec{"Arial", 18, false}, true));
    specs.push_back(cardLabel("lblMass", "Massatala", 1080, 3480, 1095, 255, kSansBold));
    specs.push_back(cardLabel("lblMassatala", "", 1680, 3720, 375, 255, kSans12Bold));
    specs.push_back(cardLabel("lblSkammst", "", 1920, 3960, 855, 735, FontSpec{"Arial", 30, false},
                              Alignment::Center));
    specs.push_back(cardLabel("lblSaetistala", "", 1680, 4560, 375, 255, kSans12Bold));
    specs.push_back(cardLabel("lblSaeti", "Sætistala", 1080, 4920, 855, 255, kSansBold));
    specs.push_back({.kind = Kind::Shape,
                     .name = "shpFrumefni",
                     .left = 960,
                     .top = 3360,
                     .width = 2175,
                     .height = 1935,
                     .fillColor = kWhite});

    // The question area and the score; the hint lies over the lower edge of a tall question.
    specs.push_back(greyLabel("lblStig", 5520, 240, 3375, 255, kSans, false));
    specs.push_back(greyLabel("lblLeidbeining", 4560, 1800, 3255, 615, kSans, false,
                              "Sláðu tákn frumefnis (t.d. O, He) en ekki heiti.  Táknin má finna "
                              "í Aðstoð - Heiti frumefna."));
    specs.push_back(greyLabel("lblSpurn1", 4560, 840, 5415, 375, kSans12, false));
    specs.push_back(greyLabel("lblSpurn2", 4560, 1680, 5415, 375, kSans12, false));
    specs.push_back(greyLabel("lblLysing", 360, 5520, 3015, 1455, kSans, false));

    // The small periodic table and its group numbers; Form_Load places the tiles.
    for (int i = 1; i <= 20; ++i) {
        specs.push_back({.kind = Kind::Label,
                         .name = "lblFr",
                         .index = i,
                         .width = 465,
                         .height = 465,
                         .caption = kTileSymbols[i - 1],
                         .backColor = blueTile(i) ? kBlue : kRed,
                         .foreColor = forms::colours::WindowText,
                         .font = FontSpec{"MS Sans Serif", 13.5, false},
                         .alignment = Alignment::Center,
                         .border = BorderStyle::FixedSingle});
    }
    specs.push_back(groupNumber("lbl1", "1", 600, 480));
    specs.push_back(groupNumber("Label3", "2", 960, 960));
    specs.push_back(groupNumber("Label2", "13", 1560, 960));
    specs.push_back(groupNumber("Label1", "14", 2040, 960));
    specs.push_back(groupNumber("Label8", "15", 2520, 960));
    specs.push_back(groupNumber("Label7", "16", 3000, 960));
    specs.push_back(groupNumber("Label6", "17", 3480, 960));
    specs.push_back(groupNumber("Label5", "18", 3840, 480));
    return specs;
}

void Form1::Form_Load() {
    Module1::FillElementTables();
    ctl("lblStig").setCaption(QStringLiteral("Frammistaða: 0%"));

    static constexpr Int16 kElectronLeft[] = {8160, 7200, 8400, 6760, 6600, 8640, 7920,
                                              6960, 7200, 7690, 6120, 9120, 7320, 8280,
                                              6960, 8520, 6360, 9120, 8920, 6210};
    static constexpr Int16 kElectronTop[] = {5040, 4200, 3960, 5160, 4440, 4920, 5640,
                                             3840, 5520, 3600, 4920, 4200, 3120, 6000,
                                             6000, 3360, 3840, 5280, 2880, 6360};
    for (int i = 1; i <= 20; ++i) {
        ElectronLeft(i) = kElectronLeft[i - 1];
        ElectronTop(i) = kElectronTop[i - 1];
    }

    // The tiles: rows first, then columns; a column steps 8 in the atomic number.
    const auto setTop = [this](int first, int last, forms::Twips top) {
        for (int i = first; i <= last; ++i) ctl("lblFr", i).setTop(top);
    };
    setTop(1, 2, 720);
    setTop(3, 10, 1180);
    setTop(11, 18, 1650);
    setTop(19, 20, 2110);
    ctl("lblFr", 1).setLeft(360);
    static constexpr forms::Twips kColumnLeft[] = {360, 820, 1500, 1960, 2420, 2880, 3350, 3810};
    for (int column = 0; column < 8; ++column) {
        for (int i = 3 + column; i <= 20; i += 8) ctl("lblFr", i).setLeft(kColumnLeft[column]);
    }
    ctl("lblFr", 2).setLeft(3810);

    for (int i = 1; i <= 20; ++i) {
        forms::Control& photo = ctl("picFrumefni", i);
        photo.setLeft(3600);
        photo.setTop(4440);
        ctl("imgRafeind", i).move(ElectronLeft(i), ElectronTop(i), 195, 195);
    }
    for (int i : {26, 29, 47, 79}) {
        ctl("picFrumefni", i).setLeft(3600);
        ctl("picFrumefni", i).setTop(4440);
    }

    ctl("imgBraut4").move(5520, 2520, 4455, 4455);
    ctl("imgBraut3").move(6210, 3210, 3075, 3075);
    ctl("imgBraut2").move(6720, 3710, 2055, 2055);
    ctl("imgBraut1").move(7080, 4080, 1335, 1335);
    ctl("imgKjarni").move(7320, 4320, 825, 825);
    ctl("lblKjarni").move(7560, 4560, 450, 375);
}

namespace {

// Creates the window's one instance on first use, then makes it visible.
template <typename Window>
void showInstance(std::unique_ptr<Window>& instance) {
    if (!instance) instance = std::make_unique<Window>();
    instance->show();
}

}  // namespace

void Form1::mnBygging_Click() {
    showInstance(frmFrumeindInstance);
}
void Form1::mnSkilgreiningar_Click() {
    showInstance(frmSkilgreiningarInstance);
}
void Form1::mnLotukerfid_Click() {
    showInstance(frmLotukerfiInstance);
}
void Form1::mnHeiti_Click() {
    showInstance(frmHeitiInstance);
}
void Form1::mnUm_Click() {
    showInstance(frmAboutInstance);
}

void Form1::mnHaetta_Click() {
    unload();
}
