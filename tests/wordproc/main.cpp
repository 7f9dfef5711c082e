// One program for the word-processor file layer: RTF reader, round trips, converters,
// HTML to RTF and the word-processor export.
#include <QApplication>

int runRtfReaderTests(int argc, char **argv);
int runRoundTripTests(int argc, char **argv);
int runConverterTests(int argc, char **argv);
int runHtmlToRtfTests(int argc, char **argv);
int runWordExportTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    failed += runRtfReaderTests(argc, argv) != 0;
    failed += runRoundTripTests(argc, argv) != 0;
    failed += runConverterTests(argc, argv) != 0;
    failed += runHtmlToRtfTests(argc, argv) != 0;
    failed += runWordExportTests(argc, argv) != 0;
    return failed;
}
