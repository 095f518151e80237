// Renders the help documents from their Markdown sources into PDF files, with the linkage and
// gear diagrams painted here. Run at build time: help_render [--strict] <source dir> <output dir>
// <doc>... where each doc is a path under both folders without its extension. A page that breaks
// the layout's rules is reported; with --strict it fails the run.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <numeric>
#include <cstdio>

#include "Diagrams.h"
#include "Formulas.h"
#include "Pages.h"

namespace {

QString diagram_dir;
QString Diagram_File(const QString& name) { return QDir(diagram_dir).filePath(QFileInfo(name).fileName()); }

// A line "@include <file>" stands for that file's text (relative to the source folder).
QString Read_Source(const QString& path, const QString& root, int depth = 0)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "help_render: cannot read %s\n", qPrintable(path));
        return {};
    }
    QString out;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        if (line.startsWith("@include ") && depth < 4) {
            out += Read_Source(QDir(root).filePath(line.mid(9).trimmed()), root, depth + 1);
        } else {
            out += line + '\n';
        }
    }
    return out;
}

// The text of a table cell, one string per paragraph.
QStringList Cell_Paragraphs(const QTextTableCell& cell)
{
    QStringList out;
    for (auto it = cell.begin(); !it.atEnd(); ++it) out << it.currentBlock().text();
    return out;
}

// Ruled cells and a shaded heading row, repeated on each page the table runs over. Column widths
// as a browser sets them: each column at least as wide as its longest word (a heading whole, if
// the page allows) and the rest of the line shared in proportion to what the columns need beyond
// that to set their texts unwrapped. Widths in the 96-per-inch units of text_width.
void Style_Table(QTextTable* table, const QFont& font, qreal text_width)
{
    QTextTableFormat f = table->format();
    f.setBorder(0.6);
    f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    f.setBorderBrush(QColor(150, 150, 150));
    f.setBorderCollapse(true);
    f.setCellPadding(3);
    f.setCellSpacing(0);
    f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    f.setHeaderRowCount(table->rows() > 1 ? 1 : 0);

    QFont bold_font = font;
    bold_font.setBold(true);
    // Words in cells may be bold too: measure them all so.
    const QFontMetricsF bold(bold_font);
    const double padding = 12;
    const int columns = table->columns();
    // Only spaces break a line: a formula's joined spaces keep it one word.
    static const QRegularExpression spaces("[ \\t]+");
    // Per column: the longest word, the longest text unwrapped, and its heading in one line and
    // in two.
    QList<double> least(columns, 0.0), whole(columns, 0.0), heading(columns, 0.0), heading_2(columns, 0.0);
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < columns; ++c) {
            for (const QString& text : Cell_Paragraphs(table->cellAt(r, c))) {
                const double width = bold.horizontalAdvance(text) + padding;
                whole[c] = std::max(whole[c], width);
                const QStringList words = text.split(spaces);
                for (const QString& w : words) least[c] = std::max(least[c], bold.horizontalAdvance(w) + padding);
                if (r > 0) continue;
                heading[c] = std::max(heading[c], width);
                double two = width;
                for (int i = 1; i < words.size(); ++i) {
                    two = std::min(two, std::max(bold.horizontalAdvance(words.mid(0, i).join(' ')),
                                                 bold.horizontalAdvance(words.mid(i).join(' '))) + padding);
                }
                heading_2[c] = std::max(heading_2[c], two);
            }
        }
    }
    const auto sum = [](const QList<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); };
    // Headings in two lines where the page allows, then whole, the cheapest first.
    for (const QList<double>* want : {&heading_2, &heading}) {
        QList<int> order(columns);
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](int a, int b) { return (*want)[a] - least[a] < (*want)[b] - least[b]; });
        for (int c : order) {
            const double raise = std::max(0.0, (*want)[c] - least[c]);
            if (sum(least) + raise <= text_width) least[c] += raise;
        }
    }
    for (int c = 0; c < columns; ++c) whole[c] = std::max(whole[c], least[c]);

    QList<double> width = least;
    const double spare = text_width - sum(least), wanted = sum(whole) - sum(least);
    for (int c = 0; c < columns; ++c) {
        if (spare <= 0) break;
        width[c] += spare >= wanted ? whole[c] - least[c] + (spare - wanted) * whole[c] / sum(whole)
                                    : spare * (whole[c] - least[c]) / wanted;
    }
    QList<QTextLength> widths;
    for (double w : width) widths << QTextLength(QTextLength::PercentageLength, 100.0 * w / sum(width));
    f.setColumnWidthConstraints(widths);
    table->setFormat(f);
    for (int c = 0; c < columns; ++c) {
        QTextTableCell cell = table->cellAt(0, c);
        QTextCharFormat cf = cell.format();
        cf.setBackground(QColor(228, 234, 242));
        cell.setFormat(cf);
    }
}

