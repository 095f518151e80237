#include "Diagrams.h"

#include <QPainter>
#include <QPainterPath>
#include <QDir>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;
double Rad(double deg) { return deg * Pi / 180.0; }

struct P2 {
    double x, y;
};
P2 operator+(P2 a, P2 b) { return {a.x + b.x, a.y + b.y}; }
P2 operator-(P2 a, P2 b) { return {a.x - b.x, a.y - b.y}; }
P2 operator*(double k, P2 a) { return {k * a.x, k * a.y}; }
P2 Polar(double r, double deg) { return {r * std::cos(Rad(deg)), r * std::sin(Rad(deg))}; }
double Length(P2 a) { return std::hypot(a.x, a.y); }
double Angle_Deg(P2 a) { return std::atan2(a.y, a.x) * 180.0 / Pi; }

// A drawing in world units (y up) on an image: one scale for both axes.
class Sheet {
public:
    Sheet(QImage& image, P2 lo, P2 hi) : p_(&image)
    {
        p_.setRenderHint(QPainter::Antialiasing);
        p_.fillRect(image.rect(), Qt::white);
        scale_ = std::min(image.width() / (hi.x - lo.x), image.height() / (hi.y - lo.y));
        ox_ = (image.width() - scale_ * (hi.x - lo.x)) / 2 - scale_ * lo.x;
        oy_ = (image.height() + scale_ * (hi.y - lo.y)) / 2 + scale_ * lo.y;
        QFont f("DejaVu Sans");
        f.setPixelSize(40);
        p_.setFont(f);
    }
    QPointF At(P2 w) const { return {ox_ + scale_ * w.x, oy_ - scale_ * w.y}; }
    double Px(double world) const { return world * scale_; }
    double World(double px) const { return px / scale_; }
    QPainter& Painter() { return p_; }

