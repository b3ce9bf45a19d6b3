#include "statusmethod.h"

#include "runreset.h"

ChosenStatusMethod& ChosenStatusMethod::instance()
{
    static ChosenStatusMethod one;
    static const bool resettable = (RunReset::onReset([] { one.setMethod(AtStart); }), true);
    Q_UNUSED(resettable);
    return one;
}

void ChosenStatusMethod::setMethod(StatusMethod method)
{
    if (method == chosen)
        return;
    chosen = method;
    Q_EMIT changed();
}
