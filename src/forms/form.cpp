#include "forms/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <memory>
#include <utility>

#include "forms/runtime_error.h"
#include "forms/widgets.h"

namespace forms {

namespace {

int gLoadedWindows = 0;
Form* gActiveForm = nullptr;
std::function<void()> gLastWindowUnloaded;

// The key code and shift state that KeyDown handlers receive.
std::int16_t keyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<std::int16_t>(key);
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        default:
            return 0;
    }
}

std::int16_t shiftStateOf(const QKeyEvent* event) {
    std::int16_t shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    return shift;
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Turns a release of the left mouse button over a widget into a click.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> click)
        : QObject(parent), click_(std::move(click)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                widget->rect().contains(mouse->position().toPoint())) {
                click_();
            }
            return true;
        }
        return false;
    }

private:
    std::function<void()> click_;
};

}  // namespace

// The top-level widget of a loaded window.
class FormWindow : public QMainWindow {
public:
    FormWindow(Form& form, Qt::WindowFlags flags) : QMainWindow(nullptr, flags), form_(form) {}

    void detach() { attached_ = false; }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        if (attached_) form_.windowClosedByUser();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (attached_ && form_.pressDefaultOrCancel(event)) return;
        QMainWindow::keyPressEvent(event);
    }

    bool event(QEvent* event) override {
        // Only activation is looked at after the base class: a deferred delete handled there
        // destroys this window.
        if (event->type() != QEvent::WindowActivate) return QMainWindow::event(event);
        const bool handled = QMainWindow::event(event);
        if (attached_ && event->type() == QEvent::WindowActivate) form_.windowActivated();
        return handled;
    }

private:
    Form& form_;
    bool attached_ = true;
};

Form::Form(const char* className) : className_(QString::fromLatin1(className)) {}

Form::~Form() {
    if (gActiveForm == this) gActiveForm = nullptr;
    if (window_) {
        window_->detach();
        if (QCoreApplication::instance() != nullptr) delete window_.data();
        --gLoadedWindows;
    }
}

void Form::setLastWindowUnloadedHandler(std::function<void()> handler) {
    gLastWindowUnloaded = std::move(handler);
}

int Form::loadedWindowCount() {
    return gLoadedWindows;
}

bool Form::isLoaded() const {
    return !window_.isNull();
}

QWidget* Form::window() const {
    return window_.data();
}

void Form::show() {
    if (!isLoaded()) load();
    if (window_->isVisible()) {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) window_->raise();
        window_->activateWindow();
        return;
    }
    window_->show();
    focusFirstControl();
    window_->activateWindow();
}

void Form::load() {
    const WindowSpec spec = windowSpec();
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags |= spec.style == WindowStyle::Main ? Qt::Window : Qt::Tool;
    window_ = new FormWindow(*this, flags);
    ++gLoadedWindows;
    window_->setObjectName(className_);
    window_->setWindowTitle(QString::fromUtf8(spec.caption));
    if (spec.icon != nullptr) window_->setWindowIcon(QIcon(QString::fromLatin1(spec.icon)));

    auto* client = new QWidget(window_);
    client->setObjectName(QStringLiteral("client"));
    const ColourValue back = spec.backColor.value_or(colours::ButtonFace);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, ToQColor(back));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setFont(ToQFont(QString::fromLatin1(spec.font.face), spec.font.size, spec.font.bold));
    const QSize clientSize(ToPixels(spec.clientWidth), ToPixels(spec.clientHeight));
    client->setFixedSize(clientSize);
    window_->setCentralWidget(client);

    int menuHeight = 0;
    if (!spec.menus.empty()) {
        auto* bar = window_->menuBar();
        for (const MenuSpec& menuSpec : spec.menus) {
            QMenu* menu = bar->addMenu(QString::fromUtf8(menuSpec.caption));
            menu->setObjectName(QString::fromLatin1(menuSpec.name));
            for (const MenuItemSpec& item : menuSpec.items) {
                QAction* action = menu->addAction(QString::fromUtf8(item.caption));
                action->setObjectName(QString::fromLatin1(item.name));
                if (item.shortcut[0] != '\0') {
                    action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
                }
                const QString name = QString::fromLatin1(item.name);
                QObject::connect(action, &QAction::triggered, window_,
                                 [this, name] { fireClick(name, kNoIndex); });
            }
        }
        menuHeight = bar->sizeHint().height();
    }
    window_->setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
    if (spec.style == WindowStyle::Secondary) {
        window_->setGeometry(ToPixels(kSecondaryWindowLeft), ToPixels(kSecondaryWindowTop),
                             clientSize.width(), clientSize.height() + menuHeight);
    }

    buildControls();
    Form_Load();
}

