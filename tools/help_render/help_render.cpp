// Renders the help documents from their Markdown sources into PDF files, with the linkage and
// gear diagrams painted here. Run at build time: help_render <source dir> <output dir> <doc>...
// where each doc is a path under both folders without its extension.
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
#include <cstdio>

#include "Diagrams.h"

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

// Ruled cells and a shaded heading row; every column at least as wide as its longest word, and
// the rest of the line to the columns whose texts are longer than that, so that a column of
// short names leaves room for one of explanations. Widths in the 96-per-inch units of
// text_width.
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

    const QFontMetricsF plain(font);
    QFont bold_font = font;
    bold_font.setBold(true);
    const QFontMetricsF bold(bold_font);  // headings are bold, and words in cells may be
    const double padding = 12;
    const int columns = table->columns();
    QList<double> weight(columns, 0.0), word(columns, 0.0);
    for (int r = 0; r < table->rows(); ++r) {
        const QFontMetricsF& fm = r == 0 ? bold : plain;
        for (int c = 0; c < columns; ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            QTextCursor text = cell.firstCursorPosition();
            text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            weight[c] += fm.horizontalAdvance(text.selectedText()) / table->rows();
            for (const QString& w : text.selectedText().split(QRegularExpression("\\s+"))) {
                word[c] = std::max(word[c], bold.horizontalAdvance(w) + padding);
            }
        }
    }
    double words = 0, extra = 0;
    for (int c = 0; c < columns; ++c) {
        words += word[c];
        extra += std::max(0.0, weight[c] - word[c]);
    }
    const double spare = std::max(0.0, text_width - words);
    double total = 0;
    for (int c = 0; c < columns; ++c) {
        weight[c] = word[c] + (extra > 0 ? spare * std::max(0.0, weight[c] - word[c]) / extra : spare / columns);
        total += weight[c];
    }
    QList<QTextLength> widths;
    for (double w : weight) widths << QTextLength(QTextLength::PercentageLength, 100.0 * w / total);
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

bool Render(const QString& source, const QString& target, const QString& root)
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
    // The page less the 2 cm margins that printing adds, in the 96-per-inch units of image sizes.
    const bool complete = Style_Document(doc, (148.0 - 40.0) / 25.4 * 96.0 * 0.98);
    doc.print(&writer);
    return complete;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: help_render <source dir> <output dir> <document>...\n");
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
        if (!Render(QDir(source_dir).filePath(doc + ".md"), QDir(output_dir).filePath(doc + ".pdf"), source_dir)) {
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
