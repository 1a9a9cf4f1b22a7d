// Answer entry: which key presses confirm an answer, and how each check judges the typed
// text, numbers by the session's locale and texts character by character.
#include <QLocale>

#include "main_window/quiz_driver.h"

using namespace quiz;

namespace {

constexpr forms::ColourValue kRed = 0x000000FF;
constexpr forms::ColourValue kWhite = 0x00FFFFFF;

class AnswersTest : public ::testing::Test {
protected:
    // A quiz whose first question is of kind on element; Byrja again restarts the same one.
    void open(int element, Kind kind) {
        random_.reset();
        random_ = std::make_unique<ScriptedRandom>(ShuffleDraws({element}, {kind}));
        q.chooseByrja();
    }
    // Answers right until the prompt `until` is open.
    void reach(Prompt until) {
        for (int i = 0; i < 8 && q.prompt() != until; ++i) q.answer(RightAnswer(q, q.prompt()));
        ASSERT_EQ(q.prompt(), until);
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::system());
        EXPECT_TRUE(q.unexpectedMessages().isEmpty());
    }

    QuizWindow q;
    std::unique_ptr<ScriptedRandom> random_;
};

// What a confirmed answer at the protons prompt of carbon led to.
struct ProtonsCase {
    const char* typed;
    bool right;
};
void PrintTo(const ProtonsCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class ProtonsOfCarbon : public AnswersTest, public ::testing::WithParamInterface<ProtonsCase> {};

TEST_P(ProtonsOfCarbon, JudgedAsANumber) {
    QLocale::setDefault(QLocale::c());
    open(6, Atom);
    const QString typed = QString::fromUtf8(GetParam().typed);
    q.answer(typed);
    if (GetParam().right) {
        EXPECT_EQ(q.prompt(), Prompt::Neutrons);
        EXPECT_EQ(q.caption("lblKjarni"), QStringLiteral("R:") + typed);  // as typed
        EXPECT_TRUE(q.shows("imgKjarni"));
        EXPECT_EQ(q.background("txtSvar1"), kWhite);
        EXPECT_EQ(q.probe().correctAnswers(), 1);
    } else {
        EXPECT_EQ(q.prompt(), Prompt::Protons);
        EXPECT_EQ(q.background("txtSvar1"), kRed);
        EXPECT_EQ(q.caption("txtSvar1"), QString());
        EXPECT_FALSE(q.shows("imgKjarni"));
        EXPECT_EQ(q.probe().wrongTries(), 1);
        EXPECT_EQ(q.probe().correctAnswers(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ProtonsOfCarbon,
                         ::testing::Values(ProtonsCase{"6", true}, ProtonsCase{" 6", true},
                                           ProtonsCase{"6  ", true}, ProtonsCase{"+6", true},
                                           ProtonsCase{"06", true}, ProtonsCase{"6.0", true},
                                           ProtonsCase{"6e0", true}, ProtonsCase{"6.5", false},
                                           ProtonsCase{"5", false}, ProtonsCase{"-6", false},
                                           ProtonsCase{"sex", false}, ProtonsCase{"6a", false},
                                           ProtonsCase{"1e999", false}, ProtonsCase{"inf", false},
                                           ProtonsCase{"nan", false}, ProtonsCase{"0x6", false},
                                           ProtonsCase{"6,0", false}, ProtonsCase{"Kolefni", false},
                                           ProtonsCase{"6 6", false}, ProtonsCase{"ó", false}));

TEST_F(AnswersTest, AnIcelandicSessionReadsTheDecimalComma) {
    QLocale::setDefault(QLocale(QLocale::Icelandic, QLocale::Iceland));
    const struct {
        const char* typed;
        bool right;
    } cases[] = {{"6,0", true}, {"6,5", false}, {"6", true}, {"6.5", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        open(6, Atom);
        q.answer(QString::fromLatin1(c.typed));
        EXPECT_EQ(q.prompt(), c.right ? Prompt::Neutrons : Prompt::Protons);
    }
}

TEST_F(AnswersTest, TwoUnreadableAnswersRevealTheRightOne) {
    open(6, Atom);
    q.answer(QStringLiteral("sex"));
    EXPECT_EQ(q.background("txtSvar1"), kRed);
    const Reveal reveal = q.answerRevealing(QStringLiteral("1e999"));
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er  6"));
    EXPECT_EQ(q.prompt(), Prompt::Neutrons);
}

TEST_F(AnswersTest, UnreadableShellAnswersAreWrongInTheLowerBox) {
    open(3, Atom);
    reach(Prompt::Shell1);
    q.answer(QStringLiteral("tveir"));
    EXPECT_EQ(q.background("txtSvar2"), kRed);
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    const Reveal reveal = q.answerRevealing(QString(300, QChar('x')));
    EXPECT_EQ(reveal.text, QStringLiteral("Rétt svar er 2"));
    EXPECT_EQ(q.prompt(), Prompt::Shell2);
}

TEST_F(AnswersTest, BlankAnswersAreIgnored) {
    open(6, Atom);
    const QString scoreBefore = q.caption("lblStig");
    q.pressEnter();
    q.answer(QStringLiteral("   "));
    EXPECT_EQ(q.caption("txtSvar1"), QStringLiteral("   "));
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    EXPECT_EQ(q.prompt(), Prompt::Protons);
    EXPECT_EQ(q.probe().questionsAsked(), 1);
    EXPECT_EQ(q.probe().wrongTries(), 0);
    EXPECT_EQ(q.caption("lblStig"), scoreBefore);
    // A red box stays red.
    q.answer(QStringLiteral("5"));
    q.answer(QStringLiteral(" "));
    EXPECT_EQ(q.background("txtSvar1"), kRed);
    EXPECT_EQ(q.probe().wrongTries(), 1);
}

TEST_F(AnswersTest, OnlyEnterConfirms) {
    open(6, Atom);
    q.type(QStringLiteral("6"));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Down, Qt::Key_F1, Qt::Key_Home,
                        Qt::Key_Backspace, Qt::Key_Delete}) {
        ui::pressKey(q.window(), key);
    }
    EXPECT_EQ(q.prompt(), Prompt::Protons);
    EXPECT_FALSE(q.shows("imgKjarni"));
    EXPECT_EQ(q.probe().wrongTries(), 0);
    EXPECT_EQ(q.probe().correctAnswers(), 0);
}

class EnterWithModifiers : public AnswersTest,
                           public ::testing::WithParamInterface<Qt::KeyboardModifiers> {};

TEST_P(EnterWithModifiers, ConfirmsLikeEnter) {
    open(6, Atom);
    q.answer(QStringLiteral("6"), GetParam());
    EXPECT_EQ(q.prompt(), Prompt::Neutrons);
    q.answer(QStringLiteral("5"), GetParam());
    EXPECT_EQ(q.background("txtSvar1"), kRed);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, EnterWithModifiers,
                         ::testing::Values(Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                           Qt::AltModifier,
                                           Qt::ShiftModifier | Qt::ControlModifier));

TEST_F(AnswersTest, TheKeypadEnterConfirmsToo) {
    open(6, Atom);
    q.type(QStringLiteral("6"));
    ui::pressKey(q.window(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(q.prompt(), Prompt::Neutrons);
}

// Texts at a prompt, judged right or wrong; the right ones move on.
struct TextCase {
    int element;
    Kind kind;
    Prompt prompt;
    const char* typed;
    bool right;
};
void PrintTo(const TextCase& c, std::ostream* out) {
    *out << PromptName(c.prompt) << " of " << c.element << ": \"" << c.typed << '"';
}

class TextAnswers : public AnswersTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextAnswers, Judged) {
    const TextCase& c = GetParam();
    open(c.element, c.kind);
    if (c.kind == Atom) reach(c.prompt);
    ASSERT_EQ(q.prompt(), c.prompt);
    const char* box = q.promptBox();
    const int askedBefore = q.probe().questionsAsked();
    q.answer(QString::fromUtf8(c.typed));
    if (c.right) {
        EXPECT_NE(q.prompt(), c.prompt);
        EXPECT_EQ(q.probe().wrongTries(), 0);
    } else {
        EXPECT_EQ(q.prompt(), c.prompt);
        EXPECT_EQ(q.background(box), kRed);
        EXPECT_EQ(q.probe().wrongTries(), 1);
        EXPECT_EQ(q.probe().questionsAsked(), askedBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(Symbols, TextAnswers,
                         ::testing::Values(TextCase{11, Riddle, Prompt::Riddle, "Na", true},
                                           TextCase{11, Riddle, Prompt::Riddle, "na", false},
                                           TextCase{11, Riddle, Prompt::Riddle, "NA", false},
                                           TextCase{11, Riddle, Prompt::Riddle, "Na ", false},
                                           TextCase{11, Riddle, Prompt::Riddle, " Na", false},
                                           TextCase{11, Riddle, Prompt::Riddle, "Natrín", false},
                                           TextCase{1, Riddle, Prompt::Riddle, "H", true},
                                           TextCase{17, Riddle, Prompt::Riddle, "Cl", true},
                                           TextCase{17, Riddle, Prompt::Riddle, "CL", false}));

INSTANTIATE_TEST_SUITE_P(ParticleTypes, TextAnswers,
                         ::testing::Values(TextCase{8, Particle, Prompt::Particle, "2", true},
                                           TextCase{8, Particle, Prompt::Particle, "2 ", false},
                                           TextCase{8, Particle, Prompt::Particle, " 2", false},
                                           TextCase{8, Particle, Prompt::Particle, "02", false},
                                           TextCase{8, Particle, Prompt::Particle, "2.0", false},
                                           TextCase{8, Particle, Prompt::Particle, "1", false},
                                           TextCase{6, Particle, Prompt::Particle, "3", true},
                                           TextCase{6, Particle, Prompt::Particle, "4", false},
                                           TextCase{2, Particle, Prompt::Particle, "4", true},
                                           TextCase{13, Particle, Prompt::Particle, "1", true}));

INSTANTIATE_TEST_SUITE_P(Shells, TextAnswers,
                         ::testing::Values(TextCase{1, Atom, Prompt::Shell1, "1", true},
                                           TextCase{1, Atom, Prompt::Shell1, "2", false},
                                           TextCase{2, Atom, Prompt::Shell1, "2", true},
                                           TextCase{3, Atom, Prompt::Shell1, "2", true},
                                           TextCase{3, Atom, Prompt::Shell1, "1", false},
                                           TextCase{11, Atom, Prompt::Shell2, "8", true},
                                           TextCase{11, Atom, Prompt::Shell2, "9", false},
                                           TextCase{11, Atom, Prompt::Shell3, "1", true},
                                           TextCase{11, Atom, Prompt::Shell3, "8", false},
                                           TextCase{19, Atom, Prompt::Shell3, "8", true},
                                           TextCase{19, Atom, Prompt::Shell3, "9", false},
                                           TextCase{19, Atom, Prompt::Shell4, "1", true},
                                           TextCase{19, Atom, Prompt::Shell4, "2", false},
                                           TextCase{20, Atom, Prompt::Shell4, "2", true},
                                           TextCase{6, Atom, Prompt::Shell2, "4", true},
                                           TextCase{6, Atom, Prompt::Shell2, "6", false},
                                           TextCase{6, Atom, Prompt::Neutrons, "6", true},
                                           TextCase{6, Atom, Prompt::Neutrons, "8", false},
                                           TextCase{17, Atom, Prompt::Neutrons, "18", true},
                                           TextCase{17, Atom, Prompt::Electrons, "17", true},
                                           TextCase{17, Atom, Prompt::Electrons, "18", false}));

TEST_F(AnswersTest, RightShellAnswersDrawTheirElectrons) {
    open(6, Atom);
    reach(Prompt::Shell1);
    q.answer(QStringLiteral("2"));
    EXPECT_TRUE(q.firstElectronsShown(2));
    q.answer(QStringLiteral("4"));
    EXPECT_TRUE(q.firstElectronsShown(6));
    EXPECT_EQ(q.prompt(), Prompt::None);
    EXPECT_TRUE(q.shows("cmdNaesta"));
    EXPECT_EQ(q.focusName(), QStringLiteral("cmdNaesta"));
    EXPECT_EQ(q.probe().questionIndex(), 1);

    open(1, Atom);
    reach(Prompt::Shell1);
    q.answer(QStringLiteral("1"));
    EXPECT_TRUE(q.firstElectronsShown(1));
    EXPECT_TRUE(q.shows("cmdNaesta"));
}

TEST_F(AnswersTest, AWrongTryRepairedAtTheElectronsDoesNotCountAtTheShells) {
    open(6, Atom);
    reach(Prompt::Electrons);
    q.answer(QStringLiteral("7"));
    q.answer(QStringLiteral("6"));
    EXPECT_EQ(q.probe().wrongTries(), 0);
    EXPECT_EQ(q.caption("txtSvar1"), QStringLiteral("6"));
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    q.answer(QStringLiteral("3"));
    EXPECT_EQ(q.prompt(), Prompt::Shell1);
    EXPECT_EQ(q.background("txtSvar2"), kRed);
    EXPECT_EQ(q.probe().wrongTries(), 1);
}

TEST_F(AnswersTest, EnterInTheUpperBoxDuringAShellPromptDoesNothing) {
    open(6, Atom);
    reach(Prompt::Shell1);
    ui::click(q.window(), QStringLiteral("txtSvar1"));
    ASSERT_EQ(q.focusName(), QStringLiteral("txtSvar1"));
    const int asked = q.probe().questionsAsked();
    ui::pressKey(q.window(), Qt::Key_End);
    q.answer(QStringLiteral("2"));
    EXPECT_EQ(q.caption("txtSvar1"), QStringLiteral("62"));
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    EXPECT_EQ(q.prompt(), Prompt::Shell1);
    EXPECT_EQ(q.probe().questionsAsked(), asked);
    EXPECT_EQ(q.probe().wrongTries(), 0);
    EXPECT_FALSE(q.shows("imgRafeind(1)"));
}

// One Enter settles a question; only the next Enter, on "Næsta spurning", moves on.
TEST_F(AnswersTest, TheEnterThatSettlesAQuestionDoesNotPressNaestaSpurning) {
    const struct {
        int element;
        Kind kind;
    } cases[] = {{11, Riddle}, {8, Particle}, {1, Atom}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "element " << c.element << " kind " << c.kind);
        open(c.element, c.kind);
        for (int i = 0; i < 8 && q.prompt() != Prompt::None && q.probe().questionIndex() == 1;
             ++i) {
            q.answer(RightAnswer(q, q.prompt()));
        }
        EXPECT_EQ(q.probe().questionIndex(), 1);
        EXPECT_TRUE(q.shows("cmdNaesta"));
        EXPECT_EQ(q.photographsShown(), std::vector<int>{c.element});
        q.next();
        EXPECT_EQ(q.probe().questionIndex(), 2);
    }
}

}  // namespace
