// The element tables after FillElementTables, checked against the literal element data:
// exact texts, the particle rules and the bounds of every table.
#include "elements/module1.h"

#include <gtest/gtest.h>

#include <QString>
#include <set>

using namespace Module1;

namespace {

class ElementTablesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { FillElementTables(); }
};

QString firstLine(const QString& text) {
    return text.section(QChar(10), 0, 0);
}
QString secondLine(const QString& text) {
    return text.section(QChar(10), 1);
}

// The charge that a charge text stands for: "2+" is +2, "-" is -1, empty is 0.
int chargeOf(const QString& text) {
    if (text.isEmpty()) return 0;
    const int size = text.size() == 1 ? 1 : text.left(1).toInt();
    return text.endsWith(QLatin1Char('+')) ? size : -size;
}

TEST_F(ElementTablesTest, AtomicWeightsAreDisplayTexts) {
    const struct {
        int index;
        const char* weight;
    } cases[] = {{1, "1.008"},   {7, "14.00"},   {43, "(98)"}, {61, "(145)"}, {82, "207.2"},
                 {92, "238.03"}, {116, "(292)"}, {117, "( )"}, {118, "( )"}};
    for (const auto& c : cases) {
        EXPECT_EQ(AtomicWeight(c.index), QString::fromUtf8(c.weight)) << "element " << c.index;
    }
    // Only technetium, promethium, 84 to 89 and 93 to 118 have no decimal weight.
    for (int i = 1; i <= 118; ++i) {
        const bool bracketed = i == 43 || i == 61 || (i >= 84 && i <= 89) || i >= 93;
        EXPECT_EQ(AtomicWeight(i).startsWith(QLatin1Char('(')), bracketed) << "element " << i;
    }
}

TEST_F(ElementTablesTest, SymbolsAndNames) {
    const struct {
        int index;
        const char* symbol;
        const char* name;
    } cases[] = {{1, "H", "Vetni"},          {2, "He", "Helín"},       {13, "Al", "Ál"},
                 {26, "Fe", "Járn"},         {53, "I", "Joð"},         {81, "Tl", "Þallín"},
                 {104, "Rf", "Rúþerfordín"}, {111, "Rg", "Röntgenín"}, {112, "Uub", "Ununbium"},
                 {118, "Uuo", "Ununoctium"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ElementSymbol(c.index), QString::fromUtf8(c.symbol)) << "element " << c.index;
        EXPECT_EQ(ElementName(c.index), QString::fromUtf8(c.name)) << "element " << c.index;
    }
    for (int i = 1; i <= 118; ++i) {
        const auto length = ElementSymbol(i).size();
        if (i >= 112) {
            EXPECT_EQ(length, 3) << "element " << i;
        } else {
            EXPECT_TRUE(length == 1 || length == 2) << "element " << i;
        }
        EXPECT_FALSE(ElementName(i).isEmpty()) << "element " << i;
        EXPECT_FALSE(AtomicWeight(i).isEmpty()) << "element " << i;
    }
}

TEST_F(ElementTablesTest, QuizRowsOfElementsOneToTwenty) {
    const struct {
        int mass;
        const char* english;
        const char* charge;
        int protons, neutrons, electrons;
        const char* answer;
    } rows[] = {{1, "Hydrogen", "-", 1, 0, 2, "2"},       {4, "Helium", "", 2, 2, 2, "4"},
                {7, "Lithium", "+", 3, 4, 2, "1"},        {9, "Beryllium", "2+", 4, 5, 2, "1"},
                {11, "Boron", "", 5, 6, 5, "4"},          {12, "Carbon", "", 6, 8, 6, "3"},
                {14, "Nitrogen", "-", 7, 7, 8, "2"},      {16, "Oxygen", "2-", 8, 8, 10, "2"},
                {19, "Fluorine", "-", 9, 10, 10, "2"},    {20, "Neon", "", 10, 10, 10, "4"},
                {23, "Sodium", "+", 11, 12, 10, "1"},     {24, "Magnesium", "2+", 12, 12, 10, "1"},
                {27, "Aluminium", "3+", 13, 14, 10, "1"}, {28, "Silicon", "", 14, 14, 14, "4"},
                {31, "Phosphorus", "", 15, 16, 15, "4"},  {32, "Sulphur", "2-", 16, 16, 18, "2"},
                {35, "Chlorine", "-", 17, 18, 18, "2"},   {40, "Argon", "", 18, 22, 18, "4"},
                {39, "Potassium", "+", 19, 20, 18, "1"},  {40, "Calcium", "2+", 20, 20, 18, "1"}};
    for (int i = 1; i <= 20; ++i) {
        const auto& r = rows[i - 1];
        SCOPED_TRACE(testing::Message() << "row " << i);
        EXPECT_EQ(AtomicNumber(i), i);
        EXPECT_EQ(MassNumber(i), r.mass);
        EXPECT_EQ(EnglishName(i), QString::fromUtf8(r.english));
        EXPECT_EQ(ParticleCharge(i), QString::fromUtf8(r.charge));
        EXPECT_EQ(ParticleProtons(i), r.protons);
        EXPECT_EQ(ParticleNeutrons(i), r.neutrons);
        EXPECT_EQ(ParticleElectrons(i), r.electrons);
        EXPECT_EQ(ParticleTypeAnswer(i), QString::fromUtf8(r.answer));
    }
}

