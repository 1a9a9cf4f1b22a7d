// The widgets that draw the controls which Qt has no widget for of its own: picture boxes,
// stretched images, shapes and lines. Labels, text boxes, buttons, frames and option
// buttons are QLabel, QLineEdit, QPushButton, QGroupBox and QRadioButton.
#pragma once

#include <QColor>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "forms/layout.h"

namespace forms {

// A frame: an etched rectangle with its caption over the top line, on the frame's own
// background; the controls inside are placed from its top-left corner.
class FrameWidget : public QGroupBox {
    Q_OBJECT
public:
    explicit FrameWidget(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture at its natural size from the top-left corner, clipped to the box, on the
// box's background; an optional sunken border.
class PictureBoxWidget : public QFrame {
    Q_OBJECT
public:
    PictureBoxWidget(const QPixmap& picture, bool bordered, QWidget* parent);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

// A picture stretched to the box.
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    ImageWidget(const QPixmap& picture, QWidget* parent);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QPixmap scaled_;  // the picture at the widget's size
};

// A rectangle, or a circle whose diameter is the smaller side of the box, centred in it.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    ShapeWidget(ShapeKind shape, QWidget* parent);
    ShapeKind shape() const { return shape_; }
    bool filled() const { return filled_; }
    QColor fillColour() const { return fill_; }
    bool outlined() const { return outlined_; }
    QColor outlineColour() const { return outline_; }
    void setFill(bool filled, const QColor& colour);
    void setOutline(bool outlined, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeKind shape_;
    bool filled_ = false;
    QColor fill_;
    bool outlined_ = true;
    QColor outline_;
};

// A straight line; the widget covers the line's bounding box.
class LineWidget : public QWidget {
    Q_OBJECT
public:
    // from, to: the end points in the parent's pixels.
    LineWidget(QPoint from, QPoint to, int width, const QColor& colour, QWidget* parent);
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int lineWidth() const { return width_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    int width_;
    QColor colour_;
};

// A command button that Enter presses while it has the focus, as Space does.
class CommandButtonWidget : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButtonWidget(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A text box that reports every key pressed in it, before the box itself acts on it.
class TextBoxWidget : public QLineEdit {
    Q_OBJECT
public:
    using KeyDownHandler = std::function<void(QKeyEvent*)>;
    explicit TextBoxWidget(QWidget* parent) : QLineEdit(parent) {}
    void setKeyDownHandler(KeyDownHandler handler) { keyDown_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyDownHandler keyDown_;
};

}  // namespace forms
