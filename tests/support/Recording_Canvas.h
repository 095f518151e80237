// A canvas that records every drawing call, for checking what a drawing routine draws.
#pragma once
#include <string>
#include <vector>

#include "runtime/Canvas.h"

class Recording_Canvas : public Canvas {
public:
    struct Op {
        std::string kind;  // "Cls", "Scale", "Line", "LineTo", "Circle", "PSet", "Mode", "Back"
        float a = 0, b = 0, c = 0, d = 0;
        int32_t colour = 0;
    };
    void Cls() override { ops.push_back({"Cls"}); }
    void Scale(float x1, float y1, float x2, float y2) override { ops.push_back({"Scale", x1, y1, x2, y2}); }
    void Line(float x1, float y1, float x2, float y2, int32_t c) override
    {
        ops.push_back({"Line", x1, y1, x2, y2, c});
    }
    void Line_To(float x, float y, int32_t c) override { ops.push_back({"LineTo", x, y, 0, 0, c}); }
    void Circle(float x, float y, float r, int32_t c) override { ops.push_back({"Circle", x, y, r, 0, c}); }
    void PSet(float x, float y, int32_t c) override { ops.push_back({"PSet", x, y, 0, 0, c}); }
    void Set_Draw_Mode(int mode) override { ops.push_back({"Mode", float(mode)}); }
    void Set_Back_Color(int32_t c) override { ops.push_back({"Back", 0, 0, 0, 0, c}); }
    void Refresh() override { ++refreshes; }

    std::vector<Op> Of(const std::string& kind) const
    {
        std::vector<Op> r;
        for (const auto& o : ops)
            if (o.kind == kind) r.push_back(o);
        return r;
    }
    std::vector<Op> ops;
    int refreshes = 0;
};
