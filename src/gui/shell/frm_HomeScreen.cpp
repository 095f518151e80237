#include "shell/frm_HomeScreen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dynamics/frm_FFT.h"
#include "model/Mod_Examples.h"
#include "dynamics/frm_Flywheel.h"
#include "dynamics/frm_MassProp.h"
#include "platform/Control_Events.h"
#include "platform/Qt_Text.h"
#include "platform/Screen_Metrics.h"
#include "runtime/Ui_Port.h"
#include "selection/frm_PlotType.h"
#include "selection/frm_PrintSelect.h"
#include "shell/Home_Rules.h"
#include "shell/frm_About.h"
#include "shell/frm_Animate.h"
#include "shell/frm_Disclaimer.h"
#include "shell/frm_Inputnew.h"
#include "shell/frm_User.h"
#include "shell/mod_Animate.h"

namespace {
constexpr int32_t Home_Design_Width = 11850;
constexpr int32_t Home_Design_Height = 9480;

QAction* Item(QMenu* menu, const char* name, const char* caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

QMenu* Submenu(QMenu* parent, const char* name, const char* caption)
{
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(name);
    return m;
}

// Centres a screen at the home screen's top edge and shows it.
template <class S>
void Open_Modal()
{
    S& s = Form<S>();
    Centerform(s);
    s.Show_Modal();
}

template <class S>
void Open_Modeless()
{
    S& s = Form<S>();
    Centerform(s);
    s.Show_Modeless();
}
}  // namespace

frm_HomeScreen::frm_HomeScreen() : Screen("frm_HomeScreen", Home_Design_Width, Home_Design_Height)
{
    Build_Menus();
    Build_Body();
    Connect_Handlers();
}

void frm_HomeScreen::Build_Menus()
{
    menu_bar = new QMenuBar(this);

    mnu_File = menu_bar->addMenu("&File");
    mnu_New = Item(mnu_File, "mnu_New", "&New");
    mnu_New->setShortcut(QKeySequence("Ctrl+N"));
    mnu_Open = Item(mnu_File, "mnu_Open", "&Open");
    mnu_Open->setShortcut(QKeySequence("Ctrl+O"));
    mnu_File->addSeparator();
    mnu_Save = Item(mnu_File, "mnu_Save", "&Save");
    mnu_Save->setShortcut(QKeySequence("Ctrl+S"));
    mnu_Saveas = Item(mnu_File, "mnu_Saveas", "Save &as");
    mnu_Saveas->setShortcut(QKeySequence("Ctrl+A"));
    mnu_File->addSeparator();
    mnu_Quit = Item(mnu_File, "mnu_Quit", "&Quit");
    mnu_Quit->setShortcut(QKeySequence("Ctrl+Q"));

    mnu_Units = menu_bar->addMenu("&Units");
    const char* const units[] = {"&in-lb-s", "&ft-lb-s", "m-kg-s (&SI)", "&cm-kg-s", "&mm-kg-s"};
    for (int i = 1; i <= 5; ++i) {
        mnu_pick[i] = Item(mnu_Units, "mnu_pick", units[i - 1]);
        mnu_pick[i]->setCheckable(true);
    }
    mnu_pick[1]->setChecked(true);

    mnu_Examples = menu_bar->addMenu("&Examples");
    mnu_Unity = Item(mnu_Examples, "mnu_Unity", "&Unity Gear Ratio");
    mnu_Nonunity = Item(mnu_Examples, "mnu_Nonunity", "&Nonunity Gear Ratio");

    mnu_FFT = menu_bar->addMenu("&FFT");
    mnu_CalcFFT = Item(mnu_FFT, "mnu_CalcFFT", "&Calculate FFT");

    mnu_User = menu_bar->addMenu("User");
    mnu_UserName = Item(mnu_User, "mnu_UserName", "User Name");
    mnu_FilePath = Item(mnu_User, "mnu_FilePath", "File Path");
    mnu_AppPath = Item(mnu_User, "mnu_AppPath", "Application Path");
    mnu_ChangeUser = Item(mnu_User, "mnu_ChangeUser", "Change Project/File Name");

    mnu_Screen = menu_bar->addMenu("Screen Size");
    mnu_Standardsize = Item(mnu_Screen, "mnu_Standardsize", "Standard");
    mnu_Fullscreen = Item(mnu_Screen, "mnu_Fullscreen", "Maximize");

    mnu_HelpHeader = menu_bar->addMenu("Help");
    mnu_CopyHelp = Item(mnu_HelpHeader, "mnu_CopyHelp", "Copying to Clipboard");
    mnu_HelpHeader->addSeparator();
    mnu_Menu = Submenu(mnu_HelpHeader, "mnu_Menu", "Menu Items");
    mnu_FileHelp = Item(mnu_Menu, "mnu_FileHelp", "File");
    mnu_UnitsHelp = Item(mnu_Menu, "mnu_UnitsHelp", "Units");
    mnu_ExampleHelp = Item(mnu_Menu, "mnu_ExampleHelp", "Examples");
    mnu_FFTHelp = Item(mnu_Menu, "mnu_FFTHelp", "FFT");
    mnu_HelpHeader->addSeparator();
    mnu_Buttons = Submenu(mnu_HelpHeader, "mnu_Buttons", "Buttons");
    mnu_InputHelp = Submenu(mnu_Buttons, "mnu_InputHelp", "Input");
    mnu_Linkdata = Item(mnu_InputHelp, "mnu_Linkdata", "Linkage Data");
    mnu_LinkCalc = Item(mnu_InputHelp, "mnu_LinkCalc", "Calculation");
    mnu_AnimateHelp = Item(mnu_Buttons, "mnu_AnimateHelp", "Animate");
    mnu_PlotHelp = Item(mnu_Buttons, "mnu_PlotHelp", "Plot");
    mnu_PrintHelp = Item(mnu_Buttons, "mnu_PrintHelp", "Print");
    mnu_DynamicsHelp = Item(mnu_Buttons, "mnu_DynamicsHelp", "Dynamics");
    mnu_FlywheelHelp = Item(mnu_Buttons, "mnu_FlywheelHelp", "Flywheel");
    mnu_HelpHeader->addSeparator();
    mnu_Manual = Item(mnu_HelpHeader, "mnu_Manual", "User Manual");

    mnu_Version = menu_bar->addMenu("&About");
    mnu_About = Item(mnu_Version, "mnu_About", "&About Vastrel");
    mnu_Disclaimer = Item(mnu_Version, "mnu_Disclaimer", "&Disclaimer");
}

void frm_HomeScreen::Build_Body()
{
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        QFont f = b->font();
        f.setPointSizeF(f.pointSizeF() * 1.25);
        b->setFont(f);
        b->setMinimumSize(190, 44);
        return b;
    };
    cmd_Input = button("cmd_Input", "&Input");
    cmd_Animate = button("cmd_Animate", "&Animate");
    cmd_Dynamics = button("cmd_Dynamics", "&Dynamics");
    cmd_Flywheel = button("cmd_Flywheel", "&Flywheel");
    cmd_Plot = button("cmd_Plot", "&Plot");
    cmd_Print = button("cmd_Print", "P&rint");
    cmd_Quit = button("cmd_Quit", "&Quit");
    for (QPushButton* b : {cmd_Animate, cmd_Dynamics, cmd_Flywheel, cmd_Plot, cmd_Print}) b->setEnabled(false);

