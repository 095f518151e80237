#include <QtTest>

#include "platform/Grid_Control.h"
#include "platform/Gui_Test_Support.h"

namespace {
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
    void cells_go_through_the_current_cell_and_rows_come_and_go()
    {
        Grid_Control grid;
        grid.Cols(5);
        grid.Rows(43);
        Fill(grid, "a");
        grid.Row(6);
        grid.Col(2);
        grid.Text("1,234.57");
        QCOMPARE(grid.item(6, 2)->text(), QString("1,234.57"));
        QCOMPARE(Cell(grid, 6, 1), std::string("a6,1"));
        QVERIFY(!(grid.item(6, 2)->flags() & Qt::ItemIsEditable));
        // Fewer rows drop the rest; more rows keep the cells and add empty ones.
        grid.Rows(11);
        QCOMPARE(grid.rowCount(), 11);
        QCOMPARE(Error_Number([&] { grid.Row(11); }), 9);
        grid.Rows(20);
        QCOMPARE(Cell(grid, 10, 4), std::string("a10,4"));
        QCOMPARE(Cell(grid, 15, 1), std::string());
        QCOMPARE(Error_Number([&] { grid.Col(-1); }), 9);
    }

    void widths_are_in_twips()
    {
        Grid_Control grid;
        grid.Cols(5);
        grid.resize(800, 300);
        double tpp = 1440.0 / grid.logicalDpiX();
        QCOMPARE(grid.Width(), static_cast<int32_t>(std::lround(800 * tpp)));
        // The listing's split: 94 % of the width over five columns, which then fit in the grid.
        int32_t w = static_cast<int32_t>(std::lround(grid.Width() * 0.94)) / 5;
        for (int c = 0; c < 5; ++c) grid.ColWidth(c, w);
        QCOMPARE(grid.columnWidth(2), static_cast<int>(std::lround(w / tpp)));
        QVERIFY(std::abs(grid.ColWidth(2) - w) <= tpp);
        QVERIFY(5 * grid.columnWidth(0) <= 800);
    }

    void alignment_of_fixed_and_ordinary_cells()
    {
        Grid_Control grid;
        grid.Cols(5);
        grid.Rows(8);
        QCOMPARE(std::pair(grid.FixedRows(), grid.FixedCols()), std::pair(1, 1));
        for (int c = 0; c < 5; ++c) {
            grid.ColAlignment(c, Grid_Control::Align_Centre);
            grid.FixedAlignment(c, Grid_Control::Align_Centre);
        }
        for (auto [r, c] : {std::pair{7, 3}, {0, 3}, {5, 0}}) QCOMPARE(grid.item(r, c)->textAlignment(), int(Qt::AlignCenter));
        grid.ColAlignment(3, Grid_Control::Align_Right);
        QCOMPARE(grid.item(7, 3)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(grid.item(0, 3)->textAlignment(), int(Qt::AlignCenter));  // the heading keeps its own
        // Heading cells look different from the data cells.
        QVERIFY(grid.item(0, 3)->background() != grid.item(7, 3)->background());
        QVERIFY(grid.item(7, 0)->background() == grid.item(0, 3)->background());
        grid.FixedCols(0);
        QVERIFY(grid.item(7, 0)->background() == grid.item(7, 3)->background());
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
        QVERIFY(port.prompts[0].find("Error 9") == 0 && port.prompts[0].find("Clear_Grid") != std::string::npos);
    }
};

QTEST_MAIN(Test_Grid_Control)
#include "test_grid_control.moc"