    void Line(P2 a, P2 b, QColor c, double width, Qt::PenStyle style = Qt::SolidLine)
    {
        p_.setPen(QPen(c, width, style, Qt::RoundCap));
        p_.drawLine(At(a), At(b));
        segments_.append({At(a), At(b)});
    }
    void Circle(P2 c, double r, QColor pen, double width, QColor fill = Qt::transparent)
    {
        p_.setPen(QPen(pen, width));
        p_.setBrush(fill);
        p_.drawEllipse(At(c), Px(r), Px(r));
        p_.setBrush(Qt::NoBrush);
        circles_.append({At(c), Px(r)});
    }
    // An arc of radius r about c from angle a0 to a1 (degrees, counter-clockwise), with a head.
    void Arc(P2 c, double r, double a0, double a1, QColor col, bool head = true)
    {
        QPainterPath path;
        const int n = 40;
        for (int i = 0; i <= n; ++i) {
            P2 q = c + Polar(r, a0 + (a1 - a0) * i / n);
            if (i == 0) path.moveTo(At(q));
            else path.lineTo(At(q));
        }
        p_.setPen(QPen(col, 3));
        p_.drawPath(path);
        for (int i = 1; i < path.elementCount(); ++i) segments_.append({path.elementAt(i - 1), path.elementAt(i)});
        if (!head) return;
        P2 tip = c + Polar(r, a1);
        double dir = a1 + (a1 > a0 ? 90 : -90);  // tangent at the tip
        Head(tip, dir, col);
    }
    void Arrow(P2 a, P2 b, QColor col, double width = 3)
    {
        Line(a, b, col, width);
        Head(b, Angle_Deg(b - a), col);
    }
    void Head(P2 tip, double dir_deg, QColor col)
    {
        double len = 22 / scale_;
        QPolygonF tri;
        tri << At(tip) << At(tip + Polar(len, dir_deg + 180 - 22)) << At(tip + Polar(len, dir_deg + 180 + 22));
        p_.setPen(Qt::NoPen);
        p_.setBrush(col);
        p_.drawPolygon(tri);
        p_.setBrush(Qt::NoBrush);
    }
    // Text centred on a world point, shifted by (dx, dy) pixels.
    void Text(P2 w, const QString& s, QColor col = Qt::black, double dx = 0, double dy = 0, bool bold = false)
    {
        QFont f = p_.font();
        f.setBold(bold);
        p_.setFont(f);
        p_.setPen(col);
        QRectF box(At(w).x() + dx - 700, At(w).y() + dy - 60, 1400, 120);
        p_.drawText(box, Qt::AlignCenter, s);
        f.setBold(false);
        p_.setFont(f);
    }
    // Text near a world point, at the first of a ring of places around it where it crosses no
    // line, circle or other label drawn so far; labels go in after the lines they name.
    QRectF Label(P2 w, const QString& s, QColor col = Qt::black, bool bold = false, int pixels = 36)
    {
        QFont f = p_.font();
        const int plain = f.pixelSize();
        f.setBold(bold);
        f.setPixelSize(pixels);
        const QSizeF size = QFontMetricsF(f).size(0, s) + QSizeF(12, 8);
        QRectF box;
        for (int ring = 0; ring < 12; ++ring) {
            for (int k = 0; k < (ring == 0 ? 1 : 16); ++k) {
                const double r = ring * 14, a = k * Pi / 8;
                box = QRectF(At(w) + QPointF(r * std::cos(a), -r * std::sin(a)) - QPointF(size.width() / 2, size.height() / 2), size);
                if (Clear(box)) {
                    ring = 12;
                    break;
                }
            }
        }
        labels_.append(box);
        f.setBold(bold);
        p_.setFont(f);
        p_.setPen(col);
        p_.drawText(box, Qt::AlignCenter, s);
        f.setBold(false);
        f.setPixelSize(plain);
        p_.setFont(f);
        return box;
    }
    // A thin line from the bottom edge of a label's box to what it names below it.
    void Leader(const QRectF& box, P2 to, QColor col)
    {
        const QPointF end = At(to);
        const QPointF from(std::clamp(end.x(), box.left() + 8, box.right() - 8), box.bottom() - 4);
        p_.setPen(QPen(col, 2));
        p_.drawLine(from, end);
        segments_.append({from, end});
    }
    bool Clear(const QRectF& box) const
    {
        if (!QRectF(0, 0, p_.device()->width(), p_.device()->height()).contains(box)) return false;
        for (const QRectF& l : labels_)
            if (l.intersects(box)) return false;
        for (const QLineF& l : segments_) {
            if (box.contains(l.p1()) || box.contains(l.p2())) return false;
            const QLineF sides[] = {{box.topLeft(), box.topRight()}, {box.topRight(), box.bottomRight()},
                                    {box.bottomRight(), box.bottomLeft()}, {box.bottomLeft(), box.topLeft()}};
            for (const QLineF& side : sides)
                if (l.intersects(side, nullptr) == QLineF::BoundedIntersection) return false;
        }
        for (const auto& [c, r] : circles_) {
            // The outline runs through the box unless the box lies wholly inside or outside it.
            const double nx = std::clamp(c.x(), box.left(), box.right()), ny = std::clamp(c.y(), box.top(), box.bottom());
            double far = 0;
            for (QPointF q : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
                far = std::max(far, std::hypot(q.x() - c.x(), q.y() - c.y()));
            if (std::hypot(nx - c.x(), ny - c.y()) <= r + 3 && far >= r - 3) return false;
        }
        return true;
    }

    void Ground(P2 at)
    {
        double w = 0.22, h = 0.16;
        QPolygonF tri;
        tri << At(at) << At(at + P2{-w / 2, -h}) << At(at + P2{w / 2, -h});
        p_.setPen(QPen(Qt::black, 2.5));
        p_.setBrush(QColor(235, 235, 235));
        p_.drawPolygon(tri);
        p_.setBrush(Qt::NoBrush);
        Line(at + P2{-w * 0.8, -h}, at + P2{w * 0.8, -h}, Qt::black, 2.5);
        for (int i = 0; i < 6; ++i) {
            double x = -w * 0.8 + i * w * 1.6 / 5;
            Line(at + P2{x, -h}, at + P2{x - 0.07, -h - 0.07}, Qt::black, 2);
        }
    }
    void Pin(P2 at, QColor fill = Qt::white) { Circle(at, 0.055, Qt::black, 3, fill); }

private:
    QPainter p_;
    double scale_ = 1, ox_ = 0, oy_ = 0;
    QList<QLineF> segments_;
    QList<std::pair<QPointF, double>> circles_;
    QList<QRectF> labels_;
};

const QColor Link2(30, 90, 200), Link3(190, 30, 150), Link4(220, 110, 0), Link5(0, 140, 120), Ground_Col(90, 90, 90);
const QColor Angle_Col(200, 30, 30), Point_Col(0, 0, 0);

// The circle intersection of |X - A| = b and |X - C| = c above the line A to C.
P2 Close_Loop(P2 A, P2 C, double b, double c)
{
    P2 d = C - A;
    double L = Length(d);
    double along = (b * b - c * c + L * L) / (2 * L);
    double h = std::sqrt(std::max(0.0, b * b - along * along));
    P2 u = (1.0 / L) * d;
    P2 n{-u.y, u.x};
    return A + along * u + h * n;
}

}  // namespace

