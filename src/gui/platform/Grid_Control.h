// The grid: a read-only table written cell by cell through a current cell, with fixed (heading)
// rows and columns; sizes in twips.
#pragma once
#include <QTableWidget>
#include <cstdint>
#include <string>

class Grid_Control : public QTableWidget {
    Q_OBJECT
public:
    // Alignment codes of ColAlignment and FixedAlignment.
    static constexpr int16_t Align_Left = 0;
    static constexpr int16_t Align_Right = 1;
    static constexpr int16_t Align_Centre = 2;

    explicit Grid_Control(QWidget* parent = nullptr);

    int32_t Rows() const { return rowCount(); }
    void Rows(int32_t n);
    int32_t Cols() const { return columnCount(); }
    void Cols(int32_t n);
    int32_t FixedRows() const { return fixed_rows_; }
    void FixedRows(int32_t n);
    int32_t FixedCols() const { return fixed_cols_; }
    void FixedCols(int32_t n);

    // The current cell, which Text reads and writes.
    int32_t Row() const { return row_; }
    void Row(int32_t r);
    int32_t Col() const { return col_; }
    void Col(int32_t c);
    std::string Text() const;
    void Text(const std::string& text);

    int32_t ColWidth(int32_t c) const;
    void ColWidth(int32_t c, int32_t twips);
    int16_t ColAlignment(int32_t c) const;
    void ColAlignment(int32_t c, int16_t alignment);
    int16_t FixedAlignment(int32_t c) const;
    void FixedAlignment(int32_t c, int16_t alignment);
    // The control's width in twips.
    int32_t Width() const;
    // Widens every column that is narrower than its widest cell, so that no cell's text is cut;
    // columns wide enough keep their width. Columns wider together than the control scroll.
    void Widen_Columns_To_Text();

    bool Is_Fixed(int32_t r, int32_t c) const { return r < fixed_rows_ || c < fixed_cols_; }
    // Twips per pixel on this screen.
    double Twips_Per_Pixel() const;

private:
    void Check_Column(int32_t c) const;
    void Style_Cell(int32_t r, int32_t c);
    void Style_All();

    int32_t fixed_rows_ = 1, fixed_cols_ = 1;
    int32_t row_ = 0, col_ = 0;
    std::vector<int16_t> col_alignment_, fixed_alignment_;
};

// Makes each cell of rows 0 .. rows - 1 and columns 0 .. cols - 1 current and empties it.
void Clear_Grid(Grid_Control& grid, int32_t rows, int32_t cols);
