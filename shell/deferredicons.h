#pragma once
// The program's style: the application's own, except that the menu bar's overflow arrow is
// read from its picture only when first drawn. A menu bar asks for that arrow as it is
// built, and reading the picture makes Qt load every image-format plugin to find one that
// knows it: a millisecond at start for an arrow shown only when the menus overflow.

class QStyle;

// The application's style (the one it would choose itself, QT_STYLE_OVERRIDE and -style
// included) with the overflow arrow deferred; for QApplication::setStyle before the first
// window.
QStyle* styleWithDeferredIcons();
