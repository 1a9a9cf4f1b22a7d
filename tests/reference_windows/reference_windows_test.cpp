// The four reference windows as a pupil meets them: opened from the main window's menus,
// read on screen, closed with OK, Enter, Esc or the close box, and opened again.
#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <memory>
#include <optional>

#include "elements/module1.h"
#include "forms/widgets.h"
#include "main_window/form1.h"
#include "main_window/window_instances.h"
#include "reference_windows/frm_about.h"
#include "reference_windows/frm_frumeind.h"
#include "reference_windows/frm_heiti.h"
#include "reference_windows/frm_skilgreiningar.h"
#include "support/ui.h"

using forms::ColourValue;
using forms::Twips;
using ui::px;

namespace {

struct ReferenceWindow {
    const char* menuItem;
    const char* className;
    const char* caption;
    Twips clientWidth;
    Twips clientHeight;
    Twips okLeft;
    Twips okTop;
    forms::Form* (*instance)();
};

const ReferenceWindow kWindows[] = {
    {"mnHeiti", "frmHeiti", "Tarnok - heiti frumefna", 5310, 5175, 1800, 4560,
     []() -> forms::Form* { return frmHeitiInstance.get(); }},
    {"mnBygging", "frmFrumeind", "Tarnok - bygging frumeinda", 10230, 6750, 4200, 6360,
     []() -> forms::Form* { return frmFrumeindInstance.get(); }},
    {"mnSkilgreiningar", "frmSkilgreiningar", "Tarnok - skilgreiningar", 7500, 4095, 3120, 3720,
     []() -> forms::Form* { return frmSkilgreiningarInstance.get(); }},
    {"mnUm", "frmAbout", "Um Tarnok", 5730, 3045, 4245, 2625,
     []() -> forms::Form* { return frmAboutInstance.get(); }},
};

QWidget* clientOf(QWidget* window) {
    return window ? window->findChild<QWidget*>(QStringLiteral("client")) : nullptr;
}

QString focusedControl(QWidget* window) {
    QWidget* focus = window ? window->focusWidget() : nullptr;
    return focus ? focus->objectName() : QString();
}

// The controls' names from the topmost down, as they are stacked on screen.
QStringList stackingOrder(QWidget* window) {
    QStringList names;
    QWidget* client = clientOf(window);
    if (client == nullptr) return names;
    const QObjectList children = client->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (auto* widget = qobject_cast<QWidget*>(*it)) names << widget->objectName();
    }
    return names;
}

// Everything a window shows: each control's name, place and text or picture size.
QStringList contentOf(QWidget* window) {
    QStringList content;
    QWidget* client = clientOf(window);
    if (client == nullptr) return content;
    for (QWidget* widget : client->findChildren<QWidget*>()) {
        QString text = ui::caption(window, widget->objectName());
        if (auto* picture = qobject_cast<forms::PictureBoxWidget*>(widget)) {
            text = QStringLiteral("%1x%2")
                       .arg(picture->picture().width())
                       .arg(picture->picture().height());
        }
        const QRect box = widget->geometry();
        content << QStringLiteral("%1 %2,%3,%4,%5 %6")
                       .arg(widget->objectName())
                       .arg(box.x())
                       .arg(box.y())
                       .arg(box.width())
                       .arg(box.height())
                       .arg(text);
    }
    return content;
}

ColourValue colourValue(QRgb rgb) {
    return static_cast<ColourValue>(qRed(rgb)) | static_cast<ColourValue>(qGreen(rgb)) << 8 |
           static_cast<ColourValue>(qBlue(rgb)) << 16;
}

// The colour the window shows at a point of its client area.
ColourValue pixelAt(QWidget* window, QPoint point) {
    return colourValue(clientOf(window)->grab().toImage().pixel(point));
}

QRect pixelBox(Twips left, Twips top, Twips width, Twips height) {
    return QRect(px(left), px(top), px(left + width) - px(left), px(top + height) - px(top));
}

class ReferenceWindowsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { mainWindow_ = std::make_unique<Form1>(); }
    static void TearDownTestSuite() { mainWindow_.reset(); }

    // Every test starts with the main window open and no reference window loaded.
    void SetUp() override {
        mainWindow_->show();
        ui::settle();
        for (const ReferenceWindow& window : kWindows) {
            if (window.instance() != nullptr) window.instance()->unload();
        }
        ui::settle();
    }

    // Chooses the menu item of the main window; returns the window it opened.
    static QWidget* open(const ReferenceWindow& window) {
        ui::chooseMenuItem(mainWindow_->window(), QString::fromLatin1(window.menuItem));
        QWidget* opened = ui::findWindow(QString::fromLatin1(window.className));
        EXPECT_NE(opened, nullptr) << window.className << " did not open";
        return opened;
    }
    static QWidget* open(const char* className) {
        for (const ReferenceWindow& window : kWindows) {
            if (QLatin1String(window.className) == QLatin1String(className)) return open(window);
        }
        ADD_FAILURE() << "no reference window " << className;
        return nullptr;
    }

    static std::unique_ptr<Form1> mainWindow_;
};

std::unique_ptr<Form1> ReferenceWindowsTest::mainWindow_;

// ---------------------------------------------------------------------------------------
// All four windows: the shared frame, opening and closing.

TEST_F(ReferenceWindowsTest, EachOpensWithTheSecondaryFrameAtTheFixedPlace) {
    for (const ReferenceWindow& spec : kWindows) {
        SCOPED_TRACE(spec.className);
        QWidget* window = open(spec);
        if (window == nullptr) continue;
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(spec.caption));
        EXPECT_EQ(window->geometry().topLeft(), QPoint(px(2340), px(1935)));
        EXPECT_EQ(clientOf(window)->size(), QSize(px(spec.clientWidth), px(spec.clientHeight)));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_EQ(window->windowType(), Qt::Tool);  // no taskbar entry
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        const QList<QSize> iconSizes = window->windowIcon().availableSizes();
        EXPECT_TRUE(iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(16, 16)));
        EXPECT_EQ(ui::caption(window, "cmdOK"), "OK");
        EXPECT_EQ(ui::control(window, "cmdOK")->geometry(),
                  pixelBox(spec.okLeft, spec.okTop, 1260, 345));
        EXPECT_EQ(focusedControl(window), "cmdOK");
    }
}

enum class CloseBy { OkButton, Enter, Escape, CloseBox };

TEST_F(ReferenceWindowsTest, OkEnterEscAndCloseBoxUnloadAndTheNextOpeningShowsTheSame) {
    const struct {
        CloseBy way;
        const char* name;
    } ways[] = {{CloseBy::OkButton, "OK"},
                {CloseBy::Enter, "Enter"},
                {CloseBy::Escape, "Esc"},
                {CloseBy::CloseBox, "close box"}};
    for (const ReferenceWindow& spec : kWindows) {
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(spec.className) + " closed by " + way.name);
            QWidget* window = open(spec);
            if (window == nullptr) continue;
            const QStringList shown = contentOf(window);
            forms::Form* instance = spec.instance();
            switch (way.way) {
                case CloseBy::OkButton:
                    ui::click(window, "cmdOK");
                    break;
                case CloseBy::Enter:
                    ui::pressKey(window, Qt::Key_Return);
                    break;
                case CloseBy::Escape:
                    ui::pressKey(window, Qt::Key_Escape);
                    break;
                case CloseBy::CloseBox:
                    window->close();
                    ui::settle();
                    break;
            }
            EXPECT_EQ(ui::findWindow(QString::fromLatin1(spec.className)), nullptr);
            EXPECT_FALSE(instance->isLoaded());
            EXPECT_TRUE(mainWindow_->isLoaded());

            window = open(spec);
            EXPECT_EQ(spec.instance(), instance);
            EXPECT_EQ(ui::countWindows(QString::fromLatin1(spec.className)), 1);
            EXPECT_EQ(contentOf(window), shown);
            spec.instance()->unload();
            ui::settle();
        }
    }
}

TEST_F(ReferenceWindowsTest, ChoosingTheMenuItemAgainKeepsOneOpenCopy) {
    for (const ReferenceWindow& spec : kWindows) {
        SCOPED_TRACE(spec.className);
        QWidget* first = open(spec);
        const QStringList shown = contentOf(first);
        QWidget* second = open(spec);
        EXPECT_EQ(second, first);
        EXPECT_EQ(ui::countWindows(QString::fromLatin1(spec.className)), 1);
        EXPECT_EQ(contentOf(second), shown);
    }
}

