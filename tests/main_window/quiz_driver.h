// Driving the main window's quiz as a pupil does, and reading what its screen shows: the
// open prompt, the card, the drawn particle. Form1Probe reads the quiz state for the
// invariants that the screen cannot show.
#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "main_window/form1.h"
#include "support/ui.h"

// The quiz state of a Form1, and its display procedures for the cases that no question
// reaches (an atom of 0 or 19 electrons).
class Form1Probe {
public:
    explicit Form1Probe(Form1& form) : form_(form) {}
    std::int16_t questionsAsked() const { return form_.QuestionsAsked; }
    std::int16_t correctAnswers() const { return form_.CorrectAnswers; }
    std::int16_t wrongTries() const { return form_.WrongTries; }
    std::int16_t questionCode() const { return form_.QuestionCode; }
    std::int16_t questionIndex() const { return form_.QuestionIndex; }
    ElementIndex quizElement(int i) const { return form_.QuizElement(i); }
    std::int16_t quizKind(int i) const { return form_.QuizKind(i); }
    const QString& orderText() const { return form_.OrderText; }
    // The element of the open or settled question.
    ElementIndex currentElement() const { return form_.QuizElement(form_.QuestionIndex); }

    void drawAtom(std::int16_t protons, std::int16_t neutrons, std::int16_t electrons) {
        form_.DrawAtom(protons, neutrons, electrons);
    }
    void showElementCard(bool display, ElementIndex element) {
        form_.ShowElementCard(display, element);
    }
    void showParticleCard(bool display, ElementIndex element) {
        form_.ShowParticleCard(display, element);
    }
    void showElementPicture(bool display, ElementIndex element) {
        form_.ShowElementPicture(display, element);
    }
    void clearQuestion() { form_.ClearQuestion(); }

private:
    Form1& form_;
};

namespace quiz {

// The question kinds.
enum Kind { Atom = 0, Riddle = 1, Particle = 2 };

// The quiz set in its starting order.
const std::vector<int>& QuizSet();

// The random values that make one shuffle give the questions in the order `front` (the
// elements named first, the rest of the quiz set after them in their starting order) with
// the kinds `kinds` (question 1 first; questions without a kind given get kind 0).
std::vector<double> ShuffleDraws(const std::vector<int>& front, const std::vector<int>& kinds);

// Installs a fixed sequence of random values, repeated from its start when used up, and
// counts the values drawn. Puts the generator back when destroyed.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<double> values);
    ~ScriptedRandom();
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;
    long drawn() const { return *drawn_; }

private:
    std::shared_ptr<long> drawn_ = std::make_shared<long>(0);
};

// The open prompt, as the screen shows it.
enum class Prompt {
    None,
    Protons,
    Neutrons,
    Electrons,
    Shell1,
    Shell2,
    Shell3,
    Shell4,
    Riddle,
    Particle
};
const char* PromptName(Prompt prompt);
// Shell prompts go to the lower box, the others to the upper one.
bool InLowerBox(Prompt prompt);

// What the reveal's message box showed, and the answer boxes while it was on screen.
struct Reveal {
    bool shown = false;
    QString text;
    QString title;
    QStringList buttons;  // object names
    QString upperText, lowerText;
    forms::ColourValue upperBack = 0, lowerBack = 0;
    int electrons = 0;
    bool nucleusShown = false;  // the nucleus picture
    QString nucleusCaption;
    bool ring1Shown = false;
    bool cardShown = false;  // the card's background
    std::vector<int> photographs;
    bool naestaShown = false;
};

// A main window on screen, driven through its menus and keys.
class QuizWindow {
public:
    QuizWindow();
    ~QuizWindow();

    Form1& form() { return *form_; }
    Form1Probe& probe() { return probe_; }
    QWidget* window() const { return form_->window(); }

    // Reading the screen.
    QString caption(const QString& name) const;
    bool shows(const QString& name) const;
    forms::ColourValue background(const QString& name) const;
    QString focusName() const;
    // How many of the 20 electrons show, and whether exactly the first n do.
    int electronsShown() const;
    bool firstElectronsShown(int n) const;
    // The photographs that show (atomic numbers).
    std::vector<int> photographsShown() const;
    Prompt prompt() const;
    // The box of the open prompt ("txtSvar1" or "txtSvar2").
    const char* promptBox() const;

    // Acting as a pupil.
    void chooseByrja();
    void type(const QString& text);
    void pressEnter(Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types text into the focused box and confirms it with Enter.
    void answer(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The same, for an answer that makes the reveal's message box come: the box is answered
    // with the button of that object name (or with Esc for "Esc", its close box for "close").
    Reveal answerRevealing(const QString& text, const QString& closeWith = "vbContinue");
    // Enter on the focused "Næsta spurning" button.
    void next();

    // The next message box goes to handler, which closes it.
    void answerNextMessageBox(std::function<void(QMessageBox*)> handler) {
        nextBox_ = std::move(handler);
    }
    // Message boxes that came when no answer expected one; each is closed at once (the
    // main window's timer watches for them).
    const QStringList& unexpectedMessages() const { return unexpected_; }
    // Replaces that: every message box goes to handler.
    void answerEveryMessageBox(std::function<void(QMessageBox*)> handler);

private:
    void watchMessageBoxes();

    std::unique_ptr<Form1> form_;
    Form1Probe probe_;
    QTimer watchdog_;
    std::function<void(QMessageBox*)> nextBox_;  // answers the next message box
    QStringList unexpected_;
    std::function<void(QMessageBox*)> everyBox_;
};

// What a pupil who knows the chemistry answers, from what the screen shows: the card's
// numbers for an atom, the riddle's text, the drawn particle's counts.
QString RightAnswer(const QuizWindow& quiz, Prompt prompt);

// The score line for correct of asked, and the verdict caption and metal for a percentage.
QString ScoreLine(int correct, int asked);
int Percentage(int correct, int asked);
QString VerdictCaption(int percentage);
int VerdictMetal(int percentage);

}  // namespace quiz
