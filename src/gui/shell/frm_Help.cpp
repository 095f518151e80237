#include "shell/frm_Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QVBoxLayout>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "platform/Screen_Metrics.h"
#include "runtime/Report_Error.h"
#include "runtime/Number_Text.h"
#include "shell/mod_Common.h"

frm_Help::frm_Help() : Screen("frm_Help", 12015, 9900)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menu_bar = new QMenuBar(this);
    layout->setMenuBar(menu_bar);
    mnu_Resize = menu_bar->addMenu("Resize Form");
    mnu_Full = mnu_Resize->addAction("Enlarge");
    mnu_Shrink = mnu_Resize->addAction("Shrink");
    mnu_Close = menu_bar->addAction("Close Form");
    WebBrowser1 = new Help_Browser(this);
    // The document fills the window, whatever size Enlarge, Shrink or the user gives it.
    layout->addWidget(WebBrowser1, 1);

    On_Click(*this, mnu_Full, [this] { mnu_Full_Click(); });
    On_Click(*this, mnu_Shrink, [this] { mnu_Shrink_Click(); });
    On_Click(*this, mnu_Close, [this] { Hide(); });
}

void frm_Help::Form_Activate() { Set_Caption("Help for " + store().Title_String + "Help Screen"); }

void frm_Help::mnu_Full_Click()
{
    double dw = Screen_Metrics::Width_Twips();
    double dh = Screen_Metrics::Height_Twips();
    int32_t H = CLng(dh * 0.97 * 0.97);
    int32_t W = CLng(dw * 0.97);
    Set_Height(H);
    Set_Width(W);
    Centerform(*this);
}

void frm_Help::mnu_Shrink_Click()
{
    Set_Width(12015);
    Set_Height(9900);
    Centerform(*this);
}

void frm_Help::Close_Box()
{
    Hide();
    Unload(*this);
}

std::string Help_Address(const std::string& path)
{
    QString base = qEnvironmentVariable("VASTREL_HELP_BASE");
    if (base.isEmpty()) base = QCoreApplication::applicationDirPath();
    std::string doc = path.rfind("helpfiles/", 0) == 0 ? path : "helpfiles/" + path;
    return QDir(base).filePath(QString::fromStdString(doc)).toStdString();
}

void Show_Help_Document(const std::string& path)
{
    frm_Help& help = Form<frm_Help>();
    help.Hide();
    help.WebBrowser1->Navigate(Help_Address(path));
    Centerform(help);
    help.Show_Modeless();
}

void Show_Help_Over(Screen& s, const std::string& path, const std::string& error_name)
{
    Trap_Errors(error_name, [&] {
        s.Hide();
        Show_Help_Document(path);
        s.Show_Modeless_Behind(Form<frm_Help>());
    });
}
