#include "output/frm_PrintData.h"

#include <cmath>

#include "dynamics/frm_FFT.h"
#include "model/Mod_Main.h"
#include "output/Report_Output.h"
#include "platform/Control_Events.h"
#include "platform/Qt_Text.h"
#include "runtime/Report_Error.h"
#include "selection/frm_PrintSelect.h"

namespace {
constexpr int Data_Width = 11850, Data_Height = 8950;
}  // namespace

frm_PrintData::frm_PrintData() : Screen("frm_PrintData", Data_Width, Data_Height)
{
    Build();
    Screen& s = *this;
    On_Click(s, cmd_copy, [this] { cmd_copy_Click(); });
    On_Click(s, cmd_PrintForm, [this] { cmd_PrintForm_Click(); });
    On_Click(s, cmd_Reprint, [this] { cmd_Reprint_Click(); });
    On_Click(s, cmd_Done, [this] { cmd_Done_Click(); });
    Register_Output_Label_Panel(this);
}

frm_PrintData::~frm_PrintData() { Unregister_Output_Label_Panel(this); }

void frm_PrintData::Build()
{
    Build_Output_Layout(*this, *this, Output_Part::Report_Titles | Label_Panels);
    grd_Data = Named_Control(new Grid_Control(this), "grd_Data");
    Content->addWidget(grd_Data, 1);
    cmd_copy = Command("cmd_copy", "&Copy");
    cmd_PrintForm = Command("cmd_PrintForm", "&Print Form");
    cmd_Reprint = Back_Command("cmd_Reprint");
    cmd_Done = Next_Command("cmd_Done");
}

void frm_PrintData::Form_Activate()
{
    CommonDialog1.CancelError = true;
    if (store().Full_Screen) Maximize_Screen(*this, Data_Height, Data_Width);
    else Reset_Screen(*this, Data_Height, Data_Width);
    cmd_PrintForm->setEnabled(true);
    cmd_copy->setEnabled(true);
}

void frm_PrintData::cmd_copy_Click() { Copy_Advice(); }

void frm_PrintData::cmd_PrintForm_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Direct_Print, "frm_Printdata.PrintForm");
}

void frm_PrintData::cmd_Reprint_Click()
{
    Hide();
    Trap_Errors("frm_PrintData.Select Another", [] {
        frm_PrintSelect& select = Form<frm_PrintSelect>();
        Centerform(select);
        select.Show_Modal();
    });
}

void frm_PrintData::cmd_Done_Click()
{
    store().Reset_Selections = true;
    Hide();
}

void Multiprint(frm_PrintData& Form_, const Accepted_Functions& names)
{
    Trap_Errors("Multiprint", [&] {
        Model_Store& s = store();
        Grid_Control& grid = *Form_.grd_Data;
        const int16_t previous_rows = s.Grid_Rows;
        Set_Report_Titles(Form<frm_FFT>().Chosen_Variable());
        const Grid_Listing listing = Grid_Contents(names);

        grid.Cols(listing.cols);
        if (listing.rows < previous_rows) Clear_Grid(grid, listing.rows, listing.cols);

        Centerform(Form_);
        Form_.Show_Modeless();
        // The columns share the grid's width as the screen now shows it (sized by its activation).
        if (Form_.layout()) Form_.layout()->activate();
        const int32_t W = static_cast<int32_t>(std::lround(grid.Width() * 0.94));
        for (int c = 0; c < listing.cols; ++c) {
            grid.ColWidth(c, static_cast<int32_t>(std::lround(static_cast<double>(W) / listing.cols)));
            grid.ColAlignment(c, Grid_Control::Align_Centre);
            grid.FixedAlignment(c, Grid_Control::Align_Centre);
        }

        Titlebox(Form_);
        Form_.lbl_Header2->setText(Q_Text(s.Report_Title));
        Form_.lbl_Header3->setText(Q_Text(s.Report_Title2));
        switch (s.Calc_Type) {
        case 1: Put_Position_Labels(Form_); break;
        case 3: Put_Angle_Labels(Form_); break;
        default: Put_Time_Labels(Form_); break;
        }

        // One repaint for the whole listing.
        struct Paint_Once {
            QWidget* w;
            ~Paint_Once() { w->setUpdatesEnabled(true); }
        } paint_once{&grid};
        grid.setUpdatesEnabled(false);
        grid.Rows(listing.rows);
        for (const Grid_Cell& cell : listing.cells) {
            grid.Row(cell.row);
            grid.Col(cell.col);
            grid.Text(cell.text);
        }
        // A value is never cut: a column too narrow for its widest value is widened, and the grid
        // scrolls sideways when the columns together are wider than the screen.
        grid.Widen_Columns_To_Text();
    });
}
