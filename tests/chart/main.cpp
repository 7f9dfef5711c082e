// One program for the chart engine and the chart editor.
#include <QApplication>
#include <QtTest>

int runChartEngineTests(int argc, char **argv);
int runChartExportTests(int argc, char **argv);
int runChartEditorTests(int argc, char **argv);
int runChartOverlayTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    int failed = 0;
    failed += runChartEngineTests(argc, argv);
    failed += runChartExportTests(argc, argv);
    failed += runChartEditorTests(argc, argv);
    failed += runChartOverlayTests(argc, argv);
    return failed;
}
