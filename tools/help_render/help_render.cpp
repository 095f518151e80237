// Renders the help documents from their Markdown sources into PDF files, with the linkage and
// gear diagrams painted here. Run at build time: help_render <source dir> <output dir> <doc>...
// where each doc is a path under both folders without its extension.
#include <QFile>
#include <QFontMetricsF>
#include <QFileInfo>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTemporaryDir>
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

// The Markdown reader leaves tables bare and images at their pixel size: give tables ruled
// cells and a shaded heading row, and fit images to the text width.
void Style_Document(QTextDocument& doc, qreal text_width)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (QTextTable* table = QTextCursor(b).currentTable()) {
            QTextTableFormat f = table->format();
            if (f.borderStyle() == QTextFrameFormat::BorderStyle_Solid && f.border() == 0.6) continue;
            f.setBorder(0.6);
            f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            f.setBorderBrush(QColor(150, 150, 150));
            f.setBorderCollapse(true);
            f.setCellPadding(3);
            f.setCellSpacing(0);
            f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            // Every column gets its longest word; the rest of the line goes to the columns whose
            // texts are longer than that, so that a column of short names leaves room for one of
            // explanations. Widths in the 96-per-inch units of text_width.
            const QFontMetricsF plain(doc.defaultFont());
            QFont bold_font = doc.defaultFont();
            bold_font.setBold(true);
            const QFontMetricsF bold(bold_font);  // words may be bold; headings are
            const double padding = 12;
            QList<double> weight(table->columns(), 0.0), word(table->columns(), 0.0);
            for (int r = 0; r < table->rows(); ++r) {
                const QFontMetricsF& fm = r == 0 ? bold : plain;
                for (int c = 0; c < table->columns(); ++c) {
                    QTextTableCell cell = table->cellAt(r, c);
                    QTextCursor first = cell.firstCursorPosition(), last = cell.lastCursorPosition();
                    first.setPosition(last.position(), QTextCursor::KeepAnchor);
                    const QString text = first.selectedText();
                    weight[c] += fm.horizontalAdvance(text) / table->rows();
                    for (const QString& w : text.split(QRegularExpression("\\s+"))) {
                        word[c] = std::max(word[c], bold.horizontalAdvance(w) + padding);
                    }
                }
            }
            double words = 0, extra = 0;
            for (int c = 0; c < table->columns(); ++c) {
                words += word[c];
                extra += std::max(0.0, weight[c] - word[c]);
            }
            const double spare = std::max(0.0, text_width - words);
            for (int c = 0; c < table->columns(); ++c) {
                double more = extra > 0 ? spare * std::max(0.0, weight[c] - word[c]) / extra : spare / table->columns();
                weight[c] = word[c] + more;
            }
            double total = 0;
            for (double w : weight) total += w;
            QList<QTextLength> widths;
            for (double w : weight) widths << QTextLength(QTextLength::PercentageLength, 100.0 * w / total);
            f.setColumnWidthConstraints(widths);
            table->setFormat(f);
            for (int c = 0; c < table->columns(); ++c) {
                QTextTableCell cell = table->cellAt(0, c);
                QTextCharFormat cf = cell.format();
                cf.setBackground(QColor(228, 234, 242));
                cell.setFormat(cf);
            }
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextFragment frag = it.fragment();
            if (!frag.charFormat().isImageFormat()) continue;
            QTextImageFormat img = frag.charFormat().toImageFormat();
            // Printing works on a copy of the document that has no resources of its own: name
            // the diagram by its file.
            const QString file = Diagram_File(img.name());
            QImage picture(file);
            if (picture.isNull()) continue;
            img.setName(file);
            img.setWidth(text_width);
            img.setHeight(text_width * picture.height() / picture.width());
            QTextCursor c(&doc);
            c.setPosition(frag.position());
            c.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(img);
        }
    }
    // Headings in the program's blue, with room above them.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        int level = b.blockFormat().headingLevel();
        if (level == 0) continue;
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
    Style_Document(doc, (148.0 - 40.0) / 25.4 * 96.0 * 0.98);
    doc.print(&writer);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir diagrams;
    if (!diagrams.isValid() || !Save_Diagrams(diagrams.path())) {
        std::fprintf(stderr, "help_render: cannot write the diagrams\n");
        return 1;
    }
    diagram_dir = diagrams.path();
    if (argc < 4) {
        std::fprintf(stderr, "usage: help_render <source dir> <output dir> <document>...\n");
        return 2;
    }
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
