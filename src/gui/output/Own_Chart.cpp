#include "output/Own_Chart.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/Mod_Numeric.h"
#include "platform/Qt_Text.h"

namespace {
constexpr int Title_Width = 96;
constexpr int Stats_Width = 104;
constexpr int Row_Height = 15;
constexpr int Value_Gap = 4;

// The widest value and peak-to-peak captions the charts are laid out for: any scale below a
// thousand million, with its sign. The room is fixed, so a chart keeps its size whatever it shows.
QString Widest_Value() { return Q_Text(FNRoundStr(-999999999.0, 0)); }
QString Widest_Peak() { return Q_Text(FNRoundStr(1999999998.0, 0)); }

QLabel* Panel(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel* Sunken(QLabel* l)
{
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumHeight(Row_Height + 4);
    return l;
}

// A label centred on (x, y).
void Centre_On(QLabel* l, int x, int y, int width)
{
    if (l) l->setGeometry(x - width / 2, y - Row_Height / 2, width, Row_Height);
}

// A label whose right edge is at x, centred on y but not above the chart's top.
void Right_At(QLabel* l, int x, int y, int width)
{
    l->setGeometry(x - width, std::max(0, y - Row_Height / 2), width, Row_Height);
}
}  // namespace

Own_Chart::Own_Chart(Kind kind, Window_Margins margins, int index, QWidget* parent)
    : QWidget(parent), kind_(kind), margins_(margins)
{
    auto name = [index](const char* n) { return QString("%1_%2").arg(n).arg(index); };
    const bool cartesian = kind_ == Cartesian;
    pct_Plot = new Picture_Box(this);
    pct_Plot->setObjectName(name("pct_Plot"));

    titles_ = new QWidget(this);
    auto* titles = new QVBoxLayout(titles_);
    titles->setContentsMargins(0, 0, 4, 0);
    titles->setSpacing(3);
    pnl_LeftTitle = Sunken(Panel(titles_, name("pnl_LeftTitle"), "Function"));
    pnl_Comp = Sunken(Panel(titles_, name("pnl_Comp"), "Comp"));
    pnl_PlotUnits = Sunken(Panel(titles_, name("pnl_PlotUnits"), "Units"));
    titles->addStretch(1);
    for (QLabel* l : {pnl_LeftTitle, pnl_Comp, pnl_PlotUnits}) titles->addWidget(l);
    titles->addStretch(1);

    // The values lie over the picture's margins and, where these are too narrow, beside them.
    pnl_Ymax = Panel(this, name("pnl_Ymax"), "");
    pnl_zero = Panel(this, name("pnl_zero"), "0");
    pnl_Ymin = Panel(this, name("pnl_Ymin"), "");
    pnl_Xmin = Panel(this, name("pnl_Xmin"), "");
    pnl_Xmax = Panel(this, name("pnl_Xmax"), "");
    for (QLabel* l : {pnl_Ymax, pnl_zero, pnl_Ymin}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {pnl_Xmin, pnl_Xmax}) l->setAlignment(Qt::AlignCenter);

    if (cartesian) {
        pnl_X1 = Panel(this, name("pnl_X1"), "");
        pnl_X2 = Panel(this, name("pnl_X2"), "");
        pnl_X3 = Panel(this, name("pnl_X3"), "");
        for (QLabel* l : {pnl_X1, pnl_X2, pnl_X3}) l->setAlignment(Qt::AlignCenter);
        pnl_BottomTitle = Panel(this, name("pnl_BottomTitle"), "Axis Label");
        pnl_BottomTitle->setAlignment(Qt::AlignCenter);

        stats_ = new QWidget(this);
        auto* stats = new QGridLayout(stats_);
        stats->setContentsMargins(6, 0, 0, 0);
        stats->setVerticalSpacing(2);
        lbl_Min = Panel(stats_, name("lbl_Min"), "");
        lbl_Max = Panel(stats_, name("lbl_Max"), "");
        lbl_Peak = Panel(stats_, name("lbl_Peak"), "");
        stats->setRowStretch(0, 1);
        int row = 1;
        for (auto [caption, value] : {std::pair{"Max", lbl_Max}, {"Min", lbl_Min}, {"P to P", lbl_Peak}}) {
            Sunken(value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            stats->addWidget(new QLabel(caption, stats_), row++, 0);
            stats->addWidget(value, row++, 0);
        }
        stats->setRowStretch(row, 1);
    }
    QFont small = font();
    small.setPointSizeF(std::max(7.0, small.pointSizeF() - 1));
    for (QLabel* l : {pnl_Ymax, pnl_zero, pnl_Ymin, pnl_Xmin, pnl_X1, pnl_X2, pnl_X3, pnl_Xmax, pnl_BottomTitle})
        if (l) {
            l->setFont(small);
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    value_width_ = QFontMetrics(small).horizontalAdvance(Widest_Value()) + 2;
    if (lbl_Peak) {
        // Text, the sunken frame with the indent it brings, and the column's margin.
        QFontMetrics fm(lbl_Peak->font());
        stats_width_ = std::max(Stats_Width, fm.horizontalAdvance(Widest_Peak()) + fm.horizontalAdvance('x') + 12);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize Own_Chart::minimumSizeHint() const
{
    if (kind_ == Cartesian) return {Title_Width + value_width_ + 200 + stats_width_, 110};
    return {Title_Width + value_width_ + Value_Gap + 200 + value_width_ / 2, 200 + 2 * Row_Height};
}

void Own_Chart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Place();
}

void Own_Chart::Place()
{
    const bool cartesian = kind_ == Cartesian;
    int left, w, h, top = 0;
    if (cartesian) {
        // The picture's left margin holds the values when it is wide enough; the rest of their
        // width is taken from the picture.
        const int room = std::max(40, width() - Title_Width - stats_width_);
        const double f = margins_.X_Fraction(0);
        const int extra = std::max(0, static_cast<int>(std::ceil((value_width_ + Value_Gap - f * room) / (1 - f))));
        left = Title_Width + extra;
        w = std::max(40, room - extra);
        h = std::max(40, height());
    } else {
        left = Title_Width + value_width_ + Value_Gap;
        w = std::max(40, width() - left - value_width_ / 2);
        h = std::max(40, height() - 2 * Row_Height);
        // Square, so that a circular path stays round, in the middle of the chart's room.
        int side = std::min(w, h);
        left += (w - side) / 2;
        top = (h - side) / 2;
        w = h = side;
    }
    pct_Plot->setGeometry(left, top, w, h);
    titles_->setGeometry(cartesian ? 0 : left - Title_Width - value_width_ - Value_Gap, top, Title_Width, h);
    if (stats_) stats_->setGeometry(left + w, 0, stats_width_, h);

    // Positions in the picture's window, in pixels of the chart.
    auto x_at = [&](double u) { return left + static_cast<int>(std::lround(margins_.X_Fraction(u) * w)); };
    auto y_at = [&](double v) { return top + static_cast<int>(std::lround(margins_.Y_Fraction(v) * h)); };

    if (cartesian) {
        const int values_right = x_at(0) - Value_Gap;
        for (auto [l, v] : {std::pair{pnl_Ymax, 1.0}, {pnl_zero, 0.0}, {pnl_Ymin, -1.0}})
            Right_At(l, values_right, y_at(v), values_right - Title_Width);
        // The band below -Ymax holds the x values and under them the x title.
        const int band = y_at(-1);
        const int x_row = band + std::max(Row_Height / 2 + 2, (h - band) / 3);
        const int x_width = std::max(36, w / 5);
        Centre_On(pnl_Xmin, x_at(0), x_row, x_width);
        Centre_On(pnl_X1, x_at(0.25), x_row, x_width);
        Centre_On(pnl_X2, x_at(0.5), x_row, x_width);
        Centre_On(pnl_X3, x_at(0.75), x_row, x_width);
        Centre_On(pnl_Xmax, x_at(1), x_row, x_width);
        // The end value would reach past the picture's edge: it ends there instead.
        if (pnl_Xmax->geometry().right() >= left + w) {
            pnl_Xmax->move(left + w - x_width, pnl_Xmax->y());
            pnl_Xmax->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else {
            pnl_Xmax->setAlignment(Qt::AlignCenter);
        }
        pnl_BottomTitle->setGeometry(x_at(0), std::min(h - Row_Height, x_row + Row_Height), x_at(1) - x_at(0), Row_Height);
    } else {
        for (auto [l, v] : {std::pair{pnl_Ymax, 1.0}, {pnl_zero, 0.0}, {pnl_Ymin, -1.0}})
            Right_At(l, left - Value_Gap, y_at(v), value_width_);
        Centre_On(pnl_Xmin, x_at(0), top + h + Row_Height / 2 + 2, value_width_);
        Centre_On(pnl_Xmax, x_at(1), top + h + Row_Height / 2 + 2, value_width_);
    }
}
