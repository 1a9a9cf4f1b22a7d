// Whole quizzes played by a test pupil who reads the screen: which prompt is open, the card's
// numbers, the riddle, the drawn particle. The pupil decides per prompt whether to answer
// right at once, right after one wrong try, or wrong twice, keeps its own count, and checks
// the score line after every marking and the verdict at the end against that count.
#include <functional>
#include <random>

#include "main_window/quiz_driver.h"

using namespace quiz;

namespace {

constexpr forms::ColourValue kRed = 0x000000FF;
constexpr forms::ColourValue kWhite = 0x00FFFFFF;

enum class Plan { RightFirst, RightSecond, WrongTwice };

struct Tally {
    int asked = 0;
    int correct = 0;
    int reveals = 0;
    int questions = 0;
};

// The pupil's plan for the prompt numbered `number` (from 1), given its count so far.
using Strategy = std::function<Plan(int number, Prompt prompt, const Tally& tally)>;

// Wrong answers of every sort, for the prompt at hand.
QString wrongAnswer(Prompt prompt, const QString& right, int n) {
    if (prompt == Prompt::Riddle) {
        const QString wrongs[] = {right.toLower() == right ? right.toUpper() : right.toLower(),
                                  right + QLatin1Char(' '), QStringLiteral("Xx"),
                                  QStringLiteral("Natrín")};
        return wrongs[n % 4];
    }
    if (prompt == Prompt::Particle) {
        return n % 2 == 0 ? QString::number(right.toInt() % 4 + 1) : QStringLiteral("0") + right;
    }
    const QString wrongs[] = {QString::number(right.toInt() + 1), QStringLiteral("sex"),
                              right + QStringLiteral(".5"), QStringLiteral("1e999"),
                              QString::number(-1 - right.toInt())};
    return wrongs[n % 5];
}

// The message of the reveal: two blanks before the protons, the electrons and a third
// shell of up to 8 electrons of an element up to argon, one blank before every other answer.
QString revealMessage(const QuizWindow& q, Prompt prompt, const QString& right) {
    const int z = q.caption("lblSaetistala").toInt();
    const bool twoBlanks = prompt == Prompt::Protons || prompt == Prompt::Electrons ||
                           (prompt == Prompt::Shell3 && z <= 18);
    return QStringLiteral("Rétt svar er ") + (twoBlanks ? QStringLiteral(" ") : QString()) + right;
}

// What the element on screen is, as the pupil reads it; -1 when the screen does not tell.
int elementOnScreen(const QuizWindow& q, Prompt prompt) {
    switch (prompt) {
        case Prompt::Particle:
            return q.caption("lblKjarni").split(QChar(10)).value(0).mid(1).trimmed().toInt();
        case Prompt::Riddle:
            for (int e = 1; e <= 20; ++e) {
                if (Module1::ElementSymbol(e) == RightAnswer(q, prompt)) return e;
            }
            return -1;
        default:
            return q.caption("lblSaetistala").toInt();
    }
}

// Plays one quiz from "Byrja" to the verdict.
Tally play(QuizWindow& q, const Strategy& strategy, const QString& closeWith = "vbContinue") {
    Tally tally;
    q.chooseByrja();
    int lastQuestion = 0;
    int number = 0;
    for (int step = 0; step < 400; ++step) {
        const Prompt prompt = q.prompt();
        const int question = q.probe().questionIndex();
        if (prompt == Prompt::None) {
            if (!q.shows("cmdNaesta")) break;  // the verdict
            // A settled question: its photograph and description, and the focused button.
            EXPECT_EQ(q.photographsShown(), std::vector<int>{q.probe().currentElement()});
            EXPECT_TRUE(q.shows("lblLysing"));
            EXPECT_FALSE(q.shows("txtSvar1"));
            EXPECT_FALSE(q.shows("txtSvar2"));
            if (question % 2 == 0) {
                q.next();
            } else {
                ui::click(q.window(), QStringLiteral("cmdNaesta"));
            }
            EXPECT_EQ(q.probe().questionIndex(), question == 18 ? 18 : question + 1);
            continue;
        }
        if (question != lastQuestion) {
            ++tally.questions;
            lastQuestion = question;
        }
        ++number;
        ++tally.asked;
        SCOPED_TRACE(testing::Message() << "prompt " << number << " (" << PromptName(prompt)
                                        << ") of question " << question);
        const char* box = q.promptBox();
        EXPECT_TRUE(q.shows(box));
        EXPECT_EQ(q.focusName(), QString::fromLatin1(box));
        EXPECT_EQ(q.background(box), kWhite);
        EXPECT_EQ(q.probe().questionsAsked(), tally.asked);
        // What the screen tells is the element of the open question.
        EXPECT_EQ(elementOnScreen(q, prompt), q.probe().currentElement());

        const QString right = RightAnswer(q, prompt);
        const Plan plan = strategy(number, prompt, tally);
        if (plan == Plan::RightSecond || plan == Plan::WrongTwice) {
            q.answer(wrongAnswer(prompt, right, number));
            EXPECT_EQ(q.prompt(), prompt);
            EXPECT_EQ(q.background(box), kRed);
            EXPECT_EQ(q.caption(box), QString());
            EXPECT_EQ(q.probe().wrongTries(), 1);
            EXPECT_EQ(q.caption("lblStig"), ScoreLine(tally.correct, tally.asked));
        }
        if (plan == Plan::WrongTwice) {
            const Reveal reveal =
                q.answerRevealing(wrongAnswer(prompt, right, number + 1), closeWith);
            EXPECT_EQ(reveal.text, revealMessage(q, prompt, right));
            EXPECT_EQ(reveal.title, QStringLiteral("Rétt svar"));
            ++tally.reveals;
        } else {
            q.answer(right);
            ++tally.correct;
        }
        EXPECT_EQ(q.probe().wrongTries(), 0);
        EXPECT_EQ(q.probe().correctAnswers(), tally.correct);
        EXPECT_EQ(q.caption("lblStig"), ScoreLine(tally.correct, tally.asked));
        EXPECT_EQ(q.probe().questionIndex(), question) << "moved on without Næsta spurning";
    }
    // The verdict, against the pupil's own count.
    const int percentage = Percentage(tally.correct, tally.asked);
    EXPECT_EQ(tally.questions, 18);
    EXPECT_EQ(q.probe().questionsAsked(), tally.asked);
    EXPECT_TRUE(q.shows("lblSpurn2"));
    EXPECT_EQ(q.caption("lblSpurn2"), VerdictCaption(percentage));
    EXPECT_EQ(q.photographsShown(), std::vector<int>{VerdictMetal(percentage)});
    EXPECT_TRUE(q.shows("lblLysing"));
    EXPECT_EQ(q.caption("lblStig"), ScoreLine(tally.correct, tally.asked));
    EXPECT_FALSE(q.shows("cmdNaesta"));
    EXPECT_TRUE(q.unexpectedMessages().isEmpty()) << q.unexpectedMessages().join('|').toStdString();
    return tally;
}

// The random values of a quiz drawn from seed: a shuffled order and random kinds.
std::vector<double> quizFromSeed(unsigned seed, std::vector<int> kinds = {}) {
    std::mt19937 generator(seed);
    std::vector<int> order = QuizSet();
    std::shuffle(order.begin(), order.end(), generator);
    if (kinds.empty()) {
        for (int i = 0; i < 18; ++i) kinds.push_back(static_cast<int>(generator() % 3));
    }
    return ShuffleDraws(order, kinds);
}

class PlayerTest : public ::testing::Test {
protected:
    QuizWindow q;
};

TEST_F(PlayerTest, AllRightIsGold) {
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ScriptedRandom random(quizFromSeed(seed));
        const Tally tally = play(q, [](int, Prompt, const Tally&) { return Plan::RightFirst; });
        EXPECT_EQ(tally.correct, tally.asked);
        EXPECT_EQ(q.caption("lblSpurn2"), QStringLiteral("Frammistaða þín verðskuldar gull."));
        EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  100%"));
    }
}

