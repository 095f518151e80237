// Fills a selection combo box with the variable or component list.
#pragma once

class Combo_Box;

void Load_Variables(Combo_Box& combo);
void Load_Components(Combo_Box& combo);
