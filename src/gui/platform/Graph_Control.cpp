#include "platform/Graph_Control.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "runtime/Runtime_Error.h"

namespace {
constexpr double Pad = 6;
constexpr double Tick_Length = 4;

struct Axis_Range {
    double lo, hi, step;
};

// Round tick values: a step of 1, 2, 2.5 or 5 times a power of ten, the range widened to whole steps.
Axis_Range Nice_Range(double lo, double hi, int target_ticks)
{
    if (lo == hi) {
        double d = lo == 0 ? 1 : std::fabs(lo) * 0.1;
        lo -= d;
        hi += d;
    }
    double raw = (hi - lo) / std::max(1, target_ticks);
    double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double norm = raw / magnitude;
    double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 2.5 ? 2.5 : norm <= 5 ? 5 : 10) * magnitude;
    return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

QString Tick_Text(double value, double step)
{
    if (std::fabs(value) < step * 1e-9) value = 0;
    double largest = std::max(std::fabs(value), step);
    if (largest >= 1e7 || step < 1e-5) return QString::number(value, 'g', 4);
    int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    if (std::fabs(step / std::pow(10.0, -decimals) - std::round(step / std::pow(10.0, -decimals))) > 1e-6) ++decimals;
    return QString::number(value, 'f', decimals);
}

QColor Blend(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

bool Is_Dark(const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() < 128; }
}  // namespace

Graph_Control::Graph_Control(QWidget* parent) : QWidget(parent) { Resize_Data(); }

void Graph_Control::Resize_Data()
{
    data_.resize(static_cast<size_t>(num_points_), std::array<float, Max_Sets>{});
    labels_.resize(static_cast<size_t>(num_points_));
}

void Graph_Control::NumSets(int16_t n)
{
    if (n < 1 || n > Max_Sets) Raise(Err::Invalid_Argument);
    num_sets_ = n;
    update();
}

void Graph_Control::NumPoints(int16_t n)
{
    if (n < 1) Raise(Err::Invalid_Argument);
    num_points_ = n;
    Resize_Data();
    update();
}

void Graph_Control::ThisSet(int16_t set)
{
    if (set < 1 || set > num_sets_) Raise(Err::Invalid_Argument);
    this_set_ = set;
}

void Graph_Control::ThisPoint(int16_t point)
{
    if (point < 1 || point > num_points_) Raise(Err::Invalid_Argument);
    this_point_ = point;
}

// The counts may have shrunk under a cursor written earlier. A curve's own properties depend
// only on the curve addressed, an x label only on the point.
void Graph_Control::Check_Set() const
{
    if (this_set_ > num_sets_) Raise(Err::Invalid_Argument);
}

void Graph_Control::Check_Point() const
{
    if (this_point_ > num_points_) Raise(Err::Invalid_Argument);
}

void Graph_Control::GraphData(float value)
{
    Check_Set();
    Check_Point();
    data_[static_cast<size_t>(this_point_ - 1)][static_cast<size_t>(this_set_ - 1)] = value;
    update();
}

void Graph_Control::LabelText(const std::string& text)
{
    Check_Point();
    labels_[static_cast<size_t>(this_point_ - 1)] = text;
    update();
}

void Graph_Control::LabelText(int value) { LabelText(std::to_string(value)); }

void Graph_Control::LegendText(const std::string& text)
{
    Check_Set();
    legends_[static_cast<size_t>(this_set_ - 1)] = text;
    update();
}

void Graph_Control::GraphTitle(const std::string& text)
{
    title_ = text;
    update();
}

void Graph_Control::BottomTitle(const std::string& text)
{
    bottom_title_ = text;
    update();
}

void Graph_Control::LeftTitle(const std::string& text)
{
    left_title_ = text;
    update();
}

void Graph_Control::TickEvery(int16_t n)
{
    if (n < 1) Raise(Err::Invalid_Argument);
    tick_every_ = n;
    update();
}

void Graph_Control::LabelEvery(int16_t n)
{
    if (n < 1) Raise(Err::Invalid_Argument);
    label_every_ = n;
    update();
}

void Graph_Control::PatternedLines(int16_t on)
{
    patterned_ = on != 0;
    update();
}

void Graph_Control::PatternData(int16_t pattern)
{
    if (pattern < 0 || pattern > 3) Raise(Err::Invalid_Argument);
    Check_Set();
    patterns_[static_cast<size_t>(this_set_ - 1)] = pattern;
    update();
}

void Graph_Control::ThickLines(int16_t on)
{
    thick_ = on != 0;
    update();
}

void Graph_Control::GridStyle(int16_t style)
{
    if (style < 0 || style > 3) Raise(Err::Invalid_Argument);
    grid_style_ = style;
    update();
}

void Graph_Control::GraphStyle(int16_t style)
{
    if (style < 0 || style > 7) Raise(Err::Invalid_Argument);
    graph_style_ = style;
    update();
}

void Graph_Control::FontUse(int16_t group)
{
    if (group < Title_Font || group > All_Fonts) Raise(Err::Invalid_Argument);
    font_use_ = group;
}

template <typename Apply>
void Graph_Control::Set_Font(Apply apply)
{
    if (font_use_ == All_Fonts)
        for (Font_Setting& f : fonts_) apply(f);
    else
        apply(fonts_[static_cast<size_t>(font_use_)]);
    update();
}

void Graph_Control::FontSize(int16_t percent)
{
    if (percent < 1) Raise(Err::Invalid_Argument);
    Set_Font([percent](Font_Setting& f) { f.size = percent; });
}

void Graph_Control::FontStyle(int16_t style)
{
    if (style < 0 || style > 3) Raise(Err::Invalid_Argument);
    Set_Font([style](Font_Setting& f) { f.style = style; });
}

void Graph_Control::FontFamily(int16_t family)
{
    if (family < 0 || family > 2) Raise(Err::Invalid_Argument);
    Set_Font([family](Font_Setting& f) { f.family = family; });
}

void Graph_Control::Background(int16_t palette_index)
{
    if (palette_index < 0 || palette_index > 15) Raise(Err::Invalid_Argument);
    background_ = palette_index;
    update();
}

void Graph_Control::DrawMode(int16_t mode)
{
    draw_mode_ = mode;
    update();
}

float Graph_Control::Data(int set, int point) const
{
    if (set < 1 || set > Max_Sets || point < 1 || point > num_points_) Raise(Err::Subscript);
    return data_[static_cast<size_t>(point - 1)][static_cast<size_t>(set - 1)];
}

std::string Graph_Control::Label(int point) const
{
    if (point < 1 || point > num_points_) Raise(Err::Subscript);
    return labels_[static_cast<size_t>(point - 1)];
}

std::string Graph_Control::Legend(int set) const
{
    if (set < 1 || set > Max_Sets) Raise(Err::Subscript);
    return legends_[static_cast<size_t>(set - 1)];
}

int16_t Graph_Control::Pattern(int set) const
{
    if (set < 1 || set > Max_Sets) Raise(Err::Subscript);
    return patterns_[static_cast<size_t>(set - 1)];
}

QColor Graph_Control::Palette_Colour(int index)
{
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),     qRgb(0, 0, 128),     qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),   qRgb(128, 0, 128),   qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),   qRgb(255, 0, 255),   qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(palette[std::clamp(index, 0, 15)]);
}