    pnl_Status = new QGroupBox(" Status:", this);
    pnl_Status->setObjectName("pnl_Status");
    QFont status_font = pnl_Status->font();
    status_font.setPointSizeF(status_font.pointSizeF() * 1.2);
    pnl_Status->setFont(status_font);
    for (int i = 0; i <= 10; ++i) {
        lbl_Status[i] = new QLabel(pnl_Status);
        lbl_Status[i]->setObjectName(QString("lbl_Status_%1").arg(i));
        lbl_Status[i]->setVisible(i >= 9);
    }
    lbl_Status[9]->setText("Units are:");
    QFont bold = lbl_Status[10]->font();
    bold.setBold(true);
    lbl_Status[10]->setFont(bold);
    lbl_Status[10]->setText(Q_Text(Units_Name(1)));

    auto* status = new QVBoxLayout(pnl_Status);
    status->setContentsMargins(20, 16, 20, 16);
    status->setSpacing(8);
    status->addWidget(lbl_Status[9]);
    status->addWidget(lbl_Status[10]);
    status->addSpacing(18);
    for (int i = 0; i <= 8; ++i) status->addWidget(lbl_Status[i]);
    status->addStretch(1);
    pnl_Status->setMinimumHeight(300);

    // Enlarged, the buttons spread out evenly and the panel keeps to the top.
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(12);
    for (QPushButton* b : {cmd_Input, cmd_Animate, cmd_Dynamics, cmd_Flywheel, cmd_Plot, cmd_Print}) {
        buttons->addWidget(b);
        buttons->addStretch(1);
    }
    buttons->addStretch(4);
    buttons->addWidget(cmd_Quit);
    auto* panel = new QVBoxLayout;
    panel->addWidget(pnl_Status, 3);
    panel->addStretch(2);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(60, 36, 60, 36);
    body->setSpacing(60);
    body->addStretch(1);
    body->addLayout(buttons, 2);
    body->addLayout(panel, 2);
    body->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu_bar);
    layout->addLayout(body);
}

