#include "main_window/quiz_driver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <cmath>

#include "forms/services.h"

namespace quiz {

namespace {

// The answer key of the riddles: the start of each riddle and the symbol it asks for.
struct RiddleKey {
    const char* start;
    const char* symbol;
};
constexpr RiddleKey kRiddles[] = {
    {"Hvaða frumefni er algengast í geimnum?", "H"},
    {"Hvert eftirtalinna efna er eðallofttegund?", "He"},
    {"Hvert er léttasta fasta efnið?", "Li"},
    {"Hvert eftirtalinna efna gæti verið táknað með X:?", "Be"},
    {"Hvert eftirtalinna efna gæti verið táknað með :X.?", "B"},
    {"Hvaða efni er uppistaðan í lífrænum efnum?", "C"},
    {"Hvaða efni er aðalefni andrúmsloftsins?", "N"},
    {"Hvaða efni er nauðsynlegt í bruna?", "O"},
    {"Hvaða frumefni er efnahvarfgjarnast og rafeindadrægast?", "F"},
    {"Hvaða frumefni kallast Sodium á ensku?", "Na"},
    {"Hvaða frumefni er eingöngu með rafeindir á sömu hvolfum og fosfór(P).", "Mg"},
    {"Hvað málmur er unninn hér á landi?", "Al"},
    {"Hvaða efni er uppistaðan í gleri?", "Si"},
    {"Hvaða frumefni er eingöngu með rafeindir á sömu hvolfum og ál(Al).", "P"},
    {"Hvaða frumefni gefur frá sér hveralykt?", "S"},
    {"Hvað efni ásamt Natrín myndar salt", "Cl"},
    {"Hvert eftirtalinna efna gæti verið táknað með X.?", "K"},
    {"Hvaða frumefni er eingöngu með rafeindir á sömu hvolfum og kalín (K).", "Ca"},
};

// The mass numbers of the common isotopes of the elements 1 to 20.
constexpr int kMassNumber[21] = {0,  1,  4,  7,  9,  11, 12, 14, 16, 19, 20,
                                 23, 24, 27, 28, 31, 32, 35, 40, 39, 40};

struct PromptText {
    const char* text;
    Prompt prompt;
};
constexpr PromptText kUpperPrompts[] = {
    {"Hvað hefur þessi frumeind margar róteindir?", Prompt::Protons},
    {"Hvað hefur þessi frumeind margar nifteindir?", Prompt::Neutrons},
    {"Hvað hefur þessi frumeind margar rafeindir?", Prompt::Electrons},
};
constexpr PromptText kLowerPrompts[] = {
    {"Hvað eru margar rafeindir í fyrsta hvolfi?", Prompt::Shell1},
    {"Hvað eru margar rafeindir í öðru hvolfi?", Prompt::Shell2},
    {"Hvað eru margar rafeindir í þriðja hvolfi?", Prompt::Shell3},
    {"Hvað eru margar rafeindir í fjórða hvolfi?", Prompt::Shell4},
};
const QString kParticlePrompt = QStringLiteral(
    "Er þetta (1) jákvæð jón (2) neikvæð jón\n(3) sjaldgæf samsæta (4) óhlaðin frumeind?");

// Electrons in shells 1 to 4 when the shells fill in order.
int ShellElectrons(int z, int shell) {
    static constexpr int kCapacity[] = {2, 8, 8, 2};
    int left = z;
    for (int k = 1; k < shell; ++k) left -= std::min(left, kCapacity[k - 1]);
    return std::min(left, kCapacity[shell - 1]);
}

}  // namespace

const std::vector<int>& QuizSet() {
    static const std::vector<int> set = {1,  2,  3,  4,  5,  6,  7,  8,  9,
                                         11, 12, 13, 14, 15, 16, 17, 19, 20};
    return set;
}

std::vector<double> ShuffleDraws(const std::vector<int>& front, const std::vector<int>& kinds) {
    std::vector<double> draws;
    std::vector<int> order = QuizSet();
    // Moves with p = 0 change nothing; then each element of front, the last first, is
    // brought to the front.
    draws.assign(10000 - front.size(), 0.01);
    for (auto it = front.rbegin(); it != front.rend(); ++it) {
        const auto at = std::find(order.begin(), order.end(), *it);
        const int pair = static_cast<int>(at - order.begin());
        draws.push_back((pair + 0.5) / 18);
        order.erase(at);
        order.insert(order.begin(), *it);
    }
    for (std::size_t i = 0; i < 18; ++i) {
        const int kind = i < kinds.size() ? kinds[i] : 0;
        draws.push_back((kind + 0.5) / 3);
    }
    return draws;
}

ScriptedRandom::ScriptedRandom(std::vector<double> values) {
    forms::SetRandomSourceForTesting([values = std::move(values), drawn = drawn_]() {
        return values[(*drawn)++ % values.size()];
    });
}

ScriptedRandom::~ScriptedRandom() {
    forms::SetRandomSourceForTesting({});
}

const char* PromptName(Prompt prompt) {
    static constexpr const char* kNames[] = {"none",   "protons", "neutrons", "electrons",
                                             "shell1", "shell2",  "shell3",   "shell4",
                                             "riddle", "particle"};
    return kNames[static_cast<int>(prompt)];
}

bool InLowerBox(Prompt prompt) {
    return prompt == Prompt::Shell1 || prompt == Prompt::Shell2 || prompt == Prompt::Shell3 ||
           prompt == Prompt::Shell4;
}

QuizWindow::QuizWindow() : form_(std::make_unique<Form1>()), probe_(*form_) {
    form_->show();
    ui::activate(form_->window());
    watchdog_.setInterval(1);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { watchMessageBoxes(); });
    watchdog_.start();
}

