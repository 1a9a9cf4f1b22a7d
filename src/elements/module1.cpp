// The element tables of Module1 and the fill that writes them at start-up.
#include "elements/module1.h"

#include <QChar>

namespace Module1 {

FixedTable<QString, 1, 118> ElementName{"ElementName"};
FixedTable<QString, 1, 118> ElementSymbol{"ElementSymbol"};
FixedTable<std::int16_t, 1, 20> MassNumber{"MassNumber"};
FixedTable<QString, 1, 118> AtomicWeight{"AtomicWeight"};
FixedTable<QString, 1, 20> EnglishName{"EnglishName"};
FixedTable<std::int16_t, 1, 20> AtomicNumber{"AtomicNumber"};
FixedTable<QString, 1, 20> QuizQuestion{"QuizQuestion"};
FixedTable<QString, 1, 20> ParticleCharge{"ParticleCharge"};
FixedTable<std::int16_t, 1, 20> ParticleProtons{"ParticleProtons"};
FixedTable<std::int16_t, 1, 20> ParticleNeutrons{"ParticleNeutrons"};
FixedTable<std::int16_t, 1, 20> ParticleElectrons{"ParticleElectrons"};
FixedTable<QString, 1, 20> ParticleTypeAnswer{"ParticleTypeAnswer"};
FixedTable<QString, 1, 79> ElementDescription{"ElementDescription"};

namespace {

// A description, or a riddle with a line of choices: the two lines joined by one line feed.
QString twoLines(const QString& first, const QString& second) {
    return first + QChar(10) + second;
}

void setElement(ElementIndex i, const QString& symbol, const QString& name) {
    ElementSymbol(i) = symbol;
    ElementName(i) = name;
}

// The numbers of the element card.
void setCard(ElementIndex i, std::int16_t massNumber, std::int16_t atomicNumber) {
    MassNumber(i) = massNumber;
    AtomicNumber(i) = atomicNumber;
}

// A particle whose three counts are given as they are.
void setParticle(ElementIndex i, std::int16_t protons, std::int16_t neutrons,
                 std::int16_t electrons) {
    ParticleProtons(i) = protons;
    ParticleNeutrons(i) = neutrons;
    ParticleElectrons(i) = electrons;
}

// A particle of the isotope on the element card: its protons and neutrons follow from the
// card's atomic number and mass number, which must already be written; only the electrons,
// and so the charge, are the row's own.
void setParticleFromCard(ElementIndex i, int electrons) {
    ParticleProtons(i) = AtomicNumber(i);
    ParticleNeutrons(i) = static_cast<std::int16_t>(MassNumber(i) - AtomicNumber(i));
    ParticleElectrons(i) = static_cast<std::int16_t>(electrons);
}

}  // namespace

// Straight-line on purpose: every cell is written once, row by row, in a fixed order, so the
// tables can be read against their source one line at a time. The charge of row 6 (carbon-14,
// an uncharged rare isotope) is left as the empty text it starts with.
void FillElementTables() {
    // The elements 1 to 20: element card, description, riddle and particle, then English name.

    // 1: hydrogen
    setElement(1, QStringLiteral("H"), QStringLiteral("Vetni"));
    setCard(1, 1, 1);
    ElementDescription(1) = twoLines(
        QStringLiteral("Vetni er mjög létt og brennur auðveldlega."),
        QStringLiteral(
            "Vetni heitir hydrogen á ensku.  Það er dregið af gríska orðinu hydor (vatn)."));
    QuizQuestion(1) = QStringLiteral("Hvaða frumefni er algengast í geimnum?");
    ParticleTypeAnswer(1) = QString::number(2);
    ParticleCharge(1) = QStringLiteral("-");
    setParticle(1, 1, 0, 2);
    EnglishName(1) = QStringLiteral("Hydrogen");

    // 2: helium
    setElement(2, QStringLiteral("He"), QStringLiteral("Helín"));
    setCard(2, 4, 2);
    ElementDescription(2) =
        twoLines(QStringLiteral("Helín er notað í gasblöðrur"),
                 QStringLiteral("Orðið er dregið af gríska orðinu tarnok (sól)."));
    QuizQuestion(2) = twoLines(QStringLiteral("Hvert eftirtalinna efna er eðallofttegund?"),
                               QStringLiteral("Súrefni(O)  Helín(He)  Liþín(Li) Flúor(F)"));
    ParticleTypeAnswer(2) = QString::number(4);
    ParticleCharge(2) = QString();
    setParticle(2, 2, 2, 2);
    EnglishName(2) = QStringLiteral("Helium");

    // 3: lithium
    setElement(3, QStringLiteral("Li"), QStringLiteral("Liþín"));
    setCard(3, 7, 3);
    ElementDescription(3) =
        twoLines(QStringLiteral("Liþín er notað í liþínrafhlöður"),
                 QStringLiteral("Orðið er dregið af gríska orðinu lithos (steinn)."));
    QuizQuestion(3) = QStringLiteral("Hvert er léttasta fasta efnið?");
    ParticleTypeAnswer(3) = QString::number(1);
    ParticleCharge(3) = QStringLiteral("+");
    setParticle(3, 3, 4, 2);
    EnglishName(3) = QStringLiteral("Lithium");

    // 4: beryllium
    setElement(4, QStringLiteral("Be"), QStringLiteral("Beryllín"));
    setCard(4, 9, 4);
    ElementDescription(4) = twoLines(
        QStringLiteral(
            "Beryllín er mjög hitaþolið og er notað í trjónur á eldflaugum og orustuþotum."),
        QStringLiteral("Orðið er dregið af heiti steinsins beryl en ekki er vitað hvað beryl "
                       "(gríska) þýðir."));
    QuizQuestion(4) = twoLines(QStringLiteral("Hvert eftirtalinna efna gæti verið táknað með X:?"),
                               QStringLiteral("Ál(Al)  Beryllín(Be)  Bór(B) Fosfór(P)"));
    ParticleTypeAnswer(4) = QString::number(1);
    ParticleCharge(4) = QStringLiteral("2+");
    setParticleFromCard(4, AtomicNumber(4) - 2);
    EnglishName(4) = QStringLiteral("Beryllium");

    // 5: boron
    setElement(5, QStringLiteral("B"), QStringLiteral("Bór"));
    setCard(5, 11, 5);
    ElementDescription(5) =
        twoLines(QStringLiteral("Bór finnst í bóraxi sem notað er til sótthreinsunar."),
                 QStringLiteral("Orðið kemur úr arabísku buraq sem þýðir bórax."));
    QuizQuestion(5) = twoLines(QStringLiteral("Hvert eftirtalinna efna gæti verið táknað með :X.?"),
                               QStringLiteral("Kísill(Si)  Kalín(K)  Bór(B) Beryllín(Be)"));
    ParticleTypeAnswer(5) = QString::number(4);
    ParticleCharge(5) = QString();
    setParticleFromCard(5, AtomicNumber(5));
    EnglishName(5) = QStringLiteral("Boron");

    // 6: carbon
    setElement(6, QStringLiteral("C"), QStringLiteral("Kolefni"));
    setCard(6, 12, 6);
    ElementDescription(6) =
        twoLines(QStringLiteral("Kolefni er aðalefnið í kolum."),
                 QStringLiteral(
                     "Enska heiti efnisins er carbon og vísa bæði íslenska og enska orðið í kol."));
    QuizQuestion(6) = QStringLiteral("Hvaða efni er uppistaðan í lífrænum efnum?");
    ParticleTypeAnswer(6) = QString::number(3);
    setParticle(6, 6, 8, 6);
    EnglishName(6) = QStringLiteral("Carbon");

    // 7: nitrogen
    setElement(7, QStringLiteral("N"), QStringLiteral("Nitur"));
    setCard(7, 14, 7);
    ElementDescription(7) =
        twoLines(QStringLiteral("Nitur er notað í áburð."),
                 QStringLiteral("Það skylt gríska orðinu nitron og hebreska orðinu neter sem var "
                                "notað yfir ýmis hreinsiefni."));
    QuizQuestion(7) = QStringLiteral("Hvaða efni er aðalefni andrúmsloftsins?");
    ParticleTypeAnswer(7) = QString::number(2);
    ParticleCharge(7) = QStringLiteral("-");
    setParticle(7, 7, 7, 8);
    EnglishName(7) = QStringLiteral("Nitrogen");

    // 8: oxygen
    setElement(8, QStringLiteral("O"), QStringLiteral("Súrefni"));
    setCard(8, 16, 8);
    ElementDescription(8) =
        twoLines(QStringLiteral("Súrefni er okkur nauðsynlegt til að lifa."),
                 QStringLiteral("Enska heitið er oxygen dregið af gríska orðinu oxys (súr)."));
    QuizQuestion(8) = QStringLiteral("Hvaða efni er nauðsynlegt í bruna?");
    ParticleTypeAnswer(8) = QString::number(2);
    ParticleCharge(8) = QStringLiteral("2-");
    setParticle(8, 8, 8, 10);
    EnglishName(8) = QStringLiteral("Oxygen");

    // 9: fluorine
    setElement(9, QStringLiteral("F"), QStringLiteral("Flúor"));
    setCard(9, 19, 9);
    ElementDescription(9) =
        twoLines(QStringLiteral("Flúor er settur í tannkrem til að verjast tannskemmdum."),
                 QStringLiteral("Orðið kemur úr latínu fluere (flæða)."));
    QuizQuestion(9) = QStringLiteral("Hvaða frumefni er efnahvarfgjarnast og rafeindadrægast?");
    ParticleTypeAnswer(9) = QString::number(2);
    ParticleCharge(9) = QStringLiteral("-");
    setParticleFromCard(9, 10);
    EnglishName(9) = QStringLiteral("Fluorine");

    // 10: neon
    setElement(10, QStringLiteral("Ne"), QStringLiteral("Neon"));
    setCard(10, 20, 10);
    ElementDescription(10) =
        twoLines(QStringLiteral("Neon er notað í neonljós (rauðgul skær ljós)."),
                 QStringLiteral("Orðið kemur úr grísku neos (nýr) og vísar til þess að var efnið "
                                "var uppgötvað seint."));
    QuizQuestion(10) = twoLines(QStringLiteral("Hvert eftirtalinna efna er eðallofttegund?"),
                                QStringLiteral("Vetni(H)  Kolefni(C)  Neon(Ne) Beryllín(Be)"));
    ParticleTypeAnswer(10) = QString::number(4);
    ParticleCharge(10) = QString();
    setParticleFromCard(10, 10);
    EnglishName(10) = QStringLiteral("Neon");

    // 11: sodium
    setElement(11, QStringLiteral("Na"), QStringLiteral("Natrín"));
    setCard(11, 23, 11);
    ElementDescription(11) = twoLines(
        QStringLiteral("Natrín (ásamt klór) mynda matarsalt."),
        QStringLiteral("Það er skylt gríska orðinu nitron og hebreska orðinu neter sem var notað "
                       "yfir ýmis hreinsiefni. Enska heiti efnisins er Sodium."));
    QuizQuestion(11) = QStringLiteral("Hvaða frumefni kallast Sodium á ensku?");
    ParticleTypeAnswer(11) = QString::number(1);
    ParticleCharge(11) = QStringLiteral("+");
    setParticleFromCard(11, 10);
    EnglishName(11) = QStringLiteral("Sodium");

    // 12: magnesium
    setElement(12, QStringLiteral("Mg"), QStringLiteral("Magnín"));
    setCard(12, 24, 12);
    ElementDescription(12) =
        twoLines(QStringLiteral("Magnín gefur frá sér skæran hvítan loga þegar það brennur og var "
                                "notað sem flass í gamla daga."),
                 QStringLiteral("Heitið er dregið af héraðinu Magnesíu í Þessalíu í Grikklandi."));
    QuizQuestion(12) = twoLines(
        QStringLiteral("Hvaða frumefni er eingöngu með rafeindir á sömu hvolfum og fosfór(P)."),
        QStringLiteral("Bór(B)  Kolefni(C)  Magnesín(Mg)  Súrefni(O)?"));
    ParticleTypeAnswer(12) = QString::number(1);
    ParticleCharge(12) = QStringLiteral("2+");
    setParticleFromCard(12, AtomicNumber(12) - 2);
    EnglishName(12) = QStringLiteral("Magnesium");

    // 13: aluminium
    setElement(13, QStringLiteral("Al"), QStringLiteral("Ál"));
    setCard(13, 27, 13);
    ElementDescription(13) =
        twoLines(QStringLiteral("Ál er notað í áldósir."),
                 QStringLiteral("Orðið kemur úr latínu alum (alún) sem notað var sem herpiefni í "
                                "læknisfræðilegum tilgangi."));
    QuizQuestion(13) = QStringLiteral("Hvað málmur er unninn hér á landi?");
    ParticleTypeAnswer(13) = QString::number(1);
    ParticleCharge(13) = QStringLiteral("3+");
    setParticleFromCard(13, 10);
    EnglishName(13) = QStringLiteral("Aluminium");

    // 14: silicon
    setElement(14, QStringLiteral("Si"), QStringLiteral("Kísill"));
    setCard(14, 28, 14);
    ElementDescription(14) =
        twoLines(QStringLiteral("Kísill er notaður í hálfleiðara í örgjörvum."),
                 QStringLiteral("Enska heitið er silicon sem kemur úr latínu silex (kvarts)."));
    QuizQuestion(14) = QStringLiteral("Hvaða efni er uppistaðan í gleri?");
    ParticleTypeAnswer(14) = QString::number(4);
    ParticleCharge(14) = QString();
    setParticleFromCard(14, AtomicNumber(14));
    EnglishName(14) = QStringLiteral("Silicon");

    // 15: phosphorus
    setElement(15, QStringLiteral("P"), QStringLiteral("Fosfór"));
    setCard(15, 31, 15);
    ElementDescription(15) =
        twoLines(QStringLiteral("Fosfór finnst í hausnum á eldspýtum."),
                 QStringLiteral("Orðið kemur úr grísku phos (ljós) og phoros (sá sem heldur á)."));
    QuizQuestion(15) = twoLines(
        QStringLiteral("Hvaða frumefni er eingöngu með rafeindir á sömu hvolfum og ál(Al)."),
        QStringLiteral("Kalsín(K)  Berillín(Be)  Fosfór(P)  Neon(Ne)?"));
    ParticleTypeAnswer(15) = QString::number(4);
    ParticleCharge(15) = QString();
    setParticleFromCard(15, AtomicNumber(15));
    EnglishName(15) = QStringLiteral("Phosphorus");

    // 16: sulphur
    setElement(16, QStringLiteral("S"), QStringLiteral("Brennisteinn"));
    setCard(16, 32, 16);
    ElementDescription(16) =
        twoLines(QStringLiteral("Brennisteinn er notaður í flugelda."),
                 QStringLiteral("Orðið er náskylt enska orðinu brimstone en á ensku heitir efnið "
                                "sulphur(Br) eða sulfur(Am)."));
    QuizQuestion(16) = QStringLiteral("Hvaða frumefni gefur frá sér hveralykt?");
    ParticleTypeAnswer(16) = QString::number(2);
    ParticleCharge(16) = QStringLiteral("2-");
    setParticleFromCard(16, AtomicNumber(16) + 2);
    EnglishName(16) = QStringLiteral("Sulphur");

    // 17: chlorine
    setElement(17, QStringLiteral("Cl"), QStringLiteral("Klór"));
    setCard(17, 35, 17);
    ElementDescription(17) =
        twoLines(QStringLiteral("Klór er mikið notaður til sótthreinsunar m.a. í sundlaugum."),
                 QStringLiteral("Orðið kemur úr grísku chloros (grænt ljós)."));
    QuizQuestion(17) = QStringLiteral("Hvað efni ásamt Natrín myndar salt");
    ParticleTypeAnswer(17) = QString::number(2);
    ParticleCharge(17) = QStringLiteral("-");
    setParticleFromCard(17, 18);
    EnglishName(17) = QStringLiteral("Chlorine");

    // 18: argon
    setElement(18, QStringLiteral("Ar"), QStringLiteral("Argon"));
    setCard(18, 40, 18);
    ElementDescription(18) = twoLines(
        QStringLiteral("Argon er leiðir hita illa og er sett í ljósaperur til að glóþráðurinn "
                       "brenni ekki upp í súrefninu og peran hitni ekki of mikið."),
        QStringLiteral(
            "Orðið kemur úr grísku argos (latur) myndað úr a (neitunarforskeyti) og ergon (vinna) "
            "og vísar til þess að Argon gengur ekki í samband við önnur efni."));
    QuizQuestion(18) = twoLines(QStringLiteral("Hvert eftirtalinna efna er eðallofttegund?"),
                                QStringLiteral("Argon(Ar)  Kísill(Si)  Klór(Cl) Vetni(H)"));
    ParticleTypeAnswer(18) = QString::number(4);
    ParticleCharge(18) = QString();
    setParticleFromCard(18, 18);
    EnglishName(18) = QStringLiteral("Argon");

    // 19: potassium
    setElement(19, QStringLiteral("K"), QStringLiteral("Kalín"));
    setCard(19, 39, 19);
    ElementDescription(19) = twoLines(
        QStringLiteral("Kalín er notað í sportdrykki þar kalínjónir gegna lykilhlutverki í "
                       "flutningi taugaboða."),
        QStringLiteral("Orðið kemur úr arabísku al-qali (aska) en af því orði kemur líka orðið "
                       "alkalí.  Á ensku kallast efnið potassium (af potash, pottaska)."));
    QuizQuestion(19) = twoLines(QStringLiteral("Hvert eftirtalinna efna gæti verið táknað með X.?"),
                                QStringLiteral("Súrefni(O)  Kalín(K)  Brennisteinn(S)  Fosfór(P)"));
    ParticleTypeAnswer(19) = QString::number(1);
    ParticleCharge(19) = QStringLiteral("+");
    setParticleFromCard(19, 18);
    EnglishName(19) = QStringLiteral("Potassium");

    // 20: calcium
    setElement(20, QStringLiteral("Ca"), QStringLiteral("Kalsín"));
    setCard(20, 40, 20);
    ElementDescription(20) =
        twoLines(QStringLiteral("Kalsín finnst í miklu magni í beinum okkar."),
                 QStringLiteral("Orðið kemur úr latínu calc-, calx sem þýðir kalk."));
    QuizQuestion(20) = twoLines(
        QStringLiteral("Hvaða frumefni er eingöngu með rafeindir á sömu hvolfum og kalín (K)."),
        QStringLiteral("Kalsín(Ca)  Natrín(Na)  Nitur(N)  Brennisteinn(S)?"));
    ParticleTypeAnswer(20) = QString::number(1);
    ParticleCharge(20) = QStringLiteral("2+");
    setParticleFromCard(20, AtomicNumber(20) - 2);
    EnglishName(20) = QStringLiteral("Calcium");

    // The elements 21 to 118; of these only the medal metals have a description.
    setElement(21, QStringLiteral("Sc"), QStringLiteral("Skandín"));
    setElement(22, QStringLiteral("Ti"), QStringLiteral("Títan"));
    setElement(23, QStringLiteral("V"), QStringLiteral("Vanadín"));
    setElement(24, QStringLiteral("Cr"), QStringLiteral("Króm"));
    setElement(25, QStringLiteral("Mn"), QStringLiteral("Mangan"));
    setElement(26, QStringLiteral("Fe"), QStringLiteral("Járn"));
    ElementDescription(26) = twoLines(
        QStringLiteral("Járn er góður smíðamálmur og þægilegra að vinna hann en t.d. brons."),
        QStringLiteral("Uppruni orðsins er mjög á reiki."));
    setElement(27, QStringLiteral("Co"), QStringLiteral("Kóbolt"));
    setElement(28, QStringLiteral("Ni"), QStringLiteral("Nikkel"));
    setElement(29, QStringLiteral("Cu"), QStringLiteral("Kopar"));
    ElementDescription(29) = twoLines(
        QStringLiteral("Einn af myntmálmunum (gull, silfur, kopar) sem notaðir voru til "
                       "myntsláttu. Brons, sem mikið var notað á bronsöld, er blanda af kopar og "
                       "tini.  Nú er kopar notaður í víra því málmurinn leiðir rafmagn mjög vel."),
        QStringLiteral("Orðið er úr latínu (aes) Cyprium (málmur frá Kýpur).  Íslenska orðið eir "
                       "merkir kopar."));
    setElement(30, QStringLiteral("Zn"), QStringLiteral("Sink"));
    setElement(31, QStringLiteral("Ga"), QStringLiteral("Gallín"));
    setElement(32, QStringLiteral("Ge"), QStringLiteral("German"));
    setElement(33, QStringLiteral("As"), QStringLiteral("Arsen"));
    setElement(34, QStringLiteral("Se"), QStringLiteral("Selen"));
    setElement(35, QStringLiteral("Br"), QStringLiteral("Bróm"));
    setElement(36, QStringLiteral("Kr"), QStringLiteral("Krypton"));
    setElement(37, QStringLiteral("Rb"), QStringLiteral("Rúbidín"));
    setElement(38, QStringLiteral("Sr"), QStringLiteral("Strontín"));
    setElement(39, QStringLiteral("Y"), QStringLiteral("Yttrín"));
    setElement(40, QStringLiteral("Zr"), QStringLiteral("Sirkon"));
    setElement(41, QStringLiteral("Nb"), QStringLiteral("Níóbín"));
    setElement(42, QStringLiteral("Mo"), QStringLiteral("Mólýbden"));
    setElement(43, QStringLiteral("Tc"), QStringLiteral("Teknetín"));
    setElement(44, QStringLiteral("Ru"), QStringLiteral("Rúþen"));
    setElement(45, QStringLiteral("Rh"), QStringLiteral("Ródín"));
    setElement(46, QStringLiteral("Pd"), QStringLiteral("Palladín"));
    setElement(47, QStringLiteral("Ag"), QStringLiteral("Silfur"));
    ElementDescription(47) = twoLines(
        QStringLiteral("Einn af myntmálmunum (gull, silfur, kopar) sem notaðir voru til myntsláttu "
                       "sbr. íslenska orðið skotsilfur.  Silfur er notað í borðsilfur."),
        QStringLiteral(" Uppruni orðsins er mjög á reiki."));
    setElement(48, QStringLiteral("Cd"), QStringLiteral("Kadmín"));
    setElement(49, QStringLiteral("In"), QStringLiteral("Indín"));
    setElement(50, QStringLiteral("Sn"), QStringLiteral("Tin"));
    setElement(51, QStringLiteral("Sb"), QStringLiteral("Antimon"));
    setElement(52, QStringLiteral("Te"), QStringLiteral("Tellúr"));
    setElement(53, QStringLiteral("I"), QStringLiteral("Joð"));
    setElement(54, QStringLiteral("Xe"), QStringLiteral("Xenon"));
    setElement(55, QStringLiteral("Cs"), QStringLiteral("Sesín"));
    setElement(56, QStringLiteral("Ba"), QStringLiteral("Barín"));
    setElement(57, QStringLiteral("La"), QStringLiteral("Lantan"));
    setElement(58, QStringLiteral("Ce"), QStringLiteral("Serín"));
    setElement(59, QStringLiteral("Pr"), QStringLiteral("Praseódým"));
    setElement(60, QStringLiteral("Nd"), QStringLiteral("Neódým"));
    setElement(61, QStringLiteral("Pm"), QStringLiteral("Prómeþýn"));
    setElement(62, QStringLiteral("Sm"), QStringLiteral("Samarín"));
    setElement(63, QStringLiteral("Eu"), QStringLiteral("Evrópín"));
    setElement(64, QStringLiteral("Gd"), QStringLiteral("Gadólín"));
    setElement(65, QStringLiteral("Tb"), QStringLiteral("Terbín"));
    setElement(66, QStringLiteral("Dy"), QStringLiteral("Dysprósín"));
    setElement(67, QStringLiteral("Ho"), QStringLiteral("Holmín"));
    setElement(68, QStringLiteral("Er"), QStringLiteral("Erbín"));
    setElement(69, QStringLiteral("Tm"), QStringLiteral("Túlín"));
    setElement(70, QStringLiteral("Yb"), QStringLiteral("Ytterbín"));
    setElement(71, QStringLiteral("Lu"), QStringLiteral("Lútesín"));
    setElement(72, QStringLiteral("Hf"), QStringLiteral("Hafnín"));
    setElement(73, QStringLiteral("Ta"), QStringLiteral("Tantal"));
    setElement(74, QStringLiteral("W"), QStringLiteral("Volfram"));
    setElement(75, QStringLiteral("Re"), QStringLiteral("Renín"));
    setElement(76, QStringLiteral("Os"), QStringLiteral("Osmín"));
    setElement(77, QStringLiteral("Ir"), QStringLiteral("Iridín"));
    setElement(78, QStringLiteral("Pt"), QStringLiteral("Platína"));
    setElement(79, QStringLiteral("Au"), QStringLiteral("Gull"));
    ElementDescription(79) =
        twoLines(QStringLiteral(
                     "Einn af myntmálmunum (gull, silfur, kopar) sem notaðir voru til myntsláttu."),
                 QStringLiteral("Orðið er skylt gulur og vísar til þess að málmurinn er gulur."));
    setElement(80, QStringLiteral("Hg"), QStringLiteral("Kvikasilfur"));
    setElement(81, QStringLiteral("Tl"), QStringLiteral("Þallín"));
    setElement(82, QStringLiteral("Pb"), QStringLiteral("Blý"));
    setElement(83, QStringLiteral("Bi"), QStringLiteral("Bismút"));
    setElement(84, QStringLiteral("Po"), QStringLiteral("Pólon"));
    setElement(85, QStringLiteral("At"), QStringLiteral("Astat"));
    setElement(86, QStringLiteral("Rn"), QStringLiteral("Radon"));
    setElement(87, QStringLiteral("Fr"), QStringLiteral("Fransín"));
    setElement(88, QStringLiteral("Ra"), QStringLiteral("Radín"));
    setElement(89, QStringLiteral("Ac"), QStringLiteral("Aktín"));
    setElement(90, QStringLiteral("Th"), QStringLiteral("Þórín"));
    setElement(91, QStringLiteral("Pa"), QStringLiteral("Prótaktín"));
    setElement(92, QStringLiteral("U"), QStringLiteral("Úran"));
    setElement(93, QStringLiteral("Np"), QStringLiteral("Neptún"));
    setElement(94, QStringLiteral("Pu"), QStringLiteral("Plúton"));
    setElement(95, QStringLiteral("Am"), QStringLiteral("Ameríkín"));
    setElement(96, QStringLiteral("Cm"), QStringLiteral("Kurín"));
    setElement(97, QStringLiteral("Bk"), QStringLiteral("Berkelín"));
    setElement(98, QStringLiteral("Cf"), QStringLiteral("Kalífornín"));
    setElement(99, QStringLiteral("Es"), QStringLiteral("Einsteinín"));
    setElement(100, QStringLiteral("Fm"), QStringLiteral("Fermín"));
    setElement(101, QStringLiteral("Md"), QStringLiteral("Mendelevín"));
    setElement(102, QStringLiteral("No"), QStringLiteral("Nóbelín"));
    setElement(103, QStringLiteral("Lr"), QStringLiteral("Lárensín"));
    setElement(104, QStringLiteral("Rf"), QStringLiteral("Rúþerfordín"));
    setElement(105, QStringLiteral("Db"), QStringLiteral("Dúbnín"));
    setElement(106, QStringLiteral("Sg"), QStringLiteral("Seaborgín"));
    setElement(107, QStringLiteral("Bh"), QStringLiteral("Bohrín"));
    setElement(108, QStringLiteral("Hs"), QStringLiteral("Hassín"));
    setElement(109, QStringLiteral("Mt"), QStringLiteral("Meitnerín"));
    setElement(110, QStringLiteral("Ds"), QStringLiteral("Darmstadtín"));
    setElement(111, QStringLiteral("Rg"), QStringLiteral("Röntgenín"));
    setElement(112, QStringLiteral("Uub"), QStringLiteral("Ununbium"));
    setElement(113, QStringLiteral("Uut"), QStringLiteral("Ununtrium"));
    setElement(114, QStringLiteral("Uuq"), QStringLiteral("Ununquadium"));
    setElement(115, QStringLiteral("Uup"), QStringLiteral("Ununpentium"));
    setElement(116, QStringLiteral("Uuh"), QStringLiteral("Ununhexium"));
    setElement(117, QStringLiteral("Uus"), QStringLiteral("Ununseptium"));
    setElement(118, QStringLiteral("Uuo"), QStringLiteral("Ununoctium"));

    // Atomic weights as shown, never parsed.
    AtomicWeight(1) = QStringLiteral("1.008");
    AtomicWeight(2) = QStringLiteral("4.003");
    AtomicWeight(3) = QStringLiteral("6.94");
    AtomicWeight(4) = QStringLiteral("9.01");
    AtomicWeight(5) = QStringLiteral("10.81");
    AtomicWeight(6) = QStringLiteral("12.01");
    AtomicWeight(7) = QStringLiteral("14.00");
    AtomicWeight(8) = QStringLiteral("16.00");
    AtomicWeight(9) = QStringLiteral("19.00");
    AtomicWeight(10) = QStringLiteral("20.18");
    AtomicWeight(11) = QStringLiteral("22.99");
    AtomicWeight(12) = QStringLiteral("24.31");
    AtomicWeight(13) = QStringLiteral("26.98");
    AtomicWeight(14) = QStringLiteral("28.09");
    AtomicWeight(15) = QStringLiteral("30.97");
    AtomicWeight(16) = QStringLiteral("32.06");
    AtomicWeight(17) = QStringLiteral("35.45");
    AtomicWeight(18) = QStringLiteral("39.95");
    AtomicWeight(19) = QStringLiteral("39.10");
    AtomicWeight(20) = QStringLiteral("40.08");
    AtomicWeight(21) = QStringLiteral("44.96");
    AtomicWeight(22) = QStringLiteral("47.87");
    AtomicWeight(23) = QStringLiteral("50.94");
    AtomicWeight(24) = QStringLiteral("52.00");
    AtomicWeight(25) = QStringLiteral("54.94");
    AtomicWeight(26) = QStringLiteral("55.85");
    AtomicWeight(27) = QStringLiteral("58.93");
    AtomicWeight(28) = QStringLiteral("58.70");
    AtomicWeight(29) = QStringLiteral("63.55");
    AtomicWeight(30) = QStringLiteral("65.39");
    AtomicWeight(31) = QStringLiteral("69.72");
    AtomicWeight(32) = QStringLiteral("72.61");
    AtomicWeight(33) = QStringLiteral("74.92");
    AtomicWeight(34) = QStringLiteral("78.96");
    AtomicWeight(35) = QStringLiteral("79.90");
    AtomicWeight(36) = QStringLiteral("83.80");
    AtomicWeight(37) = QStringLiteral("85.47");
    AtomicWeight(38) = QStringLiteral("87.62");
    AtomicWeight(39) = QStringLiteral("88.91");
    AtomicWeight(40) = QStringLiteral("91.22");
    AtomicWeight(41) = QStringLiteral("92.91");
    AtomicWeight(42) = QStringLiteral("95.94");
    AtomicWeight(43) = QStringLiteral("(98)");
    AtomicWeight(44) = QStringLiteral("101.07");
    AtomicWeight(45) = QStringLiteral("102.91");
    AtomicWeight(46) = QStringLiteral("106.42");
    AtomicWeight(47) = QStringLiteral("107.87");
    AtomicWeight(48) = QStringLiteral("112.41");
    AtomicWeight(49) = QStringLiteral("114.82");
    AtomicWeight(50) = QStringLiteral("118.71");
    AtomicWeight(51) = QStringLiteral("121.76");
    AtomicWeight(52) = QStringLiteral("127.60");
    AtomicWeight(53) = QStringLiteral("126.90");
    AtomicWeight(54) = QStringLiteral("131.29");
    AtomicWeight(55) = QStringLiteral("132.91");
    AtomicWeight(56) = QStringLiteral("137.33");
    AtomicWeight(57) = QStringLiteral("138.91");
    AtomicWeight(58) = QStringLiteral("140.12");
    AtomicWeight(59) = QStringLiteral("140.91");
    AtomicWeight(60) = QStringLiteral("144.24");
    AtomicWeight(61) = QStringLiteral("(145)");
    AtomicWeight(62) = QStringLiteral("150.36");
    AtomicWeight(63) = QStringLiteral("151.96");
    AtomicWeight(64) = QStringLiteral("157.25");
    AtomicWeight(65) = QStringLiteral("158.93");
    AtomicWeight(66) = QStringLiteral("162.50");
    AtomicWeight(67) = QStringLiteral("164.93");
    AtomicWeight(68) = QStringLiteral("167.26");
    AtomicWeight(69) = QStringLiteral("168.93");
    AtomicWeight(70) = QStringLiteral("173.04");
    AtomicWeight(71) = QStringLiteral("174.97");
    AtomicWeight(72) = QStringLiteral("178.49");
    AtomicWeight(73) = QStringLiteral("180.95");
    AtomicWeight(74) = QStringLiteral("183.84");
    AtomicWeight(75) = QStringLiteral("186.21");
    AtomicWeight(76) = QStringLiteral("190.23");
    AtomicWeight(77) = QStringLiteral("192.22");
    AtomicWeight(78) = QStringLiteral("195.08");
    AtomicWeight(79) = QStringLiteral("196.97");
    AtomicWeight(80) = QStringLiteral("200.59");
    AtomicWeight(81) = QStringLiteral("204.38");
    AtomicWeight(82) = QStringLiteral("207.2");
    AtomicWeight(83) = QStringLiteral("208.98");
    AtomicWeight(84) = QStringLiteral("(209)");
    AtomicWeight(85) = QStringLiteral("(210)");
    AtomicWeight(86) = QStringLiteral("(222)");
    AtomicWeight(87) = QStringLiteral("(223)");
    AtomicWeight(88) = QStringLiteral("(226)");
    AtomicWeight(89) = QStringLiteral("(227)");
    AtomicWeight(90) = QStringLiteral("232.04");
    AtomicWeight(91) = QStringLiteral("231.04");
    AtomicWeight(92) = QStringLiteral("238.03");
    AtomicWeight(93) = QStringLiteral("(237)");
    AtomicWeight(94) = QStringLiteral("(244)");
    AtomicWeight(95) = QStringLiteral("(243)");
    AtomicWeight(96) = QStringLiteral("(247)");
    AtomicWeight(97) = QStringLiteral("(247)");
    AtomicWeight(98) = QStringLiteral("(251)");
    AtomicWeight(99) = QStringLiteral("(252)");
    AtomicWeight(100) = QStringLiteral("(257)");
    AtomicWeight(101) = QStringLiteral("(258)");
    AtomicWeight(102) = QStringLiteral("(259)");
    AtomicWeight(103) = QStringLiteral("(262)");
    AtomicWeight(104) = QStringLiteral("(261)");
    AtomicWeight(105) = QStringLiteral("(262)");
    AtomicWeight(106) = QStringLiteral("(266)");
    AtomicWeight(107) = QStringLiteral("(264)");
    AtomicWeight(108) = QStringLiteral("(269)");
    AtomicWeight(109) = QStringLiteral("(268)");
    AtomicWeight(110) = QStringLiteral("(271)");
    AtomicWeight(111) = QStringLiteral("(272)");
    AtomicWeight(112) = QStringLiteral("(285)");
    AtomicWeight(113) = QStringLiteral("(284)");
    AtomicWeight(114) = QStringLiteral("(289)");
    AtomicWeight(115) = QStringLiteral("(288)");
    AtomicWeight(116) = QStringLiteral("(292)");
    AtomicWeight(117) = QStringLiteral("( )");
    AtomicWeight(118) = QStringLiteral("( )");
}

}  // namespace Module1
