#include "forms/control.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "forms/widgets.h"

namespace forms {

QString ControlObjectName(const char* name, int index) {
    const QString base = QString::fromLatin1(name);
    return index == kNoIndex ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

namespace {

QWidget* createWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case Kind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setIndent(0);
            label->setMargin(0);
            if (spec.border == BorderStyle::FixedSingle) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                label->setLineWidth(1);
            }
            return label;
        }
        case Kind::TextBox:
            return new TextBoxWidget(parent);
        case Kind::CommandButton:
            return new CommandButtonWidget(parent);
        case Kind::PictureBox:
            return new PictureBoxWidget(
                spec.picture ? QPixmap(QString::fromLatin1(spec.picture)) : QPixmap(),
                spec.border == BorderStyle::FixedSingle, parent);
        case Kind::Image:
            return new ImageWidget(
                spec.picture ? QPixmap(QString::fromLatin1(spec.picture)) : QPixmap(), parent);
        case Kind::Frame:
            return new FrameWidget(parent);
        case Kind::OptionButton:
            return new QRadioButton(parent);
        case Kind::Shape:
            return new ShapeWidget(spec.shape, parent);
        case Kind::Line:
            return new LineWidget(QPoint(ToPixels(spec.x1), ToPixels(spec.y1)),
                                  QPoint(ToPixels(spec.x2), ToPixels(spec.y2)), spec.lineWidth,
                                  ToQColor(spec.lineColor.value_or(colours::WindowText)), parent);
    }
    return new QWidget(parent);
}

}  // namespace

Control::Control(const ControlSpec& spec, const FontSpec& windowFont, QWidget* parent)
    : name_(QString::fromLatin1(spec.name)),
      index_(spec.index),
      kind_(spec.kind),
      widget_(createWidget(spec, parent)),
      left_(spec.left),
      top_(spec.top),
      width_(spec.width),
      height_(spec.height),
      caption_(QString::fromUtf8(spec.caption)),
      backColor_(spec.backColor.value_or(colours::ButtonFace)),
      foreColor_(spec.foreColor.value_or(colours::WindowText)),
      fillColor_(spec.fillColor.value_or(colours::Black)),
      filled_(spec.fillColor.has_value()),
      font_(spec.font.value_or(windowFont)),
      fontFace_(QString::fromLatin1(font_.face)),
      alignment_(spec.alignment),
      visible_(spec.visible),
      tabIndex_(spec.tabIndex),
      isDefault_(spec.isDefault),
      isCancel_(spec.isCancel) {
    widget_->setObjectName(ControlObjectName(spec.name, spec.index));
    // Only the kinds that can hold the focus, and only where the layout gives a tab index.
    const bool takesFocus = (kind_ == Kind::TextBox || kind_ == Kind::CommandButton ||
                             kind_ == Kind::PictureBox || kind_ == Kind::OptionButton) &&
                            tabIndex_ >= 0;
    widget_->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);

    if (kind_ == Kind::Label) {
        static_cast<QLabel*>(widget_.data())->setAutoFillBackground(!spec.transparent);
    } else if (kind_ == Kind::Shape) {
        auto* shape = static_cast<ShapeWidget*>(widget_.data());
        shape->setOutline(spec.border == BorderStyle::FixedSingle,
                          ToQColor(spec.lineColor.value_or(colours::WindowText)));
    } else if (kind_ == Kind::OptionButton) {
        auto* option = static_cast<QRadioButton*>(widget_.data());
        option->setChecked(spec.value);
        if (takesFocus) {
            // An option group is one stop in the tab order, at the option that is on; the
            // arrow keys move within the group. The others take the focus only when clicked.
            const auto tabStopWhenOn = [option](bool on) {
                option->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
            };
            tabStopWhenOn(spec.value);
            QObject::connect(option, &QAbstractButton::toggled, option, tabStopWhenOn);
        }
    } else if (kind_ != Kind::Line && kind_ != Kind::Image) {
        widget_->setAutoFillBackground(true);
    }
    if (kind_ == Kind::PictureBox && spec.autoSize) {
        auto* box = static_cast<PictureBoxWidget*>(widget_.data());
        const int frame = 2 * box->frameWidth();
        width_ = (box->picture().width() + frame) * kTwipsPerPixel;
        height_ = (box->picture().height() + frame) * kTwipsPerPixel;
    }

    setCaption(caption_);
    applyFont();
    applyColours();
    applyAlignment();
    if (kind_ != Kind::Line) applyGeometry();
    widget_->setVisible(visible_);
}

