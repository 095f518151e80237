// The display as the screens measure it: its full size in twips and the twips per pixel.
// Tests put a fake display in place so that sizing rules can be checked on any machine.
#pragma once

namespace Screen_Metrics {
double Width_Twips();
double Height_Twips();
double Twips_Per_Pixel_X();
double Twips_Per_Pixel_Y();

// A display of the given size in pixels and logical dpi, until Use_Real is called.
void Use_Fake(int width_px, int height_px, double dpi = 96.0);
void Use_Real();
}  // namespace Screen_Metrics