void frm_HomeScreen::Connect_Handlers()
{
    On_Click(*this, cmd_Input, [this] { cmd_Input_Click(); });
    On_Click(*this, cmd_Animate, [this] { cmd_Animate_Click(); });
    On_Click(*this, cmd_Dynamics, [this] { cmd_Dynamics_Click(); });
    On_Click(*this, cmd_Flywheel, [this] { cmd_Flywheel_Click(); });
    On_Click(*this, cmd_Plot, [this] { cmd_Plot_Click(); });
    On_Click(*this, cmd_Print, [this] { cmd_Print_Click(); });
    On_Click(*this, cmd_Quit, [this] { Quit_Path(); });

    On_Click(*this, mnu_New, [this] { mnu_New_Click(); });
    On_Click(*this, mnu_Open, [this] { mnu_Open_Click(); });
    On_Click(*this, mnu_Save, [this] { mnu_Save_Click(); });
    On_Click(*this, mnu_Saveas, [this] { mnu_Saveas_Click(); });
    On_Click(*this, mnu_Quit, [this] { Quit_Path(); });
    for (int16_t i = 1; i <= 5; ++i) On_Click(*this, mnu_pick[i], [this, i] { mnu_pick_Click(i); });
    connect(mnu_Examples, &QMenu::aboutToShow, this, [this] { Run_Handler([this] { mnu_Examples_Click(); }); });
    On_Click(*this, mnu_Unity, [this] { Load_Example(true); });
    On_Click(*this, mnu_Nonunity, [this] { Load_Example(false); });
    On_Click(*this, mnu_CalcFFT, [this] { mnu_CalcFFT_Click(); });
    On_Click(*this, mnu_UserName, [this] { mnu_UserName_Click(); });
    On_Click(*this, mnu_FilePath, [this] { mnu_FilePath_Click(); });
    On_Click(*this, mnu_AppPath, [this] { mnu_AppPath_Click(); });
    On_Click(*this, mnu_ChangeUser, [this] { mnu_ChangeUser_Click(); });
    On_Click(*this, mnu_Standardsize, [this] { mnu_Standardsize_Click(); });
    On_Click(*this, mnu_Fullscreen, [this] { mnu_Fullscreen_Click(); });
    for (QAction* a : {mnu_CopyHelp, mnu_FileHelp, mnu_UnitsHelp, mnu_ExampleHelp, mnu_FFTHelp, mnu_Linkdata, mnu_LinkCalc,
                       mnu_AnimateHelp, mnu_PlotHelp, mnu_PrintHelp, mnu_DynamicsHelp, mnu_FlywheelHelp, mnu_Manual}) {
        std::string menu = a->objectName().toStdString();
        On_Click(*this, a, [this, menu] { Help_Command(menu); });
    }
    On_Click(*this, mnu_About, [this] { mnu_About_Click(); });
    On_Click(*this, mnu_Disclaimer, [this] { mnu_Disclaimer_Click(); });
}

