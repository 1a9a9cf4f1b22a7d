#include "forms/widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace forms {

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const int captionLeft = 6;
    const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title());
}

PictureBoxWidget::PictureBoxWidget(const QPixmap& picture, bool bordered, QWidget* parent)
    : QFrame(parent), picture_(picture) {
    if (bordered) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
}

void PictureBoxWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), picture_);
}

ImageWidget::ImageWidget(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {}

void ImageWidget::paintEvent(QPaintEvent*) {
    // Scaled once per size with an averaging filter: a thin line in a large picture stays
    // whole when the picture is shown many times smaller.
    if (scaled_.size() != size() && !picture_.isNull()) {
        scaled_ = picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, scaled_);
}

ShapeWidget::ShapeWidget(ShapeKind shape, QWidget* parent) : QWidget(parent), shape_(shape) {}

void ShapeWidget::setFill(bool filled, const QColor& colour) {
    filled_ = filled;
    fill_ = colour;
    update();
}

void ShapeWidget::setOutline(bool outlined, const QColor& colour) {
    outlined_ = outlined;
    outline_ = colour;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(outlined_ ? QPen(outline_, 1) : QPen(Qt::NoPen));
    painter.setBrush(filled_ ? QBrush(fill_) : QBrush(Qt::NoBrush));
    // The outline lies inside the box, as the box's right and bottom pixels are its last.
    const int inset = outlined_ ? 1 : 0;
    if (shape_ == ShapeKind::Rectangle) {
        painter.drawRect(rect().adjusted(0, 0, -inset, -inset));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const int diameter = std::min(width(), height()) - inset;
    const QRect circle((width() - diameter) / 2, (height() - diameter) / 2, diameter, diameter);
    painter.drawEllipse(circle);
}

LineWidget::LineWidget(QPoint from, QPoint to, int width, const QColor& colour, QWidget* parent)
    : QWidget(parent), from_(from), to_(to), width_(std::max(1, width)), colour_(colour) {
    const int margin = width_;
    const QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(colour_, width_);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPoint origin = geometry().topLeft();
    // A horizontal line of width w covers the w pixel rows that start at its end points, a
    // vertical one the w columns; a slanted line is centred on the pixels of its end points.
    QPointF shift(0.5, 0.5);
    if (from_.y() == to_.y()) shift = QPointF(0.0, width_ / 2.0);
    if (from_.x() == to_.x()) shift = QPointF(width_ / 2.0, 0.0);
    painter.drawLine(QPointF(from_ - origin) + shift, QPointF(to_ - origin) + shift);
}

void CommandButtonWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
    QPointer<TextBoxWidget> self(this);
    if (keyDown_) keyDown_(event);
    if (self) QLineEdit::keyPressEvent(event);
}

}  // namespace forms
