#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>

// Each folder's tests build into one executable; test classes register here
// and the shared main runs them all, so adding a test file needs no edit of
// any list.
class TestRegistry {
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;
    static std::vector<Factory>& factories() {
        static std::vector<Factory> list;
        return list;
    }
    static int add(Factory factory) {
        factories().push_back(std::move(factory));
        return 0;
    }
};

#define QX_REGISTER_TEST(Class)                                                                    \
    static const int Class##_registered =                                                          \
        TestRegistry::add([] { return std::unique_ptr<QObject>(new Class); });
