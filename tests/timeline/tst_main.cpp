// The time-bar control and the timeline pages: one program, three test classes.
#include <QApplication>
#include <QtTest>

int runTimeLineTextTests(int argc, char **argv);
int runTimeBarTests(int argc, char **argv);
int runTimeLineDlgTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    failed += runTimeLineTextTests(argc, argv);
    failed += runTimeBarTests(argc, argv);
    failed += runTimeLineDlgTests(argc, argv);
    return failed;
}