// Text is cut off when its box is too small for it in the font we draw it in, and hidden
// when an opaque control stacked above it covers it. Each window is also saved as a PNG.
TEST_F(ReferenceWindowsTest, NoTextIsCutOffOrHidden) {
    for (const ReferenceWindow& spec : kWindows) {
        SCOPED_TRACE(spec.className);
        QWidget* window = open(spec);
        if (window == nullptr) continue;
        const QObjectList stacked = clientOf(window)->children();
        for (QLabel* label : clientOf(window)->findChildren<QLabel*>()) {
            SCOPED_TRACE(label->objectName().toStdString());
            const QFontMetrics metrics(label->font());
            const int textHeight = label->heightForWidth(label->width());
            EXPECT_LE(textHeight, label->height());
            int textWidth = 0;
            for (const QString& line : label->text().split(QChar(10))) {
                for (const QString& word : line.split(QLatin1Char(' '))) {
                    EXPECT_LE(metrics.horizontalAdvance(word), label->width())
                        << word.toStdString();
                }
                textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
            }
            // Where the letters are inked: neighbouring labels may overlap the empty rows
            // above and below the letters.
            const QRect ink =
                metrics.tightBoundingRect(QString(label->text()).replace(QChar(10), QChar(' ')));
            const int inkTop = metrics.ascent() + ink.top();
            const int inkBottom = textHeight - metrics.height() + metrics.ascent() + ink.bottom();
            const QRect text(label->x(), label->y() + inkTop, std::min(textWidth, label->width()),
                             inkBottom - inkTop + 1);
            for (qsizetype above = stacked.indexOf(label) + 1; above < stacked.size(); ++above) {
                auto* cover = qobject_cast<QWidget*>(stacked[above]);
                const bool opaque = cover != nullptr && cover->autoFillBackground();
                if (opaque && cover->isVisible()) {
                    EXPECT_FALSE(cover->geometry().intersects(text))
                        << "covered by " << cover->objectName().toStdString();
                }
            }
        }
        ui::screenshot(window, QStringLiteral("%1.png").arg(QLatin1String(spec.className)));
    }
}

// ---------------------------------------------------------------------------------------
// frmHeiti: the names of the elements 1 to 20.

QStringList columnLines(QWidget* window, const char* column) {
    return ui::caption(window, column).split(QChar(10));
}

TEST_F(ReferenceWindowsTest, NamesWindowShowsSymbolIcelandicAndEnglishNameOnEachRow) {
    const struct {
        int row;
        const char* symbol;
        const char* icelandic;
        const char* english;
    } rows[] = {{1, "H", "Vetni", "Hydrogen"},
                {10, "Ne", "Neon", "Neon"},
                {18, "Ar", "Argon", "Argon"},
                {20, "Ca", "Kalsín", "Calcium"}};
    QWidget* window = open("frmHeiti");
    const QStringList symbols = columnLines(window, "lblTakn");
    const QStringList icelandic = columnLines(window, "lblIsl");
    const QStringList english = columnLines(window, "lblEns");
    ASSERT_EQ(symbols.size(), 21);
    ASSERT_EQ(icelandic.size(), 21);
    ASSERT_EQ(english.size(), 21);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.row);
        EXPECT_EQ(symbols[row.row - 1], QString::fromUtf8(row.symbol));
        EXPECT_EQ(icelandic[row.row - 1], QString::fromUtf8(row.icelandic));
        EXPECT_EQ(english[row.row - 1], QString::fromUtf8(row.english));
    }
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(symbols[i - 1], Module1::ElementSymbol(i)) << i;
        EXPECT_EQ(icelandic[i - 1], Module1::ElementName(i)) << i;
        EXPECT_EQ(english[i - 1], Module1::EnglishName(i)) << i;
    }
    // The rows line up: one top and one font for the three columns.
    const struct {
        const char* name;
        Twips left, width, height;
    } columns[] = {
        {"lblTakn", 360, 615, 4095}, {"lblIsl", 1320, 1695, 3975}, {"lblEns", 3240, 1695, 4095}};
    for (const auto& column : columns) {
        auto* label = ui::control<QLabel>(window, column.name);
        EXPECT_EQ(label->geometry(), pixelBox(column.left, 240, column.width, column.height));
        EXPECT_EQ(label->font(), ui::control<QLabel>(window, "lblTakn")->font());
        EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
    }
}

