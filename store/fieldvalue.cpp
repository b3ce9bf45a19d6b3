#include "fieldvalue.h"

#include "numbers.h"

#include <cmath>

namespace FieldValue {

namespace {

bool isText(const QVariant& field)
{
    return field.typeId() == QMetaType::QString || field.typeId() == QMetaType::QByteArray;
}

} // namespace

Step number(const QVariant& field, double& out)
{
    if (!field.isValid() || field.isNull())
        return runtimeFailure(ErrorNumber::InvalidUseOfNull);
    if (isText(field)) {
        const std::optional<double> whole = Numbers::wholeValue(field.toString());
        if (!whole)
            return runtimeFailure(ErrorNumber::TypeMismatch);
        out = *whole;
        return std::nullopt;
    }
    bool ok = false;
    const double d = field.toDouble(&ok);
    if (!ok)
        return runtimeFailure(ErrorNumber::TypeMismatch);
    out = d;
    return std::nullopt;
}

Step wholeLong(const QVariant& field, std::int32_t& out)
{
    double d = 0;
    if (Step f = number(field, d))
        return f;
    const std::optional<std::int32_t> v = Numbers::toLong(d);
    if (!v)
        return runtimeFailure(ErrorNumber::Overflow);
    out = *v;
    return std::nullopt;
}

Step wholeInteger(const QVariant& field, std::int16_t& out)
{
    double d = 0;
    if (Step f = number(field, d))
        return f;
    const std::optional<std::int16_t> v = Numbers::toInteger(d);
    if (!v)
        return runtimeFailure(ErrorNumber::Overflow);
    out = *v;
    return std::nullopt;
}

Step exactWholeLong(const QVariant& field, std::int32_t& out)
{
    if (field.isValid() && !field.isNull() && isText(field))
        return runtimeFailure(ErrorNumber::TypeMismatch);
    double d = 0;
    if (Step f = number(field, d))
        return f;
    if (d != std::floor(d))
        return runtimeFailure(ErrorNumber::TypeMismatch);
    const std::optional<std::int32_t> v = Numbers::toLong(d);
    if (!v)
        return runtimeFailure(ErrorNumber::Overflow);
    out = *v;
    return std::nullopt;
}

} // namespace FieldValue
