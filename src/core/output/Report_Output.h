// The tables of the chosen output functions: the report titles, the output grid's cells, the
// printed report and the tab-separated data file. Column names come from the accepted functions
// of the print selection; every value through Select_Variable, formatted with Print_Decimals.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/Print_Writer.h"

struct Accepted_Functions;

// Report_Title, Report_Title2 and X_Heading1..3 for the data about to be listed.
// Fourier_Variable is the variable the Fourier screen transformed.
void Set_Report_Titles(const std::string& Fourier_Variable);

// The whole-number value of the print selection's step or decimals box (its text's leading
// number, halves to even), held to the 16-bit range: no text makes it overflow.
int16_t Print_Box_Value(const std::string& text);

// The columns hold Fourier data: they list harmonics 0..FFT_Harmonics rather than steps.
bool Fourier_Listing();
// The last step or harmonic listed.
int16_t Last_Listed();

struct Grid_Cell {
    int16_t row, col;
    std::string text;
};
struct Grid_Listing {
    int16_t rows = 0, cols = 0;
    std::vector<Grid_Cell> cells;  // every cell the listing writes; the others keep their text
};
// Sets Grid_Rows and Grid_Cols and returns the cells of the listing: headings, "Min", "Avg",
// "Max" and a row per listed step.
Grid_Listing Grid_Contents(const Accepted_Functions& names);

// Prints the report, 60 rows a page under a 14-line page header, and ends the document.
// Errors are reported under "Print_to_Printer"; what was printed stays printed.
void Print_to_Printer(Print_Target& printer, const Accepted_Functions& names);

// The data file's text (lines ended by CR LF); File_Name is the bare name its header shows.
std::string Data_File_Text(const std::string& File_Name, const Accepted_Functions& names);
// Writes the data file at Path: to a temporary file beside it, put in place only when complete.
// Building the text reports its errors under "Print_to_File" and then writes nothing; a failed
// write raises the file error, and the file at Path stays as it was.
void Print_to_File(const std::string& Path, const std::string& File_Name, const Accepted_Functions& names);
