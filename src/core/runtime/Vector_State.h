// Long numeric loops start with clean vector registers. Drawing code elsewhere in the process
// (the graphics library's wide vector routines) can leave the upper halves of the vector registers
// in use; every ordinary floating-point instruction after that pays a penalty, which made a sweep
// several times slower once anything had been drawn.
#pragma once

void Clear_Vector_State();
