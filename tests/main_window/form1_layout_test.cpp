// The main window right after start-up: what shows, where, in which colours; its menus;
// and the secondary windows its menu items open.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "forms/widgets.h"
#include "main_window/form1.h"
#include "main_window/window_instances.h"
#include "periodic_table/frm_lotukerfi.h"
#include "reference_windows/frm_about.h"
#include "reference_windows/frm_frumeind.h"
#include "reference_windows/frm_heiti.h"
#include "reference_windows/frm_skilgreiningar.h"
#include "support/ui.h"

namespace {

using ui::px;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        closeSecondaryWindows();
        form_.show();
        window_ = ui::findWindow("Form1");
        ASSERT_NE(window_, nullptr);
        ui::activate(window_);
    }
    void TearDown() override {
        form_.unload();
        closeSecondaryWindows();
    }
    static void closeSecondaryWindows() {
        for (const char* name :
             {"frmLotukerfi", "frmHeiti", "frmFrumeind", "frmSkilgreiningar", "frmAbout"}) {
            if (QWidget* open = ui::findWindow(name)) open->close();
        }
        ui::settle();
    }
    QRect geometryOf(const QString& name) { return ui::control(window_, name)->geometry(); }

    Form1 form_;
    QWidget* window_ = nullptr;
};

TEST_F(MainWindowTest, WindowIsFixedWithCloseBoxOnly) {
    EXPECT_EQ(window_->windowTitle(), "Tarnok");
    QWidget* client = window_->findChild<QWidget*>("client");
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(px(10800), px(7065)));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window_->windowIcon().isNull());
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(MainWindowTest, StartUpShowsOnlyTheSmallTableAndTheEmptyCard) {
    for (int i = 1; i <= 20; ++i)
        EXPECT_TRUE(ui::shows(window_, QStringLiteral("lblFr(%1)").arg(i)));
    for (const char* name : {"lbl1", "Label3", "Label2", "Label1", "Label8", "Label7", "Label6",
                             "Label5", "shpFrumefni", "lblHeiti"}) {
        EXPECT_TRUE(ui::shows(window_, name)) << name;
    }
    EXPECT_EQ(ui::caption(window_, "lblHeiti"), "");
    auto* card = ui::control<forms::ShapeWidget>(window_, "shpFrumefni");
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->filled());
    EXPECT_EQ(card->fillColour(), QColor(Qt::white));
    EXPECT_FALSE(card->outlined());

    // The score line already holds its start-up text, hidden.
    EXPECT_FALSE(ui::shows(window_, "lblStig"));
    EXPECT_EQ(ui::caption(window_, "lblStig"), "Frammistaða: 0%");
    for (const char* name : {"lblSpurn1", "lblSpurn2", "txtSvar1", "txtSvar2", "lblLeidbeining",
                             "cmdNaesta", "lblMass", "lblMassatala", "lblSkammst", "lblSaetistala",
                             "lblSaeti", "lblJonir", "lblKjarni", "imgKjarni", "imgBraut1",
                             "imgBraut2", "imgBraut3", "imgBraut4", "lblLysing"}) {
        EXPECT_FALSE(ui::shows(window_, name)) << name;
    }
    for (int i = 1; i <= 20; ++i) {
        EXPECT_FALSE(ui::shows(window_, QStringLiteral("imgRafeind(%1)").arg(i)));
        EXPECT_FALSE(ui::shows(window_, QStringLiteral("picFrumefni(%1)").arg(i)));
    }
    for (int i : {26, 29, 47, 79}) {
        EXPECT_FALSE(ui::shows(window_, QStringLiteral("picFrumefni(%1)").arg(i)));
    }
    EXPECT_EQ(ui::caption(window_, "lblLeidbeining"),
              "Sláðu tákn frumefnis (t.d. O, He) en ekki heiti.  Táknin má finna í Aðstoð - "
              "Heiti frumefna.");
    EXPECT_EQ(ui::caption(window_, "cmdNaesta"), "Næsta spurning");
}

