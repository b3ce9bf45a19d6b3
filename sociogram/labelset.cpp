#include "labelset.h"

LabelSet::LabelSet()
{
    labels[0] = SubjectLabel{};
}

std::optional<Failure> LabelSet::load(int i)
{
    if (i < 1 || i > MaxIndex)
        return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
    if (labels[i])
        return runtimeFailure(ErrorNumber::ObjectAlreadyLoaded);
    SubjectLabel copy = Template();
    copy.Visible = true;
    copy.Caption = QString::number(i);
    labels[i] = copy;
    Q_EMIT changed();
    return std::nullopt;
}

bool LabelSet::exists(int i) const
{
    return i >= 0 && i <= MaxIndex && labels[i].has_value();
}

const SubjectLabel* LabelSet::get(int i) const
{
    return exists(i) ? &*labels[i] : nullptr;
}

bool LabelSet::move(int i, float left, float top)
{
    if (i < 1 || !exists(i))
        return false;
    labels[i]->Left = left;
    labels[i]->Top = top;
    Q_EMIT changed();
    return true;
}

bool LabelSet::setTag(int i, const QString& tag)
{
    if (i < 1 || !exists(i))
        return false;
    labels[i]->Tag = tag;
    Q_EMIT changed();
    return true;
}

void LabelSet::unloadAll()
{
    for (int i = 1; i <= MaxIndex; ++i)
        labels[i].reset();
    Q_EMIT changed();
}

int LabelSet::highestIndex() const
{
    for (int i = MaxIndex; i > 0; --i)
        if (labels[i])
            return i;
    return 0;
}
