#include "platform/Gui_Version.h"
