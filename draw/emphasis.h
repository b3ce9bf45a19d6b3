#pragma once
// The choices drawn so that kinds read at a glance ("Colour Choices"): negative
// choices as red dashed lines, a mutual positive pair as one thicker line with a
// marker near each end, and every marker kept clear of the labels, moved just
// outside a label's edge along its line when it would fall under one.

#include "linedraw.h"

#include <QRectF>
#include <vector>

// The choices must all lie within the position table (the caller has refused the
// others). `labels` are the squares of the labels shown, which markers keep clear of.
// A line `routes` takes round labels is drawn along its path, its markers on the path.
PrimitiveList emphasisedChoiceLines(const std::vector<Choice>& choices,
                                    const PositionTable& positions, QSizeF labelSize,
                                    const std::vector<QRectF>& labels,
                                    const Layout::LineRoutes* routes = nullptr);

// Where a marker of half-size `half` goes on the line from `from` to `to`, starting at
// `spot`: the first place from there towards the line's middle where it lies under
// no label. It stays at `spot` when the whole way is covered.
QPointF markerClearOfLabels(QPointF from, QPointF to, QPointF spot, qreal half,
                            const std::vector<QRectF>& labels);
// The same along a path: from a quarter of its length towards its middle.
QPointF markerClearOnPath(const Layout::Path& path, qreal half, const std::vector<QRectF>& labels);
