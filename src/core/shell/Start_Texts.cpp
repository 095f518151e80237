#include "shell/Start_Texts.h"

#include "model/Mod_Main.h"

void Set_Program_Identity()
{
    Model_Store& s = store();
    s.Program_Name = "VASTREL";
    s.Program_Code = s.Program_Name;
    s.Program_Version = "9.0";
    s.Build_Date = "11/30/08";
    s.Program_Revision = "2.2";
    s.Startup_Flag = true;
}

void Build_Title_String()
{
    Model_Store& s = store();
    s.Title_String = "VASTREL   Release " + s.Program_Version + "   Rev " + s.Program_Revision + "   " +
                     s.Build_Date + std::string(16, ' ');
}

std::string Title_Release_Line()
{
    const Model_Store& s = store();
    return "Release " + s.Program_Version + ",  Rev " + s.Program_Revision + "   " + s.Build_Date;
}

std::string About_Release_Line()
{
    const Model_Store& s = store();
    return "Release " + s.Program_Version + " -" + " Rev " + s.Program_Revision + "   " + s.Build_Date;
}

Notice_Texts Notice_Text()
{
    Notice_Texts t;
    t.description = "A Program for the Design and Analysis of Geared Vastrel Linkages.";
    // Joined as they stand: no blank after the second sentence, one before the last.
    t.disclaimer =
        std::string("Every effort has been made to ensure the accuracy of the algorithms used to calculate "
                    "results in this program.  ") +
        "Nevertheless, users are responsible for the quality of any designs they may create with this software." +
        "The author and publisher make no warranty of any kind, express or implied, with regard to these "
        "programs. " +
        "In no event shall they be liable for incidental or consequential damages arising out of the "
        "furnishing, performance, use or misuse of this software.";
    t.notice =
        "This program is meant for qualified personnel knowledgeable in mechanism design as described in the "
        "textbook 'Velmarch'. It follows the equations and theory of that textbook, which serves as its manual; "
        "read the relevant chapters before relying on its results.";
    t.support =
        "For help with the program, see the help documents in the Home Screen's Help menu, or ask the "
        "person or department that supplied your copy.";
    return t;
}
