// One own-drawn chart with the panels round it: the function's name, component and unit on the
// left, the y values at the levels of +Ymax, 0 and -Ymax and the x values at the ends (and quarter
// points) of the x range, and on a cartesian chart the x title and, on the right, the curve's
// minimum, maximum and peak-to-peak value. A cartesian chart's values sit in the margins of its
// window (left of Xmin, below -Ymax); the polar chart's round the picture. The panels follow the
// window's margins as the chart is resized, and every value caption has room to show whole.
#pragma once
#include <QLabel>
#include <QWidget>

#include "output/Chart_Drawing.h"
#include "platform/Picture_Box.h"

class Own_Chart : public QWidget {
    Q_OBJECT
public:
    enum Kind { Cartesian, Polar };
    // index names the controls (pct_Plot_<index> ...).
    Own_Chart(Kind kind, Window_Margins margins, int index, QWidget* parent = nullptr);

    Picture_Box* pct_Plot;
    QLabel* pnl_LeftTitle;
    QLabel* pnl_Comp;
    QLabel* pnl_PlotUnits;
    QLabel* pnl_Ymax;
    QLabel* pnl_zero;
    QLabel* pnl_Ymin;
    QLabel* pnl_Xmin;
    QLabel* pnl_Xmax;
    // Cartesian charts only (nullptr on the polar chart).
    QLabel* pnl_X1 = nullptr;
    QLabel* pnl_X2 = nullptr;
    QLabel* pnl_X3 = nullptr;
    QLabel* pnl_BottomTitle = nullptr;
    QLabel* lbl_Min = nullptr;
    QLabel* lbl_Max = nullptr;
    QLabel* lbl_Peak = nullptr;

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Place();
    Kind kind_;
    Window_Margins margins_;
    QWidget* titles_ = nullptr;
    QWidget* stats_ = nullptr;
    // Room for the widest value caption and for the minimum, maximum and peak column.
    int value_width_ = 0;
    int stats_width_ = 0;
};
