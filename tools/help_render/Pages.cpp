#include "Pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <limits>

namespace {

// Printing's own margins, 2 cm, in the 96-per-inch units the layout scales to the device.
constexpr qreal Margin = 2 / 2.54 * 96;

// The extent of laid-out lines, in document units (pages stacked one under the other).
struct Extent {
    qreal top = std::numeric_limits<qreal>::max(), bottom = std::numeric_limits<qreal>::lowest();
    bool Empty() const { return top > bottom; }
    void Add(const Extent& e)
    {
        top = std::min(top, e.top);
        bottom = std::max(bottom, e.bottom);
    }
};

QTextBlock Last_Block(const QTextTableCell& cell)
{
    QTextBlock last;
    for (auto it = cell.begin(); !it.atEnd(); ++it) last = it.currentBlock();
    return last;
}

class Page_Layout {
public:
    explicit Page_Layout(QTextDocument& doc) : doc_(doc) {}

    int Page(qreal y) const { return int(y / doc_.pageSize().height()); }
    bool One_Page(const Extent& e) const { return e.Empty() || Page(e.top) == Page(e.bottom - 0.5); }

    // Lines first to last of a block (-1: its last line).
    Extent Lines(const QTextBlock& b, int first = 0, int last = -1) const
    {
        Extent e;
        QTextLayout* layout = b.layout();
        if (!layout || layout->lineCount() == 0) return e;
        if (last < 0 || last >= layout->lineCount()) last = layout->lineCount() - 1;
        const qreal y0 = doc_.documentLayout()->blockBoundingRect(b).top();
        for (int i = std::min(first, last); i <= last; ++i) {
            const QTextLine line = layout->lineAt(i);
            e.Add({y0 + line.y(), y0 + line.y() + line.height()});
        }
        return e;
    }

    Extent Cell(const QTextTableCell& cell) const
    {
        Extent e;
        for (auto it = cell.begin(); !it.atEnd(); ++it) e.Add(Lines(it.currentBlock()));
        return e;
    }

    Extent Row(QTextTable* table, int row) const
    {
        Extent e;
        for (int c = 0; c < table->columns(); ++c) e.Add(Cell(table->cellAt(row, c)));
        return e;
    }

    // Moves a row that the foot of its page cuts to the next page: the row above it ends its page.
    void Push_Row(QTextTable* table, int row) const
    {
        for (int c = 0; c < table->columns(); ++c) {
            QTextBlock last = Last_Block(table->cellAt(row - 1, c));
            QTextBlockFormat f = last.blockFormat();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
            QTextCursor(last).setBlockFormat(f);
        }
    }
    bool Pushed(QTextTable* table, int row) const
    {
        return Last_Block(table->cellAt(row - 1, 0)).blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter;
    }

    // What a heading or an introducing sentence must share its page with: the first two lines
    // after it (of one block or two), or a table's header and first row.
    Extent Lead(const QTextBlock& next) const
    {
        if (QTextTable* table = QTextCursor(next).currentTable()) {
            Extent e = Row(table, 0);
            if (table->rows() > 1) e.Add(Row(table, 1));
            return e;
        }
        Extent e = Lines(next, 0, 1);
        const QTextLayout* layout = next.layout();
        const QTextBlock after = next.next();
        if (layout && layout->lineCount() < 2 && after.isValid() && !QTextCursor(after).currentTable() &&
            after.blockFormat().headingLevel() == 0) {
            e.Add(Lines(after, 0, 0));
        }
        return e;
    }

    // How many lines the last page holds, a table row counting as one.
    int Last_Page_Lines() const
    {
        const int last = doc_.pageCount() - 1;
        int lines = 0;
        for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
            if (QTextTable* table = QTextCursor(b).currentTable()) {
                for (int r = 0; r < table->rows(); ++r) {
                    const Extent row = Row(table, r);
                    if (!row.Empty() && Page(row.top) == last) ++lines;
                }
                b = table->lastCursorPosition().block();
                continue;
            }
            const QTextLayout* layout = b.layout();
            for (int i = 0; layout && i < layout->lineCount(); ++i) {
                if (Page(Lines(b, i, i).top) == last) ++lines;
            }
        }
        return lines;
    }