void Form::buildControls() {
    const WindowSpec spec = windowSpec();
    const std::vector<ControlSpec> specs = controlSpecs();
    controls_.clear();
    byName_.clear();
    controls_.reserve(specs.size());
    QWidget* client = window_->centralWidget();
    // Frames first, so that the controls inside them find their parent.
    for (int pass = 0; pass < 2; ++pass) {
        for (const ControlSpec& controlSpec : specs) {
            if ((controlSpec.kind == Kind::Frame) != (pass == 0)) continue;
            QWidget* parent = client;
            if (controlSpec.frame != nullptr) parent = ctl(controlSpec.frame).widget();
            auto control = std::make_unique<Control>(controlSpec, spec.font, parent);
            byName_[controlSpec.name][controlSpec.index] = control.get();
            connectEvents(*control);
            controls_.push_back(std::move(control));
        }
    }
    applyStacking(specs);
    applyTabOrder();
}

void Form::applyStacking(const std::vector<ControlSpec>& specs) {
    // Raise from the lowest to the topmost: first the windowless controls, then the others,
    // each in reverse order of the list.
    auto windowless = [](Kind kind) {
        return kind == Kind::Label || kind == Kind::Image || kind == Kind::Shape ||
               kind == Kind::Line;
    };
    for (const bool raiseWindowless : {true, false}) {
        for (auto it = specs.rbegin(); it != specs.rend(); ++it) {
            if (windowless(it->kind) == raiseWindowless) ctl(it->name, it->index).widget()->raise();
        }
    }
}

