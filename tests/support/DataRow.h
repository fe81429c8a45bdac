#pragma once

#include <QTest>

// Adds one row of a data-driven test, its values in column order, on one line.
template<typename... Values>
void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}
