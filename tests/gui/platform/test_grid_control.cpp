#include <QtTest>

#include "platform/Grid_Control.h"
#include "platform/Recording_Port.h"
#include "runtime/Runtime_Error.h"

namespace {
template <typename Body>
int Error_Number(Body body)
{
    try {
        body();
    } catch (const Runtime_Error& e) {
        return e.number;
    }
    return 0;
}

std::string Cell(Grid_Control& grid, int r, int c)
{
    grid.Row(r);
    grid.Col(c);
    return grid.Text();
}

void Fill(Grid_Control& grid, const std::string& prefix)
{
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) {
            grid.Row(r);
            grid.Col(c);
            grid.Text(prefix + std::to_string(r) + "," + std::to_string(c));
        }
}
}  // namespace

class Test_Grid_Control : public QObject {
    Q_OBJECT
private slots:
    void cells_are_written_through_the_current_cell()
    {
        Grid_Control grid;
        grid.Cols(5);
        grid.Rows(11);
        grid.Row(3);
        grid.Col(0);
        grid.Text("Min");
        grid.Row(6);
        grid.Col(2);
        grid.Text("1,234.57");
        QCOMPARE(Cell(grid, 3, 0), std::string("Min"));
        QCOMPARE(Cell(grid, 6, 2), std::string("1,234.57"));
        QCOMPARE(Cell(grid, 6, 1), std::string());
        QCOMPARE(grid.item(6, 2)->text(), QString("1,234.57"));
        // Shown, never edited.
        QVERIFY(!(grid.item(6, 2)->flags() & Qt::ItemIsEditable));
        QCOMPARE(Error_Number([&] { grid.Row(11); }), 9);
        QCOMPARE(Error_Number([&] { grid.Col(-1); }), 9);
    }

    void fewer_rows_drop_the_rest_and_more_rows_keep_the_cells()
    {
        Grid_Control grid;
        grid.Cols(5);
        grid.Rows(43);
        Fill(grid, "a");
        grid.Rows(11);
        QCOMPARE(grid.rowCount(), 11);
        QCOMPARE(Cell(grid, 10, 4), std::string("a10,4"));
        grid.Rows(20);
        QCOMPARE(Cell(grid, 10, 4), std::string("a10,4"));
        QCOMPARE(Cell(grid, 15, 1), std::string());
    }

    void widths_are_in_twips()
    {
        Grid_Control grid;
        grid.Cols(5);
        grid.resize(800, 300);
        double tpp = grid.Twips_Per_Pixel();
        QCOMPARE(tpp, 1440.0 / grid.logicalDpiX());
        QCOMPARE(grid.Width(), static_cast<int32_t>(std::lround(800 * tpp)));
        // The listing's split: 94 % of the width over five columns.
        int32_t w = static_cast<int32_t>(std::lround(grid.Width() * 0.94)) / 5;
        for (int c = 0; c < 5; ++c) grid.ColWidth(c, w);
        QCOMPARE(grid.columnWidth(2), static_cast<int>(std::lround(w / tpp)));
        QVERIFY(std::abs(grid.ColWidth(2) - w) <= tpp);
        // Five such columns fit in the grid.
        QVERIFY(5 * grid.columnWidth(0) <= 800);
        QCOMPARE(Error_Number([&] { grid.ColWidth(5, 100); }), 9);
    }

    void alignment_of_fixed_and_ordinary_cells()
    {
        Grid_Control grid;
        grid.Cols(5);
        grid.Rows(8);
        QCOMPARE(grid.FixedRows(), 1);
        QCOMPARE(grid.FixedCols(), 1);
        for (int c = 0; c < 5; ++c) {
            grid.ColAlignment(c, Grid_Control::Align_Centre);
            grid.FixedAlignment(c, Grid_Control::Align_Centre);
        }
        grid.Row(7);
        grid.Col(3);
        grid.Text("x");
        QCOMPARE(grid.item(7, 3)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(grid.item(0, 3)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(grid.item(5, 0)->textAlignment(), int(Qt::AlignCenter));
        grid.ColAlignment(3, Grid_Control::Align_Right);
        QCOMPARE(grid.item(7, 3)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(grid.item(0, 3)->textAlignment(), int(Qt::AlignCenter));  // the heading keeps its own
        // Heading cells look different from the data cells.
        QVERIFY(grid.item(0, 3)->background() != grid.item(7, 3)->background());
        QVERIFY(grid.item(7, 0)->background() == grid.item(0, 3)->background());
        grid.FixedCols(0);
        QVERIFY(grid.item(7, 0)->background() == grid.item(7, 3)->background());
        QCOMPARE(Error_Number([&] { grid.ColAlignment(1, 3); }), 5);
    }

    void clear_grid_empties_the_given_block()
    {
        Recording_Port port;
        Grid_Control grid;
        grid.Cols(5);
        grid.Rows(11);
        Fill(grid, "v");
        Clear_Grid(grid, 10, 5);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 5; ++c) QCOMPARE(Cell(grid, r, c), std::string());
        QCOMPARE(Cell(grid, 10, 0), std::string("v10,0"));
        QVERIFY(port.prompts.empty());

        // Past the last row: the rows before are cleared, then the error is reported under its name.
        Fill(grid, "w");
        Clear_Grid(grid, 12, 5);
        QCOMPARE(Cell(grid, 10, 4), std::string());
        QCOMPARE(port.prompts.size(), size_t(1));
        QVERIFY(port.prompts[0].find("Error 9") == 0);
        QVERIFY(port.prompts[0].find("Clear_Grid") != std::string::npos);
    }
};

QTEST_MAIN(Test_Grid_Control)
#include "test_grid_control.moc"
