// The graph control: a line chart of up to four curves, filled by writing properties point by
// point; it repaints itself from what was written and renders into an image for printing.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QPainter;

class Graph_Control : public QWidget {
    Q_OBJECT
public:
    static constexpr int Max_Sets = 4;
    // GraphStyle bits: connecting lines and sticks from the axis; 0 is the plain line graph.
    static constexpr int16_t Style_Sticks = 2;
    static constexpr int16_t Style_Lines = 4;
    // FontUse groups; All applies a font write to every text.
    enum Font_Group : int16_t { Title_Font = 0, Axis_Title_Font = 1, Label_Font = 2, Legend_Font = 3, All_Fonts = 4 };

    explicit Graph_Control(QWidget* parent = nullptr);

    // Size and cursor. Writing the counts keeps the values already written.
    void NumSets(int16_t n);
    void NumPoints(int16_t n);
    void ThisSet(int16_t set);
    void ThisPoint(int16_t point);
    // Data of the addressed point (x label shared by all curves) and legend of the addressed curve.
    void GraphData(float value);
    void LabelText(const std::string& text);
    void LabelText(int value);
    void LegendText(const std::string& text);
    // Texts.
    void GraphTitle(const std::string& text);
    void BottomTitle(const std::string& text);
    void LeftTitle(const std::string& text);
    // x axis: a tick every n points and a label every m points.
    void TickEvery(int16_t n);
    void LabelEvery(int16_t n);
    // Curves: patterns 0 solid, 1 dash, 2 dot, 3 dash-dot when patterned lines are on.
    void PatternedLines(int16_t on);
    void PatternData(int16_t pattern);
    void ThickLines(int16_t on);
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    void GridStyle(int16_t style);
    void GraphStyle(int16_t style);
    // Fonts: FontUse picks the texts that the next FontSize (percent of the normal size),
    // FontStyle (1 italic, 2 bold, 3 both) and FontFamily (0 serif, 1 sans-serif, 2 fixed) apply to.
    void FontUse(int16_t group);
    void FontSize(int16_t percent);
    void FontStyle(int16_t style);
    void FontFamily(int16_t family);
    // Background: an index into the 16-colour palette.
    void Background(int16_t palette_index);
    // 2 draws the chart from what was written.
    void DrawMode(int16_t mode);

    int16_t NumSets() const { return num_sets_; }
    int16_t NumPoints() const { return num_points_; }
    int16_t ThisSet() const { return this_set_; }
    int16_t ThisPoint() const { return this_point_; }
    int16_t TickEvery() const { return tick_every_; }
    int16_t LabelEvery() const { return label_every_; }
    int16_t PatternedLines() const { return patterned_ ? 1 : 0; }
    int16_t ThickLines() const { return thick_ ? 1 : 0; }
    int16_t GridStyle() const { return grid_style_; }
    int16_t GraphStyle() const { return graph_style_; }
    int16_t FontUse() const { return font_use_; }
    int16_t Background() const { return background_; }
    int16_t DrawMode() const { return draw_mode_; }
    const std::string& GraphTitle() const { return title_; }
    const std::string& BottomTitle() const { return bottom_title_; }
    const std::string& LeftTitle() const { return left_title_; }
    // Per curve and point, 1-based as written.
    float Data(int set, int point) const;
    std::string Label(int point) const;
    std::string Legend(int set) const;
    int16_t Pattern(int set) const;
    int16_t Font_Size(Font_Group group) const { return fonts_[group].size; }

    // The palette colour of an index 0..15.
    static QColor Palette_Colour(int index);
    QColor Curve_Colour(int set) const;
    QColor Text_Colour() const;

    // Where things go when the chart fills `area`.
    struct Layout {
        QRectF plot;  // the data area
        double y_min = 0, y_max = 1, y_step = 1;
        QRectF legend;
        bool legend_below = false;  // under the chart rather than beside it
    };
    Layout Compute_Layout(const QRectF& area) const;
    // Pixel of a data point in that layout.
    QPointF Point_Position(const Layout& layout, int set, int point) const;

    void Render(QPainter& painter, const QRectF& area) const;
    QImage Render_Image(QSize size) const;

signals:
    // A click on the chart; the argument is the mouse button (1 left, 2 right, 4 middle).
    void Clicked(int button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Font_Setting {
        int16_t size = 100;
        int16_t style = 0;
        int16_t family = 1;
    };
    template <typename Apply>
    void Set_Font(Apply apply);
    QFont Font_For(Font_Group group, double base_pixels) const;
    void Resize_Data();
    void Check_Set() const;
    void Check_Point() const;
    bool Shows_Legend() const;
    QString Point_Label(int index) const;
    void Draw_Curves(QPainter& painter, const Layout& layout) const;

    int16_t num_sets_ = 1, num_points_ = 5;
    int16_t this_set_ = 1, this_point_ = 1;
    std::vector<std::array<float, Max_Sets>> data_;
    std::vector<std::string> labels_;
    std::array<std::string, Max_Sets> legends_;
    std::array<int16_t, Max_Sets> patterns_{};
    std::string title_, bottom_title_, left_title_;
    int16_t tick_every_ = 1, label_every_ = 1;
    bool patterned_ = false, thick_ = false;
    int16_t grid_style_ = 0, graph_style_ = 0;
    int16_t font_use_ = All_Fonts;
    std::array<Font_Setting, 4> fonts_{};
    int16_t background_ = 15;
    int16_t draw_mode_ = 0;
};
