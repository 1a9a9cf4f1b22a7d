// One control of a loaded window: its widget and the properties the window's code reads
// and writes. A read returns exactly what was last written (a Left of 7747 reads 7747),
// whatever the pixels on screen.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "forms/layout.h"

namespace forms {

class Control {
public:
    // Builds the widget from its design properties under parent (the client area or a frame).
    // What the layout leaves unset takes the defaults of every control kind: the window's
    // font, button face behind, window text in front.
    Control(const ControlSpec& spec, const FontSpec& windowFont, QWidget* parent);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    int index() const { return index_; }
    Kind kind() const { return kind_; }
    QWidget* widget() const { return widget_; }
    int tabIndex() const { return tabIndex_; }
    bool isDefault() const { return isDefault_; }
    bool isCancel() const { return isCancel_; }

    Twips left() const { return left_; }
    Twips top() const { return top_; }
    Twips width() const { return width_; }
    Twips height() const { return height_; }
    void setLeft(Twips left);
    void setTop(Twips top);
    void setWidth(Twips width);
    void setHeight(Twips height);
    void move(Twips left, Twips top, Twips width, Twips height);

    // Caption of a label, button, frame or option button; Text of a text box.
    QString caption() const;
    void setCaption(const QString& caption);
    QString text() const { return caption(); }
    void setText(const QString& text) { setCaption(text); }

    ColourValue backColor() const { return backColor_; }
    void setBackColor(ColourValue colour);
    ColourValue foreColor() const { return foreColor_; }
    void setForeColor(ColourValue colour);
    // Shapes: the solid fill.
    ColourValue fillColor() const { return fillColor_; }
    void setFillColor(ColourValue colour);

    double fontSize() const { return font_.size; }
    void setFontSize(double points);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // Option buttons: on or off. Turning one on turns the others of its group off.
    bool value() const;
    void setValue(bool on);

    // Text boxes, command buttons and picture boxes.
    void setFocus();

private:
    void applyGeometry();
    void applyColours();
    void applyFont();
    void applyAlignment();

    QString name_;
    int index_;
    Kind kind_;
    QPointer<QWidget> widget_;
    Twips left_, top_, width_, height_;
    QString caption_;
    ColourValue backColor_;
    ColourValue foreColor_;
    ColourValue fillColor_;
    bool filled_;
    FontSpec font_;
    QString fontFace_;
    Alignment alignment_;
    bool visible_;
    int tabIndex_;
    bool isDefault_;
    bool isCancel_;
};

// The object name of a control's widget: "lblStig", or "lblFr(12)" for an element of an array.
QString ControlObjectName(const char* name, int index);

}  // namespace forms
