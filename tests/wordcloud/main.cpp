// One program for the word-cloud engine, its document, the editor, the
// options dialog and the wordcloud command: each class runs in turn.
#include <QApplication>

int runTestBasics(int argc, char **argv);
int runTestLayout(int argc, char **argv);
int runTestWidget(int argc, char **argv);
int runTestCli(int argc, char **argv);
int runTestDocument(int argc, char **argv);
int runTestEditor(int argc, char **argv);
int runTestOptions(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (auto run : {runTestBasics, runTestLayout, runTestWidget, runTestCli, runTestDocument,
                     runTestEditor, runTestOptions})
        failed += run(argc, argv);
    return failed;
}
