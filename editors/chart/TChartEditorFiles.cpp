#include "editors/chart/TChartEditor.h"

#include "platform/chart/ChartEditDialog.h"
#include "platform/chart/ChartExport.h"
#include "platform/chart/TChart.h"
#include "platform/dialogs/Dialogs.h"
#include "store/PageState.h"

#include <QApplication>
#include <QFileInfo>

namespace {
// Extensions of the save filter's entries, in order.
const char *const kSaveExtensions[] = {".KCX", ".BMP", ".SVG", ".PDF", ".PNG", ".JPG"};
} // namespace

// ---- Loading, storing, files --------------------------------------------------

void TChartEditor::LoadChart(const QString &fileName)
{
    auto *chart = new TChart;
    try {
        chart->loadFromFile(fileName);
    } catch (...) {
        // The previous chart is gone either way: leave a valid, empty one.
        installChart(chart);
        throw;
    }
    installChart(chart);
    QApplication::processEvents();
}

void TChartEditor::OpenChartClick()
{
    const QString name =
        dialogs().openFile(this, tr("Import chart"), QString(), tr("Vendral chart|*.KCX;*.kcx"), 1);
    if (name.isEmpty())
        return;
    LoadChart(name);
    InitializeChart();
}

QByteArray TChartEditor::saveContent()
{
    return m_chart->saveToStream();
}

void TChartEditor::loadContent(const QByteArray &bytes, const QString &pageInfo)
{
    m_chartInfo = pageInfo;
    auto *chart = new TChart;
    try {
        chart->loadFromStream(bytes);
    } catch (...) {
        installChart(chart);
        InitializeChart();
        throw;
    }
    installChart(chart);
    InitializeChart();
}

void TChartEditor::clearContent()
{
    m_chartInfo = QStringLiteral("None");
    installChart(new TChart);
    InitializeChart();
}

void TChartEditor::loadFile(const QString &fileName)
{
    m_chartInfo = QStringLiteral("None");
    try {
        LoadChart(fileName);
    } catch (...) {
        InitializeChart();
        throw;
    }
    InitializeChart();
}

QStringList TChartEditor::saveExtensions() const
{
    return ChartExport::extensions();
}

void TChartEditor::saveToFile(const QString &fileName)
{
    ChartExport::saveByExtension(*m_chart, fileName);
}

QImage TChartEditor::renderImage(const QSize &size)
{
    return m_chart->toImage(size);
}

QString TChartEditor::saveFilter()
{
    // The metafile entries of the host's dialog are vector files here.
    return tr("Vendral Chart (*.KCX)|*.KCX|Windows Bitmap (*.BMP)|*.BMP|"
              "SVG picture (*.SVG)|*.SVG|PDF document (*.PDF)|*.PDF|"
              "PNG file (*.PNG)|*.PNG|JPeg file (*.JPG)|*.JPG;*.JPEG");
}

QString TChartEditor::chartSaveName(const QString &name, int filterIndex)
{
    if (filterIndex < 1 || filterIndex > 6)
        filterIndex = 1;
    if (QFileInfo(name).suffix().isEmpty())
        return name + QLatin1String(kSaveExtensions[filterIndex - 1]);
    return name;
}

void TChartEditor::writeChart(TChart *chart, const QString &fileName, int filterIndex)
{
    const QSize size =
        ChartExport::pictureSize(*chart, chart->isVisible() ? chart->size() : QSize());
    switch (filterIndex) {
    case 2:
        ChartExport::saveImage(*chart, fileName, "bmp", size);
        break;
    case 3:
        ChartExport::saveSvg(*chart, fileName, size);
        break;
    case 4:
        ChartExport::savePdf(*chart, fileName);
        break;
    case 5:
        ChartExport::saveImage(*chart, fileName, "png", size);
        break;
    case 6:
        ChartExport::saveImage(*chart, fileName, "jpeg", size);
        break;
    default:
        chart->saveToFile(fileName);
        break;
    }
}

void TChartEditor::SaveChartToDisk(TChart *chart)
{
    int filterIndex = 1;
    const QString chosen =
        dialogs().saveFileFiltered(this, tr("Save chart"), QString(), saveFilter(), filterIndex);
    if (chosen.isEmpty())
        return;
    writeChart(chart, chartSaveName(chosen, filterIndex), filterIndex);
}

void TChartEditor::SaveChartClick()
{
    SaveChartToDisk(m_chart);
}

void TChartEditor::Copyasbitmap1Click()
{
    m_chart->setBackgroundColor(Qt::white);
    ChartExport::copyBitmap(*m_chart, m_chart->size());
    m_chart->setBackgroundColor(palette().color(QPalette::Button));
}

void TChartEditor::CopyasMetafile1Click()
{
    m_chart->setBackgroundColor(Qt::white);
    ChartExport::copySvg(*m_chart, m_chart->size());
    m_chart->setBackgroundColor(palette().color(QPalette::Button));
}

void TChartEditor::PrintChartClick()
{
    m_chart->setPrintMargins(QMargins(5, 5, 5, 5));
    m_chart->setPrintResolution(-30);
    ChartExport::printPreview(*m_chart, this);
    m_chart->update();
}

void TChartEditor::EditChartClick()
{
    ChartEditDialog dlg(m_chart, window());
    dlg.exec();
    PageModified = true;
}