QImage Linkage_Diagram()
{
    const double a = 1.0, b = 2.6, c = 2.3, d = 1.1, f = 2.5, p = 2.0;
    const double th2 = 120, th5 = 60, delta = 25;
    const P2 O2{0, 0}, O5{f, 0};
    const P2 A = Polar(a, th2), C = O5 + Polar(d, th5);
    const P2 B = Close_Loop(A, C, b, c);
    const double th3 = Angle_Deg(B - A), th4 = Angle_Deg(B - C);
    const P2 P = A + Polar(p, th3 + delta);

    QImage image(1800, 1250, QImage::Format_RGB32);
    Sheet s(image, {-1.95, -0.75}, {4.35, 3.35});
    QPainter& g = s.Painter();

    // Axes from O2.
    s.Arrow({-1.3, 0}, {4.0, 0}, QColor(120, 120, 120), 2);
    // The y axis stops above the caption under the drawing.
    s.Arrow({0, -0.3}, {0, 3.25}, QColor(120, 120, 120), 2);
    s.Text({4.0, 0}, "x", QColor(90, 90, 90), 0, 30);
    s.Text({0, 3.25}, "y", QColor(90, 90, 90), 24, 0);

    // Coupler triangle.
    QPolygonF tri;
    tri << s.At(A) << s.At(B) << s.At(P);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(190, 30, 150, 40));
    g.drawPolygon(tri);
    g.setBrush(Qt::NoBrush);
    s.Line(A, P, Link3, 3, Qt::DashLine);
    s.Line(B, P, Link3, 3, Qt::DashLine);

    // Links.
    s.Line(O2, O5, Ground_Col, 7);
    s.Line(O2, A, Link2, 9);
    s.Line(A, B, Link3, 9);
    s.Line(C, B, Link4, 9);
    s.Line(O5, C, Link5, 9);
    s.Ground(O2);
    s.Ground(O5);
    for (P2 q : {O2, O5, A, B, C}) s.Pin(q);
    s.Circle(P, 0.07, Point_Col, 3, QColor(255, 220, 0));

    // Angle references and arcs.
    s.Line(A, A + P2{0.95, 0}, Angle_Col, 2, Qt::DotLine);
    s.Line(C, C + P2{0.62, 0}, Angle_Col, 2, Qt::DotLine);
    s.Line(O5, O5 + P2{0.75, 0}, Angle_Col, 2, Qt::DotLine);
    s.Arc(O2, 0.38, 0, th2, Angle_Col);
    s.Text(O2 + Polar(0.58, th2 / 2), "θ2", Angle_Col, 0, 0, true);
    s.Arc(O5, 0.3, 0, th5, Angle_Col);
    s.Text(O5 + Polar(0.5, th5 / 2 - 12), "θ5", Angle_Col, 0, 0, true);
    s.Arc(A, 0.7, 0, th3, Angle_Col);
    s.Text(A + Polar(0.9, th3 / 2), "θ3", Angle_Col, 0, 0, true);
    // θ4 inside its arc: outside it the rocker's name stands.
    s.Arc(C, 0.45, 0, th4, Angle_Col);
    s.Text(C + Polar(0.27, 55), "θ4", Angle_Col, 0, 0, true);
    s.Arc(A, 1.25, th3, th3 + delta, Angle_Col);
    s.Text(A + Polar(1.45, th3 + delta / 2), "δ", Angle_Col, 0, 0, true);

    // Names of the links, in their colours.
    auto beside = [](P2 from, P2 to, double off) {
        P2 m = 0.5 * (from + to);
        P2 u = (1.0 / Length(to - from)) * (to - from);
        return m + off * P2{-u.y, u.x};
    };
    s.Text({f / 2, 0}, "Link 1 (ground), length f", Ground_Col, 0, 38, true);
    s.Text(beside(O2, A, 0.42), "Link 2\n(crank) a", Link2, 0, 0, true);
    s.Text(beside(A, B, 0.05) + P2{0.55, -0.28}, "Link 3 (coupler) b", Link3, 0, 0, true);
    s.Text(beside(C, B, -0.12) + P2{0.5, 0}, "Link 4\n(rocker) c", Link4, 0, 0, true);
    s.Text(beside(O5, C, -0.5) + P2{0.35, 0.12}, "Link 5\n(crank) d", Link5, 0, 0, true);
    s.Text(beside(A, P, 0.18), "p", Link3, 0, 0, true);

    // Joints and the coupler point.
    s.Text(O2, "O2", Qt::black, -70, 34, true);
    s.Text(O5, "O5", Qt::black, 74, 34, true);
    s.Text(A, "A  (joint 2-3)", Qt::black, -200, -14, true);
    s.Text(B, "B  (joint 3-4)", Qt::black, 200, -12, true);
    // Below the reference line of θ4, and P's name clear of the y axis.
    s.Text(C, "C  (joint 4-5)", Qt::black, 200, 52, true);
    s.Text(P, "P  (coupler point)", Qt::black, 140, -44, true);

    s.Text({1.25, -0.52}, "Links 2 and 5 are geared:  θ5 = λ·θ2 + φ", Qt::black, 0, 0);
    return image;
}

