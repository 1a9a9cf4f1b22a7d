// Marking: the box colours, the two-try rule, the reveal of the right answer in its message
// box, and the score line.
#include "main_window/quiz_driver.h"

using namespace quiz;

namespace {

constexpr forms::ColourValue kRed = 0x000000FF;
constexpr forms::ColourValue kWhite = 0x00FFFFFF;

class MarkingTest : public ::testing::Test {
protected:
    // Opens an atom question of element and answers its prompts right up to (not including)
    // the prompt `until`.
    void openAtom(int element, Prompt until = Prompt::Protons) {
        random_.reset();
        random_ = std::make_unique<ScriptedRandom>(ShuffleDraws({element}, {Atom}));
        q.chooseByrja();
        for (int i = 0; i < 8 && q.prompt() != until && q.prompt() != Prompt::None; ++i) {
            q.answer(RightAnswer(q, q.prompt()));
        }
        ASSERT_EQ(q.prompt(), until);
    }
    void openQuestion(int element, Kind kind) {
        random_.reset();
        random_ = std::make_unique<ScriptedRandom>(ShuffleDraws({element}, {kind}));
        q.chooseByrja();
    }
    // Two wrong answers at the open prompt; the second brings the reveal.
    Reveal failTwice(const QString& closeWith = QStringLiteral("vbContinue")) {
        q.answer(QStringLiteral("77"));
        EXPECT_EQ(q.probe().wrongTries(), 1);
        return q.answerRevealing(QStringLiteral("77"), closeWith);
    }
    void TearDown() override { EXPECT_TRUE(q.unexpectedMessages().isEmpty()); }

