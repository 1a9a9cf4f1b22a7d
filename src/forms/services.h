// The message box, random numbers and number texts of the window services.
#pragma once

#include <QString>
#include <functional>

namespace forms {

// Button styles and results of the message box.
enum MsgBoxStyle { vbOKOnly = 0, vbCancelTryContinue = 6 };
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbTryAgain = 10, vbContinue = 11 };

// A modal message box without an icon; returns the button pressed. Style 6 gives the three
// buttons "Hætta við" (Cancel), "Reyna aftur" (Try Again) and "Halda áfram" (Continue); Esc and
// the close box count as Cancel. Each button's object name is its result's name
// ("vbCancel", "vbTryAgain", "vbContinue", "vbOK").
int MsgBox(const QString& prompt, int style, const QString& title);

// Seeds the random generator from the system clock.
void Randomize();
// The next uniform value in [0, 1).
double Rnd();
// Tests install a fixed sequence of values in place of the generator; an empty function
// puts the generator back.
void SetRandomSourceForTesting(std::function<double()> source);

// The signed form of a number: a blank before a non-negative number, a minus sign before a
// negative one (" 6", "-6").
QString SignedNumberText(int number);
// The plain form: the decimal digits alone ("12").
QString PlainNumberText(int number);

// A typed text read as a double-precision number by the rules of the session's locale
// (QLocale()), blanks before and after allowed.
struct TypedNumber {
    enum class Status { Number, NotANumber, OutOfRange };
    Status status = Status::NotANumber;
    double value = 0.0;  // meaningful when status is Number
};
TypedNumber ReadTypedNumber(const QString& text);

}  // namespace forms
