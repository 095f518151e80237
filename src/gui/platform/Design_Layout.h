// Controls placed at fixed positions, as designed for a screen's design size, that follow the
// screen when it is larger (maximized) or smaller (a small display).
#pragma once

class QWidget;

// The controls on `area` (and in its plain frames) stand where they were put for the design size;
// whenever the area's size changes they are moved and sized in proportion, one scale for both
// directions. One-line controls keep their designed height and are centred on their larger slot.
// `area` is a screen or a widget that fills a screen apart from its menu bar.
void Lay_Out_By_Design(QWidget* area);