// Exactly twenty entries, each ended by one line feed, the last one included.
void expectTwentyEntries(QWidget* window) {
    for (const char* column : {"lblTakn", "lblIsl", "lblEns"}) {
        SCOPED_TRACE(column);
        const QString text = ui::caption(window, column);
        EXPECT_EQ(text.count(QChar(10)), 20);
        EXPECT_TRUE(text.endsWith(QChar(10)));
        EXPECT_FALSE(text.contains(QChar(13)));
        EXPECT_FALSE(text.contains(QStringLiteral("\n\n")));
    }
}

TEST_F(ReferenceWindowsTest, NamesColumnsHoldTwentyEntriesHowEverOftenTheWindowOpens) {
    QWidget* window = open("frmHeiti");
    expectTwentyEntries(window);
    EXPECT_TRUE(ui::caption(window, "lblTakn").startsWith(QStringLiteral("H\nHe\n")));
    EXPECT_TRUE(ui::caption(window, "lblTakn").endsWith(QStringLiteral("\nCa\n")));

    ui::click(window, "cmdOK");
    window = open("frmHeiti");
    expectTwentyEntries(window);

    window = open("frmHeiti");  // chosen again while open
    expectTwentyEntries(window);
}

// ---------------------------------------------------------------------------------------
// frmFrumeind: how atoms are built.

// The controls from the topmost down.
const char* const kAtomStack[] = {"cmdOK",   "Shape13", "Shape8",  "Label16", "Shape12", "Shape11",
                                  "Shape10", "Shape9",  "Shape7",  "Label15", "Label14", "Label13",
                                  "Label12", "Label11", "Label10", "Label9",  "Label8",  "Label7",
                                  "Shape6",  "Line5",   "Label6",  "Line4",   "Label5",  "Shape5",
                                  "Line3",   "Line2",   "Line1",   "Label4",  "Label3",  "Shape4",
                                  "Shape1",  "Label2",  "Label1",  "Shape2",  "Shape3",  "Image2"};

TEST_F(ReferenceWindowsTest, AtomWindowStacksItsControlsAsDrawn) {
    QWidget* window = open("frmFrumeind");
    QStringList expected;
    for (const char* name : kAtomStack) expected << QString::fromLatin1(name);
    EXPECT_EQ(stackingOrder(window), expected);
}

TEST_F(ReferenceWindowsTest, AtomWindowLabelsShowTheirCaptions) {
    const struct {
        const char* name;
        const char* caption;
        Twips left, top, width, height;
    } labels[] = {
        {"Label2", "Kjarni samsettur út róteindum og nifteindum", 3480, 120, 4815, 375},
        {"Label3", "Róteind (jákvætt hlaðin)", 3480, 480, 3255, 375},
        {"Label4", "Nifteind (hefur enga hleðslu)", 3480, 840, 3855, 375},
        {"Label5", "Hvolf ", 3480, 1320, 1095, 255},
        {"Label6", "Rafeind (neikvætt hlaðin)", 3480, 1800, 3375, 255},
        {"Label15", "Hvolf", 1200, 2880, 1335, 375},
        {"Label10", "Rafeindirnar fylla hvolfin hvert af öðru:", 120, 3240, 4695, 375},
        {"Label11", "fyrst 1. hvolf svo hvert hvolfið á fætur öðru", 120, 3600, 4455, 375},
        {"Label12", "þar til ekki eru fleiri rafeindir", 120, 3960, 4335, 375},
        {"Label1", "1. hvolf þar komast mest fyrir 2 rafeindir", 120, 4320, 4335, 375},
        {"Label7", "2. hvolf þar komast mest fyrir 8 rafeindir", 120, 4680, 4335, 375},
        {"Label8", "3. hvolf þar komast mest fyrir 8 rafeindir", 120, 5040, 4335, 375},
        {"Label9", "4. hvolf þar komast mest fyrir 16 rafeindir", 120, 5400, 4455, 375},
        {"Label13", "Samsætur", 6720, 2880, 1335, 375},
        {"Label14",
         "Frumeindir með mismunandi fjölda nifteinda en sama róteinda fjölda kallast samsætur.",
         5280, 3240, 4695, 735},
        {"Label16",
         "Báðar frumeindirnar eru vetni því þær hafa 1 róteind. Þetta eru mismunandi samsætur "
         "vetnis því fjöldi nifteinda er mismunandi.",
         5280, 5280, 4695, 975},
    };
    QWidget* window = open("frmFrumeind");
    for (const auto& expected : labels) {
        SCOPED_TRACE(expected.name);
        auto* label = ui::control<QLabel>(window, expected.name);
        if (label == nullptr) continue;
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(label->geometry(),
                  pixelBox(expected.left, expected.top, expected.width, expected.height));
        EXPECT_EQ(label->font().pixelSize(), 15);  // 12 pt
        EXPECT_FALSE(label->font().bold());
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_TRUE(label->wordWrap());
    }
}

