// A drawing surface with the picture-box operations the linkage drawing uses: user scale by two
// corners, lines (also from the current point), circles with the radius in x units, dots.
#pragma once
#include <cstdint>

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Cls() = 0;  // clears to the back colour; current point (0, 0)
    // Maps (x1, y1) to the top-left and (x2, y2) to the bottom-right corner.
    virtual void Scale(float x1, float y1, float x2, float y2) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, int32_t colour) = 0;
    virtual void Line_To(float x2, float y2, int32_t colour) = 0;
    // Lines from the current point through count points in turn; the pen ends at the last.
    virtual void Polyline_To(const float* x, const float* y, int count, int32_t colour)
    {
        for (int i = 0; i < count; ++i) Line_To(x[i], y[i], colour);
    }
    virtual void Circle(float x, float y, float radius, int32_t colour) = 0;
    virtual void PSet(float x, float y, int32_t colour) = 0;
    virtual void Set_Draw_Mode(int mode) = 0;
    // Setting the back colour clears the picture to it.
    virtual void Set_Back_Color(int32_t colour) = 0;
    // Makes what was drawn visible now (inside a blocking loop).
    virtual void Refresh() {}
};
