// The helpers every screen shares: sizing and centring, the redraw timer, the form header,
// window captions, colours, print confirmations, the bare file name and the units menu marks.
// The common error report itself lives in the core (runtime/Report_Error.h).
#pragma once
#include <QAction>
#include <QLabel>
#include <array>
#include <cstdint>
#include <string>

#include "platform/Common_Dialog.h"
#include "platform/Redraw_Timer.h"

class Screen;

// Screens with a form header.
struct Has_Header {
    QLabel* lbl_Header = nullptr;
};

// The home screen's units menu entries mnu_pick(1..5); element 0 is unused.
struct Has_Units_Menu {
    std::array<QAction*, 6> mnu_pick{};
};

void Init_Common();
void Set_Colors();

void Maximize_Screen(Screen& S, int32_t H0, int32_t W0);
void Reset_Screen(Screen& S, int32_t H0, int32_t W0);
void Centerform(Screen& S);

void Start_Timer(Has_Timer1& S, int32_t delay);

void Titlebox(Has_Header& S);
// The header's caption, from the store.
std::string Titlebox_Text();

void Set_Form_Captions();

void Confirm_Print(int16_t& answer);
void Confirm_Image_Print(int16_t& answer);

// A screen's Print command: the confirmation, the printer dialog and the screen's image. A cancel
// of the dialog ends it silently, as every common dialog's does; other errors are reported under
// error_name.
enum class Print_Question { Direct_Print, Image_Print };
void Print_Screen_Image(Screen& s, Common_Dialog& dialog, Print_Question question, const std::string& error_name);
// The Copy buttons' advice.
void Copy_Advice();

std::string StripFilename(const std::string& path);

void Check_mnu_Units(Has_Units_Menu& home, int16_t& units);
