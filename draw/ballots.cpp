#include "ballots.h"

#include "codes.h"
#include "fonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStringList>

namespace {

// The context of this file's texts in the catalogues.
struct BallotsText {
    Q_DECLARE_TR_FUNCTIONS(BallotsText)
};

// A4 portrait, and the room a pair of scissors needs around each slip.
constexpr int PageWidth = 11906;
constexpr int PageHeight = 16838;
constexpr int Margin = 720;
constexpr int SlipWidth = (PageWidth - 2 * Margin) / 2;
constexpr int Pad = 200;
constexpr int TitleHeight = 400;
constexpr int TextHeight = 280;
constexpr int WriteHeight = 360;
constexpr int PupilHeight = 240;
// Numbers alone sit ten to a line.
constexpr int NumbersPerLine = 10;

// Names go two to a line, or three in a class of more than 16, so that four slips of a
// Both study still fit a page.
int nameColumns(int groupSize)
{
    return groupSize > 16 ? 3 : 2;
}

// Sized in twips, as the painter draws the slip: 20 twips to the point.
QFont fontFor(BallotText::Kind kind)
{
    QFont font(Fonts::Ballot);
    const int points = kind == BallotText::Kind::Title   ? 13
                       : kind == BallotText::Kind::Pupil ? 9
                                                         : 10;
    font.setPixelSize(points * 20);
    font.setBold(kind == BallotText::Kind::Title);
    return font;
}

// A text broken at its spaces into lines of at most `width` twips, so that a long question
// or a longer language goes on to a further line instead of being cut short.
QStringList wrapped(const QString& text, BallotText::Kind kind, int width)
{
    const QFontMetricsF metrics(fontFor(kind));
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    return lines << line;
}

class SlipWriter {
public:
    explicit SlipWriter(int width) { slip.width = width; }

    void add(BallotText::Kind kind, const QString& text, int height, int x = Pad, int w = -1)
    {
        slip.texts.push_back({kind, text, x, y, w < 0 ? slip.width - x - Pad : w});
        y += height;
    }
    // A title or a sentence across the slip, on as many lines as it takes.
    void addWrapped(BallotText::Kind kind, const QString& text, int height)
    {
        for (const QString& line : wrapped(text, kind, slip.width - 2 * Pad))
            add(kind, line, height);
    }
    void gap(int twips) { y += twips; }
    int top() const { return y; }
    void moveTo(int twips) { y = twips; }
    BallotSlip done()
    {
        slip.height = y + Pad;
        return std::move(slip);
    }

private:
    BallotSlip slip;
    int y = Pad;
};

void addCriterion(SlipWriter& w, const BallotStudy& study, bool negative)
{
    const QString line = (negative ? BallotsText::tr("Negative Criterion: ")
                                   : BallotsText::tr("Positive Criterion: ")) +
                         study.question;
    w.addWrapped(BallotText::Kind::Text, line, TextHeight);
    w.addWrapped(
        BallotText::Kind::Text,
        negative ? BallotsText::tr("Write up to %1 numbers, or \"nobody\".").arg(study.maxChoices)
                 : BallotsText::tr("Write up to %1 numbers.").arg(study.maxChoices),
        TextHeight);
    for (int slot = 1; slot <= study.maxChoices; ++slot)
        w.add(BallotText::Kind::WriteLine, BallotsText::tr("%1.").arg(slot), WriteHeight);
    w.gap(TextHeight / 2);
}

void addClass(SlipWriter& w, const BallotStudy& study, int width)
{
    const bool named = study.names.size() > 1;
    w.addWrapped(BallotText::Kind::Text,
                 named ? BallotsText::tr("The class:") : BallotsText::tr("The class, by number:"),
                 TextHeight);
    const int inner = width - 2 * Pad;
    const int top = w.top();
    if (named) {
        const int columns = nameColumns(study.groupSize);
        const int rows = (study.groupSize + columns - 1) / columns;
        const int columnWidth = inner / columns;
        for (int s = 1; s <= study.groupSize; ++s) {
            const int column = (s - 1) / rows;
            w.moveTo(top + ((s - 1) % rows) * PupilHeight);
            const auto at = static_cast<std::size_t>(s);
            const QString name = at < study.names.size() ? study.names[at] : QString();
            w.add(BallotText::Kind::Pupil,
                  name.isEmpty() ? QString::number(s) : QString::number(s) + u' ' + name,
                  PupilHeight, Pad + column * columnWidth, columnWidth - 60);
        }
        w.moveTo(top + rows * PupilHeight);
        return;
    }
    for (int first = 1; first <= study.groupSize; first += NumbersPerLine) {
        QStringList numbers;
        for (int s = first; s < first + NumbersPerLine && s <= study.groupSize; ++s)
            numbers << QString::number(s);
        w.add(BallotText::Kind::Pupil, numbers.join(QStringLiteral("   ")), PupilHeight);
    }
}

void paintSlip(QPainter& painter, const BallotSlip& slip)
{
    painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
    painter.drawRect(0, 0, slip.width, slip.height);
    painter.setPen(QPen(Qt::black, 0));
    for (const BallotText& t : slip.texts) {
        const QFont font = fontFor(t.kind);
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        const double height = t.kind == BallotText::Kind::Title       ? TitleHeight
                              : t.kind == BallotText::Kind::Pupil     ? PupilHeight
                              : t.kind == BallotText::Kind::WriteLine ? WriteHeight
                                                                      : TextHeight;
        const QRectF box(t.x, t.y, t.width, height);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignBottom,
                         metrics.elidedText(t.text, Qt::ElideRight, t.width));
        if (t.kind == BallotText::Kind::WriteLine) {
            const double from = t.x + metrics.horizontalAdvance(t.text) + 80;
            painter.drawLine(QPointF(from, t.y + height - 40),
                             QPointF(t.x + t.width, t.y + height - 40));
        }
    }
}

} // namespace

