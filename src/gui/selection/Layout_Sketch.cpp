#include "selection/Layout_Sketch.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

Layout_Sketch::Layout_Sketch(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind)
{
    setMinimumSize(60, 28);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Layout_Sketch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.fillRect(box, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(box);
    if (kind_ == Kind::Polar) {
        const QPointF c = box.center();
        const double r = std::min(box.width(), box.height()) / 2 - 4;
        p.setPen(QPen(Qt::darkGray, 1));
        for (int ring = 1; ring <= 3; ++ring) p.drawEllipse(c, r * ring / 3, r * ring / 3);
        for (int spoke = 0; spoke < 12; ++spoke) {
            const double a = spoke * M_PI / 6;
            p.drawLine(c, c + QPointF(r * std::cos(a), r * std::sin(a)));
        }
        QPainterPath petal;
        for (int i = 0; i <= 72; ++i) {
            const double a = i * 2 * M_PI / 72, rho = r * (0.55 + 0.3 * std::cos(2 * a));
            const QPointF q = c + QPointF(rho * std::cos(a), -rho * std::sin(a));
            i == 0 ? petal.moveTo(q) : petal.lineTo(q);
        }
        p.setPen(QPen(Qt::blue, 1.5));
        p.drawPath(petal);
        return;
    }
    const QRectF plot = box.adjusted(box.width() * 0.1, box.height() * 0.12, -box.width() * 0.05, -box.height() * 0.15);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    QPainterPath curve;
    for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0;
        const QPointF q(plot.left() + t * plot.width(), plot.center().y() - 0.4 * plot.height() * std::sin(2 * M_PI * t));
        i == 0 ? curve.moveTo(q) : curve.lineTo(q);
    }
    p.setPen(QPen(Qt::blue, 1.5));
    p.drawPath(curve);
}
