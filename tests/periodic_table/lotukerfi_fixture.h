// The periodic-table window as a pupil meets it: opened from the main window's menu item
// "Lotukerfið", driven with clicks and keys, read off the screen.
#pragma once

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <memory>

#include "main_window/form1.h"
#include "main_window/window_instances.h"
#include "periodic_table/frm_lotukerfi.h"
#include "support/ui.h"

namespace lotukerfi_test {

constexpr forms::ColourValue kBlue = 0x00FF0000, kGreen = 0x0000FF00, kRed = 0x000000FF,
                             kWhite = 0x00FFFFFF, kMagenta = 0x00FF00FF;

inline QString cell(int element) {
    return QStringLiteral("lblFr(%1)").arg(element);
}
inline QString badge(int element) {
    return QStringLiteral("lblSaeti(%1)").arg(element);
}

inline forms::ColourValue valueOf(const QColor& c) {
    return static_cast<forms::ColourValue>(c.red() | c.green() << 8 | c.blue() << 16);
}
inline forms::ColourValue shownAs(forms::ColourValue colour) {
    return valueOf(forms::ToQColor(colour));
}

// The pixels that a box of these twips covers.
inline QRect screenBox(forms::Twips left, forms::Twips top, forms::Twips width,
                       forms::Twips height) {
    return QRect(ui::px(left), ui::px(top), ui::px(left + width) - ui::px(left),
                 ui::px(top + height) - ui::px(top));
}

// Where the periodic table puts an element (twips), from its period and its place in it:
// groups 1 and 2 open a period, the rest fill it up to group 18; the lanthanides and
// actinides stand in two rows below, from column 5.
struct Place {
    forms::Twips left, top;
};
inline Place placeOf(int element) {
    auto column = [](int k) { return 160 + 580 * (k - 1); };
    if (element >= 57 && element <= 70) return {column(element - 57 + 5), 4860};
    if (element >= 89 && element <= 102) return {column(element - 89 + 5), 5440};
    const int periodEnds[] = {2, 10, 18, 36, 54, 86, 118};
    int period = 1;
    while (element > periodEnds[period - 1]) ++period;
    const int first = period == 1 ? 1 : periodEnds[period - 2] + 1;
    const forms::Twips top = 400 + 580 * (period - 1);
    if (element - first < 2 && element != 2) return {column(element - first + 1), top};
    return {column(18 - (periodEnds[period - 1] - element)), top};
}

class LotukerfiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { main_ = std::make_unique<Form1>(); }
    static void TearDownTestSuite() {
        closeTable();
        main_.reset();
        ui::settle();
    }

    // Every test starts with the main window open and the table freshly opened from its menu.
    void SetUp() override {
        closeTable();
        main_->show();
        ui::settle();
        mainWindow_ = ui::findWindow(QStringLiteral("Form1"));
        ASSERT_NE(mainWindow_, nullptr);
        table_ = openTable();
        ASSERT_NE(table_, nullptr);
    }
    void TearDown() override { closeTable(); }

    QWidget* openTable() const {
        ui::chooseMenuItem(mainWindow_, QStringLiteral("mnLotukerfid"));
        return ui::findWindow(QStringLiteral("frmLotukerfi"));
    }
    static void closeTable() {
        if (frmLotukerfiInstance) frmLotukerfiInstance->unload();
        ui::settle();
    }

    QWidget* widget(const QString& name) const { return ui::control(table_, name); }
    QLabel* label(const QString& name) const { return ui::control<QLabel>(table_, name); }
    QString caption(const QString& name) const { return ui::caption(table_, name); }
    forms::ColourValue colour(const QString& name) const { return ui::background(table_, name); }
    bool isOn(const QString& option) const {
        return ui::control<QAbstractButton>(table_, option)->isChecked();
    }

    // A click where the pupil sees the control: the window decides which control gets it.
    void clickOn(const QString& name) const {
        QWidget* target = widget(name);
        if (target == nullptr) return;
        QTest::mouseClick(table_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          target->mapTo(table_, target->rect().center()));
        ui::settle();
    }
    void choose(const char* option) const { ui::click(table_, QString::fromLatin1(option)); }

    inline static std::unique_ptr<Form1> main_;
    QWidget* mainWindow_ = nullptr;
    QWidget* table_ = nullptr;
};

}  // namespace lotukerfi_test
