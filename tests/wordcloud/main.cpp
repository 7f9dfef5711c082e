// One program for the word-cloud engine, its document, the editor, the
// options dialog and the wordcloud command: each class runs in turn.
//   test_wordcloud [QtTest options]             every class
//   test_wordcloud TestEditor [QtTest options]  one class (and its functions)
#include <QApplication>
#include <cstring>

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
    struct Class
    {
        const char *name;
        int (*run)(int, char **);
    };
    const Class classes[] = {{"TestBasics", runTestBasics},     {"TestLayout", runTestLayout},
                             {"TestWidget", runTestWidget},     {"TestCli", runTestCli},
                             {"TestDocument", runTestDocument}, {"TestEditor", runTestEditor},
                             {"TestOptions", runTestOptions}};
    if (argc > 1) {
        for (const Class &c : classes) {
            if (std::strcmp(argv[1], c.name) != 0)
                continue;
            argv[1] = argv[0];
            return c.run(argc - 1, argv + 1);
        }
    }
    int failed = 0;
    for (const Class &c : classes)
        failed += c.run(argc, argv);
    return failed;
}
