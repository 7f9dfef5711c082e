#include "tests/diagram/tst_canvas.h"
#include "tests/diagram/tst_dialogs.h"
#include "tests/diagram/tst_editor.h"
#include "tests/diagram/tst_overview.h"
#include "tests/diagram/tst_stream.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

// One program for the diagram canvas, the editor and its dialogs.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    int failed = 0;
    {
        TestDiagramStream t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestDiagramCanvas t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestDiagramOverview t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestDiagramEditor t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestDiagramDialogs t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed;
}
