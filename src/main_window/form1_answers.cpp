// Answer entry: Enter in an answer box sends its text to the check of the open prompt, which
// compares it with the right answer from the element tables.
#include "forms/runtime_error.h"
#include "forms/services.h"
#include "main_window/form1.h"

using forms::Add16;

namespace {

constexpr forms::ColourValue kWhite = 0x00FFFFFF;
constexpr std::int16_t kEnter = 13;  // the key code of Enter

// Whether a key press confirms the box's text: Enter, whatever the shift state, on a text
// that holds something besides blanks.
bool confirms(std::int16_t keyCode, const QString& text) {
    if (keyCode != kEnter) return false;
    for (const QChar c : text) {
        if (c != QLatin1Char(' ')) return true;
    }
    return false;
}

// Whether the typed text reads as exactly the number right. A text that is no number, or a
// number out of a double's range, is a wrong answer like any other.
bool typedNumberIs(const QString& text, int right) {
    const forms::TypedNumber typed = forms::ReadTypedNumber(text);
    return typed.status == forms::TypedNumber::Status::Number && typed.value == right;
}

}  // namespace

void Form1::txtSvar1_KeyDown(Int16& KeyCode, Int16& /*Shift*/) {
    if (!confirms(KeyCode, ctl("txtSvar1").text())) return;
    switch (QuestionCode) {
        case 1:
            CheckProtons();
            break;
        case 2:
            CheckNeutrons();
            break;
        case 3:
            CheckElectrons();
            break;
        case 8:
            CheckSymbol();
            break;
        case 9:
            CheckParticleType();
            break;
        default:
            break;
    }
}

void Form1::txtSvar2_KeyDown(Int16& KeyCode, Int16& /*Shift*/) {
    if (!confirms(KeyCode, ctl("txtSvar2").text())) return;
    switch (QuestionCode) {
        case 4:
            CheckShell1();
            break;
        case 5:
            CheckShell2();
            break;
        case 6:
            CheckShell3();
            break;
        case 7:
            CheckShell4();
            break;
        default:
            break;
    }
}

void Form1::CheckProtons() {
    const ElementIndex element = QuizElement(QuestionIndex);
    if (!typedNumberIs(ctl("txtSvar1").text(), Module1::AtomicNumber(element))) {
        MarkWrong1();
        return;
    }
    ctl("lblKjarni").setCaption(QStringLiteral("R:") + ctl("txtSvar1").text());
    ctl("lblKjarni").setVisible(true);
    ctl("imgKjarni").setVisible(true);
    MarkRight1();
    AskNeutrons();
}

void Form1::CheckNeutrons() {
    const ElementIndex element = QuizElement(QuestionIndex);
    const int neutrons = Module1::MassNumber(element) - Module1::AtomicNumber(element);
    if (!typedNumberIs(ctl("txtSvar1").text(), neutrons)) {
        MarkWrong1();
        return;
    }
    ctl("lblKjarni")
        .setCaption(ctl("lblKjarni").caption() + QChar(10) + QStringLiteral("N:") +
                    ctl("txtSvar1").text());
    MarkRight1();
    AskElectrons();
}

void Form1::CheckElectrons() {
    const ElementIndex element = QuizElement(QuestionIndex);
    if (!typedNumberIs(ctl("txtSvar1").text(), Module1::AtomicNumber(element))) {
        MarkWrong1();
        return;
    }
    // The number stays in the box, white, while the shells are asked below it.
    WrongTries = 0;
    CorrectAnswers = Add16(CorrectAnswers, 1, "CorrectAnswers");
    ShowScore();
    ctl("imgBraut1").setVisible(true);
    ctl("txtSvar1").setBackColor(kWhite);
    AskShell1();
}

void Form1::CheckShell1() {
    const ElementIndex element = QuizElement(QuestionIndex);
    const int right = element == 1 ? 1 : 2;
    if (!typedNumberIs(ctl("txtSvar2").text(), right)) {
        MarkWrong2();
        return;
    }
    for (int i = 1; i <= right; ++i) ctl("imgRafeind", i).setVisible(true);
    MarkRight2();
    if (element > 2) {
        AskShell2();
    } else {
        FinishQuestion();
    }
}

void Form1::CheckShell2() {
    const ElementIndex element = QuizElement(QuestionIndex);
    const int z = Module1::AtomicNumber(element);
    const int right = z - 2 <= 8 ? z - 2 : 8;
    if (!typedNumberIs(ctl("txtSvar2").text(), right)) {
        MarkWrong2();
        return;
    }
    for (int i = 3; i <= 2 + right; ++i) ctl("imgRafeind", i).setVisible(true);
    MarkRight2();
    if (element > 10) {
        AskShell3();
    } else {
        FinishQuestion();
    }
}

void Form1::CheckShell3() {
    const ElementIndex element = QuizElement(QuestionIndex);
    const int z = Module1::AtomicNumber(element);
    const int right = z - 10 <= 8 ? z - 10 : 8;
    if (!typedNumberIs(ctl("txtSvar2").text(), right)) {
        MarkWrong2();
        return;
    }
    for (int i = 11; i <= 10 + right; ++i) ctl("imgRafeind", i).setVisible(true);
    MarkRight2();
    if (element > 18) {
        AskShell4();
    } else {
        FinishQuestion();
    }
}

void Form1::CheckShell4() {
    const ElementIndex element = QuizElement(QuestionIndex);
    const int right = Module1::AtomicNumber(element) - 18;
    if (!typedNumberIs(ctl("txtSvar2").text(), right)) {
        MarkWrong2();
        return;
    }
    for (int i = 19; i <= 18 + right; ++i) ctl("imgRafeind", i).setVisible(true);
    MarkRight2();
    FinishQuestion();
}

void Form1::CheckSymbol() {
    const ElementIndex element = QuizElement(QuestionIndex);
    if (ctl("txtSvar1").text() != Module1::ElementSymbol(element)) {
        MarkWrong1();
        return;
    }
    MarkRight1();
    ClearQuestion();
    ShowElementCard(true, element);
    ShowElementPicture(true, element);
    ctl("cmdNaesta").setVisible(true);
    ctl("cmdNaesta").setFocus();
}

void Form1::CheckParticleType() {
    const ElementIndex element = QuizElement(QuestionIndex);
    if (ctl("txtSvar1").text() != Module1::ParticleTypeAnswer(element)) {
        MarkWrong1();
        return;
    }
    ClearQuestion();
    MarkRight1();
    ShowParticleCard(true, element);
    ShowElementPicture(true, element);
    ctl("cmdNaesta").setVisible(true);
    ctl("cmdNaesta").setFocus();
}
