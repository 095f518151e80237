// Lays a help document out on the pages of a PDF and prints it, with the page breaks a reader
// expects of a manual: a heading stays with the first two lines after it and an introducing
// sentence with what it introduces, a paragraph leaves at least two lines on either side of a page
// break, a list's last item is not alone on a page, nor are one or two lines on the last page; a
// table row is never cut by the foot of a page, and a table continued on a new page repeats its
// header row there.
#pragma once
#include <QStringList>

class QPdfWriter;
class QTextDocument;

// Breaks pages where the layout would break one of those rules. Returns where the pages
// still break a rule (a row taller than a page, say), one line each; empty when every rule holds.
QStringList Paginate(QTextDocument& doc, QPdfWriter& writer);

// Prints the paginated document, page numbers at the foot on the right.
void Print_Pages(const QTextDocument& doc, QPdfWriter& writer);