TEST_F(ReferenceWindowsTest, AtomWindowCirclesShowOverTheRingInTheirColours) {
    constexpr ColourValue proton = 0x000000FF, neutron = 0x0080FF80, electron = 0x00FF0000;
    const struct {
        const char* name;
        Twips left, top, width, height;
        std::optional<ColourValue> fill;
    } circles[] = {
        {"Shape2", 1560, 840, 255, 255, proton},     {"Shape4", 1680, 1080, 255, 255, proton},
        {"Shape3", 1320, 960, 255, 255, neutron},    {"Shape1", 1440, 1200, 255, 255, neutron},
        {"Shape6", 840, 240, 255, 255, electron},    {"Shape5", 1680, 2400, 255, 255, electron},
        {"Shape8", 5520, 4080, 1215, 975, {}},       {"Shape7", 6000, 4440, 255, 255, proton},
        {"Shape9", 5760, 3960, 255, 255, electron},  {"Shape13", 7320, 4080, 1215, 975, {}},
        {"Shape10", 7800, 4320, 255, 255, proton},   {"Shape11", 7800, 4560, 255, 255, neutron},
        {"Shape12", 7680, 3960, 255, 255, electron},
    };
    QWidget* window = open("frmFrumeind");
    for (const auto& expected : circles) {
        SCOPED_TRACE(expected.name);
        auto* shape = ui::control<forms::ShapeWidget>(window, expected.name);
        if (shape == nullptr) continue;
        EXPECT_EQ(shape->geometry(),
                  pixelBox(expected.left, expected.top, expected.width, expected.height));
        EXPECT_EQ(shape->shape(), forms::ShapeKind::Circle);
        EXPECT_TRUE(shape->outlined());
        EXPECT_EQ(shape->filled(), expected.fill.has_value());
        if (expected.fill) {
            EXPECT_EQ(colourValue(shape->fillColour().rgb()), *expected.fill);
            // Most of the particle shows in its colour; a shell's outline may cross it.
            const QImage drawn = clientOf(window)->grab(shape->geometry()).toImage();
            int inColour = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    inColour += colourValue(drawn.pixel(x, y)) == *expected.fill ? 1 : 0;
                }
            }
            const int radius = std::min(drawn.width(), drawn.height()) / 2;
            EXPECT_GT(inColour, 3 * radius * radius / 2);  // half the circle's area
        }
    }
}

TEST_F(ReferenceWindowsTest, AtomWindowPointerLinesAndRingPicture) {
    const struct {
        const char* name;
        Twips x1, y1, x2, y2;
    } lines[] = {{"Line1", 1800, 960, 3360, 360},
                 {"Line2", 1920, 1200, 3360, 600},
                 {"Line3", 1560, 1440, 3480, 960},
                 {"Line4", 2880, 1800, 3480, 1440},
                 {"Line5", 1920, 2520, 3480, 1920}};
    QWidget* window = open("frmFrumeind");
    for (const auto& expected : lines) {
        SCOPED_TRACE(expected.name);
        auto* line = ui::control<forms::LineWidget>(window, expected.name);
        if (line == nullptr) continue;
        EXPECT_EQ(line->from(), QPoint(px(expected.x1), px(expected.y1)));
        EXPECT_EQ(line->to(), QPoint(px(expected.x2), px(expected.y2)));
        EXPECT_EQ(line->lineWidth(), 1);
    }
    auto* ring = ui::control<forms::ImageWidget>(window, "Image2");
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->geometry(), pixelBox(360, 120, 2655, 2415));
    EXPECT_EQ(ring->picture().size(), QSize(787, 785));
}

