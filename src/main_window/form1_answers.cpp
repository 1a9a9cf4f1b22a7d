#include "main_window/form1.h"

void Form1::txtSvar1_KeyDown(Int16& /*KeyCode*/, Int16& /*Shift*/) {}
void Form1::txtSvar2_KeyDown(Int16& /*KeyCode*/, Int16& /*Shift*/) {}
void Form1::CheckShell1() {}
void Form1::CheckShell2() {}
void Form1::CheckShell3() {}
void Form1::CheckShell4() {}
void Form1::CheckSymbol() {}
void Form1::CheckParticleType() {}
void Form1::CheckNeutrons() {}
void Form1::CheckProtons() {}
void Form1::CheckElectrons() {}
