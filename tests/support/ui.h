// Driving the real windows as a pupil does, on the offscreen platform: find windows and
// controls by their names, click, type, press keys, answer message boxes, take screenshots.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <ostream>

#include "forms/units.h"

// Lets GoogleTest print texts readably in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ui {

// The loaded (visible) top-level window whose object name is className, or nullptr.
QWidget* findWindow(const QString& className);
// How many visible top-level windows carry that class name.
int countWindows(const QString& className);

// The control named name ("lblStig", "lblFr(12)") in window; fails the test when missing.
template <typename T = QWidget>
T* control(QWidget* window, const QString& name) {
    T* found = window ? window->findChild<T*>(name) : nullptr;
    if (found == nullptr) ADD_FAILURE() << "no control " << name.toStdString();
    return found;
}

// Twips as the offscreen screen shows them (15 twips a pixel).
inline int px(forms::Twips twips) {
    return forms::ToPixels(twips);
}

// What a label shows.
QString caption(QWidget* window, const QString& name);
// Whether the control shows (itself and everything it lies in).
bool shows(QWidget* window, const QString& name);
// The background colour a label or box paints, as &H00BBGGRR.
forms::ColourValue background(QWidget* window, const QString& name);

// Click a widget in its middle with the left mouse button (or click an action's menu item).
void click(QWidget* widget);
void click(QWidget* window, const QString& name);
// Trigger a menu item as a pupil would, through its menu.
void chooseMenuItem(QWidget* window, const QString& itemName);

// Keys go to the widget that has the focus in window (as a pupil types).
void typeText(QWidget* window, const QString& text);
void pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Makes window the active window and lets the events of that settle.
void activate(QWidget* window);
// Lets pending events run (deferred deletes included).
void settle();

// Arranges for the next modal message box to be answered: `answer` gets the box (text,
// title and buttons can be checked there) and closes it (click a button, or press Esc).
// Returns after arranging; the box is answered when it opens.
void answerNextMessageBox(std::function<void(QMessageBox*)> answer);
// Shorthand: press the button with that object name ("vbContinue", ...).
void answerNextMessageBoxWith(const QString& buttonObjectName);

// Saves what the window shows as a PNG under $TARNOK_SCREENSHOTS, else the build folder's
// screenshots/.
QString screenshot(QWidget* window, const QString& fileName);

}  // namespace ui
