#include "platform/Picture_Box.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "runtime/Runtime_Error.h"

namespace {
QColor To_QColor(int32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

bool Usable_Corner(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

int Button_Code(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

int Shift_Code(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}
}  // namespace

Picture_Box::Picture_Box(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    image_ = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    image_.fill(To_QColor(back_colour_));
}

void Picture_Box::Cls()
{
    Fit_Image();
    image_.fill(To_QColor(back_colour_));
    current_x_ = 0;
    current_y_ = 0;
    writer_ = Print_Writer{};
    drawn_columns_ = 0;
    update();
}

void Picture_Box::BackColor(int32_t colour)
{
    back_colour_ = colour;
    Fit_Image();
    image_.fill(To_QColor(back_colour_));
    update();
}

void Picture_Box::DrawMode(int16_t mode)
{
    if (mode != Copy_Pen && mode != Xor_Pen && mode != Invert) Raise(Err::Invalid_Argument);
    draw_mode_ = mode;
}

void Picture_Box::Scale(double x1, double y1, double x2, double y2)
{
    if (!Usable_Corner(x1) || !Usable_Corner(y1) || !Usable_Corner(x2) || !Usable_Corner(y2))
        Raise(Err::Invalid_Argument);
    double w = x2 - x1, h = y2 - y1;
    if (w == 0 || h == 0 || !std::isfinite(w) || !std::isfinite(h)) Raise(Err::Invalid_Argument);
    Fit_Image();
    // A span so small that one unit covers more pixels than a double can count is refused too.
    double fx = image_.width() / w, fy = image_.height() / h;
    if (!std::isfinite(fx) || !std::isfinite(fy) || fx == 0 || fy == 0) Raise(Err::Invalid_Argument);
    user_scale_ = true;
    scale_left_ = x1;
    scale_top_ = y1;
    scale_width_ = w;
    scale_height_ = h;
}

Picture_Box::Mapping Picture_Box::Current_Mapping() const
{
    if (!user_scale_) return {0, 0, 1, 1};
    Fit_Image();
    return {scale_left_, scale_top_, image_.width() / scale_width_, image_.height() / scale_height_};
}

QPointF Picture_Box::To_Pixels(double x, double y) const
{
    Mapping m = Current_Mapping();
    return {(x - m.left) * m.x_factor, (y - m.top) * m.y_factor};
}

void Picture_Box::From_Pixels(QPointF p, double& x, double& y) const
{
    Mapping m = Current_Mapping();
    x = m.left + p.x() / m.x_factor;
    y = m.top + p.y() / m.y_factor;
}

void Picture_Box::Prepare_Pen(QPainter& painter, int32_t colour) const
{
    // No antialiasing: erasing redraws a figure in the back colour, which must wipe every pixel it set.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(To_QColor(colour == Fore ? fore_colour_ : colour), 0));
    painter.setBrush(Qt::NoBrush);
    if (draw_mode_ == Xor_Pen)
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    else if (draw_mode_ == Invert)
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
}

void Picture_Box::Line(double x1, double y1, double x2, double y2, int32_t colour)
{
    Fit_Image();
    QPainter painter(&image_);
    Prepare_Pen(painter, colour);
    painter.drawLine(To_Pixels(x1, y1), To_Pixels(x2, y2));
    current_x_ = x2;
    current_y_ = y2;
    update();
}

void Picture_Box::Line_To(double x, double y, int32_t colour) { Line(current_x_, current_y_, x, y, colour); }

void Picture_Box::Polyline_To(const float* x, const float* y, int count, int32_t colour)
{
    if (count <= 0) return;
    Fit_Image();
    QPolygonF points;
    points.reserve(count + 1);
    points << To_Pixels(current_x_, current_y_);
    for (int i = 0; i < count; ++i) points << To_Pixels(x[i], y[i]);
    QPainter painter(&image_);
    Prepare_Pen(painter, colour);
    painter.drawPolyline(points);
    current_x_ = x[count - 1];
    current_y_ = y[count - 1];
    update();
}

void Picture_Box::Circle(double x, double y, double radius, int32_t colour)
{
    Fit_Image();
    QPainter painter(&image_);
    Prepare_Pen(painter, colour);
    double r = std::fabs(radius * Current_Mapping().x_factor);
    painter.drawEllipse(To_Pixels(x, y), r, r);
    current_x_ = x;
    current_y_ = y;
    update();
}

void Picture_Box::PSet(double x, double y, int32_t colour)
{
    Fit_Image();
    QPainter painter(&image_);
    Prepare_Pen(painter, colour);
    painter.drawPoint(To_Pixels(x, y));
    current_x_ = x;
    current_y_ = y;
    update();
}

QFont Picture_Box::Print_Font() const
{
    // About 23 lines fill the picture, the length of the longest printed table.
    Fit_Image();
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(std::clamp(static_cast<int>(image_.height() / 23 / 1.25), 9, 16));
    return font;
}

int Picture_Box::Column_Width() const { return QFontMetrics(Print_Font()).horizontalAdvance(QLatin1Char('0')); }

int Picture_Box::Line_Height() const { return QFontMetrics(Print_Font()).lineSpacing(); }

Picture_Print Picture_Box::Print() { return Picture_Print(*this); }

void Picture_Box::Draw_Printed_Text()
{
    QFont font = Print_Font();
    QFontMetrics metrics(font);
    int column_width = metrics.horizontalAdvance(QLatin1Char('0'));
    Fit_Image();
    QPainter painter(&image_);
    painter.setFont(font);
    painter.setPen(To_QColor(fore_colour_));
    QPointF top = To_Pixels(current_x_, current_y_);
    auto draw = [&](const std::string& line, int from) {
        if (static_cast<int>(line.size()) > from) {
            QString rest = QString::fromStdString(line.substr(static_cast<size_t>(from)));
            painter.drawText(QPointF(from * column_width, top.y() + metrics.ascent()), rest);
        }
    };
    for (const std::string& line : writer_.Take_Lines()) {
        draw(line, drawn_columns_);
        drawn_columns_ = 0;
        top.setY(top.y() + metrics.lineSpacing());
    }
    draw(writer_.Current(), drawn_columns_);
    drawn_columns_ = writer_.Column();
    From_Pixels(QPointF(drawn_columns_ * column_width, top.y()), current_x_, current_y_);
    update();
}

// Only this widget is painted: serving other events here could run a timer inside an animation loop.
void Picture_Box::Flush() { repaint(); }

void Picture_Box::paintEvent(QPaintEvent*)
{
    Fit_Image();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void Picture_Box::Fit_Image() const
{
    int w = std::max(1, width()), h = std::max(1, height());
    if (w == image_.width() && h == image_.height()) return;
    QImage fitted(w, h, QImage::Format_RGB32);
    fitted.fill(To_QColor(back_colour_));
    QPainter painter(&fitted);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = fitted;
}

const QImage& Picture_Box::Image() const
{
    Fit_Image();
    return image_;
}

void Picture_Box::mousePressEvent(QMouseEvent*) { pressed_ = true; }

void Picture_Box::mouseMoveEvent(QMouseEvent* event)
{
    double x, y;
    From_Pixels(event->position(), x, y);
    emit MouseMove(Button_Code(event->buttons()), Shift_Code(event->modifiers()), x, y);
}

void Picture_Box::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    emit MouseUp();
    if (click) emit Click();
}

void Picture_Box::mouseDoubleClickEvent(QMouseEvent*) { emit DblClick(); }

Picture_Print& Picture_Print::Drawn()
{
    box_.Draw_Printed_Text();
    return *this;
}

Picture_Print& Picture_Print::Text(const std::string& s)
{
    box_.writer_.Text(s);
    return Drawn();
}
Picture_Print& Picture_Print::Number(float v)
{
    box_.writer_.Number(v);
    return Drawn();
}
Picture_Print& Picture_Print::Number(double v)
{
    box_.writer_.Number(v);
    return Drawn();
}
Picture_Print& Picture_Print::Number(long long v)
{
    box_.writer_.Number(v);
    return Drawn();
}
Picture_Print& Picture_Print::Comma()
{
    box_.writer_.Comma();
    return Drawn();
}
Picture_Print& Picture_Print::Tab(int column)
{
    box_.writer_.Tab(column);
    return Drawn();
}
Picture_Print& Picture_Print::End_Line()
{
    box_.writer_.End_Line();
    return Drawn();
}
