// The screens known by name (for the window captions); each screen adds its line when it comes.
#pragma once

void Register_Screens();