// ---------------------------------------------------------------------------------------
// frmSkilgreiningar: the definitions.

TEST_F(ReferenceWindowsTest, DefinitionsShowTheirCaptionsLetterForLetter) {
    const struct {
        int index;
        const char* caption;
        Twips left, top, width;
    } definitions[] = {
        {0, "Í óhlaðinni frumeind eru jafnmargar róteindir (+) og rafeindir (-)", 120, 240, 7245},
        {1, "Í frumeind með jákvæða hleðslu eru rafeindirnar færri en róteindirnar", 120, 600,
         7245},
        {2, "Í frumeind með neikvæða hleðslu eru rafeindirnar fleiri en róteindirnar", 120, 960,
         7365},
        {3, "Fjöldi róteinda (+) =  sætistala", 120, 1560, 6285},
        {4, "Fjöldi nifteinda (0) =  massatala - fjöldi róteinda", 120, 1920, 6285},
        {6, "Hleðsla hlaðinnar frumeindar (jónar) = ", 120, 2880, 7245},
        {7, "fjöldi róteinda - fjöldi rafeinda", 4200, 2880, 3165},
    };
    QWidget* window = open("frmSkilgreiningar");
    EXPECT_EQ(ui::findWindow("frmSkilgreiningar")->findChild<QWidget*>("lblSkyring(5)"), nullptr);
    for (const auto& expected : definitions) {
        const QString name = QStringLiteral("lblSkyring(%1)").arg(expected.index);
        SCOPED_TRACE(name.toStdString());
        auto* label = ui::control<QLabel>(window, name);
        if (label == nullptr) continue;
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(label->geometry(), pixelBox(expected.left, expected.top, expected.width, 330));
        EXPECT_EQ(label->font().pixelSize(), 15);  // 12 pt
        EXPECT_EQ(colourValue(label->palette().color(QPalette::WindowText).rgb()), 0x00000000u);
        // One line, within the label.
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        EXPECT_LT(label->heightForWidth(label->width()), 2 * metrics.lineSpacing());
    }
}

TEST_F(ReferenceWindowsTest, DefinitionsLastRowReadsAsOneFormula) {
    QWidget* window = open("frmSkilgreiningar");
    EXPECT_EQ(stackingOrder(window),
              QStringList({"cmdOK", "lblSkyring(7)", "lblSkyring(6)", "lblSkyring(4)",
                           "lblSkyring(3)", "lblSkyring(2)", "lblSkyring(1)", "lblSkyring(0)"}));
    // The left-hand text ends before the right-hand label starts at 4200 twips.
    auto* left = ui::control<QLabel>(window, "lblSkyring(6)");
    ASSERT_NE(left, nullptr);
    EXPECT_LT(left->x() + QFontMetrics(left->font()).horizontalAdvance(left->text()), px(4200));
    // The right-hand text shows: dark letters on the row right of 4200 twips.
    auto* right = ui::control<QLabel>(window, "lblSkyring(7)");
    ASSERT_NE(right, nullptr);
    const QImage row = clientOf(window)->grab(right->geometry()).toImage();
    int dark = 0;
    for (int y = 0; y < row.height(); ++y) {
        for (int x = 0; x < row.width(); ++x) dark += qGray(row.pixel(x, y)) < 64 ? 1 : 0;
    }
    EXPECT_GT(dark, 50);
}

// ---------------------------------------------------------------------------------------
// frmAbout.

