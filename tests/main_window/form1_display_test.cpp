// The element card, the atom drawing and the photographs: what each display procedure leaves
// on screen, and the particles that the particle questions draw.
#include <QFile>

#include "forms/widgets.h"
#include "main_window/quiz_driver.h"

using namespace quiz;

namespace {

constexpr forms::ColourValue kBlue = 0x00FF0000;
constexpr forms::ColourValue kRed = 0x000000FF;
constexpr forms::ColourValue kWhite = 0x00FFFFFF;
constexpr forms::ColourValue kGrey = 0x00C0C0C0;

const char* const kCardParts[] = {"lblHeiti",      "lblMass",     "lblSaeti",  "lblMassatala",
                                  "lblSaetistala", "shpFrumefni", "lblSkammst"};
const char* const kTintedLabels[] = {"lblMassatala", "lblSaetistala", "lblSkammst", "lblMass",
                                     "lblSaeti"};

QString nucleus(int protons, int neutrons) {
    return QStringLiteral("R %1\nN %2").arg(protons).arg(neutrons);
}

// Which of the rings 1 to 4 show, as "1234" with a dot for a hidden ring.
QString ringsShown(const QuizWindow& q) {
    QString rings;
    for (int k = 1; k <= 4; ++k) {
        rings += q.shows(QStringLiteral("imgBraut%1").arg(k)) ? QChar('0' + k) : QChar('.');
    }
    return rings;
}

forms::ColourValue cardFill(const QuizWindow& q) {
    auto* shape = ui::control<forms::ShapeWidget>(q.window(), QStringLiteral("shpFrumefni"));
    if (shape == nullptr || !shape->filled()) return 0xFFFFFFFFu;
    const QColor c = shape->fillColour();
    return static_cast<forms::ColourValue>(c.red()) |
           static_cast<forms::ColourValue>(c.green()) << 8 |
           static_cast<forms::ColourValue>(c.blue()) << 16;
}

class DisplayTest : public ::testing::Test {
protected:
    QuizWindow q;
};

TEST_F(DisplayTest, DrawAtomShowsRingsAndExactlyTheFirstElectrons) {
    const struct {
        int electrons;
        const char* rings;
    } cases[] = {{0, "1..."},  {1, "1..."},  {2, "1..."},  {3, "12.."},  {10, "12.."},
                 {11, "123."}, {18, "123."}, {19, "1234"}, {20, "1234"}, {2, "1..."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.electrons << " electrons");
        q.probe().drawAtom(7, 9, static_cast<std::int16_t>(c.electrons));
        ui::settle();
        EXPECT_EQ(ringsShown(q), QString::fromLatin1(c.rings));
        EXPECT_TRUE(q.firstElectronsShown(c.electrons));
        EXPECT_TRUE(q.shows("imgKjarni"));
        EXPECT_TRUE(q.shows("lblKjarni"));
        EXPECT_EQ(q.caption("lblKjarni"), nucleus(7, 9));
    }
}

TEST_F(DisplayTest, DrawAtomAfterALargerOneHidesWhatIsAboveTheNewCount) {
    q.probe().drawAtom(20, 20, 20);
    q.probe().drawAtom(4, 5, 3);
    ui::settle();
    EXPECT_EQ(ringsShown(q), QStringLiteral("12.."));
    EXPECT_TRUE(q.firstElectronsShown(3));
    EXPECT_EQ(q.caption("lblKjarni"), nucleus(4, 5));
}

TEST_F(DisplayTest, DrawAtomWritesNumbersInTheSignedForm) {
    q.probe().drawAtom(1, 0, 2);  // hydrogen's particle
    ui::settle();
    EXPECT_EQ(q.caption("lblKjarni"), QStringLiteral("R 1\nN 0"));
    EXPECT_EQ(ringsShown(q), QStringLiteral("1..."));
    EXPECT_TRUE(q.firstElectronsShown(2));
}

TEST_F(DisplayTest, ElementAndParticleCards) {
    const struct {
        bool particle;
        int element;
        const char* heading;
        const char* symbol;
        const char* atomicNumber;
        const char* massNumber;
        forms::ColourValue colour;
        bool charge;
        const char* chargeText;
    } cases[] = {
        {false, 12, "Magnín", "Mg", "12", "24", kBlue, false, ""},
        {true, 12, "Mg", "Mg", "12", "24", kBlue, true, "2+"},
        {true, 6, "C", "C", "6", "12", kRed, true, ""},
        {false, 2, "Helín", "He", "2", "4", kRed, false, ""},
        {false, 1, "Vetni", "H", "1", "1", kBlue, false, ""},
        {true, 13, "Al", "Al", "13", "27", kRed, true, "3+"},
        {false, 20, "Kalsín", "Ca", "20", "40", kBlue, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.particle ? "particle card " : "element card ") << c.element);
        if (c.particle) {
            q.probe().showParticleCard(true, static_cast<ElementIndex>(c.element));
        } else {
            q.probe().showElementCard(true, static_cast<ElementIndex>(c.element));
        }
        ui::settle();
        EXPECT_EQ(q.caption("lblHeiti"), QString::fromUtf8(c.heading));
        EXPECT_EQ(q.caption("lblSkammst"), QString::fromUtf8(c.symbol));
        EXPECT_EQ(q.caption("lblSaetistala"), QString::fromUtf8(c.atomicNumber));
        EXPECT_EQ(q.caption("lblMassatala"), QString::fromUtf8(c.massNumber));
        for (const char* part : kCardParts) EXPECT_TRUE(q.shows(part)) << part;
        for (const char* label : kTintedLabels) EXPECT_EQ(q.background(label), c.colour) << label;
        EXPECT_EQ(cardFill(q), c.colour);
        EXPECT_EQ(q.shows("lblJonir"), c.charge);
        if (c.charge) {
            EXPECT_EQ(q.caption("lblJonir"), QString::fromUtf8(c.chargeText));
        }
        // The heading and the charge keep the window's grey.
        EXPECT_EQ(q.background("lblHeiti"), kGrey);
        EXPECT_EQ(q.background("lblJonir"), kGrey);
    }
}