TEST_F(MainWindowTest, TilesStandInTheirRowsAndColumnsInTheirColours) {
    struct Tile {
        int element;
        forms::Twips left, top;
        bool blue;
    };
    const Tile tiles[] = {{1, 360, 720, true},     {2, 3810, 720, false},   {3, 360, 1180, true},
                          {4, 820, 1180, true},    {5, 1500, 1180, false},  {9, 3350, 1180, false},
                          {10, 3810, 1180, false}, {11, 360, 1650, true},   {12, 820, 1650, true},
                          {13, 1500, 1650, false}, {17, 3350, 1650, false}, {18, 3810, 1650, false},
                          {19, 360, 2110, true},   {20, 820, 2110, true}};
    for (const Tile& tile : tiles) {
        const QString name = QStringLiteral("lblFr(%1)").arg(tile.element);
        EXPECT_EQ(geometryOf(name),
                  QRect(px(tile.left), px(tile.top), px(tile.left + 465) - px(tile.left),
                        px(tile.top + 465) - px(tile.top)))
            << tile.element;
        EXPECT_EQ(ui::background(window_, name), tile.blue ? 0x00FF0000u : 0x000000FFu)
            << tile.element;
    }
    EXPECT_EQ(ui::caption(window_, "lblFr(17)"), "Cl");
    EXPECT_EQ(ui::caption(window_, "Label2"), "13");
    EXPECT_EQ(geometryOf("Label5").topLeft(), QPoint(px(3840), px(480)));
}

TEST_F(MainWindowTest, AtomPartsArePlacedOnTheirRings) {
    EXPECT_EQ(geometryOf("imgBraut4"), QRect(px(5520), px(2520), px(4455), px(4455)));
    EXPECT_EQ(geometryOf("imgBraut1").topLeft(), QPoint(px(7080), px(4080)));
    EXPECT_EQ(geometryOf("imgKjarni").topLeft(), QPoint(px(7320), px(4320)));
    EXPECT_EQ(geometryOf("lblKjarni").topLeft(), QPoint(px(7560), px(4560)));
    EXPECT_EQ(geometryOf("imgRafeind(19)").topLeft(), QPoint(px(8920), px(2880)));
    EXPECT_EQ(geometryOf("imgRafeind(20)").topLeft(), QPoint(px(6210), px(6360)));
    EXPECT_EQ(geometryOf("imgRafeind(1)").topLeft(), QPoint(px(8160), px(5040)));
    // Every electron's centre lies on the ring of its shell (within a few pixels).
    const QPointF centre(px(7080) + px(1335) / 2.0, px(4080) + px(1335) / 2.0);
    const struct {
        int first, last;
        const char* ring;
    } shells[] = {
        {1, 2, "imgBraut1"}, {3, 10, "imgBraut2"}, {11, 18, "imgBraut3"}, {19, 20, "imgBraut4"}};
    for (const auto& shell : shells) {
        const double radius = geometryOf(shell.ring).width() / 2.0;
        for (int i = shell.first; i <= shell.last; ++i) {
            const QPointF electron =
                QRectF(geometryOf(QStringLiteral("imgRafeind(%1)").arg(i))).center();
            EXPECT_NEAR(QLineF(centre, electron).length(), radius, 5.0) << "electron " << i;
        }
    }
}

TEST_F(MainWindowTest, PhotographsShareOneCornerAtTheirOwnSizes) {
    const struct {
        int element;
        forms::Twips width, height;
        QSize picture;
    } photos[] = {{1, 1335, 2055, {95, 168}},   {4, 2295, 1815, {170, 127}},
                  {15, 735, 1815, {52, 123}},   {26, 1935, 2040, {130, 136}},
                  {29, 2055, 2160, {143, 151}}, {79, 2415, 1680, {166, 112}}};
    for (const auto& photo : photos) {
        auto* box = ui::control<forms::PictureBoxWidget>(
            window_, QStringLiteral("picFrumefni(%1)").arg(photo.element));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->geometry().topLeft(), QPoint(px(3600), px(4440)));
        EXPECT_EQ(box->width(), px(3600 + photo.width) - px(3600));
        EXPECT_EQ(box->picture().size(), photo.picture) << photo.element;
    }
}

