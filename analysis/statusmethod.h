#pragma once
// The status method chosen in the analysis window, kept for the rest of the run so
// that the sociogram marks its labels by the method the user is reading in the table.
// Nothing of it is stored in the study's file.

#include "sociometry.h"

#include <QObject>

class ChosenStatusMethod : public QObject {
    Q_OBJECT
public:
    static ChosenStatusMethod& instance();

    StatusMethod method() const { return chosen; }
    void setMethod(StatusMethod method);

Q_SIGNALS:
    void changed();

private:
    static constexpr StatusMethod AtStart = StatusMethod::CoieDodgeCoppotelli;
    StatusMethod chosen = AtStart;
};
