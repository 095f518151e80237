// The output-grid screen: the chosen functions listed step by step under their minimum, average
// and maximum, beside the linkage data and motion input of the run.
#pragma once
#include <QPushButton>

#include "platform/Common_Dialog.h"
#include "platform/Grid_Control.h"
#include "platform/Screen.h"
#include "shell/Output_Layout.h"

struct Accepted_Functions;

class frm_PrintData : public Screen, public Output_Layout {
    Q_OBJECT
public:
    frm_PrintData();
    ~frm_PrintData() override;

    Grid_Control* grd_Data;
    QPushButton* cmd_copy;
    QPushButton* cmd_PrintForm;
    QPushButton* cmd_Reprint;
    QPushButton* cmd_Done;
    Common_Dialog CommonDialog1;

    void cmd_copy_Click();
    void cmd_PrintForm_Click();
    void cmd_Reprint_Click();
    void cmd_Done_Click();

protected:
    void Form_Activate() override;

private:
    void Build();
};

// Sizes, shows and fills the output grid with the functions accepted on the print selection.
void Multiprint(frm_PrintData& Form, const Accepted_Functions& names);
