#include "platform/Screen_Metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
bool fake = false;
int fake_w = 0, fake_h = 0;
double fake_dpi = 96.0;
QMargins learnt_frame;

QScreen* Primary() { return QGuiApplication::primaryScreen(); }

double Dpi_X() { return fake ? fake_dpi : (Primary() ? Primary()->logicalDotsPerInchX() : 96.0); }
double Dpi_Y() { return fake ? fake_dpi : (Primary() ? Primary()->logicalDotsPerInchY() : 96.0); }
}  // namespace

namespace Screen_Metrics {
double Twips_Per_Pixel_X() { return 1440.0 / Dpi_X(); }
double Twips_Per_Pixel_Y() { return 1440.0 / Dpi_Y(); }

// The full display, not the work area: the classic metrics ignored task bars.
QRect Display_Pixels()
{
    if (fake) return QRect(0, 0, fake_w, fake_h);
    return Primary() ? Primary()->geometry() : QRect();
}

double Width_Twips() { return Display_Pixels().width() * Twips_Per_Pixel_X(); }
double Height_Twips() { return Display_Pixels().height() * Twips_Per_Pixel_Y(); }

QMargins Frame_Margins() { return learnt_frame; }
void Learn_Frame_Margins(const QMargins& frame) { learnt_frame = frame; }

void Use_Fake(int width_px, int height_px, double dpi)
{
    fake = true;
    fake_w = width_px;
    fake_h = height_px;
    fake_dpi = dpi;
}

void Use_Real() { fake = false; }
}  // namespace Screen_Metrics
