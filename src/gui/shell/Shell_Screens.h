// The screens the shell makes known by name, so that the window captions reach them.
#pragma once

void Register_Shell_Screens();