Control::~Control() = default;

void Control::applyGeometry() {
    // Both edges are rounded, so boxes that touch in twips touch on screen.
    const int x = ToPixels(left_);
    const int y = ToPixels(top_);
    widget_->setGeometry(x, y, std::max(0, ToPixels(left_ + width_) - x),
                         std::max(0, ToPixels(top_ + height_) - y));
}

void Control::setLeft(Twips left) {
    left_ = left;
    applyGeometry();
}

void Control::setTop(Twips top) {
    top_ = top;
    applyGeometry();
}

void Control::setWidth(Twips width) {
    width_ = width;
    applyGeometry();
}

void Control::setHeight(Twips height) {
    height_ = height;
    applyGeometry();
}

void Control::move(Twips left, Twips top, Twips width, Twips height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

QString Control::caption() const {
    if (kind_ == Kind::TextBox) return static_cast<QLineEdit*>(widget_.data())->text();
    return caption_;
}

void Control::setCaption(const QString& caption) {
    caption_ = caption;
    switch (kind_) {
        case Kind::Label:
            static_cast<QLabel*>(widget_.data())->setText(caption);
            break;
        case Kind::TextBox:
            static_cast<QLineEdit*>(widget_.data())->setText(caption);
            break;
        case Kind::CommandButton:
        case Kind::OptionButton:
            static_cast<QAbstractButton*>(widget_.data())->setText(caption);
            break;
        case Kind::Frame:
            static_cast<QGroupBox*>(widget_.data())->setTitle(caption);
            break;
        default:
            break;
    }
}

void Control::applyColours() {
    QPalette palette = widget_->palette();
    const QColor back = ToQColor(backColor_);
    const QColor fore = ToQColor(foreColor_);
    switch (kind_) {
        case Kind::TextBox:
            palette.setColor(QPalette::Base, back);
            palette.setColor(QPalette::Text, fore);
            break;
        case Kind::CommandButton:
            palette.setColor(QPalette::Button, back);
            palette.setColor(QPalette::ButtonText, fore);
            break;
        case Kind::Shape:
            static_cast<ShapeWidget*>(widget_.data())->setFill(filled_, ToQColor(fillColor_));
            return;
        default:
            palette.setColor(QPalette::Window, back);
            palette.setColor(QPalette::WindowText, fore);
            break;
    }
    // A palette equal to the one inherited is not set: setting palettes is the costly part
    // of building a window of many controls.
    if (palette != widget_->palette()) widget_->setPalette(palette);
}

void Control::setBackColor(ColourValue colour) {
    if (colour == backColor_) return;  // palettes are costly to rebuild; nothing changes
    backColor_ = colour;
    applyColours();
}

void Control::setForeColor(ColourValue colour) {
    if (colour == foreColor_) return;
    foreColor_ = colour;
    applyColours();
}

void Control::setFillColor(ColourValue colour) {
    fillColor_ = colour;
    filled_ = true;
    applyColours();
}

void Control::applyFont() {
    const QFont font = ToQFont(fontFace_, font_.size, font_.bold);
    if (font != widget_->font()) widget_->setFont(font);
}

void Control::setFontSize(double points) {
    font_.size = points;
    applyFont();
}

void Control::applyAlignment() {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment_ == Alignment::Right) horizontal = Qt::AlignRight;
    if (alignment_ == Alignment::Center) horizontal = Qt::AlignHCenter;
    if (kind_ == Kind::Label) {
        static_cast<QLabel*>(widget_.data())->setAlignment(horizontal | Qt::AlignTop);
    } else if (kind_ == Kind::TextBox) {
        static_cast<QLineEdit*>(widget_.data())->setAlignment(horizontal | Qt::AlignVCenter);
    }
}

void Control::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    applyAlignment();
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

bool Control::value() const {
    if (kind_ == Kind::OptionButton) {
        return static_cast<QRadioButton*>(widget_.data())->isChecked();
    }
    return false;
}

void Control::setValue(bool on) {
    if (kind_ == Kind::OptionButton) static_cast<QRadioButton*>(widget_.data())->setChecked(on);
}

void Control::setFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

}  // namespace forms