QColor Graph_Control::Text_Colour() const { return Is_Dark(Palette_Colour(background_)) ? Qt::white : Qt::black; }

QColor Graph_Control::Curve_Colour(int set) const
{
    static const QRgb on_light[Max_Sets] = {qRgb(20, 70, 190), qRgb(200, 30, 30), qRgb(0, 130, 40), qRgb(140, 40, 170)};
    static const QRgb on_dark[Max_Sets] = {qRgb(255, 215, 0), qRgb(0, 230, 255), qRgb(120, 255, 80), qRgb(255, 130, 255)};
    int i = std::clamp(set, 1, Max_Sets) - 1;
    return QColor(Is_Dark(Palette_Colour(background_)) ? on_dark[i] : on_light[i]);
}

QFont Graph_Control::Font_For(Font_Group group, double base_pixels) const
{
    const Font_Setting& s = fonts_[static_cast<size_t>(group)];
    QFont font;
    if (s.family == 2) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    } else if (s.family == 0) {
        font.setFamily("Serif");
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamily("Sans Serif");
        font.setStyleHint(QFont::SansSerif);
    }
    static const double group_scale[4] = {1.2, 1.0, 0.9, 0.9};
    double pixels = base_pixels * group_scale[group] * std::clamp<int>(s.size, 25, 400) / 100.0;
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(pixels))));
    font.setBold((s.style & 2) != 0);
    font.setItalic((s.style & 1) != 0);
    return font;
}

