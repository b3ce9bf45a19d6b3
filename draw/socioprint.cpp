#include "socioprint.h"

#include "choicegrid.h"
#include "labels.h"
#include "linedraw.h"
#include "paint.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

const QString SocioPrintLabel = QStringLiteral("DataForm:SocioPrint");

constexpr qreal TwipsPerInch = 1440;
constexpr int MissingLabelNumber = 340;
constexpr int PrinterErrorNumber = 482;

Failure missingLabel(int i)
{
    return {MissingLabelNumber, QStringLiteral("Control array element '%1' doesn't exist").arg(i)};
}

// Device pixels per twip of the device's printable area, across and down.
qreal pixelsPerTwipX(const QPaintDevice& device)
{
    return device.logicalDpiX() / TwipsPerInch;
}
qreal pixelsPerTwipY(const QPaintDevice& device)
{
    return device.logicalDpiY() / TwipsPerInch;
}

// The printed side of every label is that of label 1.
qreal printedLabelSide(Trap& trap, const LabelSet& labels)
{
    qreal side = labels.Template().Width;
    trap.step([&]() -> std::optional<Failure> {
        const SubjectLabel* first = labels.get(1);
        if (!first)
            return missingLabel(1);
        side = first->Width;
        return std::nullopt;
    });
    return side;
}

// One red square per subject of the grid, at the labels' positions on the window.
PrimitiveList printedLabels(Trap& trap, const ChoiceGrid& grid, const LabelSet& labels)
{
    const qreal side = printedLabelSide(trap, labels);
    PrimitiveList list;
    const int subjects = grid.Rows() - ChoiceGrid::FixedRows;
    for (int i = 1; i <= subjects; ++i) {
        trap.step([&]() -> std::optional<Failure> {
            const SubjectLabel* label = labels.get(i);
            if (!label)
                return missingLabel(i);
            list.push_back(labelPrimitive(*label, side));
            return std::nullopt;
        });
    }
    return list;
}

void append(PrimitiveList& to, const PrimitiveList& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace

qreal printScale(qreal pageWTwips, qreal pageHTwips, qreal W, qreal H)
{
    if (W <= 0 || H <= 0)
        return 0;
    return std::min(pageWTwips / W, pageHTwips / H);
}

bool SocioPrint(QPaintDevice& device, ChoiceGrid& grid, const LabelSet& labels, qreal W, qreal H)
{
    Trap trap(SocioPrintLabel);
    QPainter painter;
    if (!trap.step([&]() -> std::optional<Failure> {
            if (painter.begin(&device))
                return std::nullopt;
            return Failure{PrinterErrorNumber, QStringLiteral("Printer error")};
        }))
        return false;

    const qreal perTwipX = pixelsPerTwipX(device);
    const qreal perTwipY = pixelsPerTwipY(device);
    const qreal pageW = device.width() / perTwipX;
    const qreal pageH = device.height() / perTwipY;
    qreal s = 0;
    trap.step([&]() -> std::optional<Failure> {
        if (W <= 0 || H <= 0)
            return runtimeFailure(ErrorNumber::DivisionByZero);
        s = printScale(pageW, pageH, W, H);
        return std::nullopt;
    });

    const SubjectLabel& model = labels.Template();
    PrimitiveList page = LineParts::choices(trap, grid, QSizeF(model.Width, model.Height));
    append(page, LineParts::guide(trap, W, H, LineParts::RingOrder::Inward));
    append(page, printedLabels(trap, grid, labels));

    if (s > 0) {
        // A device whose resolution differs across and down keeps twips square.
        if (perTwipY != perTwipX)
            painter.scale(1, perTwipY / perTwipX);
        paintPrimitives(painter, page, s * perTwipX);
    }
    painter.end();
    return true;
}
