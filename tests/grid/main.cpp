#include <QApplication>
#include <QtTest>

int runGridFormatsTests(int argc, char **argv);
int runGridControlTests(int argc, char **argv);
int runGridEditorTests(int argc, char **argv);

// One program for the grid component and the table editor.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    failed += runGridFormatsTests(argc, argv);
    failed += runGridControlTests(argc, argv);
    failed += runGridEditorTests(argc, argv);
    return failed;
}
