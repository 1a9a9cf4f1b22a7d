#include "forms/services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>
#include <cstdint>
#include <random>

namespace forms {

int MsgBox(const QString& prompt, int style, const QString& title) {
    // Owned by the active window, which becomes active again when the box closes.
    QMessageBox box(QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowModality(Qt::ApplicationModal);

    struct ButtonSpec {
        const char* caption;
        MsgBoxResult result;
        const char* objectName;
        QMessageBox::ButtonRole role;
    };
    // Action buttons stand in the order they are added, as the desktop places them.
    std::vector<ButtonSpec> buttons;
    if ((style & 7) == vbCancelTryContinue) {
        buttons = {{"Hætta við", vbCancel, "vbCancel", QMessageBox::ActionRole},
                   {"Reyna aftur", vbTryAgain, "vbTryAgain", QMessageBox::ActionRole},
                   {"Halda áfram", vbContinue, "vbContinue", QMessageBox::ActionRole}};
    } else {
        buttons = {{"Í lagi", vbOK, "vbOK", QMessageBox::AcceptRole}};
    }
    std::vector<std::pair<QPushButton*, MsgBoxResult>> added;
    for (const ButtonSpec& spec : buttons) {
        QPushButton* button = box.addButton(QString::fromUtf8(spec.caption), spec.role);
        button->setObjectName(QString::fromLatin1(spec.objectName));
        added.emplace_back(button, spec.result);
    }
    box.setDefaultButton(added.front().first);
    box.setEscapeButton(added.front().first);
    box.exec();
    for (const auto& [button, result] : added) {
        if (box.clickedButton() == button) return result;
    }
    return added.front().second;  // closed without a button: as Esc
}

namespace {

std::mt19937_64& generator() {
    static std::mt19937_64 engine{std::random_device{}()};
    return engine;
}

std::function<double()>& testSource() {
    static std::function<double()> source;
    return source;
}

}  // namespace

void Randomize() {
    generator().seed(
        static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^
        static_cast<std::uint64_t>(QDateTime::currentDateTime().time().msecsSinceStartOfDay())
            << 20);
}

double Rnd() {
    if (testSource()) return testSource()();
    // 53 random bits make a double in [0, 1); 1.0 itself never comes.
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

void SetRandomSourceForTesting(std::function<double()> source) {
    testSource() = std::move(source);
}

QString SignedNumberText(int number) {
    return number >= 0 ? QLatin1Char(' ') + QString::number(number) : QString::number(number);
}

QString PlainNumberText(int number) {
    return QString::number(number);
}

TypedNumber ReadTypedNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    const QLocale locale;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (ok && std::isfinite(value)) return {TypedNumber::Status::Number, value};
    if (ok) return {};  // "inf" and "nan" are words, not numbers
    // The locale's reader fails on a number too large for a double (with an infinity) and
    // on one too small to tell from zero: both are well-formed numbers out of range.
    const QRegularExpression numberForm(
        QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)$")
            .arg(QRegularExpression::escape(locale.decimalPoint())));
    if (std::isinf(value) || numberForm.match(trimmed).hasMatch()) {
        return {TypedNumber::Status::OutOfRange, 0.0};
    }
    return {};
}

}  // namespace forms
