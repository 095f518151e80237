#include "platform/Grid_Control.h"

#include <QHeaderView>
#include <cmath>

#include "runtime/Report_Error.h"
#include "runtime/Runtime_Error.h"

namespace {
Qt::Alignment To_Qt(int16_t alignment)
{
    switch (alignment) {
    case Grid_Control::Align_Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Grid_Control::Align_Centre: return Qt::AlignCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
}  // namespace

Grid_Control::Grid_Control(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Every row counts when a column is fitted to its text, not only the first thousand.
    horizontalHeader()->setResizeContentsPrecision(-1);
    verticalHeader()->setResizeContentsPrecision(-1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Cols(2);
    Rows(2);
}

double Grid_Control::Twips_Per_Pixel() const { return 1440.0 / logicalDpiX(); }

void Grid_Control::Rows(int32_t n)
{
    if (n < 0) Raise(Err::Invalid_Argument);
    int32_t old = rowCount();
    setRowCount(n);
    for (int32_t r = old; r < n; ++r)
        for (int32_t c = 0; c < columnCount(); ++c) Style_Cell(r, c);
    if (row_ >= n) row_ = std::max(0, n - 1);
}

void Grid_Control::Cols(int32_t n)
{
    if (n < 0) Raise(Err::Invalid_Argument);
    int32_t old = columnCount();
    setColumnCount(n);
    col_alignment_.resize(static_cast<size_t>(n), Align_Left);
    fixed_alignment_.resize(static_cast<size_t>(n), Align_Left);
    for (int32_t r = 0; r < rowCount(); ++r)
        for (int32_t c = old; c < n; ++c) Style_Cell(r, c);
    if (col_ >= n) col_ = std::max(0, n - 1);
}

void Grid_Control::FixedRows(int32_t n)
{
    if (n < 0 || n > rowCount()) Raise(Err::Invalid_Argument);
    fixed_rows_ = n;
    Style_All();
}

void Grid_Control::FixedCols(int32_t n)
{
    if (n < 0 || n > columnCount()) Raise(Err::Invalid_Argument);
    fixed_cols_ = n;
    Style_All();
}

void Grid_Control::Row(int32_t r)
{
    if (r < 0 || r >= rowCount()) Raise(Err::Subscript);
    row_ = r;
}

void Grid_Control::Col(int32_t c)
{
    Check_Column(c);
    col_ = c;
}

std::string Grid_Control::Text() const
{
    const QTableWidgetItem* cell = item(row_, col_);
    return cell ? cell->text().toStdString() : std::string();
}

void Grid_Control::Text(const std::string& text)
{
    if (row_ >= rowCount() || col_ >= columnCount()) Raise(Err::Subscript);
    if (!item(row_, col_)) Style_Cell(row_, col_);
    item(row_, col_)->setText(QString::fromStdString(text));
}

void Grid_Control::Check_Column(int32_t c) const
{
    if (c < 0 || c >= columnCount()) Raise(Err::Subscript);
}

int32_t Grid_Control::ColWidth(int32_t c) const
{
    Check_Column(c);
    return static_cast<int32_t>(std::lround(columnWidth(c) * Twips_Per_Pixel()));
}

void Grid_Control::ColWidth(int32_t c, int32_t twips)
{
    Check_Column(c);
    if (twips < 0) Raise(Err::Invalid_Argument);
    setColumnWidth(c, static_cast<int>(std::lround(twips / Twips_Per_Pixel())));
}

int16_t Grid_Control::ColAlignment(int32_t c) const
{
    Check_Column(c);
    return col_alignment_[static_cast<size_t>(c)];
}

void Grid_Control::ColAlignment(int32_t c, int16_t alignment)
{
    Check_Column(c);
    if (alignment < Align_Left || alignment > Align_Centre) Raise(Err::Invalid_Argument);
    col_alignment_[static_cast<size_t>(c)] = alignment;
    for (int32_t r = fixed_rows_; r < rowCount(); ++r) Style_Cell(r, c);
}

int16_t Grid_Control::FixedAlignment(int32_t c) const
{
    Check_Column(c);
    return fixed_alignment_[static_cast<size_t>(c)];
}

void Grid_Control::FixedAlignment(int32_t c, int16_t alignment)
{
    Check_Column(c);
    if (alignment < Align_Left || alignment > Align_Centre) Raise(Err::Invalid_Argument);
    fixed_alignment_[static_cast<size_t>(c)] = alignment;
    for (int32_t r = 0; r < rowCount(); ++r)
        if (Is_Fixed(r, c)) Style_Cell(r, c);
}

void Grid_Control::Widen_Columns_To_Text()
{
    for (int32_t c = 0; c < columnCount(); ++c) {
        // The width the view needs to draw the column's widest cell whole, margins and grid line included.
        int needed = sizeHintForColumn(c);
        if (needed > columnWidth(c)) setColumnWidth(c, needed);
    }
}

int32_t Grid_Control::Width() const { return static_cast<int32_t>(std::lround(width() * Twips_Per_Pixel())); }

void Grid_Control::Style_Cell(int32_t r, int32_t c)
{
    QTableWidgetItem* cell = item(r, c);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled);
        setItem(r, c, cell);
    }
    bool fixed = Is_Fixed(r, c);
    cell->setTextAlignment(To_Qt(fixed ? fixed_alignment_[static_cast<size_t>(c)] : col_alignment_[static_cast<size_t>(c)]));
    cell->setBackground(fixed ? palette().button() : palette().base());
}

void Grid_Control::Style_All()
{
    for (int32_t r = 0; r < rowCount(); ++r)
        for (int32_t c = 0; c < columnCount(); ++c) Style_Cell(r, c);
}

void Clear_Grid(Grid_Control& grid, int32_t rows, int32_t cols)
{
    Trap_Errors("Clear_Grid", [&] {
        for (int32_t r = 0; r < rows; ++r)
            for (int32_t c = 0; c < cols; ++c) {
                grid.Row(r);
                grid.Col(c);
                grid.Text("");
            }
    });
}
