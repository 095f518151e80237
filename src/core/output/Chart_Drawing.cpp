#include "output/Chart_Drawing.h"

#include <cfloat>

#include "model/Mod_Main.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"

namespace {
const std::string CRLF = "\r\n";

bool Float_Usable(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

// The user scale, or error 5 when the corners leave the float range or span nothing: the picture
// never receives a coordinate it cannot map.
void Scale_Within_Capacity(Canvas& pic, double left, double top, double right, double bottom)
{
    for (double v : {left, top, right, bottom})
        if (!Float_Usable(v)) Raise(Err::Invalid_Argument);
    float l = static_cast<float>(left), t = static_cast<float>(top);
    float r = static_cast<float>(right), b = static_cast<float>(bottom);
    if (!Float_Usable(double(r) - l) || !Float_Usable(double(b) - t) || r == l || b == t)
        Raise(Err::Invalid_Argument);
    pic.Scale(l, t, r, b);
}

// Runs a window routine; a refused window gets the capacity message, any other error the common
// report, and both leave Plot_Failed set.
template <typename Body>
void Window_Trap(const char* name, const std::string& message, Body&& body)
{
    store().Plot_Failed = false;
    try {
        body();
    } catch (const Runtime_Error& e) {
        if (e.number == Err::Invalid_Argument)
            MsgBox(message, Msg::Ok_Only | Msg::Exclamation);
        else
            Report_Error(e, name);
        store().Plot_Failed = true;
    }
}

std::string Capacity_Message(const std::string& Name)
{
    return "The magnitude of " + Name + " exceeds the capacity of this window." + CRLF;
}

int32_t Black() { return store().Color_Black; }

// The ticks at -R, -R + R / n, ... R: 2 n + 1 of them, the far end always reached.
template <typename Draw>
void Symmetric_Ticks(float R, int16_t n, Draw draw)
{
    if (n == 0) Raise(Err::Division_By_Zero);
    double step = double(R) / n;
    for (int k = 0; k <= 2 * n; ++k) draw(-double(R) + k * step);
}
}  // namespace

Window_Margins Cartesian_Margins(int16_t NumGraphs)
{
    if (NumGraphs == 2) return {0.16, 0.04, 1.14, 1.4};
    return {0.18, 0.04, 1.15, 1.7};
}

Window_Margins Polar_Margins() { return {0.05, 0.05, 1.115, 1.115}; }

void SetWindow(Canvas& pic, float& Ymax, float Xmin, float Xmax, const std::string& Name, int16_t NumGraphs)
{
    std::string message = Capacity_Message(Name) +
                          "Switch to the 'Annotated' style of plot instead of the 'Aligned' style," + CRLF +
                          "or use a plot type with a larger window to see this function.";
    Window_Trap("SetWindow", message, [&] {
        double W = double(Xmax) - Xmin;
        if (Ymax == 0) Ymax = 0.0001f;
        Window_Margins m = Cartesian_Margins(NumGraphs);
        pic.Cls();
        Scale_Within_Capacity(pic, Xmin - m.left * W, m.top * Ymax, Xmax + m.right * W, -m.bottom * Ymax);
    });
}

void SetPolarWindow(Canvas& pic, float& Rmax, const std::string& Name)
{
    Window_Trap("SetPolarWindow", Capacity_Message(Name), [&] {
        if (Rmax == 0) Rmax = 0.0001f;
        Window_Margins m = Polar_Margins();
        double reach = 1 + 2 * m.left;
        Scale_Within_Capacity(pic, -reach * Rmax, m.top * Rmax, reach * Rmax, -m.bottom * Rmax);
    });
}

void CartesianAxes(Canvas& pic, float Ymax, float Xmin, float Xmax)
{
    Trap_Errors("CartesianAxes", [&] {
        pic.Line(Xmin, 0, Xmax, 0, Black());
        pic.Line(Xmin, -Ymax, Xmin, Ymax, Black());
    });
}

void PolarAxes(Canvas& pic, float R)
{
    Trap_Errors("PolarAxes", [&] {
        pic.Line(-R, 0, R, 0, Black());
        pic.Line(0, -R, 0, R, Black());
    });
}

void XticMarks(Canvas& pic, float Ymax, float Xmin, float Xmax)
{
    Trap_Errors("XticMarks", [&] {
        double step = (double(Xmax) - Xmin) * 0.04166667;
        float t = static_cast<float>(0.07 * Ymax);
        // The step is a shade over a 24th, so the loop stops before the end and the last tick
        // goes there on its own.
        if (std::isfinite(step) && step != 0) {
            for (int k = 0;; ++k) {
                double x = Xmin + k * step;
                if (step > 0 ? x > Xmax : x < Xmax) break;
                pic.Line(static_cast<float>(x), -t, static_cast<float>(x), t, Black());
            }
        }
        pic.Line(Xmax, -t, Xmax, t, Black());
    });
}

void YticMarks(Canvas& pic, float Ymax, int16_t NumDiv, float Xmin, float Xmax)
{
    Trap_Errors("YticMarks", [&] {
        double W = double(Xmax) - Xmin;
        float x1 = static_cast<float>(Xmin - 0.01 * W), x2 = static_cast<float>(Xmin + 0.01 * W);
        Symmetric_Ticks(Ymax, NumDiv, [&](double y) {
            pic.Line(x1, static_cast<float>(y), x2, static_cast<float>(y), Black());
        });
    });
}

void PolarTicmarks(Canvas& pic, float R, int16_t NumDiv)
{
    Trap_Errors("PolarTicmarks", [&] {
        float t = static_cast<float>(0.01 * R);
        Symmetric_Ticks(R, NumDiv, [&](double v) {
            float f = static_cast<float>(v);
            pic.Line(f, -t, f, t, Black());
            pic.Line(-t, f, t, f, Black());
        });
    });
}

void Vertical_lines(Canvas& pic, float Ymax, float Xmin, float Xmax)
{
    Trap_Errors("Vertical_lines", [&] {
        double q = (double(Xmax) - Xmin) / 4;
        float bottom = static_cast<float>(-0.95 * Ymax);
        for (int k = 1; k <= 4; ++k) {
            float x = static_cast<float>(Xmin + k * q);
            pic.Line(x, bottom, x, Ymax, Black());
        }
    });
}
