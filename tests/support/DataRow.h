#pragma once

#include <QTest>

// Declares the columns of a data-driven test, their types in order, on one line.
template<typename... Types, typename... Names>
void columns(const Names &...names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "one name per column");
    (QTest::addColumn<Types>(names), ...);
}

// Adds one row of a data-driven test, its values in column order, on one line.
template<typename... Values>
void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}