TEST_F(PlayerTest, AllRightAtTheSecondTryIsGoldToo) {
    ScriptedRandom random(quizFromSeed(4));
    const Tally tally = play(q, [](int, Prompt, const Tally&) { return Plan::RightSecond; });
    EXPECT_EQ(tally.correct, tally.asked);
    EXPECT_EQ(tally.reveals, 0);
}

TEST_F(PlayerTest, EveryPromptWrongTwiceIsIronWithEveryAnswerRevealed) {
    // Every kind of question, every prompt of the atom included.
    for (const auto& kinds : {std::vector<int>(18, Atom), std::vector<int>(18, Riddle),
                              std::vector<int>(18, Particle), std::vector<int>{}}) {
        ScriptedRandom random(quizFromSeed(5, kinds));
        const Tally tally = play(q, [](int, Prompt, const Tally&) { return Plan::WrongTwice; });
        EXPECT_EQ(tally.correct, 0);
        EXPECT_EQ(tally.reveals, tally.asked);
        EXPECT_EQ(q.caption("lblSpurn2"), QStringLiteral("Frammistaða þín verðskuldar járn."));
        EXPECT_EQ(q.caption("lblStig"), QStringLiteral("Frammistaða:  0%"));
        if (kinds.size() == 18 && kinds[0] == Atom) {
            EXPECT_EQ(tally.asked, 99);
        }
    }
}

