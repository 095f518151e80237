// A small sketch of one chart of a plot layout (a curve on axes, or a polar grid), drawn to the
// widget's size so it stays crisp at any screen size.
#pragma once
#include <QWidget>

class Layout_Sketch : public QWidget {
public:
    enum class Kind { Cartesian, Polar };
    Layout_Sketch(Kind kind, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};
