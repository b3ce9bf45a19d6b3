#include "classreport.h"

#include "codes.h"
#include "fonts.h"
#include "keydrawing.h"
#include "paint.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextOption>
#include <algorithm>

namespace {

constexpr qreal HeaderPoints = 12;
constexpr qreal TextPoints = 8;
constexpr qreal TablePoints = ClassReportLook::SmallestPoints;
constexpr qreal PictureShare = 0.6;        // of the page's width
constexpr qreal PictureHeightShare = 0.37; // of the page's height, at most
constexpr qreal SideColumnPoints = 110;    // the narrowest column of figures beside it

QFont reportFont(qreal points, bool bold = false)
{
    return Fonts::font(Fonts::Report, points, bold);
}

// Paints down the page, starting a new one where the next block would not fit.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& d, QPainter& p) : device(d), painter(p) {}

    qreal width() const { return device.width(); }
    qreal height() const { return device.height(); }
    qreal points(qreal pt) const { return pt * device.logicalDpiY() / 72.0; }
    qreal y = 0;
    int pages = 1;

    bool fits(qreal h) const { return y + h <= height(); }
    void newPage()
    {
        device.newPage();
        ++pages;
        y = 0;
    }
    // Wrapped text across `w` from `x`; the height it took.
    qreal paragraph(const QString& text, const QFont& font, qreal x, qreal w, qreal top)
    {
        painter.setFont(font);
        const QRectF box(x, top, w, height());
        const QRectF used = painter.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, text);
        painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft, text);
        return used.height();
    }

    QPagedPaintDevice& device;
    QPainter& painter;
};

// The study's name and lines; the height they took.
qreal paintHeader(PageWriter& page, const QStringList& header, qreal left, qreal top)
{
    qreal y = top;
    for (int i = 0; i < header.size(); ++i)
        y += page.paragraph(header[i],
                            i == 0 ? reportFont(HeaderPoints, true) : reportFont(TextPoints), left,
                            page.width() - left, y);
    return y - top + page.points(6);
}

// The smallest scale of the picture at which its captions (the names, when drawn,
// are the smaller) stay at the report's smallest size.
qreal smallestFit(const PictureOptions& options)
{
    const QFont label = sociogramLabelFont();
    const qreal points = options.withNames ? nameFont(label).pointSizeF() : label.pointSizeF();
    return ClassReportLook::SmallestPoints / points;
}

// The scale at which the picture fills its share of the page, never below the
// smallest that keeps its captions readable.
qreal pictureFit(const PageWriter& page, const ReportPicture& picture, qreal perTwip)
{
    const QSizeF twips = pictureSize(picture.drawing, picture.options);
    return std::max(smallestFit(picture.options),
                    std::min(page.width() * PictureShare / (twips.width() * perTwip),
                             page.height() * PictureHeightShare / (twips.height() * perTwip)));
}

// The figures, the groups and the changes from y down, in the column from left; the
// y under them.
qreal paintReportTexts(PageWriter& page, const ClassReport& report, qreal left, qreal y)
{
    const qreal w = page.width() - left;
    const auto block = [&](const QString& heading, const QStringList& lines) {
        if (lines.isEmpty())
            return;
        y += page.paragraph(heading, reportFont(TextPoints, true), left, w, y);
        for (const QString& line : lines)
            y += page.paragraph(line, reportFont(TextPoints), left, w, y);
        y += page.points(4);
    };
    // The figures run on as one paragraph: a line each would push the table off the page.
    block(QCoreApplication::translate("ClassReport", "The group"),
          report.figures.isEmpty() ? QStringList() : QStringList{report.figures.join(u"; ")});
    block(QCoreApplication::translate("ClassReport", "Groups"), report.groups);
    block(QCoreApplication::translate("ClassReport", "Changes since the earlier survey"),
          report.changes);
    return y;
}

// The picture on the left, and to its right, or under it where the picture needs the
// width, the figures, the groups and the changes.
void paintPictureBlock(PageWriter& page, const ClassReport& report)
{
    qreal top = page.y;
    qreal left = 0;
    qreal bottom = top;
    const ReportPicture& picture = report.picture;
    QSizeF shown;
    qreal fit = 1;
    const qreal perTwip = page.device.logicalDpiX() / Codes::TwipsPerInch;
    if (!picture.primitives.empty()) {
        fit = pictureFit(page, picture, perTwip);
        shown = pictureSize(picture.drawing, picture.options) * perTwip * fit;
    }
    // Beside the picture where the page leaves a column for the text; above and
    // under it where the picture needs the width.
    const bool beside = page.width() - shown.width() >= page.points(SideColumnPoints);
    if (!beside)
        top += paintHeader(page, report.header, 0, top);
    if (!shown.isEmpty()) {
        page.painter.save();
        page.painter.translate(0, top);
        page.painter.scale(fit, fit);
        paintPicture(page.painter, picture.primitives, picture.drawing, picture.options, perTwip);
        page.painter.restore();
        bottom = top + shown.height() + page.points(8);
    }
    qreal y = top;
    if (beside) {
        left = shown.isEmpty() ? 0 : shown.width() + page.points(8);
        y += paintHeader(page, report.header, left, top);
    } else {
        y = bottom;
    }
    page.y = std::max(bottom, paintReportTexts(page, report, left, y));
}

