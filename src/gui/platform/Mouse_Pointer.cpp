#include "platform/Mouse_Pointer.h"

#include <QApplication>
#include <QCursor>

#include "runtime/Ui_Port.h"

namespace {
int pointer = Pointer::Default;
int boxes_open = 0;
int boxes_shown = 0;
bool override_pushed = false;

void Apply()
{
    bool want = pointer == Pointer::Hourglass && boxes_open == 0;
    if (want && !override_pushed) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        override_pushed = true;
    } else if (!want && override_pushed) {
        QApplication::restoreOverrideCursor();
        override_pushed = false;
    }
}
}  // namespace

void Set_Mouse_Pointer(int p)
{
    pointer = p == Pointer::Hourglass ? Pointer::Hourglass : Pointer::Default;
    Apply();
}

int Mouse_Pointer() { return pointer; }

Box_Open_Guard::Box_Open_Guard()
{
    ++boxes_open;
    ++boxes_shown;
    Apply();
}

Box_Open_Guard::~Box_Open_Guard()
{
    --boxes_open;
    Apply();
}

bool Box_Open() { return boxes_open > 0; }

int Boxes_Shown() { return boxes_shown; }