    QuizWindow q;
    std::unique_ptr<ScriptedRandom> random_;
};

TEST_F(MarkingTest, AFirstWrongAnswerEmptiesTheBoxAndTurnsItRed) {
    openAtom(6);
    q.answer(QStringLiteral("5"));
    EXPECT_EQ(q.caption("txtSvar1"), QString());
    EXPECT_EQ(q.background("txtSvar1"), kRed);
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  0%"));
    EXPECT_EQ(q.prompt(), Prompt::Protons);
    EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar1"));
    EXPECT_FALSE(q.shows("imgKjarni"));
    // The right answer after it whitens the box.
    q.answer(QStringLiteral("6"));
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  100%"));
}

TEST_F(MarkingTest, RevealedProtonsOfCarbon) {
    openAtom(6);
    const Reveal reveal = failTwice();
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er  6"));
    EXPECT_EQ(reveal.title, QStringLiteral("Rétt svar"));
    EXPECT_EQ(reveal.buttons.size(), 3);
    EXPECT_TRUE(reveal.buttons.contains(QStringLiteral("vbCancel")));
    EXPECT_TRUE(reveal.buttons.contains(QStringLiteral("vbTryAgain")));
    EXPECT_TRUE(reveal.buttons.contains(QStringLiteral("vbContinue")));
    // While the message shows, the answer stands in the white box.
    EXPECT_EQ(reveal.upperText, QStringLiteral("6"));
    EXPECT_EQ(reveal.upperBack, kWhite);
    // Then the nucleus is drawn and the neutrons are asked.
    EXPECT_EQ(q.caption("lblKjarni"), QStringLiteral("R:6"));
    EXPECT_TRUE(q.shows("lblKjarni"));
    EXPECT_TRUE(q.shows("imgKjarni"));
    EXPECT_EQ(q.caption("txtSvar1"), QString());
    EXPECT_EQ(q.prompt(), Prompt::Neutrons);
    EXPECT_EQ(q.probe().correctAnswers(), 0);
    EXPECT_EQ(q.probe().wrongTries(), 0);
    EXPECT_EQ(q.probe().questionsAsked(), 2);
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  0%"));
}

TEST_F(MarkingTest, RevealedNeutronsOfCarbon) {
    openAtom(6, Prompt::Neutrons);
    const Reveal reveal = failTwice();
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er 6"));
    EXPECT_EQ(q.caption("lblKjarni"), QStringLiteral("R:6\nN:6"));
    EXPECT_EQ(q.prompt(), Prompt::Electrons);
    EXPECT_EQ(q.caption("txtSvar1"), QString());
}

TEST_F(MarkingTest, RevealedElectronsStayInTheUpperBox) {
    openAtom(6, Prompt::Electrons);
    EXPECT_FALSE(q.shows("imgBraut1"));
    const Reveal reveal = failTwice();
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er  6"));
    EXPECT_TRUE(q.shows("imgBraut1"));
    EXPECT_TRUE(q.shows("txtSvar1"));
    EXPECT_EQ(q.caption("txtSvar1"), QStringLiteral("6"));
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    EXPECT_EQ(q.prompt(), Prompt::Shell1);
    EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar2"));
}

TEST_F(MarkingTest, RevealedFirstShellOfHydrogenClosesTheQuestion) {
    openAtom(1, Prompt::Shell1);
    const Reveal reveal = failTwice();
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er 1"));
    EXPECT_EQ(reveal.lowerText, QStringLiteral("1"));
    EXPECT_EQ(reveal.electrons, 1);
    EXPECT_TRUE(q.firstElectronsShown(1));
    EXPECT_EQ(q.prompt(), Prompt::None);
    EXPECT_TRUE(q.shows("cmdNaesta"));
    EXPECT_EQ(q.focusName(), QStringLiteral("cmdNaesta"));
    EXPECT_EQ(q.photographsShown(), std::vector<int>{1});
}

TEST_F(MarkingTest, RevealedFirstShellOfLithiumAsksTheSecond) {
    openAtom(3, Prompt::Shell1);
    const Reveal reveal = failTwice();
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er 2"));
    EXPECT_EQ(reveal.lowerBack, kWhite);
    EXPECT_TRUE(q.firstElectronsShown(2));
    EXPECT_EQ(q.caption("txtSvar2"), QString());
    EXPECT_EQ(q.background("txtSvar2"), kWhite);
    EXPECT_EQ(q.prompt(), Prompt::Shell2);
    EXPECT_TRUE(q.shows("imgBraut2"));
}

TEST_F(MarkingTest, RevealedShellsDrawTheirElectrons) {
    const struct {
        int element;
        Prompt prompt;
        const char* message;
        const char* boxText;
        int electrons;  // the first n electrons show afterwards
        Prompt next;
    } cases[] = {
        {11, Prompt::Shell2, "Rétt svar er 8", "8", 10, Prompt::Shell3},
        {6, Prompt::Shell2, "Rétt svar er 4", "4", 6, Prompt::None},
        {11, Prompt::Shell3, "Rétt svar er  1", " 1", 11, Prompt::None},
        {17, Prompt::Shell3, "Rétt svar er  7", " 7", 17, Prompt::None},
        {19, Prompt::Shell3, "Rétt svar er 8", "8", 18, Prompt::Shell4},
        {19, Prompt::Shell4, "Rétt svar er 1", "1", 19, Prompt::None},
        {20, Prompt::Shell4, "Rétt svar er 2", "2", 20, Prompt::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "element " << c.element << " " << PromptName(c.prompt));
        openAtom(c.element, c.prompt);
        const Reveal reveal = failTwice();
        EXPECT_EQ(reveal.text, QString::fromUtf8(c.message));
        EXPECT_EQ(reveal.lowerText, QString::fromLatin1(c.boxText));
        EXPECT_EQ(reveal.lowerBack, kWhite);
        EXPECT_TRUE(q.firstElectronsShown(c.electrons));
        EXPECT_EQ(q.prompt(), c.next);
        EXPECT_EQ(q.shows("cmdNaesta"), c.next == Prompt::None);
        EXPECT_EQ(q.probe().wrongTries(), 0);
    }
}

TEST_F(MarkingTest, RevealedRiddleShowsTheCardAndPhotograph) {
    openQuestion(11, Riddle);
    const Reveal reveal = failTwice();
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er Na"));
    EXPECT_EQ(reveal.upperText, QStringLiteral("Na"));
    EXPECT_FALSE(q.shows("txtSvar1"));
    EXPECT_FALSE(q.shows("txtSvar2"));
    EXPECT_FALSE(q.shows("lblLeidbeining"));
    EXPECT_EQ(q.caption("lblHeiti"), QStringLiteral("Natrín"));
    EXPECT_TRUE(q.shows("shpFrumefni"));
    EXPECT_EQ(q.photographsShown(), std::vector<int>{11});
    EXPECT_EQ(q.caption("lblLysing"), Module1::ElementDescription(11));
    EXPECT_EQ(q.focusName(), QStringLiteral("cmdNaesta"));
    EXPECT_EQ(q.probe().questionIndex(), 1);
}

TEST_F(MarkingTest, RevealedParticleShowsTheParticleCard) {
    openQuestion(8, Particle);
    const Reveal reveal = failTwice();
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er 2"));
    EXPECT_EQ(q.caption("lblHeiti"), QStringLiteral("O"));
    EXPECT_TRUE(q.shows("lblJonir"));
    EXPECT_EQ(q.caption("lblJonir"), QStringLiteral("2-"));
    EXPECT_TRUE(q.firstElectronsShown(10));
    EXPECT_EQ(q.photographsShown(), std::vector<int>{8});
    EXPECT_EQ(q.focusName(), QStringLiteral("cmdNaesta"));
}

TEST_F(MarkingTest, ScoreLineIsTheWholePercentageOfPromptsAnsweredRight) {
    openAtom(6);
    q.answer(QStringLiteral("6"));
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  100%"));
    q.answer(QStringLiteral("6"));
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  100%"));
    q.answer(QStringLiteral("5"));
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  66%"));
    // The second try at the same prompt: the prompt counts once.
    q.answer(QStringLiteral("6"));
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  100%"));
    EXPECT_EQ(q.probe().correctAnswers(), 3);
    EXPECT_EQ(q.probe().questionsAsked(), 4);  // the shell prompt is asked after the score
    q.answer(QStringLiteral("3"));
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  75%"));
}

// What stands on screen while the reveal's message is open, and what follows it: the answer
// in its white box before the message; the nucleus, ring 1, the card and the photograph only
// after it; the electrons of a shell before it.
TEST_F(MarkingTest, EachCodeDrawsItsPartBeforeOrAfterTheMessage) {
    const struct {
        int code;
        int element;
        Kind kind;
        Prompt prompt;
        const char* upper;  // the boxes while the message shows
        const char* lower;
        int electrons;  // electrons, nucleus, ring 1 and card while the message shows
        bool nucleus;
        bool ring1;
        bool card;
        const char* nucleusAfter;
        Prompt next;
    } cases[] = {
        {1, 6, Atom, Prompt::Protons, "6", "", 0, false, false, true, "R:6", Prompt::Neutrons},
        {2, 6, Atom, Prompt::Neutrons, "6", "", 0, true, false, true, "R:6\nN:6",
         Prompt::Electrons},
        {3, 6, Atom, Prompt::Electrons, "6", "", 0, true, false, true, "R:6\nN:6", Prompt::Shell1},
        {4, 3, Atom, Prompt::Shell1, "3", "2", 2, true, true, true, "R:3\nN:4", Prompt::Shell2},
        {5, 6, Atom, Prompt::Shell2, "6", "4", 6, true, true, true, "R:6\nN:6", Prompt::None},
        {6, 11, Atom, Prompt::Shell3, "11", " 1", 11, true, true, true, "R:11\nN:12", Prompt::None},
        {7, 19, Atom, Prompt::Shell4, "19", "1", 19, true, true, true, "R:19\nN:20", Prompt::None},
        {8, 11, Riddle, Prompt::Riddle, "Na", "", 0, false, false, false, nullptr, Prompt::None},
        {9, 8, Particle, Prompt::Particle, "2", "", 10, true, true, false, "R 8\nN 8",
         Prompt::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << ", element " << c.element);
        if (c.kind == Atom) {
            openAtom(c.element, c.prompt);
        } else {
            openQuestion(c.element, c.kind);
        }
        ASSERT_EQ(q.probe().questionCode(), c.code);
        const int correct = q.probe().correctAnswers();
        const QString nucleusBefore = q.caption("lblKjarni");
        const Reveal reveal = failTwice();
        EXPECT_EQ(reveal.upperText, QString::fromLatin1(c.upper));
        EXPECT_EQ(reveal.lowerText, QString::fromLatin1(c.lower));
        EXPECT_EQ(InLowerBox(c.prompt) ? reveal.lowerBack : reveal.upperBack, kWhite);
        EXPECT_EQ(reveal.electrons, c.electrons);
        EXPECT_TRUE(q.firstElectronsShown(c.electrons));
        EXPECT_EQ(reveal.nucleusShown, c.nucleus);
        EXPECT_EQ(reveal.nucleusCaption, nucleusBefore);
        EXPECT_EQ(reveal.ring1Shown, c.ring1);
        EXPECT_EQ(reveal.cardShown, c.card);
        EXPECT_TRUE(reveal.photographs.empty());
        EXPECT_FALSE(reveal.naestaShown);

        EXPECT_EQ(q.prompt(), c.next);
        EXPECT_EQ(q.probe().wrongTries(), 0);
        EXPECT_EQ(q.probe().correctAnswers(), correct);
        if (c.nucleusAfter != nullptr) {
            EXPECT_TRUE(q.shows("imgKjarni"));
            EXPECT_EQ(q.caption("lblKjarni"), QString::fromLatin1(c.nucleusAfter));
        }
        EXPECT_EQ(q.shows("imgBraut1"), c.code >= 3 && c.code != 8);
        EXPECT_TRUE(q.shows("shpFrumefni"));
        if (c.next == Prompt::None) {
            EXPECT_EQ(q.photographsShown(), std::vector<int>{c.element});
            EXPECT_TRUE(q.shows("cmdNaesta"));
            EXPECT_EQ(q.focusName(), QStringLiteral("cmdNaesta"));
        } else {
            EXPECT_TRUE(q.photographsShown().empty());
            EXPECT_EQ(q.focusName(), QString::fromLatin1(q.promptBox()));
        }
    }
}

// Every way of closing the message box leads on the same way.
class CloseTest : public MarkingTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CloseTest, TheRevealGoesOnWhateverClosesTheBox) {
    openAtom(6);
    const Reveal reveal = failTwice(QString::fromLatin1(GetParam()));
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er  6"));
    EXPECT_EQ(q.caption("lblKjarni"), QStringLiteral("R:6"));
    EXPECT_EQ(q.prompt(), Prompt::Neutrons);
    EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar1"));
    EXPECT_EQ(q.probe().wrongTries(), 0);
    EXPECT_EQ(q.probe().questionsAsked(), 2);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CloseTest,
                         ::testing::Values("vbCancel", "vbTryAgain", "vbContinue", "Esc", "close"));

}  // namespace
