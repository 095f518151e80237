// The help window: a document viewer with Enlarge, Shrink and Close Form. Closing it by its
// frame destroys it; the next help command creates it afresh.
#pragma once
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <string>

#include "platform/Help_Browser.h"
#include "platform/Screen.h"

class frm_Help : public Screen {
    Q_OBJECT
public:
    frm_Help();

    QMenuBar* menu_bar;
    QMenu* mnu_Resize;
    QAction* mnu_Full;
    QAction* mnu_Shrink;
    QAction* mnu_Close;
    Help_Browser* WebBrowser1;

    void mnu_Full_Click();
    void mnu_Shrink_Click();

protected:
    void Form_Activate() override;
    void Close_Box() override;
};

// Where a help document lives: the help folder beside the program (VASTREL_HELP_BASE names
// another folder holding "helpfiles/"), then the document's path under "helpfiles/".
std::string Help_Address(const std::string& path);

// A help command: hides the help window, points it at the document, centres it and shows it
// modeless.
void Show_Help_Document(const std::string& path);
// A screen's help command: the screen steps aside for the help window and comes back modeless,
// behind it.
void Show_Help_Over(Screen& s, const std::string& path, const std::string& error_name);
