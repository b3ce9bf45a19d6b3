#pragma once
// A pointer over the whole program for as long as the guard lives, put back on every
// way out of the work it covers.

#include <QCursor>
#include <QGuiApplication>

class PointerOverride {
public:
    explicit PointerOverride(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(shape); }
    ~PointerOverride() { QGuiApplication::restoreOverrideCursor(); }
    PointerOverride(const PointerOverride&) = delete;
    PointerOverride& operator=(const PointerOverride&) = delete;
};

// The wait pointer while the program is busy.
class BusyPointer : public PointerOverride {
public:
    BusyPointer() : PointerOverride(Qt::WaitCursor) {}
};
