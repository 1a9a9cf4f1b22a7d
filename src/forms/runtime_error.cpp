#include "forms/runtime_error.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace forms {

namespace {

QString describe(RuntimeErrorNumber number) {
    switch (number) {
        case RuntimeErrorNumber::Overflow:
            return QStringLiteral("Yfirflæði");
        case RuntimeErrorNumber::SubscriptOutOfRange:
            return QStringLiteral("Vísir utan marka");
    }
    return QStringLiteral("Óþekkt villa");
}

bool onRealScreen() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

void RaiseRuntimeError(RuntimeErrorNumber number, const QString& where) {
    const QString message = QStringLiteral("Keyrsluvilla %1: %2 (%3)")
                                .arg(static_cast<int>(number))
                                .arg(describe(number), where);
    std::fprintf(stderr, "tarnok: %s\n", message.toUtf8().constData());
    std::fflush(stderr);
    if (onRealScreen()) {
        QMessageBox::critical(nullptr, QStringLiteral("Tarnok"), message);
    }
    std::abort();
}

std::int16_t Add16(std::int16_t counter, int step, const char* name) {
    const int result = counter + step;
    if (result < -32768 || result > 32767) {
        RaiseRuntimeError(RuntimeErrorNumber::Overflow, QString::fromLatin1(name));
    }
    return static_cast<std::int16_t>(result);
}

}  // namespace forms