// Every control of the card, the atom and the question area as the layout gives it:
// position and size, font, background, alignment, and whether it shows at start-up. Those
// that Form_Load places are read after the load.
TEST_F(MainWindowTest, ControlsHaveTheirDesignProperties) {
    constexpr forms::ColourValue kGrey = 0x00C0C0C0;
    constexpr forms::ColourValue kWhite = 0x00FFFFFF;
    constexpr forms::ColourValue kNone = 0xFFFFFFFF;  // pictures and shapes: not compared
    const struct {
        const char* name;
        forms::Twips left, top, width, height;
        const char* face;  // nullptr: no text
        double points;
        bool bold;
        forms::ColourValue back;
        Qt::Alignment alignment;
        bool visible;
    } controls[] = {
        {"shpFrumefni", 960, 3360, 2175, 1935, nullptr, 0, false, kNone, {}, true},
        {"lblMass", 1080, 3480, 1095, 255, "MS Sans Serif", 8.25, true, kWhite, Qt::AlignLeft,
         false},
        {"lblMassatala", 1680, 3720, 375, 255, "MS Sans Serif", 12, true, kWhite, Qt::AlignLeft,
         false},
        {"lblSkammst", 1920, 3960, 855, 735, "Arial", 30, false, kWhite, Qt::AlignHCenter, false},
        {"lblSaetistala", 1680, 4560, 375, 255, "MS Sans Serif", 12, true, kWhite, Qt::AlignLeft,
         false},
        {"lblSaeti", 1080, 4920, 855, 255, "MS Sans Serif", 8.25, true, kWhite, Qt::AlignLeft,
         false},
        {"lblHeiti", 3360, 3600, 2055, 495, "Arial", 18, false, kGrey, Qt::AlignLeft, true},
        {"lblJonir", 3720, 3480, 615, 255, "MS Sans Serif", 9.75, true, kGrey, Qt::AlignLeft,
         false},
        {"lblKjarni", 7560, 4560, 450, 375, "MS Sans Serif", 8.25, true, kNone, Qt::AlignLeft,
         false},
        {"imgKjarni", 7320, 4320, 825, 825, nullptr, 0, false, kNone, {}, false},
        {"imgBraut1", 7080, 4080, 1335, 1335, nullptr, 0, false, kNone, {}, false},
        {"imgBraut2", 6720, 3710, 2055, 2055, nullptr, 0, false, kNone, {}, false},
        {"imgBraut3", 6210, 3210, 3075, 3075, nullptr, 0, false, kNone, {}, false},
        {"imgBraut4", 5520, 2520, 4455, 4455, nullptr, 0, false, kNone, {}, false},
        {"lblLysing", 360, 5520, 3015, 1455, "MS Sans Serif", 8.25, false, kGrey, Qt::AlignLeft,
         false},
        {"lblStig", 5520, 240, 3375, 255, "MS Sans Serif", 8.25, false, kGrey, Qt::AlignLeft,
         false},
        {"lblSpurn1", 4560, 840, 5415, 375, "MS Sans Serif", 12, false, kGrey, Qt::AlignLeft,
         false},
        {"txtSvar1", 10080, 840, 495, 375, "MS Sans Serif", 12, false, kNone, Qt::AlignRight,
         false},
        {"lblSpurn2", 4560, 1680, 5415, 375, "MS Sans Serif", 12, false, kGrey, Qt::AlignLeft,
         false},
        {"txtSvar2", 10080, 1560, 495, 375, "MS Sans Serif", 12, false, kNone, Qt::AlignRight,
         false},
        {"lblLeidbeining", 4560, 1800, 3255, 615, "MS Sans Serif", 8.25, false, kGrey,
         Qt::AlignLeft, false},
        {"cmdNaesta", 6120, 720, 1335, 495, "MS Sans Serif", 8.25, false, kNone, {}, false},
        {"lbl1", 600, 480, 255, 255, "MS Sans Serif", 8.25, false, kGrey, Qt::AlignHCenter, true},
        {"Label3", 960, 960, 255, 255, "MS Sans Serif", 8.25, false, kGrey, Qt::AlignHCenter, true},
        {"Label6", 3480, 960, 255, 255, "MS Sans Serif", 8.25, false, kGrey, Qt::AlignHCenter,
         true},
        {"lblFr(7)", 2420, 1180, 465, 465, "MS Sans Serif", 13.5, false, 0x000000FF,
         Qt::AlignHCenter, true},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = ui::control(window_, c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(),
                  QRect(px(c.left), px(c.top), px(c.left + c.width) - px(c.left),
                        px(c.top + c.height) - px(c.top)));
        EXPECT_EQ(ui::shows(window_, c.name), c.visible);
        if (c.face != nullptr) {
            EXPECT_EQ(widget->font().toString(),
                      forms::ToQFont(c.face, c.points, c.bold).toString());
        }
        if (c.back != kNone) {
            EXPECT_EQ(ui::background(window_, c.name), c.back);
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, c.alignment);
            EXPECT_TRUE(label->wordWrap());
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, c.alignment);
            EXPECT_EQ(box->text(), QString());
        }
    }
    // The nucleus caption lets the nucleus show through.
    EXPECT_FALSE(ui::control(window_, "lblKjarni")->autoFillBackground());
    EXPECT_EQ(ui::caption(window_, "lblKjarni"), QString());
    EXPECT_EQ(ui::caption(window_, "lblMass"), "Massatala");
    EXPECT_EQ(ui::caption(window_, "lblSaeti"), "Sætistala");
    auto* naesta = ui::control<QPushButton>(window_, "cmdNaesta");
    ASSERT_NE(naesta, nullptr);
    EXPECT_FALSE(naesta->isDefault());
}

