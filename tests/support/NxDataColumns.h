#pragma once

#include <QTest>

#include <initializer_list>

// QTest::addColumn for every type, named in order: columns<int, QString>({"count", "name"}).
template <typename... T>
void columns(std::initializer_list<const char*> names)
{
    Q_ASSERT(names.size() == sizeof...(T));
    auto name = names.begin();
    (QTest::addColumn<T>(*name++), ...);
}
