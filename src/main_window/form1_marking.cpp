// Marking of a judged answer: the box's colour, the counters, the reveal of the right answer
// after the second wrong try, and the score line.
#include <cmath>

#include "forms/runtime_error.h"
#include "forms/services.h"
#include "main_window/form1.h"

using forms::Add16;

namespace {

constexpr forms::ColourValue kWhite = 0x00FFFFFF;
constexpr forms::ColourValue kRed = 0x000000FF;

}  // namespace

void Form1::MarkRight1() {
    WrongTries = 0;
    CorrectAnswers = Add16(CorrectAnswers, 1, "CorrectAnswers");
    ShowScore();
    ctl("txtSvar1").setText(QString());
    ctl("txtSvar1").setBackColor(kWhite);
}

void Form1::MarkRight2() {
    WrongTries = 0;
    CorrectAnswers = Add16(CorrectAnswers, 1, "CorrectAnswers");
    ShowScore();
    ctl("txtSvar2").setText(QString());
    ctl("txtSvar2").setBackColor(kWhite);
}

void Form1::MarkWrong1() {
    WrongTries = Add16(WrongTries, 1, "WrongTries");
    ShowScore();
    ctl("txtSvar1").setText(QString());
    ctl("txtSvar1").setBackColor(kRed);
    if (WrongTries == 2) {
        ShowRightAnswer(QuestionCode);
        WrongTries = 0;
    }
}

void Form1::MarkWrong2() {
    WrongTries = Add16(WrongTries, 1, "WrongTries");
    ShowScore();
    ctl("txtSvar2").setText(QString());
    ctl("txtSvar2").setBackColor(kRed);
    if (WrongTries == 2) {
        ShowRightAnswer(QuestionCode);
        WrongTries = 0;
    }
}

void Form1::ShowRightAnswer(Int16 Code) {
    if (Code < 1 || Code > 9) return;
    const ElementIndex element = QuizElement(QuestionIndex);
    const Int16 z = Module1::AtomicNumber(element);
    forms::Control& upper = ctl("txtSvar1");
    forms::Control& lower = ctl("txtSvar2");
    const auto showElectrons = [this](int first, int last) {
        for (int i = first; i <= last; ++i) ctl("imgRafeind", i).setVisible(true);
    };
    // The message names the answer after "Rétt svar er "; numbers of codes 1 and 3 in the
    // signed form, every other answer as it stands in its box.
    const auto tell = [](const QString& answer) {
        forms::MsgBox(QStringLiteral("Rétt svar er ") + answer, forms::vbCancelTryContinue,
                      QStringLiteral("Rétt svar"));
    };
    const auto offerNextQuestion = [this] {
        ctl("cmdNaesta").setVisible(true);
        ctl("cmdNaesta").setFocus();
    };

    switch (Code) {
        case 1: {
            upper.setText(forms::PlainNumberText(z));
            upper.setBackColor(kWhite);
            tell(forms::SignedNumberText(z));
            ctl("lblKjarni").setCaption(QStringLiteral("R:") + upper.text());
            upper.setText(QString());
            ctl("lblKjarni").setVisible(true);
            ctl("imgKjarni").setVisible(true);
            AskNeutrons();
            break;
        }
        case 2: {
            upper.setText(forms::PlainNumberText(Module1::MassNumber(element) - z));
            upper.setBackColor(kWhite);
            tell(upper.text());
            ctl("lblKjarni")
                .setCaption(ctl("lblKjarni").caption() + QChar(10) + QStringLiteral("N:") +
                            upper.text());
            upper.setText(QString());
            AskElectrons();
            break;
        }
        case 3: {
            upper.setText(forms::PlainNumberText(z));
            upper.setBackColor(kWhite);
            tell(forms::SignedNumberText(z));
            ctl("imgBraut1").setVisible(true);
            AskShell1();
            break;
        }
        case 4: {
            ctl("imgRafeind", 1).setVisible(true);
            lower.setText(element == 1 ? QStringLiteral("1") : QStringLiteral("2"));
            if (element != 1) ctl("imgRafeind", 2).setVisible(true);
            lower.setBackColor(kWhite);
            tell(lower.text());
            lower.setText(QString());
            if (element > 2) {
                AskShell2();
            } else {
                FinishQuestion();
            }
            break;
        }
        case 5: {
            const int n = z <= 10 ? z - 2 : 8;
            lower.setText(forms::PlainNumberText(n));
            showElectrons(3, 2 + n);
            lower.setBackColor(kWhite);
            tell(lower.text());
            if (element > 10) {
                AskShell3();
            } else {
                FinishQuestion();
            }
            break;
        }
        case 6: {
            const int n = z <= 18 ? z - 10 : 8;
            lower.setText(z <= 18 ? forms::SignedNumberText(n) : forms::PlainNumberText(n));
            showElectrons(11, 10 + n);
            lower.setBackColor(kWhite);
            tell(lower.text());
            if (element > 18) {
                AskShell4();
            } else {
                FinishQuestion();
            }
            break;
        }
        case 7: {
            const int n = z == 19 ? 1 : 2;
            lower.setText(forms::PlainNumberText(n));
            showElectrons(19, 18 + n);
            lower.setBackColor(kWhite);
            tell(lower.text());
            FinishQuestion();
            break;
        }
        case 8: {
            upper.setText(Module1::ElementSymbol(element));
            upper.setBackColor(kWhite);
            tell(upper.text());
            ClearQuestion();
            ShowElementCard(true, element);
            ShowElementPicture(true, element);
            offerNextQuestion();
            break;
        }
        case 9: {
            upper.setText(Module1::ParticleTypeAnswer(element));
            upper.setBackColor(kWhite);
            tell(upper.text());
            ClearQuestion();
            ShowParticleCard(true, element);
            ShowElementPicture(true, element);
            offerNextQuestion();
            break;
        }
        default:
            break;
    }
}

void Form1::ShowScore() {
    // The quotient first, in double precision, then the hundredfold, the fraction dropped last.
    const double p = std::floor(static_cast<double>(CorrectAnswers) / QuestionsAsked * 100);
    ctl("lblStig").setCaption(QStringLiteral("Frammistaða: ") +
                              forms::SignedNumberText(static_cast<int>(p)) + QStringLiteral("%"));
}
