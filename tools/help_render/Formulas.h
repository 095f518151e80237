// Formulas in the help texts are plain text ("Cf = (ω_max - ω_min) / ω_avg"). A formula broken
// over two lines reads as two, so each is kept on one line; a paragraph of formulas alone is set
// apart, centred, one formula to a line where they do not fit side by side.
#pragma once
#include <QtGlobal>

class QTextDocument;

// text_width in the 96-per-inch units of the default font's metrics.
void Keep_Formulas_Whole(QTextDocument& doc, qreal text_width);