// The Markdown reader leaves tables bare, images at their pixel size and headings black. False
// when a document names a picture that is not one of the diagrams.
bool Style_Document(QTextDocument& doc, qreal text_width)
{
    QSet<QTextTable*> tables;
    bool pictures_found = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (QTextTable* table = QTextCursor(b).currentTable()) tables.insert(table);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextFragment frag = it.fragment();
            if (!frag.charFormat().isImageFormat()) continue;
            QTextImageFormat img = frag.charFormat().toImageFormat();
            // Printing works on a copy of the document that has no resources of its own: name
            // the diagram by its file.
            const QString file = Diagram_File(img.name());
            QImage picture(file);
            if (picture.isNull()) {
                std::fprintf(stderr, "help_render: no diagram named %s\n", qPrintable(img.name()));
                pictures_found = false;
                continue;
            }
            img.setName(file);
            img.setWidth(text_width);
            img.setHeight(text_width * picture.height() / picture.width());
            QTextCursor c(&doc);
            c.setPosition(frag.position());
            c.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(img);
        }
        // Headings in blue, with room above them.
        if (int level = b.blockFormat().headingLevel()) {
            QTextCursor c(b);
            QTextBlockFormat bf = b.blockFormat();
            bf.setTopMargin(level == 1 ? 0 : 10);
            bf.setBottomMargin(4);
            c.setBlockFormat(bf);
            c.select(QTextCursor::BlockUnderCursor);
            QTextCharFormat cf;
            cf.setForeground(QColor(20, 50, 120));
            c.mergeCharFormat(cf);
        }
    }
    for (QTextTable* table : tables) Style_Table(table, doc.defaultFont(), text_width);
    return pictures_found;
}

bool Render(const QString& source, const QString& target, const QString& root, bool strict)
{
    QString text = Read_Source(source, root);
    if (text.isEmpty()) return false;
    QDir().mkpath(QFileInfo(target).absolutePath());

    QPdfWriter writer(target);
    writer.setResolution(300);
    // A small page reads large in the help window, which fits the page to its width.
    writer.setPageSize(QPageSize(QPageSize::A5));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator("Vastrel");

    QTextDocument doc;
    QFont font("DejaVu Sans");
    font.setPointSizeF(9.5);
    doc.setDefaultFont(font);
    doc.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    QString title = doc.begin().text();
    doc.setMetaInformation(QTextDocument::DocumentTitle, title);
    writer.setTitle(title);
    // The page less its 2 cm margins, in the 96-per-inch units of image sizes.
    const qreal text_width = (148.0 - 40.0) / 25.4 * 96.0 * 0.98;
    Keep_Formulas_Whole(doc, text_width);
    const bool complete = Style_Document(doc, text_width);
    const QStringList unmet = Paginate(doc, writer);
    for (const QString& u : unmet) std::fprintf(stderr, "help_render: %s: %s\n", qPrintable(source), qPrintable(u));
    Print_Pages(doc, writer);
    return complete && (unmet.isEmpty() || !strict);
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const bool strict = argc > 1 && QByteArray(argv[1]) == "--strict";
    if (strict) {
        --argc;
        ++argv;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: help_render [--strict] <source dir> <output dir> <document>...\n");
        return 2;
    }
    QTemporaryDir diagrams;
    if (!diagrams.isValid() || !Save_Diagrams(diagrams.path())) {
        std::fprintf(stderr, "help_render: cannot write the diagrams\n");
        return 1;
    }
    diagram_dir = diagrams.path();
    const QString source_dir = QString::fromLocal8Bit(argv[1]);
    const QString output_dir = QString::fromLocal8Bit(argv[2]);
    int failed = 0;
    for (int i = 3; i < argc; ++i) {
        const QString doc = QString::fromLocal8Bit(argv[i]);
        if (!Render(QDir(source_dir).filePath(doc + ".md"), QDir(output_dir).filePath(doc + ".pdf"), source_dir, strict)) {
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
