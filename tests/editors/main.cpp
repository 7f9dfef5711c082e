#include "tests/editors/tst_wpeditor.h"
#include "tests/editors/tst_wpview.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestWPView t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestWPEditor t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