TEST_F(DisplayTest, AHiddenCardKeepsItsLastCaptionsUntilTheNextOneRewritesThem) {
    q.probe().showParticleCard(true, 12);
    q.probe().showElementCard(false, 1);
    ui::settle();
    for (const char* part : kCardParts) EXPECT_FALSE(q.shows(part)) << part;
    EXPECT_FALSE(q.shows("lblJonir"));
    EXPECT_EQ(q.caption("lblSkammst"), QStringLiteral("Mg"));

    q.probe().showElementCard(true, 2);
    ui::settle();
    EXPECT_EQ(q.caption("lblHeiti"), QStringLiteral("Helín"));
    EXPECT_EQ(q.caption("lblSkammst"), QStringLiteral("He"));
    EXPECT_EQ(q.caption("lblSaetistala"), QStringLiteral("2"));
    EXPECT_EQ(q.caption("lblMassatala"), QStringLiteral("4"));
    for (const char* label : kTintedLabels) EXPECT_EQ(q.background(label), kRed) << label;
    EXPECT_EQ(cardFill(q), kRed);
    EXPECT_FALSE(q.shows("lblJonir"));
}

TEST_F(DisplayTest, AtMostOnePhotographAndTheDescriptionExactlyWithIt) {
    q.probe().showElementPicture(true, 5);
    ui::settle();
    EXPECT_EQ(q.photographsShown(), std::vector<int>{5});
    EXPECT_TRUE(q.shows("lblLysing"));
    EXPECT_EQ(q.caption("lblLysing"), Module1::ElementDescription(5));

    q.probe().showElementPicture(true, 79);
    ui::settle();
    EXPECT_EQ(q.photographsShown(), std::vector<int>{79});
    EXPECT_EQ(q.caption("lblLysing"),
              QStringLiteral("Einn af myntmálmunum (gull, silfur, kopar) sem notaðir voru til "
                             "myntsláttu.\nOrðið er skylt gulur og vísar til þess að málmurinn "
                             "er gulur."));

    q.probe().showElementPicture(false, 3);
    ui::settle();
    EXPECT_TRUE(q.photographsShown().empty());
    EXPECT_FALSE(q.shows("lblLysing"));
}

TEST_F(DisplayTest, ClearQuestionEmptiesAndWhitensBothBoxes) {
    ScriptedRandom random(ShuffleDraws({}, {Riddle}));
    q.chooseByrja();
    q.answer(QStringLiteral("x"));
    ASSERT_EQ(q.background("txtSvar1"), kRed);
    q.type(QStringLiteral("abc"));
    q.probe().clearQuestion();
    ui::settle();
    for (const char* name : {"txtSvar1", "txtSvar2", "lblSpurn1", "lblSpurn2", "lblLeidbeining"}) {
        EXPECT_FALSE(q.shows(name)) << name;
    }
    EXPECT_EQ(q.caption("txtSvar1"), QString());
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    EXPECT_EQ(q.background("txtSvar2"), kWhite);
    // The score line stays.
    EXPECT_TRUE(q.shows("lblStig"));
}

