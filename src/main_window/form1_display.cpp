// The visible parts of a question: the question area, the atom drawing, the element card
// and the photographs with their description.
#include "forms/services.h"
#include "main_window/form1.h"

namespace {

constexpr forms::ColourValue kWhite = 0x00FFFFFF;

// The card's parts that take the tile colour (besides the background shape).
constexpr const char* kCardLabels[] = {"lblMassatala", "lblSaetistala", "lblSkammst", "lblMass",
                                       "lblSaeti"};
// The card's parts that show and hide together.
constexpr const char* kCardParts[] = {"lblHeiti",      "lblMass",     "lblSaeti",  "lblMassatala",
                                      "lblSaetistala", "shpFrumefni", "lblSkammst"};
// The photographs of the medal metals, besides those of the elements 1 to 20.
constexpr int kMedalMetals[] = {26, 29, 47, 79};

// Writes the card of element: mass number, atomic number, symbol, the heading beside the
// card, and the colour of the element's tile on the card. controls(name, index) gives a
// control of the window.
template <typename Controls>
void writeCard(Controls controls, ElementIndex element, const QString& heading) {
    controls("lblMassatala", forms::kNoIndex)
        .setCaption(forms::PlainNumberText(Module1::MassNumber(element)));
    controls("lblSaetistala", forms::kNoIndex)
        .setCaption(forms::PlainNumberText(Module1::AtomicNumber(element)));
    controls("lblSkammst", forms::kNoIndex).setCaption(Module1::ElementSymbol(element));
    controls("lblHeiti", forms::kNoIndex).setCaption(heading);
    const forms::ColourValue colour = controls("lblFr", element).backColor();
    for (const char* name : kCardLabels) controls(name, forms::kNoIndex).setBackColor(colour);
    controls("shpFrumefni", forms::kNoIndex).setFillColor(colour);
}

}  // namespace

void Form1::ClearQuestion() {
    for (const char* name : {"lblSpurn1", "lblSpurn2", "txtSvar1", "txtSvar2", "lblLeidbeining"}) {
        ctl(name).setVisible(false);
    }
    ctl("txtSvar1").setText(QString());
    ctl("txtSvar2").setText(QString());
    ctl("txtSvar1").setBackColor(kWhite);
    ctl("txtSvar2").setBackColor(kWhite);
}

void Form1::HideAtom() {
    for (const char* name :
         {"lblKjarni", "imgKjarni", "imgBraut1", "imgBraut2", "imgBraut3", "imgBraut4"}) {
        ctl(name).setVisible(false);
    }
    for (int i = 1; i <= 20; ++i) ctl("imgRafeind", i).setVisible(false);
}

void Form1::DrawAtom(const Int16& Protons, const Int16& Neutrons, const Int16& Electrons) {
    ctl("lblKjarni")
        .setCaption(QStringLiteral("R") + forms::SignedNumberText(Protons) + QChar(10) +
                    QStringLiteral("N") + forms::SignedNumberText(Neutrons));
    ctl("lblKjarni").setVisible(true);
    ctl("imgKjarni").setVisible(true);
    ctl("imgBraut1").setVisible(true);
    ctl("imgBraut2").setVisible(false);
    ctl("imgBraut3").setVisible(false);
    ctl("imgBraut4").setVisible(false);
    if (Electrons > 2) ctl("imgBraut2").setVisible(true);
    if (Electrons > 10) ctl("imgBraut3").setVisible(true);
    if (Electrons > 18) ctl("imgBraut4").setVisible(true);
    for (int i = 1; i <= Electrons; ++i) ctl("imgRafeind", i).setVisible(true);
    for (int i = Electrons + 1; i <= 20; ++i) ctl("imgRafeind", i).setVisible(false);
}

void Form1::ShowElementCard(bool Display, const ElementIndex& Element) {
    const auto controls = [this](const char* name, int index) -> forms::Control& {
        return ctl(name, index);
    };
    ctl("lblJonir").setVisible(false);
    if (Display) writeCard(controls, Element, Module1::ElementName(Element));
    for (const char* name : kCardParts) ctl(name).setVisible(Display);
}

void Form1::ShowParticleCard(bool Display, const ElementIndex& Element) {
    const auto controls = [this](const char* name, int index) -> forms::Control& {
        return ctl(name, index);
    };
    ctl("lblJonir").setVisible(false);
    if (Display) {
        ctl("lblJonir").setVisible(true);
        ctl("lblJonir").setCaption(Module1::ParticleCharge(Element));
        writeCard(controls, Element, Module1::ElementSymbol(Element));
    }
    for (const char* name : kCardParts) ctl(name).setVisible(Display);
}

void Form1::ShowElementPicture(bool Display, const ElementIndex& Element) {
    for (int i = 1; i <= 20; ++i) ctl("picFrumefni", i).setVisible(false);
    for (int i : kMedalMetals) ctl("picFrumefni", i).setVisible(false);
    ctl("lblLysing").setVisible(Display);
    if (Display) {
        ctl("picFrumefni", Element).setVisible(true);
        ctl("lblLysing").setCaption(Module1::ElementDescription(Element));
    }
}
