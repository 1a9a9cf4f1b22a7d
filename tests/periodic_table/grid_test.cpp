// The window's frame, the 118 cells in the periodic table's grid, the group numbers on top of
// the columns, and the focus order.
#include <QFrame>
#include <QGroupBox>
#include <map>

#include "lotukerfi_fixture.h"

namespace lotukerfi_test {
namespace {

using GridTest = LotukerfiTest;

TEST_F(GridTest, WindowHasTheSecondaryFrame) {
    EXPECT_EQ(table_->windowTitle(), QString::fromUtf8("Tarnok - lotukerfið"));
    QWidget* client = widget(QStringLiteral("client"));
    EXPECT_EQ(client->geometry().size(), QSize(ui::px(10860), ui::px(8475)));
    EXPECT_EQ(client->mapToGlobal(QPoint(0, 0)), QPoint(ui::px(2340), ui::px(1935)));
    EXPECT_FALSE(table_->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(table_->minimumSize(), table_->maximumSize());
    EXPECT_EQ(widget(QStringLiteral("cmdOK"))->geometry(), screenBox(4080, 8040, 1260, 345));
    EXPECT_TRUE(widget(QStringLiteral("cmdOK"))->hasFocus());
}

TEST_F(GridTest, EveryCellStandsInItsPlaceWithoutGapsOrOverlaps) {
    std::map<std::pair<forms::Twips, forms::Twips>, QRect> byPlace;  // (top, left) -> pixels
    for (int i = 1; i <= 118; ++i) {
        const Place place = placeOf(i);
        const QRect box = widget(cell(i))->geometry();
        EXPECT_EQ(box, screenBox(place.left, place.top, 580, 580)) << "element " << i;
        byPlace[{place.top, place.left}] = box;
        for (int j = 1; j < i; ++j) {
            EXPECT_FALSE(box.intersects(widget(cell(j))->geometry())) << i << " and " << j;
        }
    }
    EXPECT_EQ(byPlace.size(), 118u);
    for (const auto& [key, box] : byPlace) {
        const auto right = byPlace.find({key.first, key.second + 580});
        const auto below = byPlace.find({key.first + 580, key.second});
        if (right != byPlace.end()) {
            EXPECT_EQ(right->second.left(), box.right() + 1);
        }
        if (below != byPlace.end()) {
            EXPECT_EQ(below->second.top(), box.bottom() + 1);
        }
    }
    // Named places, written out.
    const int named[][3] = {
        {2, 10020, 400}, {57, 2480, 4860}, {71, 1320, 3300}, {89, 2480, 5440}, {103, 1320, 3880}};
    for (const auto& n : named) {
        EXPECT_EQ(widget(cell(n[0]))->geometry(), screenBox(n[1], n[2], 580, 580)) << n[0];
    }
    // The last column ends at 10600 twips; the actinide row 120 twips above the legends.
    EXPECT_EQ(widget(cell(2))->geometry().right() + 1, ui::px(10600));
    EXPECT_EQ(widget(cell(102))->geometry().bottom() + 1, ui::px(6020));
    EXPECT_EQ(widget(QStringLiteral("frSkyring3"))->y(), ui::px(6140));
}

TEST_F(GridTest, CellsHaveFlatSingleBordersExceptBromineAndBadgesLieAbove) {
    const QObjectList& stack = widget(QStringLiteral("client"))->children();  // lowest first
    const forms::ColourValue text = shownAs(forms::colours::WindowText);
    const int badgeFont = forms::ToQFont("Small Fonts", 6, false).pixelSize();
    for (int i = 1; i <= 118; ++i) {
        const QLabel* box = label(cell(i));
        EXPECT_EQ(valueOf(box->palette().color(QPalette::WindowText)), text) << i;
        EXPECT_EQ(valueOf(label(badge(i))->palette().color(QPalette::WindowText)), text) << i;
        EXPECT_EQ(label(badge(i))->font().pixelSize(), badgeFont) << i;
        EXPECT_EQ(box->frameShape(), i == 35 ? QFrame::NoFrame : QFrame::Box) << i;
        EXPECT_EQ(box->frameWidth(), i == 35 ? 0 : 1) << i;
        EXPECT_EQ(box->frameShadow(), QFrame::Plain) << i;
        EXPECT_TRUE(box->alignment() & Qt::AlignHCenter) << i;
        EXPECT_GT(stack.indexOf(widget(badge(i))), stack.indexOf(widget(cell(i)))) << i;
    }
}

TEST_F(GridTest, GroupNumbersSitOnTheFirstCellOfTheirColumn) {
    const int named[][3] = {{1, 160, 220},    {2, 755, 800},   {3, 1320, 1960},
                            {12, 6540, 1960}, {13, 7120, 800}, {18, 10020, 220}};
    for (const auto& n : named) {
        EXPECT_EQ(widget(QStringLiteral("lbldalkur(%1)").arg(n[0]))->geometry(),
                  screenBox(n[1], n[2], 580, 180))
            << n[0];
    }
    const int firstOfColumn[] = {1, 4, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 5, 6, 7, 8, 9, 2};
    for (int k = 1; k <= 18; ++k) {
        const QLabel* number = label(QStringLiteral("lbldalkur(%1)").arg(k));
        EXPECT_EQ(number->text(), QLatin1Char(' ') + QString::number(k));
        EXPECT_TRUE(number->alignment() & Qt::AlignHCenter) << k;
        EXPECT_EQ(number->geometry().bottom() + 1, widget(cell(firstOfColumn[k - 1]))->y()) << k;
    }
}

TEST_F(GridTest, PreviewNameAndOptionFramesStandWhereTheLayoutPutsThem) {
    const QLabel* preview = label(QStringLiteral("lblSkoda"));
    EXPECT_EQ(preview->geometry(), screenBox(3360, 480, 1250, 1250));
    EXPECT_EQ(preview->text(), QString());
    EXPECT_TRUE(preview->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(preview->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(preview->font().pixelSize(),
              forms::ToQFont("MS Sans Serif", 13.5, false).pixelSize());
    const QLabel* name = label(QStringLiteral("lblHeiti"));
    EXPECT_EQ(name->geometry(), screenBox(4800, 840, 1935, 375));
    EXPECT_EQ(name->text(), QString());
    EXPECT_TRUE(name->alignment() & Qt::AlignLeft);

    const struct {
        const char* name;
        const char* caption;
        forms::Twips left, top, width, height;
        bool on;  // options only
    } boxes[] = {{"frBirta", "Birta", 480, 6960, 2775, 615, false},
                 {"optBirta(0)", "Lotunúmer", 240, 240, 1095, 255, true},
                 {"optBirta(1)", "Massa", 1440, 240, 975, 255, false},
                 {"frSyn", "Sýn", 3380, 6960, 5775, 615, false},
                 {"optSyn(3)", "Málmar", 240, 240, 855, 195, true},
                 {"optSyn(2)", "Hamur", 1440, 240, 1215, 195, false},
                 {"optSyn(5)", "Náttúruleg", 2640, 240, 1335, 195, false},
                 {"optSyn(1)", "Flokkar", 4200, 240, 1095, 195, false}};
    for (const auto& box : boxes) {
        const QString boxName = QString::fromLatin1(box.name);
        auto* frame = qobject_cast<QGroupBox*>(widget(boxName));
        EXPECT_EQ(frame ? frame->title() : caption(boxName), QString::fromUtf8(box.caption))
            << box.name;
        EXPECT_EQ(widget(boxName)->geometry(), screenBox(box.left, box.top, box.width, box.height))
            << box.name;
        if (boxName.startsWith(QLatin1String("opt"))) {
            EXPECT_EQ(isOn(boxName), box.on) << box.name;
            EXPECT_EQ(
                widget(boxName)->parentWidget(),
                widget(boxName.startsWith(QLatin1String("optSyn")) ? QStringLiteral("frSyn")
                                                                   : QStringLiteral("frBirta")))
                << box.name;
        }
    }
}

TEST_F(GridTest, FocusMovesInTheOrderOfTheTabIndex) {
    const char* const order[] = {"cmdOK",       "optSyn(1)",   "optSyn(2)", "optSyn(3)",
                                 "optBirta(0)", "optBirta(1)", "optSyn(5)", "cmdOK"};
    QWidget* focus = widget(QStringLiteral("cmdOK"));
    for (const char* expected : order) {
        while (focus->focusPolicy() == Qt::NoFocus) focus = focus->nextInFocusChain();
        EXPECT_EQ(focus->objectName(), QString::fromLatin1(expected));
        focus = focus->nextInFocusChain();
    }
    // Tab from OK goes to "Sýn" first, then to "Birta".
    ui::pressKey(table_, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->parentWidget(), widget(QStringLiteral("frSyn")));
    ui::pressKey(table_, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->parentWidget(), widget(QStringLiteral("frBirta")));
}

}  // namespace
}  // namespace lotukerfi_test
