#include "platform/Fit_Label.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {
const QChar Ellipsis(0x2026);
}  // namespace

Fit_Label::Fit_Label(QWidget* parent, int max_lines) : QLabel(parent), max_lines_(std::max(1, max_lines))
{
    setTextFormat(Qt::PlainText);
}

QStringList Fit_Label::Lines_For(int width, bool* cut) const
{
    const QFontMetrics fm = fontMetrics();
    QStringList lines;
    for (const QString& paragraph : text().split(QChar('\n'))) {
        if (!wordWrap() || paragraph.isEmpty()) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(1, width));
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QChar(' '))) piece.chop(1);
            lines << piece;
        }
        layout.endLayout();
    }
    bool dropped = lines.size() > max_lines_;
    if (dropped) {
        lines = lines.mid(0, max_lines_);
        lines.last() += Ellipsis;
    }
    bool elided = false;
    for (QString& line : lines) {
        QString shown = fm.elidedText(line, Qt::ElideRight, std::max(0, width));
        elided = elided || shown != line;
        line = shown;
    }
    if (cut) *cut = dropped || elided;
    return lines;
}

int Fit_Label::Border() const { return 2 * (frameWidth() + margin()); }

int Fit_Label::Height_For(int lines) const
{
    const QFontMetrics fm = fontMetrics();
    return fm.height() + (std::max(1, lines) - 1) * fm.lineSpacing() + Border();
}

// Whole pixels that hold the text's exact width, so a text that fits is never cut by rounding.
int Fit_Label::Text_Width() const
{
    const QFontMetricsF fm(font());
    qreal width = 0;
    for (const QString& paragraph : text().split(QChar('\n'))) width = std::max(width, fm.horizontalAdvance(paragraph));
    return static_cast<int>(std::ceil(width));
}

QSize Fit_Label::sizeHint() const
{
    const int width = Text_Width() + Border();
    const int height = wordWrap() ? heightForWidth(width) : Height_For(static_cast<int>(Lines_For(width, nullptr).size()));
    return {width, height};
}

QSize Fit_Label::minimumSizeHint() const
{
    const int lines = wordWrap() ? 1 : static_cast<int>(std::min<qsizetype>(text().count(QChar('\n')) + 1, max_lines_));
    return {fontMetrics().horizontalAdvance(Ellipsis) + Border(), Height_For(lines)};
}

int Fit_Label::heightForWidth(int width) const
{
    return Height_For(static_cast<int>(Lines_For(width - Border(), nullptr).size()));
}

QStringList Fit_Label::Shown_Lines() const
{
    return Lines_For(contentsRect().width() - 2 * margin(), nullptr);
}

bool Fit_Label::Is_Cut() const
{
    bool cut = false;
    Lines_For(contentsRect().width() - 2 * margin(), &cut);
    return cut;
}

void Fit_Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    bool cut = false;
    const QStringList lines = Lines_For(area.width(), &cut);

    const QFontMetrics fm = fontMetrics();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    const int block = fm.height() + (static_cast<int>(lines.size()) - 1) * fm.lineSpacing();
    int y = area.top();
    if (align & Qt::AlignVCenter) y += (area.height() - block) / 2;
    else if (align & Qt::AlignBottom) y += area.height() - block;
    for (const QString& line : lines) {
        style()->drawItemText(&painter, QRect(area.left(), y, area.width(), fm.height()),
                              static_cast<int>((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), palette(),
                              isEnabled(), line, foregroundRole());
        y += fm.lineSpacing();
    }

    // The whole text shows on hovering while part of it is cut.
    if (cut && toolTip() != text()) {
        setToolTip(text());
        tip_is_ours_ = true;
    } else if (!cut && tip_is_ours_) {
        setToolTip(QString());
        tip_is_ours_ = false;
    }
}