bool Graph_Control::Shows_Legend() const
{
    for (int s = 0; s < num_sets_; ++s)
        if (!legends_[static_cast<size_t>(s)].empty()) return true;
    return false;
}

QString Graph_Control::Point_Label(int index) const
{
    const std::string& text = labels_[static_cast<size_t>(index)];
    return text.empty() ? QString::number(index + 1) : QString::fromStdString(text);
}

namespace {
double Base_Pixels(const QRectF& area) { return std::clamp(area.height() / 28.0, 9.0, 14.0); }
}  // namespace

Graph_Control::Layout Graph_Control::Compute_Layout(const QRectF& area) const
{
    Layout layout;
    double lo = 0, hi = 0;
    bool any = false;
    for (int p = 0; p < num_points_; ++p)
        for (int s = 0; s < num_sets_; ++s) {
            double v = data_[static_cast<size_t>(p)][static_cast<size_t>(s)];
            if (!std::isfinite(v)) continue;
            if (!any) lo = hi = v;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            any = true;
        }

    double base = Base_Pixels(area);
    QFontMetricsF title_m(Font_For(Title_Font, base)), axis_m(Font_For(Axis_Title_Font, base)),
        label_m(Font_For(Label_Font, base)), legend_m(Font_For(Legend_Font, base));

    double top = area.top() + Pad + (title_.empty() ? label_m.height() / 2 : title_m.height() + Pad);
    double bottom = area.bottom() - Pad - label_m.height() - Tick_Length - 2 -
                    (bottom_title_.empty() ? 0 : axis_m.height() + 2);
    int target = std::clamp(static_cast<int>((bottom - top) / (3 * label_m.height())), 2, 10);
    Axis_Range y = Nice_Range(lo, hi, target);
    layout.y_min = y.lo;
    layout.y_max = y.hi;
    layout.y_step = y.step;

    double y_label_width = 0;
    for (double v = y.lo; v <= y.hi + y.step * 0.5; v += y.step)
        y_label_width = std::max(y_label_width, label_m.horizontalAdvance(Tick_Text(v, y.step)));
    double left = area.left() + Pad + y_label_width + Tick_Length + 2 + (left_title_.empty() ? 0 : axis_m.height() + 2);

    double right = area.right() - Pad - label_m.horizontalAdvance(Point_Label(num_points_ - 1)) / 2;
    if (Shows_Legend()) {
        // Short legends (a component's name) all take the room of the widest, so charts side by
        // side keep one width whatever their components.
        double text_width = legend_m.horizontalAdvance(QStringLiteral("MMMM"));
        for (int s = 0; s < num_sets_; ++s)
            text_width = std::max(text_width, legend_m.horizontalAdvance(QString::fromStdString(legends_[static_cast<size_t>(s)])));
        double width = 28 + 6 + text_width + 2 * Pad;
        double height = num_sets_ * legend_m.height() + 2 * Pad / 2;
        if (width <= area.width() * 0.3) {
            right = area.right() - Pad - width - Pad;
            layout.legend = QRectF(area.right() - Pad - width, (top + bottom - height) / 2, width, height);
        } else {
            // Too wide beside a narrow chart: under it, so neither the legends nor the chart are cut.
            width = std::min(width, area.width() - 2 * Pad);
            bottom -= height + Pad;
            layout.legend = QRectF(area.center().x() - width / 2, area.bottom() - Pad - height, width, height);
            layout.legend_below = true;
        }
    }
    layout.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
    return layout;
}

QPointF Graph_Control::Point_Position(const Layout& layout, int set, int point) const
{
    const QRectF& r = layout.plot;
    double x = num_points_ > 1 ? r.left() + (point - 1) * r.width() / (num_points_ - 1) : r.center().x();
    double v = data_[static_cast<size_t>(point - 1)][static_cast<size_t>(set - 1)];
    double y = r.bottom() - (v - layout.y_min) / (layout.y_max - layout.y_min) * r.height();
    return {x, y};
}