struct Columns {
    std::vector<qreal> widths;
    qreal headerHeight = 0;
    qreal rowHeight = 0;
};

// A header's words, a hyphenated name broken after its hyphens as the painter breaks it.
QStringList headerWords(const QString& header)
{
    QStringList words;
    for (const QString& word : header.split(u' '))
        for (const QString& part : word.split(QRegularExpression(QStringLiteral("(?<=-)"))))
            words << part;
    return words;
}

// Each column as wide as its widest cell or header word. Where the page is too
// narrow the shortened column (the names) gives up room first, and then every
// column alike; their cells are then elided.
Columns tableColumns(const PageWriter& page, const TextTable& table, int shortened,
                     const QFont& font, const QFont& headerFont)
{
    QFontMetricsF m(font, &page.device);
    QFontMetricsF hm(headerFont, &page.device);
    const qreal pad = page.points(3);
    Columns c;
    c.widths.assign(std::size_t(table.header.size()), 0);
    for (int col = 0; col < table.header.size(); ++col) {
        qreal w = 0;
        for (const QString& word : headerWords(table.header[col]))
            w = std::max(w, hm.horizontalAdvance(word));
        for (const QStringList& row : table.rows)
            w = std::max(w, m.horizontalAdvance(row.value(col)));
        c.widths[std::size_t(col)] = w + 2 * pad;
    }
    const auto total = [&c] {
        qreal sum = 0;
        for (qreal w : c.widths)
            sum += w;
        return sum;
    };
    if (shortened >= 0 && shortened < int(c.widths.size()) && total() > page.width()) {
        qreal& w = c.widths[std::size_t(shortened)];
        w = std::max(m.horizontalAdvance(QStringLiteral("Wwwwwwww")), w - (total() - page.width()));
    }
    const qreal share = page.width() / total();
    for (qreal& w : c.widths)
        w *= share; // wider to fill the page, or narrower where it must
    for (int col = 0; col < table.header.size(); ++col)
        c.headerHeight = std::max(
            c.headerHeight, hm.boundingRect(QRectF(0, 0, c.widths[std::size_t(col)] - 2 * pad, 1e6),
                                            Qt::TextWordWrap, table.header[col])
                                .height());
    c.headerHeight += 2 * pad;
    c.rowHeight = m.height() + pad / 2;
    return c;
}

void paintRow(PageWriter& page, const QStringList& cells, const Columns& c, qreal h, bool header)
{
    const qreal pad = page.points(3);
    QFontMetricsF m(page.painter.font(), &page.device);
    qreal x = 0;
    for (int col = 0; col < int(c.widths.size()); ++col) {
        const qreal w = c.widths[std::size_t(col)];
        const QRectF cell(x + pad, page.y + (header ? pad : pad / 4), w - 2 * pad, h);
        // The table's words are its English source, as the CSV files keep them.
        const QString word =
            QCoreApplication::translate("Analysis", cells.value(col).toUtf8().constData());
        const QString text = header ? word : m.elidedText(word, Qt::ElideRight, cell.width());
        page.painter.drawText(cell, (header ? Qt::TextWordWrap : 0) | Qt::AlignLeft | Qt::AlignTop,
                              text);
        x += w;
    }
    page.painter.drawLine(QPointF(0, page.y + h), QPointF(x, page.y + h));
    page.y += h;
}

void paintTable(PageWriter& page, const TextTable& table, int shortened)
{
    if (table.rows.empty())
        return;
    const QFont font = reportFont(TablePoints);
    const QFont bold = reportFont(TablePoints, true);
    const Columns c = tableColumns(page, table, shortened, font, bold);
    const auto header = [&] {
        page.painter.setFont(bold);
        paintRow(page, table.header, c, c.headerHeight, true);
        page.painter.setFont(font);
    };
    if (!page.fits(c.headerHeight + c.rowHeight))
        page.newPage();
    header();
    for (const QStringList& row : table.rows) {
        if (!page.fits(c.rowHeight)) {
            page.newPage();
            header();
        }
        paintRow(page, row, c, c.rowHeight, false);
    }
    page.y += page.points(6);
}

void paintNotes(PageWriter& page, const QStringList& notes)
{
    const QFont font = reportFont(TablePoints);
    for (const QString& note : notes) {
        QFontMetricsF m(font, &page.device);
        const qreal h =
            m.boundingRect(QRectF(0, 0, page.width(), 1e6), Qt::TextWordWrap, note).height();
        if (!page.fits(h))
            page.newPage();
        page.y += page.paragraph(note, font, 0, page.width(), page.y) + page.points(2);
    }
}

} // namespace

int paintClassReport(QPagedPaintDevice& device, const ClassReport& report)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    PageWriter page(device, painter);
    paintPictureBlock(page, report);
    paintTable(page, report.table, report.shortenedColumn);
    paintNotes(page, report.notes);
    painter.end();
    return page.pages;
}