void QuizWindow::watchMessageBoxes() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    if (nextBox_) {
        // Answered once: the handler is taken before it runs.
        const auto handler = std::move(nextBox_);
        nextBox_ = nullptr;
        handler(box);
        return;
    }
    if (everyBox_) {
        everyBox_(box);
        return;
    }
    unexpected_ << box->text();
    box->reject();
}

void QuizWindow::answerEveryMessageBox(std::function<void(QMessageBox*)> handler) {
    everyBox_ = std::move(handler);
}

QuizWindow::~QuizWindow() {
    form_.reset();
    ui::settle();
}

QString QuizWindow::caption(const QString& name) const {
    return ui::caption(window(), name);
}

bool QuizWindow::shows(const QString& name) const {
    return ui::shows(window(), name);
}

forms::ColourValue QuizWindow::background(const QString& name) const {
    return ui::background(window(), name);
}

QString QuizWindow::focusName() const {
    QWidget* focus = window()->focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

int QuizWindow::electronsShown() const {
    int shown = 0;
    for (int i = 1; i <= 20; ++i) shown += shows(QStringLiteral("imgRafeind(%1)").arg(i));
    return shown;
}

bool QuizWindow::firstElectronsShown(int n) const {
    for (int i = 1; i <= 20; ++i) {
        if (shows(QStringLiteral("imgRafeind(%1)").arg(i)) != (i <= n)) return false;
    }
    return true;
}

std::vector<int> QuizWindow::photographsShown() const {
    std::vector<int> shown;
    for (int i :
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 26, 29, 47, 79}) {
        if (shows(QStringLiteral("picFrumefni(%1)").arg(i))) shown.push_back(i);
    }
    return shown;
}

Prompt QuizWindow::prompt() const {
    if (shows("txtSvar2")) {
        for (const PromptText& p : kLowerPrompts) {
            if (caption("lblSpurn2") == QString::fromUtf8(p.text)) return p.prompt;
        }
        return Prompt::None;
    }
    if (!shows("txtSvar1")) return Prompt::None;
    if (shows("lblLeidbeining")) return Prompt::Riddle;
    if (caption("lblSpurn1") == kParticlePrompt) return Prompt::Particle;
    for (const PromptText& p : kUpperPrompts) {
        if (caption("lblSpurn1") == QString::fromUtf8(p.text)) return p.prompt;
    }
    return Prompt::None;
}

const char* QuizWindow::promptBox() const {
    return InLowerBox(prompt()) ? "txtSvar2" : "txtSvar1";
}

void QuizWindow::chooseByrja() {
    ui::chooseMenuItem(window(), QStringLiteral("Byrja"));
}

void QuizWindow::type(const QString& text) {
    ui::typeText(window(), text);
}

void QuizWindow::pressEnter(Qt::KeyboardModifiers modifiers) {
    ui::pressKey(window(), Qt::Key_Return, modifiers);
    // A desktop gives the activation back to the main window when a message box that Enter
    // brought up has closed; the offscreen platform leaves no window active.
    if (QApplication::activeWindow() == nullptr) ui::activate(window());
}

