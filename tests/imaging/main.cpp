// One program for the imaging tests: codecs and the working bitmap, file
// formats and their errors, the image editor form, and picture pages in a
// report.
#include <QApplication>
#include <QtTest>

int runCodecTests(int argc, char **argv);
int runFormatTests(int argc, char **argv);
int runEditorTests(int argc, char **argv);
int runPageTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    failed += runCodecTests(argc, argv);
    failed += runFormatTests(argc, argv);
    failed += runEditorTests(argc, argv);
    failed += runPageTests(argc, argv);
    return failed;
}
