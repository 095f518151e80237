// The display as the screens measure it: its full size in twips and the twips per pixel, and the
// frame the window manager puts around a window. Tests put a fake display in place so that sizing
// rules can be checked on any machine.
#pragma once
#include <QMargins>
#include <QRect>

namespace Screen_Metrics {
double Width_Twips();
double Height_Twips();
double Twips_Per_Pixel_X();
double Twips_Per_Pixel_Y();
// The full display in pixels.
QRect Display_Pixels();

// The window manager's frame as the last framed screen had it (none until one was framed): what a
// screen not framed yet will get.
QMargins Frame_Margins();
void Learn_Frame_Margins(const QMargins& frame);

// A display of the given size in pixels and logical dpi, until Use_Real is called.
void Use_Fake(int width_px, int height_px, double dpi = 96.0);
void Use_Real();
}  // namespace Screen_Metrics
