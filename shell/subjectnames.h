#pragma once
// A class list as the cores take it, handed over as a value: subject s's name at s,
// entry 0 unused, an empty string for a subject without a name; empty without a list.

#include <QString>
#include <vector>

using SubjectNames = std::vector<QString>;

// The subject's name, empty when it has none or the list does not reach it.
QString nameOf(const SubjectNames& names, int subject);
// "7 Anna" with a name, "7" without.
QString numberAndName(const SubjectNames& names, int subject);