BallotSlip ballotSlip(const BallotStudy& study, int width)
{
    SlipWriter w(width);
    w.addWrapped(BallotText::Kind::Title, study.name, TitleHeight);
    w.add(BallotText::Kind::WriteLine, BallotsText::tr("My number:"), WriteHeight);
    w.gap(TextHeight / 2);
    const bool both = study.criterionType == Codes::CriterionType::Both;
    if (study.criterionType != Codes::CriterionType::Negative)
        addCriterion(w, study, false);
    if (both || study.criterionType == Codes::CriterionType::Negative)
        addCriterion(w, study, true);
    addClass(w, study, width);
    return w.done();
}

BallotPage ballotPage(const BallotSlip& slip, int pageWidth, int pageHeight)
{
    BallotPage page;
    if (slip.width <= 0 || slip.height <= 0)
        return page;
    page.columns = std::max(1, (pageWidth - 2 * Margin) / slip.width);
    page.rows = std::max(1, (pageHeight - 2 * Margin) / slip.height);
    return page;
}

bool printBallots(QPagedPaintDevice& device, const BallotStudy& study)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const BallotSlip slip = ballotSlip(study, SlipWidth);
    const BallotPage page = ballotPage(slip, PageWidth, PageHeight);
    // Twips to the device's own units; the page has no margins of its own.
    const double scale = device.logicalDpiX() / Codes::TwipsPerInch;
    for (int s = 0; s < study.groupSize; ++s) {
        const int onPage = s % page.perPage();
        if (s > 0 && onPage == 0)
            device.newPage();
        painter.save();
        painter.scale(scale, device.logicalDpiY() / Codes::TwipsPerInch);
        const int column = onPage % page.columns;
        const int row = onPage / page.columns;
        painter.translate(Margin + column * slip.width, Margin + row * slip.height);
        paintSlip(painter, slip);
        painter.restore();
    }
    return painter.end();
}
