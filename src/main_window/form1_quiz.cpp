#include "main_window/form1.h"

void Form1::ShuffleQuestions() {}
void Form1::NextQuestion() {}
void Form1::ShowFinalResult() {}
void Form1::FinishQuestion() {}
void Form1::StartAtomQuestion(const ElementIndex& /*Element*/) {}
void Form1::StartElementQuestion(const ElementIndex& /*Element*/) {}
void Form1::StartParticleQuestion(const ElementIndex& /*Element*/) {}
void Form1::AskParticleType(const ElementIndex& /*Element*/) {}
void Form1::AskProtons() {}
void Form1::AskNeutrons() {}
void Form1::AskElectrons() {}
void Form1::AskShell1() {}
void Form1::AskShell2() {}
void Form1::AskShell3() {}
void Form1::AskShell4() {}
void Form1::Byrja_Click() {}
void Form1::cmdNaesta_Click() {}
