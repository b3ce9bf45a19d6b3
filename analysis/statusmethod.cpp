#include "statusmethod.h"

ChosenStatusMethod& ChosenStatusMethod::instance()
{
    static ChosenStatusMethod one;
    return one;
}

void ChosenStatusMethod::setMethod(StatusMethod method)
{
    if (method == chosen)
        return;
    chosen = method;
    Q_EMIT changed();
}
