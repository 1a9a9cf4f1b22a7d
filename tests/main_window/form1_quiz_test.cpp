// The quiz flow: the shuffle, the prompts of each kind of question, the verdict, and
// "Byrja" from every state of the window.
#include <QLineEdit>
#include <algorithm>

#include "main_window/quiz_driver.h"

using namespace quiz;

namespace {

constexpr forms::ColourValue kRed = 0x000000FF;
constexpr forms::ColourValue kWhite = 0x00FFFFFF;

QString orderText(const std::vector<int>& order) {
    QString text;
    for (int element : order) text += QStringLiteral("%1").arg(element, 2, 10, QChar('0'));
    return text;
}

Qt::Alignment horizontalAlignment(const QuizWindow& q, const char* box) {
    return ui::control<QLineEdit>(q.window(), QString::fromLatin1(box))->alignment() &
           Qt::AlignHorizontal_Mask;
}

int heightOf(const QuizWindow& q, const char* name) {
    return ui::control(q.window(), QString::fromLatin1(name))->height();
}

// Answers every prompt of the open question right; returns how many prompts it asked.
int answerQuestionRight(QuizWindow& q) {
    int prompts = 0;
    while (q.prompt() != Prompt::None) {
        ++prompts;
        q.answer(RightAnswer(q, q.prompt()));
        if (prompts > 10) break;
    }
    return prompts;
}

class QuizTest : public ::testing::Test {
protected:
    QuizWindow q;
};

TEST_F(QuizTest, ShuffleWithOnlyStandingMovesKeepsTheStartingOrder) {
    ScriptedRandom random(ShuffleDraws({}, {}));
    q.chooseByrja();
    EXPECT_EQ(random.drawn(), 10018);
    EXPECT_EQ(q.probe().orderText(), QStringLiteral("010203040506070809111213141516171920"));
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(q.probe().quizElement(i), QuizSet()[i - 1]);
    EXPECT_EQ(q.caption("lblSkammst"), QStringLiteral("H"));
}

TEST_F(QuizTest, AMoveWithTheLastOffsetBringsTheLastPairToTheFront) {
    std::vector<double> draws(9999, 0.0);
    draws.push_back(17.5 / 18);  // p = 34
    for (int i = 0; i < 18; ++i) draws.push_back(0.0);
    ScriptedRandom random(draws);
    q.chooseByrja();
    EXPECT_EQ(random.drawn(), 10018);
    EXPECT_EQ(q.probe().orderText(), QStringLiteral("200102030405060708091112131415161719"));
    EXPECT_EQ(q.caption("lblHeiti"), QStringLiteral("Kalsín"));
}

TEST_F(QuizTest, MovesBringTheChosenPairForwardAndKeepTheOthersInOrder) {
    const std::vector<int> front = {16, 4, 9, 1};
    ScriptedRandom random(ShuffleDraws(front, {}));
    q.chooseByrja();
    std::vector<int> expected = front;
    for (int element : QuizSet()) {
        if (std::find(front.begin(), front.end(), element) == front.end()) {
            expected.push_back(element);
        }
    }
    EXPECT_EQ(q.probe().orderText(), orderText(expected));
}

TEST_F(QuizTest, KindsAreDrawnOnePerQuestionIndependentlyOfTheElements) {
    const std::vector<int> kinds = {2, 0, 1, 1, 2, 0, 0, 0, 2, 1, 2, 2, 1, 0, 1, 2, 0, 1};
    ScriptedRandom random(ShuffleDraws({20, 1}, kinds));
    q.chooseByrja();
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(q.probe().quizKind(i), kinds[i - 1]) << i;
    // The first question is the particle of calcium.
    EXPECT_EQ(q.prompt(), Prompt::Particle);
    EXPECT_EQ(q.caption("lblKjarni"), QStringLiteral("R 20\nN 20"));
}

TEST_F(QuizTest, EveryShuffleAsksEachElementOfTheQuizSetOnce) {
    for (int run = 0; run < 5; ++run) {
        q.chooseByrja();
        std::vector<int> elements;
        for (int i = 1; i <= 18; ++i) {
            elements.push_back(q.probe().quizElement(i));
            EXPECT_GE(q.probe().quizKind(i), 0);
            EXPECT_LE(q.probe().quizKind(i), 2);
        }
        std::sort(elements.begin(), elements.end());
        EXPECT_EQ(elements, QuizSet());
        EXPECT_EQ(q.probe().questionIndex(), 1);
    }
}

TEST_F(QuizTest, AtomQuestionsAskFourToSevenPromptsByElement) {
    ScriptedRandom random(ShuffleDraws({}, {}));
    q.chooseByrja();
    for (int element : QuizSet()) {
        SCOPED_TRACE(testing::Message() << "element " << element);
        const int expected = element <= 2 ? 4 : element <= 9 ? 5 : element <= 17 ? 6 : 7;
        EXPECT_EQ(answerQuestionRight(q), expected);
        EXPECT_TRUE(q.shows("cmdNaesta"));
        q.next();
    }
    EXPECT_EQ(q.probe().questionsAsked(), 99);
    EXPECT_EQ(q.probe().correctAnswers(), 99);
    EXPECT_EQ(q.caption("lblSpurn2"), QStringLiteral("Frammistaða þín verðskuldar gull."));
}

TEST_F(QuizTest, PromptsOfEachKindShowTheirQuestionBoxAndHeight) {
    ScriptedRandom random(ShuffleDraws({}, {Atom, Riddle, Particle}));
    q.chooseByrja();
    // Atom: the protons prompt, right-aligned box, a one-line question.
    EXPECT_EQ(q.caption("lblSpurn1"),
              QStringLiteral("Hvað hefur þessi frumeind margar róteindir?"));
    EXPECT_EQ(horizontalAlignment(q, "txtSvar1"), Qt::AlignRight);
    EXPECT_EQ(heightOf(q, "lblSpurn1"), ui::px(375));
    EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar1"));
    EXPECT_TRUE(q.shows("lblStig"));
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða: 0%"));
    EXPECT_FALSE(q.shows("lblLeidbeining"));
    answerQuestionRight(q);
    q.next();

    // Riddle: the hint, a left-aligned box, a two-line question of helium.
    EXPECT_TRUE(q.shows("lblLeidbeining"));
    EXPECT_EQ(q.caption("lblSpurn1"), QStringLiteral("Hvert eftirtalinna efna er eðallofttegund?\n"
                                                     "Súrefni(O)  Helín(He)  Liþín(Li) Flúor(F)"));
    EXPECT_EQ(horizontalAlignment(q, "txtSvar1"), Qt::AlignLeft);
    EXPECT_EQ(heightOf(q, "lblSpurn1"), ui::px(1000));
    EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar1"));
    EXPECT_FALSE(q.shows("imgKjarni"));
    EXPECT_FALSE(q.shows("shpFrumefni"));
    EXPECT_EQ(q.probe().questionCode(), 8);
    q.answer(QStringLiteral("He"));
    q.next();

    // Particle: right-aligned again, the question of four choices.
    EXPECT_EQ(q.prompt(), Prompt::Particle);
    EXPECT_EQ(horizontalAlignment(q, "txtSvar1"), Qt::AlignRight);
    EXPECT_EQ(heightOf(q, "lblSpurn1"), ui::px(1000));
    EXPECT_FALSE(q.shows("lblLeidbeining"));
    EXPECT_EQ(q.probe().questionCode(), 9);
}

TEST_F(QuizTest, ShellPromptsOpenTheLowerBoxAndTheirRings) {
    ScriptedRandom random(ShuffleDraws({19}, {Atom}));
    q.chooseByrja();
    q.answer(QStringLiteral("19"));
    q.answer(QStringLiteral("20"));
    EXPECT_FALSE(q.shows("imgBraut1"));
    q.answer(QStringLiteral("19"));
    EXPECT_TRUE(q.shows("imgBraut1"));
    EXPECT_FALSE(q.shows("imgBraut2"));
    EXPECT_EQ(q.prompt(), Prompt::Shell1);
    EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar2"));
    // The electrons question stays in view above.
    EXPECT_TRUE(q.shows("lblSpurn1"));
    EXPECT_EQ(q.caption("txtSvar1"), QStringLiteral("19"));
    const struct {
        const char* answer;
        Prompt next;
        const char* ring;
    } steps[] = {{"2", Prompt::Shell2, "imgBraut2"},
                 {"8", Prompt::Shell3, "imgBraut3"},
                 {"8", Prompt::Shell4, "imgBraut4"}};
    for (const auto& step : steps) {
        EXPECT_FALSE(q.shows(step.ring));
        q.answer(QString::fromLatin1(step.answer));
        EXPECT_EQ(q.prompt(), step.next);
        EXPECT_TRUE(q.shows(step.ring));
        EXPECT_EQ(q.caption("txtSvar2"), QString());
        EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar2"));
    }
    q.answer(QStringLiteral("1"));
    // Finished: the prompts go, the card and drawing stay, the photograph comes.
    EXPECT_FALSE(q.shows("txtSvar1"));
    EXPECT_FALSE(q.shows("txtSvar2"));
    EXPECT_TRUE(q.shows("shpFrumefni"));
    EXPECT_TRUE(q.firstElectronsShown(19));
    EXPECT_EQ(q.photographsShown(), std::vector<int>{19});
    EXPECT_TRUE(q.shows("lblLysing"));
    EXPECT_TRUE(q.shows("cmdNaesta"));
    EXPECT_EQ(q.focusName(), QStringLiteral("cmdNaesta"));
}

// A quiz of 30 prompts: hydrogen, lithium and sodium built (4 + 5 + 6), 15 riddles. The
// pupil fails the first `failed` prompts twice each and answers the rest right.
struct VerdictCase {
    int failed;
    const char* verdict;
    int metal;
};
void PrintTo(const VerdictCase& c, std::ostream* out) {
    *out << c.failed << " prompts failed";
}

class VerdictTest : public QuizTest, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(VerdictTest, VerdictByPercentage) {
    const VerdictCase& c = GetParam();
    std::vector<int> kinds(18, Riddle);
    kinds[0] = kinds[1] = kinds[2] = Atom;
    ScriptedRandom random(ShuffleDraws({1, 3, 11}, kinds));
    q.chooseByrja();
    int asked = 0;
    for (int step = 0; step < 100; ++step) {
        if (q.prompt() == Prompt::None && !q.shows("cmdNaesta")) break;  // the verdict
        if (q.prompt() == Prompt::None) {
            q.next();
            continue;
        }
        const QString right = RightAnswer(q, q.prompt());
        if (asked++ < c.failed) {
            q.answer(QStringLiteral("99"));
            q.answerRevealing(QStringLiteral("99"));
        } else {
            q.answer(right);
        }
    }
    EXPECT_EQ(asked, 30);
    EXPECT_EQ(q.caption("lblSpurn2"), QString::fromUtf8(c.verdict));
    EXPECT_TRUE(q.shows("lblSpurn2"));
    EXPECT_EQ(q.photographsShown(), std::vector<int>{c.metal});
    EXPECT_EQ(q.caption("lblLysing"), Module1::ElementDescription(c.metal));
    EXPECT_EQ(q.caption("lblStig"), ScoreLine(30 - c.failed, 30));
    for (const char* name : {"txtSvar1", "txtSvar2", "lblSpurn1", "cmdNaesta", "shpFrumefni",
                             "lblHeiti", "imgKjarni", "imgBraut1"}) {
        EXPECT_FALSE(q.shows(name)) << name;
    }
    EXPECT_EQ(q.electronsShown(), 0);
    EXPECT_TRUE(q.unexpectedMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, VerdictTest,
    ::testing::Values(VerdictCase{0, "Frammistaða þín verðskuldar gull.", 79},     // 100 %
                      VerdictCase{2, "Frammistaða þín verðskuldar gull.", 79},     // 93 %
                      VerdictCase{3, "Frammistaða þín verðskuldar silfur.", 47},   // 90 %
                      VerdictCase{5, "Frammistaða þín verðskuldar silfur.", 47},   // 83 %
                      VerdictCase{6, "Frammistaða þín verðskuldar kopar.", 29},    // 80 %
                      VerdictCase{8, "Frammistaða þín verðskuldar kopar.", 29},    // 73 %
                      VerdictCase{9, "Frammistaða þín verðskuldar járn.", 26},     // 70 %
                      VerdictCase{30, "Frammistaða þín verðskuldar járn.", 26}));  // 0 %

TEST_F(QuizTest, ByrjaBeforeAnyQuizOpensTheFirstQuestion) {
    ScriptedRandom random(ShuffleDraws({8}, {Atom}));
    q.chooseByrja();
    EXPECT_EQ(q.probe().questionIndex(), 1);
    EXPECT_EQ(q.prompt(), Prompt::Protons);
    EXPECT_EQ(q.caption("lblHeiti"), QStringLiteral("Súrefni"));
    EXPECT_EQ(q.probe().questionsAsked(), 1);
}

TEST_F(QuizTest, CtrlBStartsAQuizToo) {
    ScriptedRandom random(ShuffleDraws({8}, {Riddle}));
    ui::pressKey(q.window(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(random.drawn(), 10018);
    EXPECT_EQ(q.prompt(), Prompt::Riddle);
}

TEST_F(QuizTest, ByrjaDropsAnOpenPromptAndItsWrongTry) {
    ScriptedRandom random(ShuffleDraws({6}, {Atom}));
    q.chooseByrja();
    q.answer(QStringLiteral("6"));  // right: 100 %
    q.answer(QStringLiteral("5"));  // wrong: the box turns red
    ASSERT_EQ(q.background("txtSvar1"), kRed);
    ASSERT_EQ(q.probe().wrongTries(), 1);
    const QString scoreBefore = q.caption("lblStig");

    q.chooseByrja();
    EXPECT_EQ(q.probe().questionIndex(), 1);
    EXPECT_EQ(q.probe().questionsAsked(), 1);
    EXPECT_EQ(q.probe().correctAnswers(), 0);
    EXPECT_EQ(q.prompt(), Prompt::Protons);
    EXPECT_EQ(q.background("txtSvar1"), kWhite);
    EXPECT_EQ(q.caption("txtSvar1"), QString());
    EXPECT_FALSE(q.shows("imgKjarni"));
    // The score line keeps the old quiz's text until the first answer is marked.
    EXPECT_EQ(q.caption("lblStig"), scoreBefore);
    // The dropped wrong try does not count: one wrong answer only turns the box red.
    q.answer(QStringLiteral("5"));
    EXPECT_EQ(q.background("txtSvar1"), kRed);
    EXPECT_EQ(q.prompt(), Prompt::Protons);
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  0%"));
    EXPECT_TRUE(q.unexpectedMessages().isEmpty());
}

TEST_F(QuizTest, ByrjaOnASettledQuestionHidesNaestaSpurning) {
    ScriptedRandom random(ShuffleDraws({11}, {Riddle}));
    q.chooseByrja();
    q.answer(QStringLiteral("Na"));
    ASSERT_TRUE(q.shows("cmdNaesta"));
    q.chooseByrja();
    EXPECT_FALSE(q.shows("cmdNaesta"));
    EXPECT_EQ(q.prompt(), Prompt::Riddle);
    EXPECT_EQ(q.focusName(), QStringLiteral("txtSvar1"));
    EXPECT_TRUE(q.photographsShown().empty());
    EXPECT_FALSE(q.shows("shpFrumefni"));
}

TEST_F(QuizTest, ByrjaAfterTheVerdictStartsANewQuiz) {
    ScriptedRandom random(ShuffleDraws({}, std::vector<int>(18, Riddle)));
    q.chooseByrja();
    for (int i = 0; i < 18; ++i) {
        q.answer(RightAnswer(q, Prompt::Riddle));
        q.next();
    }
    ASSERT_EQ(q.caption("lblSpurn2"), QStringLiteral("Frammistaða þín verðskuldar gull."));
    ASSERT_EQ(q.photographsShown(), std::vector<int>{79});

    q.chooseByrja();
    EXPECT_FALSE(q.shows("lblSpurn2"));
    EXPECT_TRUE(q.photographsShown().empty());
    EXPECT_FALSE(q.shows("lblLysing"));
    EXPECT_EQ(q.prompt(), Prompt::Riddle);
    EXPECT_EQ(q.probe().questionIndex(), 1);
    EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  100%"));
}

}  // namespace
