#include "support/ui.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <memory>

namespace ui {

QWidget* findWindow(const QString& className) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == className && widget->isVisible()) return widget;
    }
    return nullptr;
}

int countWindows(const QString& className) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == className && widget->isVisible()) ++count;
    }
    return count;
}

QString caption(QWidget* window, const QString& name) {
    QWidget* widget = control(window, name);
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    return {};
}

bool shows(QWidget* window, const QString& name) {
    QWidget* widget = control(window, name);
    return widget != nullptr && widget->isVisible();
}

forms::ColourValue background(QWidget* window, const QString& name) {
    QWidget* widget = control(window, name);
    if (widget == nullptr) return 0xFFFFFFFFu;
    const QColor colour = qobject_cast<QLineEdit*>(widget)
                              ? widget->palette().color(QPalette::Base)
                              : widget->palette().color(QPalette::Window);
    return static_cast<forms::ColourValue>(colour.red()) |
           static_cast<forms::ColourValue>(colour.green()) << 8 |
           static_cast<forms::ColourValue>(colour.blue()) << 16;
}

void click(QWidget* widget) {
    if (widget == nullptr) return;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    settle();
}

void click(QWidget* window, const QString& name) {
    click(control(window, name));
}

void chooseMenuItem(QWidget* window, const QString& itemName) {
    auto* action = window ? window->findChild<QAction*>(itemName) : nullptr;
    if (action == nullptr) {
        ADD_FAILURE() << "no menu item " << itemName.toStdString();
        return;
    }
    EXPECT_TRUE(action->isEnabled() && action->isVisible());
    action->trigger();
    settle();
}

static QWidget* focusTarget(QWidget* window) {
    QWidget* focus = window ? window->focusWidget() : nullptr;
    return focus ? focus : window;
}

void typeText(QWidget* window, const QString& text) {
    // QTest types only ASCII; the letters of an Icelandic keyboard (á, ð, þ, ...) come as
    // key presses carrying their text.
    for (const QChar c : text) {
        QWidget* target = focusTarget(window);
        if (c.unicode() < 128) {
            QTest::keyClicks(target, QString(c));
            continue;
        }
        const auto key =
            c.toUpper().unicode() < 256 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
    settle();
}

void pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(focusTarget(window), key, modifiers);
    settle();
}

void activate(QWidget* window) {
    if (window == nullptr) return;
    window->activateWindow();
    QApplication::setActiveWindow(window);
    settle();
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void answerNextMessageBox(std::function<void(QMessageBox*)> answer) {
    // Looks for the box every 5 ms for at most 10 s, then gives up and goes away.
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            if (++*tries > 2000) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        answer(box);
    });
    timer->start();
}

void answerNextMessageBoxWith(const QString& buttonObjectName) {
    answerNextMessageBox([buttonObjectName](QMessageBox* box) {
        auto* button = box->findChild<QAbstractButton*>(buttonObjectName);
        if (button == nullptr) {
            ADD_FAILURE() << "no message box button " << buttonObjectName.toStdString();
            box->reject();
            return;
        }
        button->click();
    });
}

QString screenshot(QWidget* window, const QString& fileName) {
    QString folder = qEnvironmentVariable("TARNOK_SCREENSHOTS");
    if (folder.isEmpty()) folder = QStringLiteral(TARNOK_SCREENSHOT_FOLDER);
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(fileName);
    if (window != nullptr) window->grab().save(path);
    return path;
}

}  // namespace ui