// A pupil who holds its share of right answers near a target: it answers right exactly
// when its share so far lies below the target, and varies how.
struct TargetCase {
    double target;
    unsigned seed;
    const char* verdict;
};
void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << "target " << c.target << " seed " << c.seed;
}

class TargetTest : public PlayerTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(TargetTest, MixedPlayHitsTheVerdict) {
    const TargetCase& c = GetParam();
    // Mostly atoms, so that the quiz asks many prompts and the share stays near the target.
    std::vector<int> kinds(18, Atom);
    kinds[3] = Riddle;
    kinds[7] = Particle;
    kinds[12] = Riddle;
    kinds[16] = Particle;
    ScriptedRandom random(quizFromSeed(c.seed, kinds));
    const double target = c.target;
    const Tally tally = play(q, [target](int number, Prompt, const Tally& t) {
        const bool right = t.correct < target * t.asked;
        if (!right) return Plan::WrongTwice;
        return number % 3 == 0 ? Plan::RightSecond : Plan::RightFirst;
    });
    EXPECT_GT(tally.reveals, 0);
    EXPECT_EQ(q.caption("lblSpurn2"), QString::fromUtf8(c.verdict));
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, TargetTest,
    ::testing::Values(TargetCase{0.96, 6, "Frammistaða þín verðskuldar gull."},
                      TargetCase{0.855, 7, "Frammistaða þín verðskuldar silfur."},
                      TargetCase{0.755, 8, "Frammistaða þín verðskuldar kopar."},
                      TargetCase{0.40, 9, "Frammistaða þín verðskuldar járn."}));

// Random plans and random ways of closing the reveal; the verdict follows the count.
TEST_F(PlayerTest, RandomPlansEndInTheVerdictOfTheCount) {
    const char* closers[] = {"vbCancel", "vbTryAgain", "vbContinue", "Esc", "close"};
    for (unsigned seed = 10; seed < 16; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ScriptedRandom random(quizFromSeed(seed));
        std::mt19937 generator(seed);
        const double failShare = 0.05 * (seed - 10);
        play(
            q,
            [&generator, failShare](int, Prompt, const Tally&) {
                const double r = std::uniform_real_distribution<double>(0, 1)(generator);
                if (r < failShare) return Plan::WrongTwice;
                return r < 2 * failShare ? Plan::RightSecond : Plan::RightFirst;
            },
            QString::fromLatin1(closers[seed % 5]));
    }
}

}  // namespace
