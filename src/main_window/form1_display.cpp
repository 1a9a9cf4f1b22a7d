#include "main_window/form1.h"

void Form1::ClearQuestion() {}
void Form1::HideAtom() {}
void Form1::DrawAtom(const Int16& /*Protons*/, const Int16& /*Neutrons*/, const Int16& /*Electrons*/) {}
void Form1::ShowElementCard(bool /*Display*/, const ElementIndex& /*Element*/) {}
void Form1::ShowParticleCard(bool /*Display*/, const ElementIndex& /*Element*/) {}
void Form1::ShowElementPicture(bool /*Display*/, const ElementIndex& /*Element*/) {}
