// Small decisions of the shell screens that need no screen: the command-line model path, the
// design number typed on the user screen, the small-display placement of the start-up screens
// and the help documents of the home screen.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The whole command line after the program name, its arguments joined by single blanks.
std::string Command_Line_Text(const std::vector<std::string>& args);

// The leading number of the text rounded to an integer (halves to even), held within 16 bits.
int16_t Design_Number_From_Text(const std::string& text);

// Placement in twips of the title, notice and user screens on a display too low for their
// design height of 8950 (display height less 400 below it); `fits` is false otherwise.
struct Small_Display_Placement {
    bool fits = true;
    int32_t left = 0, top = 0, width = 0, height = 0;
};
Small_Display_Placement Place_On_Small_Display(int32_t display_width, int32_t display_height);

// Help documents of the home screen's Help menu: menu entry, path under the web folder and the
// name its errors are reported under.
struct Help_Document {
    std::string menu, path, error_name;
};
const std::vector<Help_Document>& Home_Help_Documents();
