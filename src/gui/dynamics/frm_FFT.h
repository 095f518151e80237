// The Fourier transform screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_FFT : public Pending_Screen {
public:
    frm_FFT() : Pending_Screen("frm_FFT") {}
};