namespace {
void Apply_Pattern(QPen& pen, int pattern)
{
    switch (pattern) {
    case 1: pen.setDashPattern({7, 4}); break;
    case 2: pen.setDashPattern({2, 3}); break;
    case 3: pen.setDashPattern({8, 3, 2, 3}); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
}
}  // namespace

void Graph_Control::Draw_Curves(QPainter& painter, const Layout& layout) const
{
    bool lines = graph_style_ == 0 || (graph_style_ & Style_Lines) != 0;
    bool sticks = (graph_style_ & Style_Sticks) != 0;
    double base_y = std::clamp(0.0, layout.y_min, layout.y_max);
    double base_pixel = layout.plot.bottom() - (base_y - layout.y_min) / (layout.y_max - layout.y_min) * layout.plot.height();
    std::vector<QPointF> run;
    run.reserve(static_cast<size_t>(num_points_));
    for (int s = 1; s <= num_sets_; ++s) {
        QPen pen(Curve_Colour(s), thick_ ? 2.5 : 1.0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::BevelJoin);
        if (sticks) {
            QPen stick(pen);
            stick.setWidthF(1.0);
            painter.setPen(stick);
            std::vector<QLineF> lines_to_axis;
            lines_to_axis.reserve(static_cast<size_t>(num_points_));
            for (int p = 1; p <= num_points_; ++p) {
                QPointF q = Point_Position(layout, s, p);
                if (std::isfinite(q.y())) lines_to_axis.emplace_back(QPointF(q.x(), base_pixel), q);
            }
            painter.drawLines(lines_to_axis.data(), static_cast<int>(lines_to_axis.size()));
        }
        if (patterned_) Apply_Pattern(pen, patterns_[static_cast<size_t>(s - 1)]);
        painter.setPen(pen);
        if (lines) {
            // A value that cannot be drawn breaks the curve.
            run.clear();
            // A one-pixel pen takes the fast line path; a second pass half a pixel off gives it body.
            auto flush = [&] {
                if (run.size() > 1) {
                    painter.drawPolyline(run.data(), static_cast<int>(run.size()));
                    if (!thick_) {
                        painter.translate(0.5, 0.5);
                        painter.drawPolyline(run.data(), static_cast<int>(run.size()));
                        painter.translate(-0.5, -0.5);
                    }
                }
                run.clear();
            };
            for (int p = 1; p <= num_points_; ++p) {
                QPointF q = Point_Position(layout, s, p);
                if (std::isfinite(q.y()))
                    run.push_back(q);
                else
                    flush();
            }
            flush();
        }
        if (num_points_ == 1) {
            QPointF q = Point_Position(layout, s, 1);
            painter.setBrush(Curve_Colour(s));
            painter.setPen(Qt::NoPen);
            if (std::isfinite(q.y())) painter.drawEllipse(q, 3, 3);
            painter.setBrush(Qt::NoBrush);
        }
    }
}

void Graph_Control::Render(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.fillRect(area, Palette_Colour(background_));
    Layout layout = Compute_Layout(area);
    const QRectF& plot = layout.plot;
    QColor ink = Text_Colour();
    QColor grid = Blend(Palette_Colour(background_), ink, 0.25);
    double base = Base_Pixels(area);
    QFont title_font = Font_For(Title_Font, base), axis_font = Font_For(Axis_Title_Font, base),
          label_font = Font_For(Label_Font, base), legend_font = Font_For(Legend_Font, base);
    QFontMetricsF label_m(label_font);
    auto y_pixel = [&](double v) { return plot.bottom() - (v - layout.y_min) / (layout.y_max - layout.y_min) * plot.height(); };
    auto x_pixel = [&](int i) { return num_points_ > 1 ? plot.left() + i * plot.width() / (num_points_ - 1) : plot.center().x(); };

    painter.setRenderHint(QPainter::Antialiasing, false);
    // Grid first, so the curves lie over it.
    painter.setPen(QPen(grid, 0));
    if (grid_style_ == 1 || grid_style_ == 3)
        for (double v = layout.y_min + layout.y_step; v < layout.y_max - layout.y_step * 0.5; v += layout.y_step)
            painter.drawLine(QPointF(plot.left(), y_pixel(v)), QPointF(plot.right(), y_pixel(v)));
    if (grid_style_ == 2 || grid_style_ == 3)
        for (int i = label_every_; i < num_points_ - 1; i += label_every_)
            painter.drawLine(QPointF(x_pixel(i), plot.top()), QPointF(x_pixel(i), plot.bottom()));
    if (layout.y_min < 0 && layout.y_max > 0) {
        painter.setPen(QPen(Blend(Palette_Colour(background_), ink, 0.5), 0));
        painter.drawLine(QPointF(plot.left(), y_pixel(0)), QPointF(plot.right(), y_pixel(0)));
    }

    // Frame, ticks and labels.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ink, 0));
    painter.drawRect(plot);
    painter.setFont(label_font);
    for (double v = layout.y_min; v <= layout.y_max + layout.y_step * 0.5; v += layout.y_step) {
        double y = y_pixel(v);
        painter.drawLine(QPointF(plot.left() - Tick_Length, y), QPointF(plot.left(), y));
        QRectF box(plot.left() - Tick_Length - 2 - 200, y - label_m.height() / 2, 200, label_m.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, Tick_Text(v, layout.y_step));
    }
    for (int i = 0; i < num_points_; i += tick_every_)
        painter.drawLine(QPointF(x_pixel(i), plot.bottom()), QPointF(x_pixel(i), plot.bottom() + Tick_Length));
    double last_right = -1e9;
    for (int i = 0; i < num_points_; i += label_every_) {
        QString text = Point_Label(i);
        double w = label_m.horizontalAdvance(text);
        double x = x_pixel(i) - w / 2;
        if (x < last_right + 4) continue;  // crowded labels would run into one another
        painter.drawLine(QPointF(x_pixel(i), plot.bottom()), QPointF(x_pixel(i), plot.bottom() + Tick_Length + 2));
        painter.drawText(QPointF(x, plot.bottom() + Tick_Length + 2 + label_m.ascent()), text);
        last_right = x + w;
    }

    // Curves last, over the frame, so that their end points stay visible.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.save();
    painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
    Draw_Curves(painter, layout);
    painter.restore();

    painter.setRenderHint(QPainter::Antialiasing, true);
    if (!title_.empty()) {
        painter.setFont(title_font);
        QRectF box(area.left(), area.top() + Pad, area.width(), QFontMetricsF(title_font).height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(title_));
    }
    painter.setFont(axis_font);
    QFontMetricsF axis_m(axis_font);
    if (!bottom_title_.empty()) {
        const double floor = layout.legend_below ? layout.legend.top() - Pad : area.bottom() - Pad;
        QRectF box(plot.left(), floor - axis_m.height(), plot.width(), axis_m.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, QString::fromStdString(bottom_title_));
    }
    if (!left_title_.empty()) {
        painter.save();
        painter.translate(area.left() + Pad, plot.center().y());
        painter.rotate(-90);
        QRectF box(-plot.height() / 2, 0, plot.height(), axis_m.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(left_title_));
        painter.restore();
    }

    if (Shows_Legend()) {
        const QRectF& box = layout.legend;
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(ink, 0));
        painter.setBrush(Palette_Colour(background_));
        painter.drawRect(box);
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setFont(legend_font);
        QFontMetricsF legend_m(legend_font);
        for (int s = 1; s <= num_sets_; ++s) {
            double y = box.top() + Pad / 2 + (s - 1) * legend_m.height() + legend_m.height() / 2;
            QPen pen(Curve_Colour(s), thick_ ? 2.5 : 1.5);
            pen.setCapStyle(Qt::FlatCap);
            if (patterned_) Apply_Pattern(pen, patterns_[static_cast<size_t>(s - 1)]);
            painter.setPen(pen);
            painter.drawLine(QPointF(box.left() + Pad, y), QPointF(box.left() + Pad + 28, y));
            painter.setPen(ink);
            QString text = legend_m.elidedText(QString::fromStdString(legends_[static_cast<size_t>(s - 1)]), Qt::ElideRight,
                                               box.width() - 28 - 6 - 2 * Pad);
            painter.drawText(QPointF(box.left() + Pad + 28 + 6, y - legend_m.height() / 2 + legend_m.ascent()), text);
        }
    }
    painter.restore();
}

QImage Graph_Control::Render_Image(QSize size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Palette_Colour(background_));
    QPainter painter(&image);
    Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void Graph_Control::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Render(painter, QRectF(rect()));
}

void Graph_Control::mouseReleaseEvent(QMouseEvent* event)
{
    int button = event->button() == Qt::RightButton ? 2 : event->button() == Qt::MiddleButton ? 4 : 1;
    if (rect().contains(event->position().toPoint())) emit Clicked(button);
}