void frm_HomeScreen::Form_Load()
{
    Model_Store& s = store();
    s.Home_Height = Home_Design_Height;
    s.Home_Width = Home_Design_Width;
    s.Calc_Done = false;
    Set_Height(Home_Design_Height);
    Set_Width(Home_Design_Width);
    double left = (Screen_Metrics::Width_Twips() - Width()) / 2.0;
    double top = (Screen_Metrics::Height_Twips() - Height()) / 2.0;
    Move(left, top);
    s.Form_Top = CLng(top);
}

void frm_HomeScreen::Form_Activate() { Activate_Home(); }

void frm_HomeScreen::Activate_Home()
{
    Model_Store& s = store();
    CommonDialog1.CancelError = true;
    if (s.Full_Screen) Maximize_Screen(*this, Home_Design_Height, Home_Design_Width);
    else Reset_Screen(*this, Home_Design_Height, Home_Design_Width);
    s.Startup_Flag = false;
    s.Reset_Selections = true;
    Home_Menus m = Home_Activation_Enables();
    mnu_New->setEnabled(m.New);
    mnu_Save->setEnabled(m.Save);
    mnu_Saveas->setEnabled(m.Saveas);
    mnu_CalcFFT->setEnabled(m.CalcFFT);
    cmd_Flywheel->setEnabled(m.Flywheel);
    // The result buttons follow the flags as the status panel does, whichever screen left them.
    Set_Home_Buttons();
    ui().Set_Mouse_Pointer(Pointer::Default);
    Update_Status();
}

void frm_HomeScreen::Close_Box() { Quit_Path(); }

void frm_HomeScreen::cmd_Input_Click() { Open_Modal<frm_Inputnew>(); }

void frm_HomeScreen::cmd_Animate_Click()
{
    store().Step_Number = 0;
    Open_Modal<frm_Animate>();
}

void frm_HomeScreen::cmd_Dynamics_Click() { Open_Modeless<frm_MassProp>(); }
void frm_HomeScreen::cmd_Flywheel_Click() { Open_Modeless<frm_Flywheel>(); }

void frm_HomeScreen::cmd_Plot_Click()
{
    store().Reset_Selections = true;
    Open_Modal<frm_PlotType>();
}

void frm_HomeScreen::cmd_Print_Click()
{
    store().Reset_Selections = true;
    Open_Modal<frm_PrintSelect>();
}

void frm_HomeScreen::mnu_CalcFFT_Click() { Open_Modal<frm_FFT>(); }
void frm_HomeScreen::mnu_About_Click() { Open_Modal<frm_About>(); }
void frm_HomeScreen::mnu_Disclaimer_Click() { Open_Modeless<frm_Disclaimer>(); }
void frm_HomeScreen::mnu_ChangeUser_Click() { Open_Modeless<frm_User>(); }

void Update_Status()
{
    frm_HomeScreen& home = Form<frm_HomeScreen>();
    Status_Panel panel;
    for (int i = 0; i < Status_Panel::Count; ++i) {
        panel.text[i] = S_Text(home.lbl_Status[i]->text());
        panel.visible[i] = !home.lbl_Status[i]->isHidden();
    }
    Update_Status_Panel(panel);
    for (int i = 0; i < Status_Panel::Count; ++i) {
        home.lbl_Status[i]->setText(Q_Text(panel.text[i]));
        home.lbl_Status[i]->setVisible(panel.visible[i]);
    }
}

void Withdraw_And_Update_Home()
{
    Withdraw_Results();
    Update_Status();
    Set_Home_Buttons();
}

void Set_Home_Buttons()
{
    frm_HomeScreen& home = Form<frm_HomeScreen>();
    Result_Buttons b = Home_Result_Buttons();
    home.cmd_Dynamics->setEnabled(b.Dynamics);
    home.cmd_Animate->setEnabled(b.Animate);
    home.cmd_Plot->setEnabled(b.Plot);
    home.cmd_Print->setEnabled(b.Print);
}

void Reset_Model()
{
    Reset_Model_Store();
    Set_Home_Buttons();
    Update_Status();
}
