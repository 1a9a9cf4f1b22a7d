// The preview of a clicked element, its colour through view and mode changes and
// activations, and the window's life: one instance, closing with OK, Enter, Esc or the close
// box, and reopening in the start-up state.
#include "lotukerfi_fixture.h"

namespace lotukerfi_test {
namespace {

const QString kPreview = QStringLiteral("lblSkoda");
const QString kName = QStringLiteral("lblHeiti");

class PreviewTest : public LotukerfiTest {
protected:
    void expectPreview(const char* text, const char* name, forms::ColourValue back) const {
        EXPECT_EQ(caption(kPreview), QString::fromUtf8(text));
        EXPECT_EQ(caption(kName), QString::fromUtf8(name));
        EXPECT_EQ(colour(kPreview), back);
    }
    void switchToMainWindowAndBack() const {
        ui::activate(mainWindow_);
        ui::activate(table_);
    }
    const forms::ColourValue kGrey = shownAs(forms::colours::ButtonFace);
};

TEST_F(PreviewTest, ClickOnACellOrItsBadgeShowsTheElement) {
    expectPreview("", "", kGrey);
    clickOn(cell(6));
    expectPreview(" 6\nC\n12.01", "Kolefni", kRed);
    clickOn(badge(79));  // the badge lets the click through to its cell
    expectPreview(" 79\nAu\n196.97", "Gull", kBlue);
    choose("optBirta(1)");
    clickOn(badge(118));
    expectPreview(" 118\nUuo\n( )", "Ununoctium", kRed);
    clickOn(cell(1));
    expectPreview(" 1\nH\n1.008", "Vetni", kRed);
    choose("optSyn(1)");  // hydrogen, the first element, follows the views like any other
    expectPreview(" 1\nH\n1.008", "Vetni", kWhite);
}

TEST_F(PreviewTest, ViewAndModeChangesRecolourOnlyASelectedPreview) {
    for (const char* option : {"optSyn(2)", "optBirta(1)", "optSyn(1)", "optBirta(0)"}) {
        choose(option);
        expectPreview("", "", kGrey);
    }
    clickOn(cell(35));
    const struct {
        const char* option;
        forms::ColourValue colour;
    } steps[] = {{"optSyn(2)", kBlue},  {"optSyn(5)", kGreen},   {"optSyn(3)", kRed},
                 {"optBirta(1)", kRed}, {"optSyn(1)", kMagenta}, {"optBirta(0)", kMagenta}};
    for (const auto& step : steps) {
        choose(step.option);
        expectPreview(" 35\nBr\n79.90", "Bróm", step.colour);
    }
}

TEST_F(PreviewTest, ActivationTurnsThePreviewGreyUntilTheNextChange) {
    clickOn(cell(6));
    switchToMainWindowAndBack();
    expectPreview(" 6\nC\n12.01", "Kolefni", kGrey);
    choose("optSyn(2)");
    expectPreview(" 6\nC\n12.01", "Kolefni", kWhite);
    switchToMainWindowAndBack();
    expectPreview(" 6\nC\n12.01", "Kolefni", kGrey);
    choose("optBirta(1)");
    expectPreview(" 6\nC\n12.01", "Kolefni", kWhite);
}

TEST_F(PreviewTest, ClickOnTheOptionAlreadyOnRecoloursAGreyPreview) {
    clickOn(cell(6));
    for (const char* option : {"optSyn(3)", "optBirta(0)"}) {
        SCOPED_TRACE(option);
        switchToMainWindowAndBack();
        expectPreview(" 6\nC\n12.01", "Kolefni", kGrey);
        choose(option);
        EXPECT_TRUE(isOn(QString::fromLatin1(option)));
        expectPreview(" 6\nC\n12.01", "Kolefni", kRed);
    }
    // Space on the option that is on does the same.
    switchToMainWindowAndBack();
    widget(QStringLiteral("optSyn(3)"))->setFocus();
    ui::pressKey(table_, Qt::Key_Space);
    expectPreview(" 6\nC\n12.01", "Kolefni", kRed);
    EXPECT_TRUE(ui::shows(table_, QStringLiteral("frSkyring3")));
}

TEST_F(PreviewTest, TabFromOkEntersEachGroupAtTheOptionThatIsOn) {
    auto focused = [this] {
        return table_->focusWidget() ? table_->focusWidget()->objectName() : QString();
    };
    ASSERT_EQ(focused(), "cmdOK");
    for (const char* next : {"optSyn(3)", "optBirta(0)", "cmdOK"}) {
        ui::pressKey(table_, Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
    // Space where Tab lands keeps the view that is on.
    ui::pressKey(table_, Qt::Key_Tab);
    ui::pressKey(table_, Qt::Key_Space);
    EXPECT_TRUE(isOn(QStringLiteral("optSyn(3)")));

    // "Náttúruleg" stands last in the tab order, after the modes.
    choose("optSyn(5)");
    choose("optBirta(1)");
    for (const char* next : {"optSyn(5)", "cmdOK", "optBirta(1)"}) {
        ui::pressKey(table_, Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
}

TEST_F(PreviewTest, OkEnterEscAndTheCloseBoxCloseTheOneWindow) {
    frmLotukerfi* instance = frmLotukerfiInstance.get();
    EXPECT_EQ(openTable(), table_);  // chosen again: the same window
    EXPECT_EQ(ui::countWindows(QStringLiteral("frmLotukerfi")), 1);
    const std::function<void(QWidget*)> ways[] = {
        [](QWidget* w) { ui::click(w, QStringLiteral("cmdOK")); },
        [](QWidget* w) { ui::pressKey(w, Qt::Key_Return); },
        [](QWidget* w) { ui::pressKey(w, Qt::Key_Escape); },
        [](QWidget* w) {
            ui::click(w, QStringLiteral("optSyn(2)"));  // the focus on an option
            ui::pressKey(w, Qt::Key_Enter);
        },
        [](QWidget* w) {
            ui::click(w, QStringLiteral("optBirta(1)"));
            ui::pressKey(w, Qt::Key_Escape);
        },
        [](QWidget* w) {
            w->close();
            ui::settle();
        }};
    int way = 0;
    for (const auto& close : ways) {
        QWidget* table = openTable();
        ASSERT_NE(table, nullptr) << way;
        close(table);
        EXPECT_EQ(ui::findWindow(QStringLiteral("frmLotukerfi")), nullptr) << way;
        EXPECT_EQ(frmLotukerfiInstance.get(), instance) << way++;
    }
}

TEST_F(PreviewTest, ReopenedWindowStartsAfreshWithoutSelection) {
    choose("optBirta(1)");
    choose("optSyn(1)");
    clickOn(cell(6));
    ui::click(table_, QStringLiteral("cmdOK"));
    table_ = openTable();
    ASSERT_NE(table_, nullptr);
    EXPECT_TRUE(isOn(QStringLiteral("optBirta(0)")));
    EXPECT_TRUE(isOn(QStringLiteral("optSyn(3)")));
    EXPECT_EQ(caption(cell(6)), QStringLiteral("\nC"));
    EXPECT_EQ(caption(badge(6)), QStringLiteral(" 6"));
    EXPECT_EQ(colour(cell(1)), kRed);
    EXPECT_EQ(colour(cell(3)), kBlue);
    EXPECT_TRUE(ui::shows(table_, QStringLiteral("frSkyring3")));
    EXPECT_FALSE(ui::shows(table_, QStringLiteral("frSkyring1")));
    EXPECT_TRUE(widget(QStringLiteral("cmdOK"))->hasFocus());
    expectPreview("", "", kGrey);
    // The old selection is gone: a view change leaves the empty preview grey.
    choose("optSyn(2)");
    expectPreview("", "", kGrey);
}

}  // namespace
}  // namespace lotukerfi_test
