#pragma once
// What may stand round the sociogram on a page or in a file: the title above the drawing
// and the key to its right, as items of the picture's own primitive list.

#include "keydrawing.h"
#include "primitives.h"

#include <QSizeF>
#include <QStringList>
#include <optional>
#include <vector>

struct TitleAndKey {
    QStringList title;             // the first line in bold; empty: no title
    std::optional<KeyEntries> key; // none: no key
    friend bool operator==(const TitleAndKey&, const TitleAndKey&) = default;
};

// The title as drawn: each line of `lines` wrapped into lines no wider than `width` twips,
// never cut; the lines of the first one bold.
struct TitleLine {
    QString text;
    bool bold = false;
};
std::vector<TitleLine> wrappedTitle(const QStringList& lines, qreal width);
// The width of a title line in twips, as wrappedTitle measures it.
qreal titleLineWidth(const TitleLine& line);

// The size of the picture in twips: the title band, the drawing area under it, and the
// key to its right.
QSizeF framedSize(QSizeF drawing, const TitleAndKey& around);
// The drawing's list moved under the title and cut to its area, so that a label dragged
// past the window's edge never lands on the title or the key, then the title's and the
// key's items. Without a title and a key the drawing comes back as it was.
PrimitiveList framedPicture(PrimitiveList drawing, QSizeF area, const TitleAndKey& around);
