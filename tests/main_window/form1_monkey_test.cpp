// Random play: thousands of seeded random events on the main window, as a restless pupil
// makes them (answers right and wrong, garbage and long texts, Enter with any modifier, other
// keys, "Byrja" at any moment, "Næsta spurning", the secondary windows opened and closed),
// with the window's invariants checked after every event.
#include <QApplication>
#include <QMessageBox>
#include <random>

#include "forms/services.h"
#include "main_window/quiz_driver.h"

using namespace quiz;

namespace {

constexpr int kSeeds = 5;
constexpr int kEventsPerSeed = 4000;

const char* const kSecondaryMenuItems[] = {"mnBygging", "mnSkilgreiningar", "mnLotukerfid",
                                           "mnHeiti", "mnUm"};
const char* const kSecondaryWindows[] = {"frmFrumeind", "frmSkilgreiningar", "frmLotukerfi",
                                         "frmHeiti", "frmAbout"};
const char* const kVerdicts[] = {
    "Frammistaða þín verðskuldar gull.", "Frammistaða þín verðskuldar silfur.",
    "Frammistaða þín verðskuldar kopar.", "Frammistaða þín verðskuldar járn."};

class Monkey {
public:
    Monkey(QuizWindow& q, unsigned seed) : q_(q), random_(seed) {
        QWidget* w = q_.window();
        upper_ = ui::control(w, QStringLiteral("txtSvar1"));
        lower_ = ui::control(w, QStringLiteral("txtSvar2"));
        next_ = ui::control(w, QStringLiteral("cmdNaesta"));
        description_ = ui::control(w, QStringLiteral("lblLysing"));
        verdict_ = ui::control<QLabel>(w, QStringLiteral("lblSpurn2"));
        score_ = ui::control<QLabel>(w, QStringLiteral("lblStig"));
        for (int i : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                      13, 14, 15, 16, 17, 18, 19, 20, 26, 29, 47, 79}) {
            photographs_.push_back({i, ui::control(w, QStringLiteral("picFrumefni(%1)").arg(i))});
        }
        q_.answerEveryMessageBox([this](QMessageBox* box) { answerBox(box); });
    }

    ~Monkey() { q_.answerEveryMessageBox({}); }

    // One random event, then the invariants.
    void step(int number) {
        const int roll = pick(1000);
        if (roll < 350) {
            answerRight();
        } else if (roll < 450) {
            q_.type(randomText(1 + pick(6)));
            enter();
        } else if (roll < 520) {
            answerWrongNumber();
        } else if (roll < 600) {
            enter();
        } else if (roll < 680) {
            q_.type(randomText(1 + pick(4)));
        } else if (roll < 730) {
            ui::pressKey(q_.window(), otherKey());
        } else if (roll < 880) {
            // A pupil reaches the button only while it shows.
            if (pick(2) == 0) {
                if (next_->isVisible()) ui::click(next_);
            } else if (next_->hasFocus() || q_.focusName() == QLatin1String("cmdNaesta")) {
                q_.pressEnter();
            }
        } else if (roll < 884) {
            q_.chooseByrja();
        } else if (roll < 886) {
            ui::pressKey(q_.window(), Qt::Key_B, Qt::ControlModifier);
        } else if (roll < 900) {
            q_.type(randomText(100 + pick(300)));
            enter();
        } else if (roll < 910) {
            ui::chooseMenuItem(q_.window(), QString::fromLatin1(kSecondaryMenuItems[pick(5)]));
        } else if (roll < 925) {
            closeSecondaryWindows();
        } else {
            clickSomethingInert();
        }
        checkInvariants(number);
    }

    int messages() const { return messages_; }
    int verdicts() const { return verdicts_; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString randomText(int length) {
        static const QString pool = QStringLiteral(
            "0123456789012345678901234567890123456789 +-.,eE"
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZáðéíóúýþæöÁÐÞÆÖ!?%&/()=*#");
        QString text;
        for (int i = 0; i < length; ++i) text += pool.at(pick(static_cast<int>(pool.size())));
        return text;
    }

    void enter() {
        static const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::NoModifier,
                                                           Qt::ShiftModifier, Qt::ControlModifier,
                                                           Qt::AltModifier};
        if (pick(8) == 0) {
            ui::pressKey(q_.window(), Qt::Key_Enter, Qt::KeypadModifier);
        } else {
            q_.pressEnter(kModifiers[pick(5)]);
        }
    }

    Qt::Key otherKey() {
        static const Qt::Key kKeys[] = {Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Space,
                                        Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Home,
                                        Qt::Key_End,       Qt::Key_Delete, Qt::Key_F1,
                                        Qt::Key_Up,        Qt::Key_Down,   Qt::Key_PageUp};
        return kKeys[pick(12)];
    }

    void answerRight() {
        const Prompt prompt = q_.prompt();
        if (prompt == Prompt::None) {
            enter();
            return;
        }
        // Replace whatever stands in the box with the answer.
        ui::pressKey(q_.window(), Qt::Key_A, Qt::ControlModifier);
        ui::pressKey(q_.window(), Qt::Key_Delete);
        q_.type(RightAnswer(q_, prompt));
        enter();
    }

    void answerWrongNumber() {
        ui::pressKey(q_.window(), Qt::Key_A, Qt::ControlModifier);
        ui::pressKey(q_.window(), Qt::Key_Delete);
        q_.type(QString::number(pick(30) - 5));
        enter();
    }

    void answerBox(QMessageBox* box) {
        ++messages_;
        EXPECT_TRUE(box->text().startsWith(QStringLiteral("Rétt svar er ")))
            << box->text().toStdString();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Rétt svar"));
        static const char* const kButtons[] = {"vbCancel", "vbTryAgain", "vbContinue"};
        const int how = pick(5);
        if (how < 3) {
            if (auto* button =
                    box->findChild<QAbstractButton*>(QString::fromLatin1(kButtons[how]))) {
                button->click();
                return;
            }
            ADD_FAILURE() << "no button " << kButtons[how];
            box->reject();
        } else if (how == 3) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->close();
        }
    }

