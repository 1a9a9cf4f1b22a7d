// Window objects. A window class describes its window and controls as data, and handles
// its events. Creating the object neither loads nor shows the window: show() loads it if
// needed (controls from the layout, then Form_Load) and shows it modeless and without owner;
// unload() (or the title bar's close box) destroys the controls and what they show, while
// the object and its own variables survive, and the next load starts again from the layout.
// The program ends when its last loaded window is unloaded.
#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"
#include "forms/layout.h"

class QWidget;
class QMainWindow;
class QKeyEvent;

namespace forms {

class FormWindow;

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Visible = True: loads the window if it is not loaded, then shows it; a window that is
    // already open is only brought to the front.
    void show();
    // Destroys the window and its controls. Nothing happens when it is not loaded.
    void unload();
    bool isLoaded() const;

    const QString& className() const { return className_; }
    // The top-level widget while loaded, else nullptr.
    QWidget* window() const;

    // Runs when the last loaded window of the program is unloaded (the start-up code
    // ends the event loop here).
    static void setLastWindowUnloadedHandler(std::function<void()> handler);
    static int loadedWindowCount();

protected:
    explicit Form(const char* className);

    // The window and its controls, as data. Controls are listed in stacking order, topmost
    // first; command buttons, text boxes, picture boxes, frames and option buttons always
    // lie above labels, images, shapes and lines.
    virtual WindowSpec windowSpec() const = 0;
    virtual std::vector<ControlSpec> controlSpecs() const = 0;

    virtual void Form_Load() {}
    virtual void Form_Activate() {}

    // The controls of the loaded window; a control is found by name, an element of a
    // control array by name and index. Reading a control of a window that is not loaded
    // loads it. Precondition: the control exists; otherwise the program stops with a
    // run-time error naming it.
    Control& ctl(std::string_view name);
    Control& ctl(std::string_view name, int index);
    bool hasControl(std::string_view name, int index) const;

    // Event handlers, bound once (in the constructor) and kept across loads.
    void onClick(const char* name, std::function<void()> handler);  // control or menu item
    void onArrayClick(const char* name, std::function<void(std::int16_t index)> handler);
    void onKeyDown(const char* name,
                   std::function<void(std::int16_t& keyCode, std::int16_t& shift)> handler);

private:
    friend class FormWindow;

    void load();
    void buildControls();
    void applyStacking(const std::vector<ControlSpec>& specs);
    void applyTabOrder();
    void connectEvents(Control& control);
    void fireClick(const QString& name, int index);
    void fireKeyDown(const QString& name, QKeyEvent* event);
    void windowActivated();
    void windowClosedByUser();
    bool pressDefaultOrCancel(QKeyEvent* event);
    void focusFirstControl();

    QString className_;
    QPointer<FormWindow> window_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::string, std::map<int, Control*>, std::less<>> byName_;
    std::map<QString, std::function<void()>> clickHandlers_;
    std::map<QString, std::function<void(std::int16_t)>> arrayClickHandlers_;
    std::map<QString, std::function<void(std::int16_t&, std::int16_t&)>> keyDownHandlers_;
};

}  // namespace forms
