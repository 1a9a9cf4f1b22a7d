// The main window: the small periodic table of the elements 1 to 20, the element card, the
// atom drawing, the photographs, and the 18-question quiz with its score and verdict.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "elements/module1.h"
#include "forms/form.h"

class Form1 : public forms::Form {
public:
    Form1();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;
    void Form_Load() override;

private:
    using Int16 = std::int16_t;

    // Quiz flow (form1_quiz.cpp).
    void ShuffleQuestions();
    void NextQuestion();
    void ShowFinalResult();
    void FinishQuestion();
    // Display of the card, the atom and the photographs (form1_display.cpp).
    void ClearQuestion();
    void HideAtom();
    void DrawAtom(const Int16& Protons, const Int16& Neutrons, const Int16& Electrons);
    void ShowElementCard(bool Display, const ElementIndex& Element);
    void ShowParticleCard(bool Display, const ElementIndex& Element);
    void ShowElementPicture(bool Display, const ElementIndex& Element);
    // Starters and prompts (form1_quiz.cpp).
    void StartAtomQuestion(const ElementIndex& Element);
    void StartElementQuestion(const ElementIndex& Element);
    void StartParticleQuestion(const ElementIndex& Element);
    void AskParticleType(const ElementIndex& Element);
    void AskProtons();
    void AskNeutrons();
    void AskElectrons();
    void AskShell1();
    void AskShell2();
    void AskShell3();
    void AskShell4();
    // Menus (form1.cpp) and quiz commands (form1_quiz.cpp).
    void mnBygging_Click();
    void mnHaetta_Click();
    void Byrja_Click();
    void cmdNaesta_Click();
    void mnHeiti_Click();
    void mnLotukerfid_Click();
    void mnSkilgreiningar_Click();
    void mnUm_Click();
    // Answer entry and checks (form1_answers.cpp).
    void txtSvar1_KeyDown(Int16& KeyCode, Int16& Shift);
    void txtSvar2_KeyDown(Int16& KeyCode, Int16& Shift);
    void CheckShell1();
    void CheckShell2();
    void CheckShell3();
    void CheckShell4();
    // Marking, reveal and score (form1_marking.cpp).
    void MarkRight2();
    void MarkWrong2();
    void MarkRight1();
    void MarkWrong1();
    void ShowRightAnswer(Int16 Code);
    // Checks (form1_answers.cpp).
    void CheckSymbol();
    void CheckParticleType();
    void CheckNeutrons();
    void CheckProtons();
    void CheckElectrons();
    void ShowScore();

    // Electron positions in twips, indexed by electron number; filled by Form_Load.
    FixedTable<Int16, 1, 20> ElectronLeft{"ElectronLeft"};
    FixedTable<Int16, 1, 20> ElectronTop{"ElectronTop"};

    // Quiz state.
    Int16 QuestionIndex = 0;  // 0 = no question yet; else 1 to 18
    FixedTable<ElementIndex, 1, 18> QuizElement{"QuizElement"};
    FixedTable<Int16, 1, 18> QuizKind{"QuizKind"};  // 0 build the atom, 1 riddle, 2 particle
    QString OrderText;                              // 18 two-digit atomic numbers
    Int16 QuestionCode = 0;                         // the open prompt, 1 to 9
    Int16 QuestionsAsked = 0;
    Int16 CorrectAnswers = 0;
    Int16 WrongTries = 0;

    friend class Form1Probe;  // tests read the quiz state through it
};