// From the top: the electrons, the nucleus caption, the nucleus, rings 1 to 4; the card's
// labels over its background; the charge over the heading; the boxes, the button and the
// photographs over every label and picture.
TEST_F(MainWindowTest, ControlsLieInTheirStackingOrder) {
    QWidget* client = window_->findChild<QWidget*>("client");
    ASSERT_NE(client, nullptr);
    // The later among its siblings, the higher a widget lies.
    const auto level = [client, this](const QString& name) {
        return client->children().indexOf(ui::control(window_, name));
    };
    QStringList fromTheTop;
    for (int i = 1; i <= 20; ++i) fromTheTop << QStringLiteral("imgRafeind(%1)").arg(i);
    fromTheTop << "lblKjarni"
               << "imgKjarni"
               << "imgBraut1"
               << "imgBraut2"
               << "imgBraut3"
               << "imgBraut4";
    for (int i = 20; i < fromTheTop.size(); ++i) {
        EXPECT_GT(level(fromTheTop[i - 1]), level(fromTheTop[i])) << fromTheTop[i].toStdString();
    }
    for (const char* label :
         {"lblMass", "lblMassatala", "lblSkammst", "lblSaetistala", "lblSaeti"}) {
        EXPECT_GT(level(label), level("shpFrumefni")) << label;
    }
    EXPECT_GT(level("lblJonir"), level("lblHeiti"));
    for (const char* windowed : {"txtSvar1", "txtSvar2", "cmdNaesta", "picFrumefni(4)"}) {
        for (const char* windowless :
             {"imgRafeind(1)", "lblJonir", "lblSpurn1", "lblLeidbeining"}) {
            EXPECT_GT(level(windowed), level(windowless)) << windowed << " " << windowless;
        }
    }
}

// The focus order: txtSvar1, txtSvar2, the photographs of 20 down to 1, "Næsta spurning",
// then the photographs of 26, 47, 29 and 79.
TEST_F(MainWindowTest, FocusFollowsTheTabIndexes) {
    QStringList expected = {"txtSvar1", "txtSvar2"};
    for (int i = 20; i >= 1; --i) expected << QStringLiteral("picFrumefni(%1)").arg(i);
    expected << "cmdNaesta"
             << "picFrumefni(26)"
             << "picFrumefni(47)"
             << "picFrumefni(29)"
             << "picFrumefni(79)";
    QStringList chain;
    QWidget* start = ui::control(window_, "txtSvar1");
    ASSERT_NE(start, nullptr);
    QWidget* widget = start;
    do {
        if (widget->focusPolicy() & Qt::TabFocus && expected.contains(widget->objectName())) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != start && chain.size() <= expected.size());
    EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowTest, MenusCarryTheirItemsAndShortcuts) {
    const struct {
        const char* menu;
        const char* menuCaption;
        const char* item;
        const char* caption;
        const char* shortcut;
    } items[] = {{"Sysla", "Sýsla", "Byrja", "Byrja", "Ctrl+B"},
                 {"Sysla", "Sýsla", "mnHaetta", "Hætta", "Ctrl+Q"},
                 {"Adstod", "Aðstoð", "mnBygging", "Bygging frumeinda", "Ctrl+F"},
                 {"Adstod", "Aðstoð", "mnSkilgreiningar", "Skilgreiningar", "Ctrl+S"},
                 {"Adstod", "Aðstoð", "mnLotukerfid", "Lotukerfið", "Ctrl+L"},
                 {"Adstod", "Aðstoð", "mnHeiti", "Heiti frumefna", "Ctrl+H"},
                 {"hjalp", "Hjálp", "mnUm", "Um", ""}};
    for (const auto& item : items) {
        auto* menu = window_->findChild<QMenu*>(item.menu);
        ASSERT_NE(menu, nullptr) << item.menu;
        EXPECT_EQ(menu->title(), QString::fromUtf8(item.menuCaption));
        auto* action = menu->findChild<QAction*>(item.item);
        ASSERT_TRUE(action && menu->actions().contains(action)) << item.item;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
        EXPECT_TRUE(action->isEnabled());
        EXPECT_FALSE(action->isCheckable());
    }
    const QList<QAction*> bar = window_->findChild<QMenuBar*>()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "Sýsla");
    EXPECT_EQ(bar[2]->text(), "Hjálp");
}

