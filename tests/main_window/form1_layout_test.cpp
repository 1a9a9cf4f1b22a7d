// The main window right after start-up: what shows, where, in which colours; its menus;
// and the secondary windows its menu items open.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

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
