// The help documents' diagrams, painted with QPainter: the linkage with its links, joints,
// coupler point and angles ("linkage.png"), and the two gear trains ("gears.png").
#pragma once
#include <QImage>

class QString;

QImage Linkage_Diagram();
QImage Gear_Diagram();

// Writes both diagrams into the folder under the names above.
bool Save_Diagrams(const QString& dir);
