// Every symbol and badge of the table can be read in its cell, in the four colour views and
// both display modes; each combination is also saved as a screenshot to look at.
#include <QFontMetrics>

#include "lotukerfi_fixture.h"

namespace lotukerfi_test {
namespace {

using LegibilityTest = LotukerfiTest;

// The pixels that a label's text needs: its widest line, and all its lines.
QSize textSize(const QLabel* label) {
    const QFontMetrics metrics(label->font());
    const QStringList lines = label->text().split(QChar(10));
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, static_cast<int>(lines.size()) * metrics.lineSpacing());
}

TEST_F(LegibilityTest, SymbolsAndBadgesFitTheirCellsInEveryViewAndMode) {
    const char* const views[][2] = {{"optSyn(3)", "malmar"},
                                    {"optSyn(2)", "hamur"},
                                    {"optSyn(5)", "natturuleg"},
                                    {"optSyn(1)", "flokkar"}};
    const char* const modes[][2] = {{"optBirta(0)", "numbers"}, {"optBirta(1)", "weights"}};
    for (const auto& mode : modes) {
        choose(mode[0]);
        const bool numbers = isOn(QStringLiteral("optBirta(0)"));
        for (const auto& view : views) {
            choose(view[0]);
            const QString shot = QStringLiteral("lotukerfi_%1_%2.png").arg(view[1], mode[1]);
            ui::screenshot(table_, shot);
            for (int i = 1; i <= 118; ++i) {
                SCOPED_TRACE(shot.toStdString() + ", element " + std::to_string(i));
                const QLabel* box = label(cell(i));
                const QLabel* number = label(badge(i));
                const QRect inside = box->contentsRect().translated(box->pos());
                EXPECT_LE(textSize(box).width(), inside.width());
                EXPECT_LE(textSize(box).height(), inside.height());
                EXPECT_LE(textSize(number).width(), number->width());
                EXPECT_LE(textSize(number).height(), number->height());
                EXPECT_TRUE(inside.contains(number->geometry()));
                // The badge covers no part of the symbol's line.
                const int line = QFontMetrics(box->font()).lineSpacing();
                const QRect symbol(inside.left(), inside.top() + (numbers ? line : 0),
                                   inside.width(), line);
                EXPECT_FALSE(symbol.intersects(number->geometry()));
            }
        }
    }
}

}  // namespace
}  // namespace lotukerfi_test