    // The first block outside a table with a line on the last page.
    QTextBlock First_On_Last_Page() const
    {
        const int last = doc_.pageCount() - 1;
        for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
            if (QTextTable* table = QTextCursor(b).currentTable()) {
                b = table->lastCursorPosition().block();
                continue;
            }
            const Extent e = Lines(b);
            if (!e.Empty() && Page(e.bottom - 0.5) == last) return b;
        }
        return {};
    }

private:
    QTextDocument& doc_;
};

QString Row_Text(QTextTable* table, int row)
{
    return table->cellAt(row, 0).firstCursorPosition().block().text();
}

bool Is_Heading(const QTextBlock& b) { return b.isValid() && b.blockFormat().headingLevel() > 0; }

// The page break before a block, or before the table it starts; false where there is one already.
bool Start_Page(const QTextBlock& b)
{
    if (QTextTable* table = QTextCursor(b).currentTable()) {
        QTextTableFormat f = table->format();
        if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        table->setFormat(f);
        return true;
    }
    QTextBlockFormat f = b.blockFormat();
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(b).setBlockFormat(f);
    return true;
}

bool In_Table(const QTextBlock& b) { return QTextCursor(b).currentTable() != nullptr; }

// A paragraph that introduces what follows it: any paragraph just before a table, and one that
// ends with a colon.
bool Introduces(const QTextBlock& b)
{
    const QTextBlock next = b.next();
    if (!b.isValid() || !next.isValid() || Is_Heading(b) || In_Table(b) || b.textList()) return false;
    return In_Table(next) || b.text().trimmed().endsWith(':');
}

// Where a page must start to take a block over with what leads to it: the headings above it, and
// the paragraph that introduces it.
QTextBlock Lead_In(QTextBlock b)
{
    if (Introduces(b.previous())) b = b.previous();
    while (Is_Heading(b.previous())) b = b.previous();
    return b;
}

// The last item of a list of two or more.
bool Last_Item(const QTextBlock& b)
{
    const QTextList* list = b.textList();
    return list && list->count() >= 2 && list->item(list->count() - 1) == b;
}

// Where a page must start to take a block over whole: a list's last item goes with the one before
// it, so that a later break does not leave it alone.
QTextBlock Keep_Start(const QTextBlock& b)
{
    return Lead_In(Last_Item(b) ? b.textList()->item(b.textList()->count() - 2) : b);
}

