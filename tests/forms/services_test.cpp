// The services beside the windows: number texts, reading typed numbers, colours, fonts,
// the message box and the run-time errors of 16-bit counters.
#include "forms/services.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <ostream>

#include "forms/runtime_error.h"
#include "forms/units.h"
#include "support/ui.h"

using namespace forms;

// Failure messages show texts as texts.
namespace {

TEST(NumberTexts, SignedAndPlainForms) {
    const struct {
        int number;
        const char* signedForm;
        const char* plainForm;
    } cases[] = {
        {6, " 6", "6"},    {-6, "-6", "-6"},           {0, " 0", "0"},
        {12, " 12", "12"}, {32767, " 32767", "32767"}, {-32768, "-32768", "-32768"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignedNumberText(c.number), c.signedForm);
        EXPECT_EQ(PlainNumberText(c.number), c.plainForm);
    }
}

// Sets the session's locale for one test and puts the previous one back.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

using Status = TypedNumber::Status;

const char* nameOf(Status status) {
    switch (status) {
        case Status::Number:
            return "Number";
        case Status::NotANumber:
            return "NotANumber";
        case Status::OutOfRange:
            return "OutOfRange";
    }
    return "?";
}

struct TypedCase {
    const char* text;
    Status status;
    double value;
};

void expectRead(const TypedCase& c) {
    const TypedNumber read = ReadTypedNumber(QString::fromUtf8(c.text));
    EXPECT_STREQ(nameOf(read.status), nameOf(c.status)) << '"' << c.text << '"';
    if (c.status == Status::Number) {
        EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
    }
}

TEST(ReadTypedNumber, CLocale) {
    const LocaleScope scope(QLocale::c());
    const TypedCase cases[] = {
        {" 6 ", Status::Number, 6},        {"6", Status::Number, 6},
        {"-6", Status::Number, -6},        {"6.5", Status::Number, 6.5},
        {"abc", Status::NotANumber, 0},    {"6a", Status::NotANumber, 0},
        {"inf", Status::NotANumber, 0},    {"nan", Status::NotANumber, 0},
        {"", Status::NotANumber, 0},       {"   ", Status::NotANumber, 0},
        {"1e999", Status::OutOfRange, 0},  {"-1e999", Status::OutOfRange, 0},
        {"1e-999", Status::OutOfRange, 0},
    };
    for (const auto& c : cases) expectRead(c);
}

TEST(ReadTypedNumber, IcelandicLocale) {
    const LocaleScope scope(QLocale(QLocale::Icelandic, QLocale::Iceland));
    const TypedCase cases[] = {
        {"6,0", Status::Number, 6},
        {" 6,5 ", Status::Number, 6.5},
        {"abc", Status::NotANumber, 0},
        {"1e999", Status::OutOfRange, 0},
    };
    for (const auto& c : cases) expectRead(c);
}

TEST(Colours, ValuesAndSystemColours) {
    const struct {
        ColourValue value;
        QColor colour;
    } cases[] = {
        {0x000000FF, QColor(255, 0, 0)},     {0x0000FF00, QColor(0, 255, 0)},
        {0x00FF0000, QColor(0, 0, 255)},     {0x00FF8080, QColor(128, 128, 255)},
        {0x00C0C0C0, QColor(192, 192, 192)}, {0x00000000, QColor(0, 0, 0)},
    };
    for (const auto& c : cases) EXPECT_EQ(ToQColor(c.value), c.colour) << std::hex << c.value;
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(ToQColor(colours::WindowBackground), palette.color(QPalette::Base));
    EXPECT_EQ(ToQColor(colours::WindowText), palette.color(QPalette::Text));
    EXPECT_EQ(ToQColor(colours::ButtonFace), palette.color(QPalette::Button));
}

TEST(Fonts, EveryFaceMapsToAnInstalledFontAtItsPixelSize) {
    const struct {
        const char* face;
        double points;
        bool bold;
        int pixels;
    } cases[] = {
        {"MS Sans Serif", 8.25, false, 10}, {"MS Sans Serif", 8.25, true, 10},
        {"MS Sans Serif", 12, false, 15},   {"MS Sans Serif", 13.5, false, 17},
        {"Arial", 18, false, 24},           {"Arial", 30, false, 40},
        {"Small Fonts", 6, false, 8},
    };
    for (const auto& c : cases) {
        const QFontInfo info(ToQFont(c.face, c.points, c.bold));
        EXPECT_EQ(info.family(), "Liberation Sans") << c.face;
        EXPECT_EQ(info.pixelSize(), c.pixels) << c.face << ' ' << c.points;
        EXPECT_EQ(info.bold(), c.bold) << c.face;
    }
}

// --- Message box ----------------------------------------------------------------------

TEST(MsgBox, ThreeButtonStyleReturnsTheButtonPressed) {
    const struct {
        const char* answer;
        std::function<void(QMessageBox*)> press;
        int result;
    } cases[] = {
        {"Hætta við", [](QMessageBox* box) { box->findChild<QPushButton*>("vbCancel")->click(); },
         vbCancel},
        {"Reyna aftur",
         [](QMessageBox* box) { box->findChild<QPushButton*>("vbTryAgain")->click(); }, vbTryAgain},
        {"Halda áfram",
         [](QMessageBox* box) { box->findChild<QPushButton*>("vbContinue")->click(); }, vbContinue},
        {"Esc", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, vbCancel},
        {"close box", [](QMessageBox* box) { box->close(); }, vbCancel},
    };
    for (const auto& c : cases) {
        QString text, title;
        QStringList leftToRight;
        QMessageBox::Icon icon = QMessageBox::Information;
        ui::answerNextMessageBox([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            QList<QAbstractButton*> buttons = box->buttons();
            std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
                return a->mapToGlobal(QPoint(0, 0)).x() < b->mapToGlobal(QPoint(0, 0)).x();
            });
            for (QAbstractButton* button : buttons) leftToRight << button->text();
            c.press(box);
        });
        const int result = MsgBox("Rangt svar.", vbCancelTryContinue, "Tarnok");
        EXPECT_EQ(result, c.result) << c.answer;
        EXPECT_EQ(text, "Rangt svar.");
        EXPECT_EQ(title, "Tarnok");
        EXPECT_EQ(icon, QMessageBox::NoIcon);
        EXPECT_EQ(leftToRight, QStringList({"Hætta við", "Reyna aftur", "Halda áfram"}));
    }
}

// --- Run-time errors ------------------------------------------------------------------

TEST(Add16, CountsWithinSixteenBits) {
    EXPECT_EQ(Add16(0, 1, "n"), 1);
    EXPECT_EQ(Add16(32766, 1, "n"), 32767);
    EXPECT_EQ(Add16(-32767, -1, "n"), -32768);
}

TEST(Add16DeathTest, OverflowStopsTheProgramNamingTheCounter) {
    EXPECT_DEATH(Add16(32767, 1, "QuestionsAsked"), "QuestionsAsked");
    EXPECT_DEATH(Add16(-32768, -1, "CorrectAnswers"), "CorrectAnswers");
}

}  // namespace