TEST_F(ElementTablesTest, ParticlesFollowTheClassificationRules) {
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const int charge = chargeOf(ParticleCharge(i));
        EXPECT_EQ(ParticleProtons(i), i);
        EXPECT_EQ(ParticleElectrons(i), ParticleProtons(i) - charge);
        const QString expectedAnswer = charge > 0   ? QStringLiteral("1")
                                       : charge < 0 ? QStringLiteral("2")
                                       : i == 6     ? QStringLiteral("3")
                                                    : QStringLiteral("4");
        EXPECT_EQ(ParticleTypeAnswer(i), expectedAnswer);
        if (i == 6) {
            EXPECT_NE(ParticleNeutrons(i), MassNumber(i) - AtomicNumber(i));
        } else {
            EXPECT_EQ(ParticleNeutrons(i), MassNumber(i) - AtomicNumber(i));
        }
    }
}

TEST_F(ElementTablesTest, Riddles) {
    const std::set<int> withChoices{2, 4, 5, 10, 12, 15, 18, 19, 20};
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(QuizQuestion(i).count(QChar(10)), withChoices.contains(i) ? 1 : 0) << "row " << i;
    }
    const QString nobleGas = QStringLiteral("Hvert eftirtalinna efna er eðallofttegund?");
    EXPECT_EQ(QuizQuestion(2),
              nobleGas + QChar(10) + QStringLiteral("Súrefni(O)  Helín(He)  Liþín(Li) Flúor(F)"));
    EXPECT_EQ(firstLine(QuizQuestion(10)), nobleGas);
    EXPECT_EQ(firstLine(QuizQuestion(18)), nobleGas);
    EXPECT_EQ(secondLine(QuizQuestion(18)),
              QStringLiteral("Argon(Ar)  Kísill(Si)  Klór(Cl) Vetni(H)"));
    EXPECT_EQ(QuizQuestion(17), QStringLiteral("Hvað efni ásamt Natrín myndar salt"));
    EXPECT_EQ(
        QuizQuestion(20),
        QStringLiteral("Hvaða frumefni er eingöngu með rafeindir á sömu hvolfum og kalín (K).") +
            QChar(10) + QStringLiteral("Kalsín(Ca)  Natrín(Na)  Nitur(N)  Brennisteinn(S)?"));
}

TEST_F(ElementTablesTest, DescriptionsHaveTwoLinesWhereFilled) {
    const std::set<int> filled{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                               13, 14, 15, 16, 17, 18, 19, 20, 26, 29, 47, 79};
    for (int i = 1; i <= 79; ++i) {
        const QString& text = ElementDescription(i);
        if (filled.count(i) == 0) {
            EXPECT_TRUE(text.isEmpty()) << "row " << i;
            continue;
        }
        EXPECT_EQ(text.count(QChar(10)), 1) << "row " << i;
        EXPECT_FALSE(text.contains(QChar(13))) << "row " << i;
        EXPECT_FALSE(firstLine(text).isEmpty()) << "row " << i;
        EXPECT_FALSE(secondLine(text).isEmpty()) << "row " << i;
    }
}

TEST_F(ElementTablesTest, DescriptionTextsKeepTheirBlanks) {
    const struct {
        int index;
        const char* first;
        const char* second;
    } cases[] = {
        {1, "Vetni er mjög létt og brennur auðveldlega.",
         "Vetni heitir hydrogen á ensku.  Það er dregið af gríska orðinu hydor (vatn)."},
        {2, "Helín er notað í gasblöðrur", "Orðið er dregið af gríska orðinu tarnok (sól)."},
        {19,
         "Kalín er notað í sportdrykki þar kalínjónir gegna lykilhlutverki í flutningi taugaboða.",
         "Orðið kemur úr arabísku al-qali (aska) en af því orði kemur líka orðið alkalí.  Á ensku "
         "kallast efnið potassium (af potash, pottaska)."},
        {26, "Járn er góður smíðamálmur og þægilegra að vinna hann en t.d. brons.",
         "Uppruni orðsins er mjög á reiki."},
        {29,
         "Einn af myntmálmunum (gull, silfur, kopar) sem notaðir voru til myntsláttu. Brons, sem "
         "mikið var notað á bronsöld, er blanda af kopar og tini.  Nú er kopar notaður í víra því "
         "málmurinn leiðir rafmagn mjög vel.",
         "Orðið er úr latínu (aes) Cyprium (málmur frá Kýpur).  Íslenska orðið eir merkir kopar."},
        {47,
         "Einn af myntmálmunum (gull, silfur, kopar) sem notaðir voru til myntsláttu sbr. "
         "íslenska orðið skotsilfur.  Silfur er notað í borðsilfur.",
         " Uppruni orðsins er mjög á reiki."}};
    for (const auto& c : cases) {
        EXPECT_EQ(ElementDescription(c.index),
                  QString::fromUtf8(c.first) + QChar(10) + QString::fromUtf8(c.second))
            << "row " << c.index;
    }
    EXPECT_TRUE(secondLine(ElementDescription(47)).startsWith(QLatin1Char(' ')));
    EXPECT_FALSE(firstLine(ElementDescription(3)).endsWith(QLatin1Char('.')));
}

TEST(ElementTablesDeathTest, ReadingOutsideTheBoundsStopsTheProgram) {
    EXPECT_DEATH((void)ElementSymbol(0), "ElementSymbol\\(0\\)");
    EXPECT_DEATH((void)ElementSymbol(119), "ElementSymbol\\(119\\)");
    EXPECT_DEATH((void)MassNumber(21), "MassNumber\\(21\\)");
    EXPECT_DEATH((void)ElementDescription(80), "ElementDescription\\(80\\)");
}

}  // namespace