// Every particle question draws its element's particle whole: the nucleus with the signed
// counts, the rings the electrons reach, and exactly that many electrons.
TEST_F(DisplayTest, ParticleQuestionsDrawTheirParticles) {
    const struct {
        int element, protons, neutrons, electrons;
        const char* rings;
    } particles[] = {
        {1, 1, 0, 2, "1..."},     {2, 2, 2, 2, "1..."},     {3, 3, 4, 2, "1..."},
        {4, 4, 5, 2, "1..."},     {5, 5, 6, 5, "12.."},     {6, 6, 8, 6, "12.."},
        {7, 7, 7, 8, "12.."},     {8, 8, 8, 10, "12.."},    {9, 9, 10, 10, "12.."},
        {11, 11, 12, 10, "12.."}, {12, 12, 12, 10, "12.."}, {13, 13, 14, 10, "12.."},
        {14, 14, 14, 14, "123."}, {15, 15, 16, 15, "123."}, {16, 16, 16, 18, "123."},
        {17, 17, 18, 18, "123."}, {19, 19, 20, 18, "123."}, {20, 20, 20, 18, "123."},
    };
    ScriptedRandom random(ShuffleDraws({}, std::vector<int>(18, Particle)));
    q.chooseByrja();
    for (const auto& p : particles) {
        SCOPED_TRACE(testing::Message() << "particle of " << p.element);
        ASSERT_EQ(q.prompt(), Prompt::Particle);
        EXPECT_EQ(q.caption("lblKjarni"), nucleus(p.protons, p.neutrons));
        EXPECT_EQ(ringsShown(q), QString::fromLatin1(p.rings));
        EXPECT_TRUE(q.firstElectronsShown(p.electrons));
        for (const char* part : kCardParts) EXPECT_FALSE(q.shows(part)) << part;
        EXPECT_TRUE(q.photographsShown().empty());
        q.answer(Module1::ParticleTypeAnswer(p.element));
        // Settled: the particle stays drawn, with its card and photograph.
        EXPECT_TRUE(q.firstElectronsShown(p.electrons));
        EXPECT_EQ(q.caption("lblHeiti"), Module1::ElementSymbol(p.element));
        EXPECT_EQ(q.photographsShown(), std::vector<int>{p.element});
        q.next();
    }
}

// Pictures of the window at four moments of a quiz, to look at: an atom half built, a
// particle, a revealed answer with its message, and the verdict.
TEST_F(DisplayTest, Screenshots) {
    ScriptedRandom random(ShuffleDraws({19, 17, 11}, {Atom, Particle, Riddle}));
    q.chooseByrja();
    for (const char* typed : {"19", "20", "19", "2", "8"}) q.answer(QString::fromLatin1(typed));
    ASSERT_EQ(q.prompt(), Prompt::Shell3);
    ASSERT_TRUE(q.firstElectronsShown(10));
    EXPECT_TRUE(
        QFile::exists(ui::screenshot(q.window(), QStringLiteral("quiz_atom_half_built.png"))));
    q.answer(QStringLiteral("8"));
    q.answer(QStringLiteral("1"));
    ASSERT_TRUE(q.shows("cmdNaesta"));
    EXPECT_TRUE(
        QFile::exists(ui::screenshot(q.window(), QStringLiteral("quiz_atom_finished.png"))));
    q.next();

    ASSERT_EQ(q.prompt(), Prompt::Particle);
    EXPECT_TRUE(QFile::exists(ui::screenshot(q.window(), QStringLiteral("quiz_particle.png"))));
    q.answer(QStringLiteral("2"));
    EXPECT_TRUE(
        QFile::exists(ui::screenshot(q.window(), QStringLiteral("quiz_particle_settled.png"))));
    q.next();

    ASSERT_EQ(q.prompt(), Prompt::Riddle);
    EXPECT_TRUE(QFile::exists(ui::screenshot(q.window(), QStringLiteral("quiz_riddle.png"))));
    q.answer(QStringLiteral("na"));
    bool shown = false;
    q.answerNextMessageBox([this, &shown](QMessageBox* box) {
        shown = true;
        ui::screenshot(q.window(), QStringLiteral("quiz_reveal_window.png"));
        ui::screenshot(box, QStringLiteral("quiz_reveal_message.png"));
        box->findChild<QAbstractButton*>(QStringLiteral("vbContinue"))->click();
    });
    q.answer(QStringLiteral("NA"));
    ASSERT_TRUE(shown);
    EXPECT_TRUE(QFile::exists(ui::screenshot(q.window(), QStringLiteral("quiz_revealed.png"))));

    // The rest right, to the verdict.
    for (int i = 0; i < 200 && q.probe().questionIndex() <= 18; ++i) {
        if (q.prompt() != Prompt::None) {
            q.answer(RightAnswer(q, q.prompt()));
        } else if (q.shows("cmdNaesta")) {
            q.next();
        } else {
            break;
        }
    }
    ASSERT_EQ(q.caption("lblSpurn2"), QStringLiteral("Frammistaða þín verðskuldar gull."));
    EXPECT_TRUE(QFile::exists(ui::screenshot(q.window(), QStringLiteral("quiz_verdict.png"))));
}

}  // namespace
