// Times of the word-processor export on the HTML of a 1,000-page report as the HTML
// export writes it (334 documents, 333 tables of 12 rows, 333 chart JPEGs): our RTF
// writer (".rtf" and ".doc") and the DOCX through pandoc, with peak memory.
// Usage: bench_wordexport [pages] [folder]
#include "export/WordExport.h"
#include "platform/HeapTuning.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

long peakKilobytes(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss;
}

// Processor time (user + system) used so far, in seconds: on a busy machine the
// wall-clock time says more about the other processes than about the export.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString documentHtml(int page)
{
    QTextDocument doc;
    doc.setHtml(QStringLiteral(
                    "<p>Page %1 sums up the answers of the <b>survey</b> by region. The share of "
                    "respondents who agreed rose to <span style=\"color:#c00000\">61%</span>, "
                    "while <i>undecided</i> answers fell.</p><p>Weighted results follow the "
                    "sample's structure; confidence intervals are at 95%.</p><ul><li>North: "
                    "stable</li><li>South: rising</li></ul>")
                    .arg(page));
    return doc.toHtml();
}

QString tableHtml(int page)
{
    QString t = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                               "<title></title>\n</head>\n<body>\n<table style=\"border-collapse:"
                               "collapse\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                               "<col width=\"120\"><col width=\"64\"><col width=\"64\"><col "
                               "width=\"64\">\n");
    for (int r = 0; r < 12; ++r) {
        t += QStringLiteral("<tr>");
        for (int c = 0; c < 4; ++c) {
            const QString text = r == 0   ? QStringLiteral("Column %1").arg(c)
                                 : c == 0 ? QStringLiteral("Category %1.%2").arg(page).arg(r)
                                          : QString::number((r * 37 + c * 11 + page) % 1000);
            const QString tag = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
            t += QStringLiteral("<%1 style=\"font-family:'Arial';font-size:10pt;font-weight:%2;"
                                "text-align:%3;border:1px solid #a0a0a0;white-space:nowrap;\" "
                                "align=\"%3\">%4</%1>")
                     .arg(tag, r == 0 ? QStringLiteral("bold") : QStringLiteral("normal"),
                          c == 0 ? QStringLiteral("left") : QStringLiteral("right"), text);
        }
        t += QStringLiteral("</tr>\n");
    }
    return t + QStringLiteral("</table>\n</body>\n</html>\n");
}

QString writeReport(const QString &folder, int pages)
{
    QDir(folder).mkpath(QStringLiteral("report_files"));
    QImage chart(640, 400, QImage::Format_RGB32);
    QString html = QStringLiteral("<HTML><HEAD>\n<BASEFONT FACE=\"Arial\" SIZE=\"3\" "
                                  "COLOR=\"#000000\">\n</HEAD><BODY>\n");
    for (int i = 0; i < pages; ++i) {
        html += QStringLiteral("<P>&nbsp;</P>\n<H3><CENTER>Page %1</CENTER></H3>\n").arg(i + 1);
        switch (i % 3) {
        case 0:
            html += documentHtml(i) + u'\n';
            break;
        case 1:
            html += u'\n' + tableHtml(i);
            break;
        default: {
            chart.fill(Qt::white);
            QPainter p(&chart);
            for (int b = 0; b < 8; ++b)
                p.fillRect(40 + b * 70, 380 - (b * 41 + i) % 300, 50, (b * 41 + i) % 300,
                           QColor::fromHsv((b * 45) % 360, 160, 200));
            p.end();
            const QString name = QStringLiteral("CHART%1.JPG").arg(i);
            chart.save(folder + QStringLiteral("/report_files/") + name, "JPEG", 75);
            html +=
                QStringLiteral("\n<CENTER><IMG SRC=\"./report_files/%1\"/></CENTER>\n").arg(name);
        }
        }
    }
    html += QStringLiteral("</BODY>\n");
    const QString path = folder + QStringLiteral("/report.html");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(html.toUtf8());
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int pages = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    QTemporaryDir temp;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    QDir().mkpath(folder);

    QElapsedTimer timer;
    timer.start();
    const QString html = writeReport(folder, pages);
    std::printf("report HTML: %d pages, %.0f KB, %d charts, written in %.2f s\n", pages,
                QFileInfo(html).size() / 1024.0, pages / 3, timer.elapsed() / 1000.0);

    timer.restart();
    double cpu = cpuSeconds(RUSAGE_SELF);
    const QString rtf = folder + QStringLiteral("/report.rtf");
    const int code = WordExport::ConvertHTMLToRTF(html, rtf, -1);
    const double rtfSeconds = timer.elapsed() / 1000.0;
    std::printf("RTF (own writer): %.2f s, processor %.2f s (aim < 2 s), result %d, %.0f KB, "
                "peak memory %ld MB\n",
                rtfSeconds, cpuSeconds(RUSAGE_SELF) - cpu, code, QFileInfo(rtf).size() / 1024.0,
                peakKilobytes(RUSAGE_SELF) / 1024);

    if (!WordExport::docxAvailable()) {
        std::printf("DOCX: pandoc is not installed\n");
        return code == 0 ? 0 : 1;
    }
    timer.restart();
    cpu = cpuSeconds(RUSAGE_SELF) + cpuSeconds(RUSAGE_CHILDREN);
    const QString docx = folder + QStringLiteral("/report.docx");
    try {
        WordExport::writeDocx(html, docx);
    } catch (const std::exception &e) {
        std::printf("DOCX failed: %s\n", e.what());
        return 1;
    }
    std::printf("DOCX (pandoc): %.2f s, processor %.2f s (aim < 8 s), %.0f KB, pandoc peak "
                "memory %ld MB\n",
                timer.elapsed() / 1000.0,
                cpuSeconds(RUSAGE_SELF) + cpuSeconds(RUSAGE_CHILDREN) - cpu,
                QFileInfo(docx).size() / 1024.0, peakKilobytes(RUSAGE_CHILDREN) / 1024);
    return code == 0 ? 0 : 1;
}
