#include "platform/Design_Layout.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "platform/Screen.h"
#include "platform/Screen_Metrics.h"

namespace {
const char* const Design_Rect = "design_rect";

// Frames whose controls were placed by hand, not by a layout.
bool Plain_Container(const QWidget* w)
{
    const QMetaObject* m = w->metaObject();
    return !w->layout() &&
           (m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || qobject_cast<const QGroupBox*>(w));
}

bool One_Line(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w) ||
        qobject_cast<const QComboBox*>(w))
        return true;
    if (auto* bar = qobject_cast<const QAbstractSlider*>(w)) return bar->orientation() == Qt::Horizontal;
    if (auto* label = qobject_cast<const QLabel*>(w)) return !label->wordWrap() && !label->text().contains('\n');
    return false;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

void Place_Children(QWidget* parent, double scale)
{
    for (QObject* child : parent->children()) {
        if (!child->isWidgetType()) continue;
        auto* w = static_cast<QWidget*>(child);
        if (w->isWindow()) continue;
        // The first placement is the design.
        if (!w->property(Design_Rect).isValid()) w->setProperty(Design_Rect, w->geometry());
        const QRect r = w->property(Design_Rect).toRect();
        // Edges are scaled, not sizes, so that controls side by side stay side by side.
        const int left = Round(r.x() * scale), right = Round((r.x() + r.width()) * scale);
        const int top = Round(r.y() * scale), bottom = Round((r.y() + r.height()) * scale);
        const int h = One_Line(w) && scale > 1 ? r.height() : bottom - top;
        w->setGeometry(left, top + (bottom - top - h) / 2, right - left, h);
        if (Plain_Container(w)) Place_Children(w, scale);
    }
}

class Design_Follower : public QObject {
public:
    explicit Design_Follower(QWidget* area) : QObject(area), area_(area) { area->installEventFilter(this); }

    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (target == area_ && event->type() == QEvent::Resize) Place_Children(area_, Scale());
        return false;
    }

private:
    // The area's size over its size at the screen's design size (the menu bar keeps its height).
    double Scale() const
    {
        auto* screen = qobject_cast<Screen*>(area_->window());
        if (!screen) return 1.0;
        const QSize chrome = screen->size() - area_->size();
        const double design_w = screen->Design_Width() / Screen_Metrics::Twips_Per_Pixel_X() - chrome.width();
        const double design_h = screen->Design_Height() / Screen_Metrics::Twips_Per_Pixel_Y() - chrome.height();
        if (design_w <= 0 || design_h <= 0) return 1.0;
        return std::min(area_->width() / design_w, area_->height() / design_h);
    }

    QWidget* area_;
};
}  // namespace

void Lay_Out_By_Design(QWidget* area) { new Design_Follower(area); }
