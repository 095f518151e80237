// The picture box: a drawing surface with a user scale, a pen position and printed text.
// Everything is drawn into a retained image, so drawings survive repaints and can be read back.
#pragma once
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <string>

#include "runtime/Print_Writer.h"

class Picture_Print;

class Picture_Box : public QWidget {
    Q_OBJECT
public:
    // Raster modes of DrawMode; copy pen is the one the drawings use.
    static constexpr int16_t Invert = 6;
    static constexpr int16_t Xor_Pen = 7;
    static constexpr int16_t Copy_Pen = 13;
    // Colour argument meaning "the fore colour".
    static constexpr int32_t Fore = -1;

    explicit Picture_Box(QWidget* parent = nullptr);

    // Fills the picture with the back colour; the pen goes to (0, 0) and printing starts afresh.
    void Cls();
    // User scale: (x1, y1) becomes the upper-left corner, (x2, y2) the lower-right one (until then
    // units are pixels). A window of zero width or height, a corner beyond the 32-bit float range or
    // a span too small to map onto pixels raises error 5 and keeps the scale in force.
    void Scale(double x1, double y1, double x2, double y2);

    double CurrentX() const { return current_x_; }
    double CurrentY() const { return current_y_; }
    void CurrentX(double x) { current_x_ = x; }
    void CurrentY(double y) { current_y_ = y; }

    // Colours are 0xRRGGBB.
    int32_t ForeColor() const { return fore_colour_; }
    void ForeColor(int32_t colour) { fore_colour_ = colour; }
    int32_t BackColor() const { return back_colour_; }
    // Setting the back colour erases the drawing.
    void BackColor(int32_t colour);
    int16_t DrawMode() const { return draw_mode_; }
    void DrawMode(int16_t mode);

    // Line from (x1, y1) to (x2, y2); the pen ends at (x2, y2).
    void Line(double x1, double y1, double x2, double y2, int32_t colour = Fore);
    // Line from the pen to (x, y).
    void Line_To(double x, double y, int32_t colour = Fore);
    // Lines from the pen through count points in turn, in one pass (a curve of many points).
    void Polyline_To(const float* x, const float* y, int count, int32_t colour = Fore);
    // Circle round (x, y); the radius is in x units and the circle stays round on a stretched scale.
    void Circle(double x, double y, double radius, int32_t colour = Fore);
    void PSet(double x, double y, int32_t colour = Fore);

    // A print statement: items go on at the pen in a fixed-pitch font, by the print-statement rules.
    Picture_Print Print();

    // Paints the drawing now, also inside a loop that does not return to the event loop.
    void Flush();

    // The drawing as it stands (for printing and tests).
    const QImage& Image() const;
    // Pixel position of a point in the current scale.
    QPointF To_Pixels(double x, double y) const;
    // Width of one print column and height of one printed line, in pixels.
    int Column_Width() const;
    int Line_Height() const;

signals:
    // Mouse position in the current scale; button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
    void MouseMove(int button, int shift, double x, double y);
    // A button pressed in the picture was released, wherever the pointer is now.
    void MouseUp();
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class Picture_Print;
    struct Mapping {
        double left, top, x_factor, y_factor;
    };
    Mapping Current_Mapping() const;
    void From_Pixels(QPointF p, double& x, double& y) const;
    void Prepare_Pen(class QPainter& painter, int32_t colour) const;
    void Draw_Printed_Text();
    QFont Print_Font() const;
    // The image follows the widget's size (a hidden widget gets no resize events).
    void Fit_Image() const;

    mutable QImage image_;
    bool user_scale_ = false;
    double scale_left_ = 0, scale_top_ = 0, scale_width_ = 1, scale_height_ = 1;
    double current_x_ = 0, current_y_ = 0;
    int32_t fore_colour_ = 0x000000;
    int32_t back_colour_ = 0xFFFFFF;
    int16_t draw_mode_ = Copy_Pen;
    Print_Writer writer_;
    int drawn_columns_ = 0;
    bool pressed_ = false;
};

// One print statement on a picture: each item is drawn as it is added.
class Picture_Print {
public:
    explicit Picture_Print(Picture_Box& box) : box_(box) {}
    Picture_Print& Text(const std::string& s);
    Picture_Print& Number(float v);
    Picture_Print& Number(double v);
    Picture_Print& Number(long long v);
    Picture_Print& Number(int v) { return Number(static_cast<long long>(v)); }
    Picture_Print& Comma();
    Picture_Print& Tab(int column);
    Picture_Print& End_Line();

private:
    Picture_Print& Drawn();
    Picture_Box& box_;
};
