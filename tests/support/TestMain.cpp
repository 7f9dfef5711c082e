#include "tests/support/TestMain.h"

#include <QApplication>
#include <QtTest>
#include <map>

namespace {
std::map<QString, TestRegistry::Factory> &registry()
{
    static std::map<QString, TestRegistry::Factory> r;
    return r;
}
} // namespace

int TestRegistry::add(const char *name, Factory factory)
{
    registry()[QString::fromLatin1(name)] = std::move(factory);
    return 0;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString only;
    const int at = args.indexOf(QStringLiteral("-class"));
    if (at > 0 && at + 1 < args.size()) {
        only = args.at(at + 1);
        args.remove(at, 2);
    }
    int failures = 0;
    for (const auto &[name, factory] : registry()) {
        if (!only.isEmpty() && name != only)
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