TEST_F(ReferenceWindowsTest, AboutWindowShowsIconTextsAndSeparator) {
    QWidget* window = open("frmAbout");
    auto* icon = ui::control<forms::PictureBoxWidget>(window, "picIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->picture().size(), QSize(32, 32));
    EXPECT_EQ(icon->frameShape(), QFrame::Panel);
    EXPECT_EQ(icon->frameShadow(), QFrame::Sunken);
    // Sized to the picture and its border.
    EXPECT_EQ(icon->geometry(),
              QRect(px(240), px(240), 32 + 2 * icon->frameWidth(), 32 + 2 * icon->frameWidth()));

    const struct {
        const char* name;
        const char* caption;
        Twips left, top, width, height;
        ColourValue colour;
    } labels[] = {
        {"lblTitle", "Tarnok", 1050, 240, 3885, 480, 0x00000000},
        {"lblVersion", "Útgáfa 1.0", 1050, 780, 3885, 225, forms::colours::WindowText},
        {"lblDescription",
         "Kennsluforrit í efnafræði: lotukerfið, bygging frumeinda og spurningaleikur um "
         "frumefnin 1 til 20.",
         1080, 1125, 3885, 1170, 0x00000000},
        {"lblDisclaimer", "Forritið er ætlað til kennslu og er án allrar ábyrgðar.", 255, 2625,
         3870, 345, 0x00000000},
    };
    for (const auto& expected : labels) {
        SCOPED_TRACE(expected.name);
        auto* label = ui::control<QLabel>(window, expected.name);
        if (label == nullptr) continue;
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(label->geometry(),
                  pixelBox(expected.left, expected.top, expected.width, expected.height));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), forms::ToQColor(expected.colour));
    }
    const QFontMetrics metrics(ui::control<QLabel>(window, "lblDisclaimer")->font());
    EXPECT_LE(metrics.horizontalAdvance(ui::caption(window, "lblDisclaimer")), px(3870));

    EXPECT_EQ(stackingOrder(window),
              QStringList({"picIcon", "cmdOK", "Line1(1)", "lblDescription", "lblTitle", "Line1(0)",
                           "lblVersion", "lblDisclaimer"}));
}

TEST_F(ReferenceWindowsTest, AboutIconStandsOnTheDialogsGrey) {
    QWidget* window = open("frmAbout");
    auto* icon = ui::control<forms::PictureBoxWidget>(window, "picIcon");
    ASSERT_NE(icon, nullptr);
    // The icon's corner is transparent: the box's own background shows there, the same
    // button face as the dialog around it.
    const QPoint corner =
        icon->geometry().topLeft() + QPoint(icon->frameWidth() + 1, icon->frameWidth() + 1);
    ASSERT_EQ(icon->picture().toImage().pixelColor(1, 1).alpha(), 0);
    EXPECT_EQ(pixelAt(window, corner),
              colourValue(forms::ToQColor(forms::colours::ButtonFace).rgb()));
    EXPECT_EQ(pixelAt(window, corner), pixelAt(window, QPoint(px(120), px(120))));
}

TEST_F(ReferenceWindowsTest, AboutSeparatorShowsGreyAboveWhite) {
    QWidget* window = open("frmAbout");
    auto* grey = ui::control<forms::LineWidget>(window, "Line1(1)");
    auto* white = ui::control<forms::LineWidget>(window, "Line1(0)");
    ASSERT_TRUE(grey != nullptr && white != nullptr);
    EXPECT_EQ(grey->from(), QPoint(px(90), px(2445)));
    EXPECT_EQ(grey->to(), QPoint(px(5654), px(2445)));
    EXPECT_EQ(grey->lineWidth(), 1);
    EXPECT_EQ(white->from(), QPoint(px(105), px(2460)));
    EXPECT_EQ(white->to(), QPoint(px(5654), px(2460)));
    EXPECT_EQ(white->lineWidth(), 2);
    // On screen, along the whole width: one grey row, then two white rows.
    for (const int x : {px(105) + 1, px(2800), px(5654) - 1}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixelAt(window, QPoint(x, px(2445))), 0x00808080u);
        EXPECT_EQ(pixelAt(window, QPoint(x, px(2460))), 0x00FFFFFFu);
        EXPECT_EQ(pixelAt(window, QPoint(x, px(2460) + 1)), 0x00FFFFFFu);
    }
}

TEST_F(ReferenceWindowsTest, AboutTabMovesBetweenOkAndIconAndEnterOrEscCloseFromEither) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QWidget* window = open("frmAbout");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(focusedControl(window), "cmdOK");
        ui::pressKey(window, Qt::Key_Tab);
        EXPECT_EQ(focusedControl(window), "picIcon");
        ui::pressKey(window, Qt::Key_Tab);
        EXPECT_EQ(focusedControl(window), "cmdOK");
        ui::pressKey(window, Qt::Key_Tab);
        ASSERT_EQ(focusedControl(window), "picIcon");
        ui::pressKey(window, key);
        EXPECT_EQ(ui::findWindow("frmAbout"), nullptr);
        EXPECT_FALSE(frmAboutInstance->isLoaded());
    }
}

}  // namespace
