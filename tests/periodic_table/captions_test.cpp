// The cells' captions and the badges in the display modes "Lotunúmer" and "Massa".
#include "elements/module1.h"
#include "lotukerfi_fixture.h"

namespace lotukerfi_test {
namespace {

class CaptionsTest : public LotukerfiTest {
protected:
    // What a pupil sees of every cell and its badge.
    std::vector<QString> cellsAsShown() const {
        std::vector<QString> cells;
        for (int i = 1; i <= 118; ++i) {
            const QLabel* b = label(badge(i));
            QString line;
            QDebug(&line) << caption(cell(i)) << label(cell(i))->font().pixelSize() << b->text()
                          << b->geometry() << b->alignment() << colour(badge(i));
            cells.push_back(line);
        }
        return cells;
    }
};

TEST_F(CaptionsTest, NumbersAtLoadWeightsInMassa) {
    const struct {
        const char* mode;
        QString (*cellText)(int);
        QString (*badgeText)(int);
        QRect (*badgeBox)(Place);
    } modes[] = {{"optBirta(0)", [](int i) { return QChar(10) + Module1::ElementSymbol(i); },
                  [](int i) { return QLatin1Char(' ') + QString::number(i); },
                  [](Place p) { return screenBox(p.left + 140, p.top + 60, 300, 150); }},
                 {"optBirta(1)", [](int i) { return Module1::ElementSymbol(i); },
                  [](int i) { return Module1::AtomicWeight(i); },
                  [](Place p) { return screenBox(p.left + 90, p.top + 360, 400, 150); }}};
    const int cellFont = forms::ToQFont("MS Sans Serif", 12, false).pixelSize();
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.mode);
        if (!isOn(QString::fromLatin1(mode.mode))) choose(mode.mode);
        for (int i = 1; i <= 118; ++i) {
            EXPECT_EQ(caption(cell(i)), mode.cellText(i)) << i;
            EXPECT_EQ(label(cell(i))->font().pixelSize(), cellFont) << i;
            EXPECT_EQ(caption(badge(i)), mode.badgeText(i)) << i;
            EXPECT_EQ(widget(badge(i))->geometry(), mode.badgeBox(placeOf(i))) << i;
            EXPECT_TRUE(label(badge(i))->alignment() & Qt::AlignHCenter) << i;
            EXPECT_EQ(colour(badge(i)), colour(cell(i))) << i;
        }
        EXPECT_TRUE(table_->updatesEnabled());
    }
    // Written out: the two modes of hydrogen, 118, technetium and 117.
    EXPECT_EQ(caption(badge(43)), QStringLiteral("(98)"));
    EXPECT_EQ(caption(badge(117)), QStringLiteral("( )"));
    EXPECT_EQ(caption(badge(118)), QStringLiteral("( )"));
    EXPECT_EQ(caption(cell(1)), QStringLiteral("H"));
    choose("optBirta(0)");
    EXPECT_EQ(caption(badge(1)), QStringLiteral(" 1"));
    EXPECT_EQ(caption(badge(118)), QStringLiteral(" 118"));
    EXPECT_EQ(caption(cell(1)), QStringLiteral("\nH"));
}

TEST_F(CaptionsTest, MassaAndBackGiveExactlyTheLoadState) {
    choose("optSyn(1)");
    const std::vector<QString> atLoad = cellsAsShown();
    choose("optBirta(1)");
    const std::vector<QString> weights = cellsAsShown();
    EXPECT_NE(weights, atLoad);
    choose("optBirta(0)");
    EXPECT_EQ(cellsAsShown(), atLoad);
    choose("optBirta(1)");
    EXPECT_EQ(cellsAsShown(), weights);
    // The view stays through mode changes.
    EXPECT_EQ(colour(cell(89)), kGreen);
    EXPECT_TRUE(ui::shows(table_, QStringLiteral("frSkyring1")));
}

}  // namespace
}  // namespace lotukerfi_test