    void closeSecondaryWindows() {
        for (const char* name : kSecondaryWindows) {
            QWidget* window = ui::findWindow(QString::fromLatin1(name));
            if (window == nullptr) continue;
            switch (pick(3)) {
                case 0:
                    ui::click(window, QStringLiteral("cmdOK"));
                    break;
                case 1:
                    QTest::keyClick(window, Qt::Key_Escape);
                    break;
                default:
                    window->close();
                    break;
            }
        }
        ui::settle();
        ui::activate(q_.window());
    }

    void clickSomethingInert() {
        static const char* const kInert[] = {"lblFr(1)",    "lblFr(12)", "lblFr(20)", "lblHeiti",
                                             "shpFrumefni", "imgKjarni", "lblStig",   "lblSpurn1",
                                             "lblLysing",   "imgBraut4", "lblKjarni"};
        QWidget* widget = q_.window()->findChild<QWidget*>(QString::fromLatin1(kInert[pick(11)]));
        if (widget != nullptr && widget->isVisible()) ui::click(widget);
    }

    void checkInvariants(int number) {
        Form1Probe& probe = q_.probe();
        const int asked = probe.questionsAsked();
        const int correct = probe.correctAnswers();
        const int index = probe.questionIndex();
        const int code = probe.questionCode();
        ASSERT_GE(asked, 0) << "event " << number;
        ASSERT_LE(asked, 99) << "event " << number;
        ASSERT_GE(correct, 0) << "event " << number;
        ASSERT_LE(correct, asked) << "event " << number;
        ASSERT_TRUE(probe.wrongTries() == 0 || probe.wrongTries() == 1) << "event " << number;
        ASSERT_GE(index, 0) << "event " << number;
        ASSERT_LE(index, 18) << "event " << number;
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "event " << number;

        int photographs = 0;
        int shown = 0;
        for (const auto& [element, widget] : photographs_) {
            if (widget->isVisible()) {
                ++photographs;
                shown = element;
            }
        }
        ASSERT_LE(photographs, 1) << "event " << number;
        ASSERT_EQ(description_->isVisible(), photographs == 1) << "event " << number;

        if (index == 0) {
            ASSERT_FALSE(upper_->isVisible()) << "event " << number;
            ASSERT_FALSE(next_->isVisible()) << "event " << number;
        } else if (next_->isVisible()) {
            // A settled question.
            ASSERT_FALSE(upper_->isVisible()) << "event " << number;
            ASSERT_FALSE(lower_->isVisible()) << "event " << number;
            ASSERT_EQ(shown, probe.currentElement()) << "event " << number;
        } else if (!upper_->isVisible() && !lower_->isVisible()) {
            // The verdict.
            ASSERT_EQ(index, 18) << "event " << number;
            ASSERT_TRUE(verdict_->isVisible()) << "event " << number;
            bool known = false;
            for (const char* verdict : kVerdicts)
                known |= verdict_->text() == QString::fromUtf8(verdict);
            ASSERT_TRUE(known) << verdict_->text().toStdString();
            ASSERT_TRUE(shown == 26 || shown == 29 || shown == 47 || shown == 79)
                << "event " << number;
            ++verdicts_;
        } else {
            // An open prompt: its box shows and has the focus.
            ASSERT_GE(code, 1) << "event " << number;
            ASSERT_LE(code, 9) << "event " << number;
            QWidget* box = code >= 4 && code <= 7 ? lower_ : upper_;
            ASSERT_TRUE(box->isVisible()) << "event " << number << " code " << code;
            ASSERT_EQ(q_.window()->focusWidget(), box) << "event " << number << " code " << code;
            ASSERT_EQ(photographs, 0) << "event " << number;
        }
        if (score_->text().startsWith(QStringLiteral("Frammistaða:  "))) {
            const int percentage = score_->text().mid(14).chopped(1).toInt();
            ASSERT_GE(percentage, 0);
            ASSERT_LE(percentage, 100);
        }
    }

    QuizWindow& q_;
    std::mt19937 random_;
    QWidget* upper_;
    QWidget* lower_;
    QWidget* next_;
    QWidget* description_;
    QLabel* verdict_;
    QLabel* score_;
    std::vector<std::pair<int, QWidget*>> photographs_;
    int messages_ = 0;
    int verdicts_ = 0;
};

class MonkeyTest : public ::testing::TestWithParam<unsigned> {
protected:
    void TearDown() override {
        for (const char* name : kSecondaryWindows) {
            if (QWidget* window = ui::findWindow(QString::fromLatin1(name))) window->close();
        }
        ui::settle();
    }
};

TEST_P(MonkeyTest, RandomPlayKeepsTheInvariants) {
    // A seeded quiz generator, so that every run plays the same quizzes.
    std::mt19937 quizzes(GetParam());
    forms::SetRandomSourceForTesting(
        [&quizzes] { return std::uniform_real_distribution<double>(0, 1)(quizzes); });
    QuizWindow q;
    {
        Monkey monkey(q, GetParam());
        for (int i = 0; i < kEventsPerSeed; ++i) {
            monkey.step(i);
            if (HasFatalFailure()) break;
        }
        // The play reached both the reveal and the verdict.
        EXPECT_GT(monkey.messages(), 0);
        EXPECT_GT(monkey.verdicts(), 0);
    }
    forms::SetRandomSourceForTesting({});
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Range(1u, 1u + kSeeds));

}  // namespace
