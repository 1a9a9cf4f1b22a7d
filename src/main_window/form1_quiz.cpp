// The quiz: 18 questions in shuffled order and of shuffled kinds, their prompts, and the
// verdict after the last one.
#include <cmath>

#include "forms/runtime_error.h"
#include "forms/services.h"
#include "main_window/form1.h"

using forms::Add16;
using forms::Alignment;

namespace {

// The quiz set, the elements 1 to 20 without neon and argon, as two-digit numbers.
const QString kQuizSet = QStringLiteral("010203040506070809111213141516171920");

}  // namespace

void Form1::Byrja_Click() {
    CorrectAnswers = 0;
    QuestionsAsked = 0;
    WrongTries = 0;
    ShuffleQuestions();
    QuestionIndex = 0;
    ctl("cmdNaesta").setVisible(false);
    NextQuestion();
}

void Form1::cmdNaesta_Click() {
    ctl("cmdNaesta").setVisible(false);
    NextQuestion();
}

void Form1::ShuffleQuestions() {
    forms::Randomize();
    OrderText = kQuizSet;
    // Each move brings a randomly chosen pair to the front; the others keep their order.
    for (int move = 1; move <= 10000; ++move) {
        const int p = 2 * static_cast<int>(std::floor(18 * forms::Rnd()));
        OrderText = OrderText.mid(p, 2) + OrderText.left(p) + OrderText.mid(p + 2);
    }
    for (int i = 1; i <= 18; ++i) {
        QuizElement(i) = OrderText.mid(2 * i - 2, 2).toShort();
        QuizKind(i) = static_cast<Int16>(std::floor(3 * forms::Rnd()));
    }
}

void Form1::NextQuestion() {
    if (QuestionIndex >= 18) {
        ShowFinalResult();
        return;
    }
    QuestionIndex = Add16(QuestionIndex, 1, "QuestionIndex");
    const Int16 kind = QuizKind(QuestionIndex);
    const ElementIndex element = QuizElement(QuestionIndex);
    switch (kind) {
        case 0:
            StartAtomQuestion(element);
            break;
        case 1:
            StartElementQuestion(element);
            break;
        case 2:
            StartParticleQuestion(element);
            break;
        default:
            break;
    }
}

void Form1::ShowFinalResult() {
    ClearQuestion();
    HideAtom();
    ShowElementCard(false, 1);
    ctl("lblSpurn2").setVisible(true);
    // The same percentage as the score line: the quotient first, the fraction dropped last.
    const double p = std::floor(static_cast<double>(CorrectAnswers) / QuestionsAsked * 100);
    struct Verdict {
        double above;
        const char* caption;
        ElementIndex metal;
    };
    static constexpr Verdict kVerdicts[] = {
        {90, "Frammistaða þín verðskuldar gull.", 79},
        {80, "Frammistaða þín verðskuldar silfur.", 47},
        {70, "Frammistaða þín verðskuldar kopar.", 29},
        {-1, "Frammistaða þín verðskuldar járn.", 26},  // 70 or less
    };
    for (const Verdict& verdict : kVerdicts) {
        if (p > verdict.above) {
            ctl("lblSpurn2").setCaption(QString::fromUtf8(verdict.caption));
            ShowElementPicture(true, verdict.metal);
            return;
        }
    }
}

void Form1::FinishQuestion() {
    ClearQuestion();
    ShowElementPicture(true, QuizElement(QuestionIndex));
    ctl("cmdNaesta").setVisible(true);
    ctl("cmdNaesta").setFocus();
}

void Form1::StartAtomQuestion(const ElementIndex& Element) {
    ClearQuestion();
    ShowElementPicture(false, Element);
    HideAtom();
    ShowElementCard(true, Element);
    AskProtons();
}

void Form1::StartElementQuestion(const ElementIndex& Element) {
    ClearQuestion();
    ctl("lblLeidbeining").setVisible(true);
    ShowElementCard(false, Element);
    HideAtom();
    ShowElementPicture(false, Element);
    ctl("lblSpurn1").setVisible(true);
    ctl("txtSvar1").setAlignment(Alignment::Left);
    ctl("lblSpurn1").setHeight(1000);
    ctl("txtSvar1").setVisible(true);
    ctl("lblStig").setVisible(true);
    ctl("lblSpurn1").setCaption(Module1::QuizQuestion(QuizElement(QuestionIndex)));
    ctl("txtSvar1").setFocus();
    QuestionCode = 8;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::StartParticleQuestion(const ElementIndex& Element) {
    AskParticleType(QuizElement(QuestionIndex));
    ShowElementPicture(false, Element);
    ctl("txtSvar1").setAlignment(Alignment::Right);
}

void Form1::AskParticleType(const ElementIndex& Element) {
    ClearQuestion();
    ShowElementCard(false, Element);
    DrawAtom(Module1::ParticleProtons(Element), Module1::ParticleNeutrons(Element),
             Module1::ParticleElectrons(Element));
    ctl("lblSpurn1").setVisible(true);
    ctl("lblSpurn1").setHeight(1000);
    ctl("txtSvar1").setVisible(true);
    ctl("lblStig").setVisible(true);
    ctl("lblSpurn1")
        .setCaption(QStringLiteral("Er þetta (1) jákvæð jón (2) neikvæð jón") + QChar(10) +
                    QStringLiteral("(3) sjaldgæf samsæta (4) óhlaðin frumeind?"));
    ctl("txtSvar1").setFocus();
    QuestionCode = 9;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::AskProtons() {
    ctl("lblSpurn1").setVisible(true);
    ctl("lblSpurn1").setHeight(375);
    ctl("txtSvar1").setVisible(true);
    ctl("lblStig").setVisible(true);
    ctl("lblSpurn1").setCaption(QStringLiteral("Hvað hefur þessi frumeind margar róteindir?"));
    ctl("txtSvar1").setAlignment(Alignment::Right);
    ctl("txtSvar1").setFocus();
    QuestionCode = 1;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::AskNeutrons() {
    ctl("lblSpurn1").setCaption(QStringLiteral("Hvað hefur þessi frumeind margar nifteindir?"));
    QuestionCode = 2;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::AskElectrons() {
    ctl("lblSpurn1").setCaption(QStringLiteral("Hvað hefur þessi frumeind margar rafeindir?"));
    QuestionCode = 3;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::AskShell1() {
    ctl("lblSpurn2").setVisible(true);
    ctl("txtSvar2").setVisible(true);
    ctl("txtSvar2").setFocus();
    ctl("lblSpurn2").setCaption(QStringLiteral("Hvað eru margar rafeindir í fyrsta hvolfi?"));
    QuestionCode = 4;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::AskShell2() {
    ctl("txtSvar2").setText(QString());
    ctl("lblSpurn2").setCaption(QStringLiteral("Hvað eru margar rafeindir í öðru hvolfi?"));
    ctl("imgBraut2").setVisible(true);
    QuestionCode = 5;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::AskShell3() {
    ctl("txtSvar2").setText(QString());
    ctl("lblSpurn2").setCaption(QStringLiteral("Hvað eru margar rafeindir í þriðja hvolfi?"));
    ctl("imgBraut3").setVisible(true);
    QuestionCode = 6;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}

void Form1::AskShell4() {
    ctl("txtSvar2").setText(QString());
    ctl("lblSpurn2").setCaption(QStringLiteral("Hvað eru margar rafeindir í fjórða hvolfi?"));
    ctl("imgBraut4").setVisible(true);
    QuestionCode = 7;
    QuestionsAsked = Add16(QuestionsAsked, 1, "QuestionsAsked");
}