QImage Gear_Diagram()
{
    const double f = 2.5, pressure = 20, t = std::tan(Rad(pressure));
    // Two panels side by side: negative ratio on the left, positive on the right. The labels are
    // 50 pixels, a little over 8 points on the printed page, where the picture is a page's text wide.
    QImage image(1800, 760, QImage::Format_RGB32);
    Sheet s(image, {-1.75, -2.3}, {9.0, 2.2});
    const int px = 50;
    const QColor gear(0, 150, 60), frame(90, 90, 90), force(200, 30, 30), action(230, 120, 120);
    const double W = 0.8;  // the length that draws W

    // The mesh force on a gear at its contact point, drawn for W > 0: the tangential part along
    // the common tangent, the radial part W tan 20° along the line of centres towards the gear's own
    // centre (a tooth pushes, never pulls), both adding up along the line of action.
    struct Mesh {
        P2 at;
        double up, in;  // senses of the tangential part (+1 up) and the radial part (+1 to the right)
    };
    auto draw_mesh = [&](const Mesh& m) {
        const P2 tip = m.at + P2{m.in * t * W, m.up * W};
        s.Line(m.at - 0.35 * (tip - m.at), m.at + 1.3 * (tip - m.at), action, 2, Qt::DashLine);
        s.Line(m.at + P2{0, -1.05 * W}, m.at + P2{0, 1.05 * W}, frame, 1.5, Qt::DotLine);
        s.Arrow(m.at, m.at + P2{0, m.up * W}, force, 2);
        s.Arrow(m.at, m.at + P2{m.in * t * W, 0}, force, 2);
        s.Arrow(m.at, tip, force, 4);
    };
    const QString radial = "W·tan 20°";
    // The radial part's name inside the large gear 2, on the side away from the tangential part,
    // ending just short of the tangent at the contact.
    auto name_inside = [&](const Mesh& m) {
        QFont font("DejaVu Sans");
        font.setPixelSize(px);
        const QSizeF size = QFontMetricsF(font).size(0, radial);
        const P2 centre{m.in * s.World(size.width() / 2 + 14), -m.up * s.World(size.height() / 2 + 6)};
        s.Label(m.at + centre, radial, force, false, px);
    };
    // A gear 5 too small to hold the name: it stands above the gear, joined to its arrow.
    auto name_above = [&](const Mesh& m, P2 where) {
        const QRectF box = s.Label(where, radial, force, false, px);
        const P2 arrow_mid = m.at + P2{m.in * t * W / 2, 0};
        s.Leader(box, arrow_mid, force);
    };
    auto draw_gears = [&](P2 O2, P2 O5, double r2, double r5) {
        s.Line(O2, O5, frame, 3, Qt::DashLine);
        s.Circle(O2, r2, gear, 4, QColor(0, 150, 60, 30));
        s.Circle(O5, r5, gear, 4, QColor(0, 150, 60, 30));
        s.Pin(O2, QColor(200, 200, 200));
        s.Pin(O5, QColor(200, 200, 200));
        s.Line(O2, O2 + Polar(r2, -135), Qt::black, 2);
        s.Line(O5, O5 + Polar(r5, -45), Qt::black, 2);
    };

    // λ = −2: gears 2 and 5 mesh at (r2, 0); gear 2 takes (-W tan 20°, W), gear 5 the opposite.
    {
        const double r5 = f / 3, r2 = f - r5;
        const P2 O2{0, 0}, O5{f, 0}, P{r2, 0};
        draw_gears(O2, O5, r2, r5);
        const Mesh on2{P, +1, -1}, on5{P, -1, +1};
        draw_mesh(on2);
        draw_mesh(on5);
        s.Arc(P, 0.6 * W, 90, 90 + pressure, force, false);
        name_inside(on2);
        name_above(on5, O5 + P2{0.55, r5 + 0.35});
        s.Label(P + Polar(0.6 * W, 100) + P2{-0.3, 0.1}, "20°", force, false, px);
        s.Label(P + P2{-0.45, 1.5 * W}, "W on gear 2", force, false, px);
        s.Label(P + P2{0.5, -1.35 * W}, "W on gear 5", force, false, px);
        s.Label(O2 + P2{0, 0.3}, "O2", Qt::black, true, px);
        s.Label(O5 + P2{0.1, -0.3}, "O5", Qt::black, true, px);
        s.Label(O2 + Polar(r2 * 0.55, -135) + P2{-0.25, 0.1}, "r2", Qt::black, false, px);
        s.Label(O5 + Polar(r5, -45) + P2{0.3, 0}, "r5", Qt::black, false, px);
        s.Label({f / 2, -2.05}, "λ = −2: direct mesh", Qt::black, true, px);
    }
    // λ = +2: gears of two thirds the radii mesh with an idler on the frame; both take W
    // downwards, each radial part pushes its gear towards its own centre, the pivot holds 2 W.
    {
        const double x0 = 5.0, r5 = f / 3 / 1.5, r2 = (f - f / 3) / 1.5, ri = (f - r5 - r2) / 2;
        const P2 O2{x0, 0}, O5{x0 + f, 0}, I{x0 + r2 + ri, 0};
        draw_gears(O2, O5, r2, r5);
        s.Circle(I, ri, gear, 4, QColor(0, 150, 60, 30));
        s.Pin(I, QColor(200, 200, 200));
        const Mesh on2{O2 + P2{r2, 0}, -1, -1}, on5{O5 - P2{r5, 0}, -1, +1};
        draw_mesh(on2);
        draw_mesh(on5);
        name_inside(on2);
        s.Label(I + P2{-0.1, ri + 0.55}, "idler", gear, false, px);
        name_above(on5, O5 + P2{0.2, r5 + 0.8});
        s.Label(O2 + P2{r2 - 0.9, -1.45 * W}, "W on gear 2", force, false, px);
        s.Label(O5 + P2{0.9 - r5, -1.45 * W}, "W on gear 5", force, false, px);
        s.Label(O2 + P2{0, -0.3}, "O2", Qt::black, true, px);
        s.Label(O5 + P2{0, 0.28}, "O5", Qt::black, true, px);
        s.Label(O2 + P2{0.1, -0.72}, "r2/1.5", Qt::black, false, px);
        s.Label(O5 + Polar(r5, -45) + P2{0.5, -0.05}, "r5/1.5", Qt::black, false, px);
        s.Label({x0 + f / 2, -2.05}, "λ = +2: through an idler", Qt::black, true, px);
    }
    return image;
}

bool Save_Diagrams(const QString& dir)
{
    return Linkage_Diagram().save(QDir(dir).filePath("linkage.png")) && Gear_Diagram().save(QDir(dir).filePath("gears.png"));
}
