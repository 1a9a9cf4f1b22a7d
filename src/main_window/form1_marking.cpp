#include "main_window/form1.h"

void Form1::MarkRight2() {}
void Form1::MarkWrong2() {}
void Form1::MarkRight1() {}
void Form1::MarkWrong1() {}
void Form1::ShowRightAnswer(Int16 /*Code*/) {}
void Form1::ShowScore() {}