// Finds where the layout breaks a rule, the first place in the document; with fix, puts the page
// break that mends it and returns true. What is not mended goes into the list.
bool Next_Break(const Page_Layout& pages, QTextDocument& doc, QStringList& unmet, bool fix)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (QTextTable* table = QTextCursor(b).currentTable()) {
            // Rows are checked at the table's first block; the rest of its blocks are skipped.
            const QTextBlock last = table->lastCursorPosition().block();
            const int header = table->format().headerRowCount(), rows = table->rows();
            for (int r = 1; r < rows; ++r) {
                const Extent row = pages.Row(table, r);
                const bool split = !pages.One_Page(row);
                if (!split && pages.Page(row.top) == pages.Page(pages.Row(table, r - 1).bottom - 0.5)) continue;
                // Row r is the first on a new page, or cut by the foot of the page. No page holds
                // a single row of a table: at least two go over, and at least two stay or none.
                if (header == 0) {
                    unmet << QStringLiteral("a table over two pages without its header row: \"%1\"").arg(Row_Text(table, r));
                    continue;
                }
                const int over = std::min(r, rows - 2);
                if (over - header >= 2) {
                    if (over == r && !split) continue;
                    if (fix && !pages.Pushed(table, over)) {
                        pages.Push_Row(table, over);
                        return true;
                    }
                } else if (fix && Start_Page(Lead_In(b))) {
                    return true;
                }
                unmet << QStringLiteral("a table row apart from its table: \"%1\"").arg(Row_Text(table, r));
            }
            b = last;
            continue;
        }
        // An introducing sentence shares its page with the start of what it introduces.
        if (Introduces(b)) {
            Extent both = pages.Lines(b, b.layout()->lineCount() - 1);
            both.Add(pages.Lead(b.next()));
            if (!pages.One_Page(both)) {
                if (fix && Lead_In(b) != doc.begin() && Start_Page(Lead_In(b))) return true;
                unmet << QStringLiteral("an introducing sentence apart from what it introduces: \"%1\"").arg(b.text());
            }
        }
        // A paragraph cut by the foot of a page leaves at least two lines on either side.
        if (const QTextLayout* layout = b.layout(); layout && layout->lineCount() > 1 && !pages.One_Page(pages.Lines(b))) {
            const int page = pages.Page(pages.Lines(b, 0, 0).top);
            int before = 0;
            while (before < layout->lineCount() && pages.Page(pages.Lines(b, before, before).top) == page) ++before;
            if (before < 2 || layout->lineCount() - before < 2) {
                if (fix && Keep_Start(b) != doc.begin() && Start_Page(Keep_Start(b))) return true;
                unmet << QStringLiteral("a paragraph cut with one line on a page: \"%1\"").arg(b.text());
            }
        }
        // The last item of a list does not start a page alone: the one before it goes over too.
        if (Last_Item(b)) {
            const QTextBlock before = b.textList()->item(b.textList()->count() - 2);
            if (pages.Page(pages.Lines(b, 0, 0).top) != pages.Page(pages.Lines(before).bottom - 0.5)) {
                if (fix && Lead_In(before) != doc.begin() && Start_Page(Lead_In(before))) return true;
                unmet << QStringLiteral("the last item of a list alone on a page: \"%1\"").arg(b.text());
            }
        }
        if (!Is_Heading(b) || !b.next().isValid()) continue;
        Extent both = pages.Lines(b);
        both.Add(pages.Lead(b.next()));
        if (pages.One_Page(both)) continue;
        const QTextBlock top = Lead_In(b);
        if (fix && top != doc.begin() && Start_Page(top)) return true;
        unmet << QStringLiteral("a heading apart from its text: \"%1\"").arg(b.text());
    }
    // A last page holds at least three lines: the paragraph it ends, or the one before, goes over.
    if (doc.pageCount() > 1 && pages.Last_Page_Lines() < 3) {
        QTextBlock first = pages.First_On_Last_Page();
        if (first.isValid() && pages.Page(pages.Lines(first).top) == doc.pageCount() - 1) first = first.previous();
        if (fix && first.isValid() && !In_Table(first) && Keep_Start(first) != doc.begin() && Start_Page(Keep_Start(first))) {
            return true;
        }
        unmet << QStringLiteral("a last page of %1 line(s)").arg(pages.Last_Page_Lines());
    }
    return false;
}

// After a change the layout lays out only what changed and moves what follows, and finishes a
// large document in steps on a timer that never fires here: lay the whole document out at once.
void Lay_Out_Anew(QTextDocument& doc)
{
    doc.pageCount();
    doc.markContentsDirty(0, doc.characterCount());
}

}  // namespace

QStringList Paginate(QTextDocument& doc, QPdfWriter& writer)
{
    doc.documentLayout()->setPaintDevice(&writer);
    QTextFrameFormat root = doc.rootFrame()->frameFormat();
    root.setMargin(Margin);
    doc.rootFrame()->setFrameFormat(root);
    doc.setPageSize(QSizeF(writer.width(), writer.height()));
    Lay_Out_Anew(doc);

    const Page_Layout pages(doc);
    QStringList unmet;
    // Each break moves what follows it; a document has a few dozen candidates at most.
    for (int pass = 0; pass < 500 && Next_Break(pages, doc, unmet, true); ++pass) {
        unmet.clear();
        Lay_Out_Anew(doc);
    }
    // What the pages now look like, every rule checked anew.
    unmet.clear();
    Next_Break(pages, doc, unmet, false);
    return unmet;
}

void Print_Pages(const QTextDocument& doc, QPdfWriter& writer)
{
    QPainter p(&writer);
    const QSizeF page = doc.pageSize();
    const qreal margin = Margin * writer.logicalDpiY() / 96.0;
    QAbstractTextDocumentLayout::PaintContext context;
    // The text colour a palette would give is not necessarily black.
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0) writer.newPage();
        const QRectF view(0, i * page.height(), page.width(), page.height());
        p.save();
        p.translate(0, -view.top());
        p.setClipRect(view);
        context.clip = view;
        doc.documentLayout()->draw(&p, context);
        p.setClipping(false);
        p.setFont(doc.defaultFont());
        const QString number = QString::number(i + 1);
        const QFontMetricsF fm(doc.defaultFont(), &writer);
        p.drawText(QPointF(page.width() - margin - fm.horizontalAdvance(number),
                           view.top() + page.height() - margin + fm.ascent() + 5 * writer.logicalDpiY() / 72.0),
                   number);
        p.restore();
    }
}