TEST_F(MainWindowTest, EachMenuItemOpensOneInstanceOfItsWindow) {
    const struct {
        const char* item;
        const char* window;
        const char* caption;
    } windows[] = {{"mnBygging", "frmFrumeind", "Tarnok - bygging frumeinda"},
                   {"mnSkilgreiningar", "frmSkilgreiningar", "Tarnok - skilgreiningar"},
                   {"mnLotukerfid", "frmLotukerfi", "Tarnok - lotukerfið"},
                   {"mnHeiti", "frmHeiti", "Tarnok - heiti frumefna"},
                   {"mnUm", "frmAbout", "Um Tarnok"}};
    for (const auto& entry : windows) {
        ui::chooseMenuItem(window_, entry.item);
        QWidget* opened = ui::findWindow(entry.window);
        ASSERT_NE(opened, nullptr) << entry.window;
        EXPECT_EQ(opened->windowTitle(), QString::fromUtf8(entry.caption));
        EXPECT_NE(opened->findChild<QWidget*>("cmdOK"), nullptr);
        // A second choice while it is open makes no second copy.
        ui::activate(window_);
        ui::chooseMenuItem(window_, entry.item);
        EXPECT_EQ(ui::countWindows(entry.window), 1) << entry.window;
        // Closed with OK, the same instance opens again.
        ui::click(opened, "cmdOK");
        EXPECT_EQ(ui::findWindow(entry.window), nullptr);
        ui::chooseMenuItem(window_, entry.item);
        EXPECT_EQ(ui::countWindows(entry.window), 1);
    }
    EXPECT_NE(frmLotukerfiInstance, nullptr);
    EXPECT_NE(frmAboutInstance, nullptr);
}

TEST_F(MainWindowTest, ShortcutOpensTheWindowFromTheKeyboard) {
    ui::pressKey(window_, Qt::Key_L, Qt::ControlModifier);
    EXPECT_NE(ui::findWindow("frmLotukerfi"), nullptr);
}

TEST_F(MainWindowTest, QuitClosesTheMainWindowOnly) {
    ui::chooseMenuItem(window_, "mnLotukerfid");
    ASSERT_NE(ui::findWindow("frmLotukerfi"), nullptr);
    int lastWindowUnloaded = 0;
    forms::Form::setLastWindowUnloadedHandler([&] { ++lastWindowUnloaded; });
    ui::chooseMenuItem(window_, "mnHaetta");
    EXPECT_EQ(ui::findWindow("Form1"), nullptr);
    EXPECT_NE(ui::findWindow("frmLotukerfi"), nullptr);
    EXPECT_EQ(lastWindowUnloaded, 0);
    ui::findWindow("frmLotukerfi")->close();
    ui::settle();
    EXPECT_EQ(lastWindowUnloaded, 1);
    forms::Form::setLastWindowUnloadedHandler({});
}

TEST_F(MainWindowTest, Screenshot) {
    const QString path = ui::screenshot(window_, "form1_start.png");
    EXPECT_FALSE(QPixmap(path).isNull());
}

}  // namespace