void Form::applyTabOrder() {
    std::vector<Control*> order;
    for (const auto& control : controls_) {
        // Only controls that take the focus: a frame handed to setTabOrder would move its
        // whole contents in the chain.
        if (control->tabIndex() >= 0 && control->widget()->focusPolicy() != Qt::NoFocus) {
            order.push_back(control.get());
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
    }
}

void Form::focusFirstControl() {
    Control* first = nullptr;
    for (const auto& control : controls_) {
        if (control->tabIndex() < 0 || !control->widget()->isVisible() ||
            (control->widget()->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        if (first == nullptr || control->tabIndex() < first->tabIndex()) first = control.get();
    }
    if (first != nullptr) first->setFocus();
}

void Form::connectEvents(Control& control) {
    QWidget* widget = control.widget();
    const QString name = control.name();
    const int index = control.index();
    const bool hasClick = clickHandlers_.count(name) > 0 || arrayClickHandlers_.count(name) > 0;
    auto click = [this, name, index] { fireClick(name, index); };
    switch (control.kind()) {
        case Kind::CommandButton:
            QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked,
                             widget, click);
            break;
        case Kind::OptionButton: {
            // Click is raised when an option turns on, by the user or by the code, and when
            // the user clicks (or presses Space on) the option that is already on: that
            // click turns nothing on, so it is told apart by the state at the press.
            auto* option = static_cast<QAbstractButton*>(widget);
            auto wasOn = std::make_shared<bool>(false);
            QObject::connect(option, &QAbstractButton::pressed, option,
                             [option, wasOn] { *wasOn = option->isChecked(); });
            QObject::connect(option, &QAbstractButton::toggled, option, [click](bool on) {
                if (on) click();
            });
            QObject::connect(option, &QAbstractButton::clicked, option, [click, wasOn] {
                if (std::exchange(*wasOn, false)) click();
            });
            break;
        }
        case Kind::TextBox:
            static_cast<TextBoxWidget*>(widget)->setKeyDownHandler(
                [this, name](QKeyEvent* event) { fireKeyDown(name, event); });
            break;
        case Kind::Label:
        case Kind::PictureBox:
        case Kind::Image:
            if (hasClick) {
                widget->installEventFilter(new ClickFilter(widget, click));
            } else if (control.kind() != Kind::PictureBox) {
                // A control that handles no click lets it through to what lies beneath.
                widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            }
            break;
        case Kind::Shape:
        case Kind::Line:
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            break;
        case Kind::Frame:
            break;
    }
}

void Form::onClick(const char* name, std::function<void()> handler) {
    clickHandlers_[QString::fromLatin1(name)] = std::move(handler);
}

void Form::onArrayClick(const char* name, std::function<void(std::int16_t)> handler) {
    arrayClickHandlers_[QString::fromLatin1(name)] = std::move(handler);
}

void Form::onKeyDown(const char* name, std::function<void(std::int16_t&, std::int16_t&)> handler) {
    keyDownHandlers_[QString::fromLatin1(name)] = std::move(handler);
}

void Form::fireClick(const QString& name, int index) {
    if (index == kNoIndex) {
        const auto it = clickHandlers_.find(name);
        if (it != clickHandlers_.end()) it->second();
        return;
    }
    const auto it = arrayClickHandlers_.find(name);
    if (it != arrayClickHandlers_.end()) it->second(static_cast<std::int16_t>(index));
}

void Form::fireKeyDown(const QString& name, QKeyEvent* event) {
    const auto it = keyDownHandlers_.find(name);
    if (it == keyDownHandlers_.end()) return;
    std::int16_t keyCode = keyCodeOf(event);
    std::int16_t shift = shiftStateOf(event);
    it->second(keyCode, shift);
}

bool Form::pressDefaultOrCancel(QKeyEvent* event) {
    const bool enter = isEnter(event);
    const bool escape = event->key() == Qt::Key_Escape;
    if (!enter && !escape) return false;
    for (const auto& control : controls_) {
        const bool wanted = enter ? control->isDefault() : control->isCancel();
        if (wanted && control->widget()->isVisible() && control->widget()->isEnabled()) {
            static_cast<QAbstractButton*>(control->widget())->click();
            return true;
        }
    }
    return false;
}

void Form::windowActivated() {
    if (gActiveForm == this) return;
    gActiveForm = this;
    Form_Activate();
}

void Form::windowClosedByUser() {
    unload();
}

void Form::unload() {
    if (!isLoaded()) return;
    if (gActiveForm == this) gActiveForm = nullptr;
    FormWindow* window = window_.data();
    window_ = nullptr;
    window->detach();
    window->hide();
    window->deleteLater();
    controls_.clear();
    byName_.clear();
    if (--gLoadedWindows == 0 && gLastWindowUnloaded) gLastWindowUnloaded();
}

Control& Form::ctl(std::string_view name) {
    return ctl(name, kNoIndex);
}

Control& Form::ctl(std::string_view name, int index) {
    if (!isLoaded()) load();
    const auto array = byName_.find(name);
    if (array != byName_.end()) {
        const auto element = array->second.find(index);
        if (element != array->second.end()) return *element->second;
    }
    const QString where = ControlObjectName(std::string(name).c_str(), index);
    RaiseRuntimeError(RuntimeErrorNumber::SubscriptOutOfRange,
                      className_ + QLatin1Char('.') + where);
}

bool Form::hasControl(std::string_view name, int index) const {
    const auto array = byName_.find(name);
    return array != byName_.end() && array->second.count(index) > 0;
}

}  // namespace forms
