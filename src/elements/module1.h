// The element tables: every piece of element data that the windows show or check answers
// against, indexed by atomic number (1 = hydrogen). FillElementTables writes them once at
// start-up; from then on they are only read.
#pragma once

#include <QString>
#include <cstdint>

#include "elements/fixed_table.h"

using ElementIndex = std::int16_t;

namespace Module1 {

// All 118 elements.
extern FixedTable<QString, 1, 118> ElementName;    // Icelandic name
extern FixedTable<QString, 1, 118> ElementSymbol;  // chemical symbol; the riddle's answer
// The quiz data of the elements 1 to 20.
extern FixedTable<std::int16_t, 1, 20> MassNumber;
extern FixedTable<QString, 1, 118>
    AtomicWeight;  // display text, never parsed: "12.01", "(98)", "( )"
extern FixedTable<QString, 1, 20> EnglishName;
extern FixedTable<std::int16_t, 1, 20> AtomicNumber;
extern FixedTable<QString, 1, 20> QuizQuestion;    // riddle; two lines joined by one line feed
extern FixedTable<QString, 1, 20> ParticleCharge;  // "+", "2+", "3+", "-", "2-" or empty
extern FixedTable<std::int16_t, 1, 20> ParticleProtons;
extern FixedTable<std::int16_t, 1, 20> ParticleNeutrons;
extern FixedTable<std::int16_t, 1, 20> ParticleElectrons;
extern FixedTable<QString, 1, 20> ParticleTypeAnswer;  // "1" to "4"
// Descriptions of 1 to 20 and of the medal metals 26, 29, 47 and 79; the other rows are empty.
extern FixedTable<QString, 1, 79> ElementDescription;

// Writes every cell from built-in values. Called once, first thing in the main window's load.
void FillElementTables();

}  // namespace Module1