void QuizWindow::answer(const QString& text, Qt::KeyboardModifiers modifiers) {
    type(text);
    pressEnter(modifiers);
}

Reveal QuizWindow::answerRevealing(const QString& text, const QString& closeWith) {
    auto reveal = std::make_shared<Reveal>();
    nextBox_ = [this, reveal, closeWith](QMessageBox* box) {
        reveal->shown = true;
        reveal->text = box->text();
        reveal->title = box->windowTitle();
        for (QAbstractButton* button : box->buttons()) reveal->buttons << button->objectName();
        reveal->upperText = caption("txtSvar1");
        reveal->lowerText = caption("txtSvar2");
        reveal->upperBack = background("txtSvar1");
        reveal->lowerBack = background("txtSvar2");
        reveal->electrons = electronsShown();
        reveal->nucleusShown = shows("imgKjarni");
        reveal->nucleusCaption = caption("lblKjarni");
        reveal->ring1Shown = shows("imgBraut1");
        reveal->cardShown = shows("shpFrumefni");
        reveal->photographs = photographsShown();
        reveal->naestaShown = shows("cmdNaesta");
        if (closeWith == QLatin1String("Esc")) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (closeWith == QLatin1String("close")) {
            box->close();
        } else if (auto* button = box->findChild<QAbstractButton*>(closeWith)) {
            button->click();
        } else {
            ADD_FAILURE() << "no message box button " << closeWith.toStdString();
            box->reject();
        }
    };
    answer(text);
    nextBox_ = nullptr;
    EXPECT_TRUE(reveal->shown) << "no message box after " << text.toStdString();
    return *reveal;
}

void QuizWindow::next() {
    EXPECT_EQ(focusName(), QStringLiteral("cmdNaesta"));
    pressEnter();
}

QString RightAnswer(const QuizWindow& quiz, Prompt prompt) {
    const int z = quiz.caption("lblSaetistala").toInt();
    const int mass = quiz.caption("lblMassatala").toInt();
    switch (prompt) {
        case Prompt::Protons:
        case Prompt::Electrons:
            return QString::number(z);
        case Prompt::Neutrons:
            return QString::number(mass - z);
        case Prompt::Shell1:
        case Prompt::Shell2:
        case Prompt::Shell3:
        case Prompt::Shell4:
            return QString::number(
                ShellElectrons(z, static_cast<int>(prompt) - static_cast<int>(Prompt::Shell1) + 1));
        case Prompt::Riddle:
            for (const RiddleKey& key : kRiddles) {
                if (quiz.caption("lblSpurn1").startsWith(QString::fromUtf8(key.start))) {
                    return QString::fromUtf8(key.symbol);
                }
            }
            ADD_FAILURE() << "unknown riddle " << quiz.caption("lblSpurn1").toStdString();
            return {};
        case Prompt::Particle: {
            // The nucleus reads "R 6", a line feed, "N 8".
            const QStringList lines = quiz.caption("lblKjarni").split(QChar(10));
            const int protons = lines.value(0).mid(1).trimmed().toInt();
            const int neutrons = lines.value(1).mid(1).trimmed().toInt();
            const int electrons = quiz.electronsShown();
            if (protons > electrons) return QStringLiteral("1");
            if (protons < electrons) return QStringLiteral("2");
            if (protons + neutrons != kMassNumber[protons]) return QStringLiteral("3");
            return QStringLiteral("4");
        }
        case Prompt::None:
            break;
    }
    ADD_FAILURE() << "no prompt open";
    return {};
}

int Percentage(int correct, int asked) {
    return static_cast<int>(std::floor(static_cast<double>(correct) / asked * 100));
}

QString ScoreLine(int correct, int asked) {
    return QStringLiteral("Frammistaða:  %1%").arg(Percentage(correct, asked));
}

QString VerdictCaption(int percentage) {
    if (percentage > 90) return QStringLiteral("Frammistaða þín verðskuldar gull.");
    if (percentage > 80) return QStringLiteral("Frammistaða þín verðskuldar silfur.");
    if (percentage > 70) return QStringLiteral("Frammistaða þín verðskuldar kopar.");
    return QStringLiteral("Frammistaða þín verðskuldar járn.");
}

int VerdictMetal(int percentage) {
    if (percentage > 90) return 79;
    if (percentage > 80) return 47;
    if (percentage > 70) return 29;
    return 26;
}

}  // namespace quiz
