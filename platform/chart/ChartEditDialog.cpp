#include "platform/chart/ChartEditDialog.h"

#include "platform/TessaryError.h"
#include "platform/chart/TChart.h"
#include "platform/dialogs/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const SeriesKind kKinds[] = {SeriesKind::Bar,   SeriesKind::HorizBar, SeriesKind::Line,
                             SeriesKind::Point, SeriesKind::Pie,      SeriesKind::Point3D};

QString numberText(double v)
{
    return QLocale().toString(v, 'g', 10);
}

bool parseNumber(const QString &text, double *v)
{
    bool ok = false;
    *v = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        *v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok;
}
} // namespace

ChartEditDialog::ChartEditDialog(TChart *chart, QWidget *parent)
    : QDialog(parent), m_chart(chart), m_original(chart->saveToStream())
{
    setWindowTitle(tr("Edit chart"));
    auto *layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(makeChartPage(), tr("Chart"));
    m_tabs->addTab(makeSeriesPage(), tr("Series"));
    m_tabs->addTab(makeAxesPage(), tr("Axes"));
    m_tabs->addTab(makeViewPage(), tr("3D"));
    layout->addWidget(m_tabs);
    auto *hint = new QLabel(tr("Changes show on the chart at once; Cancel undoes them."), this);
    hint->setStyleSheet(QStringLiteral("color: palette(mid);"));
    layout->addWidget(hint);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 420);
}

void ChartEditDialog::showPage(Page page)
{
    m_tabs->setCurrentIndex(int(page));
}

void ChartEditDialog::reject()
{
    // Back to the chart as it was; the stream was written by this very chart.
    try {
        m_chart->loadFromStream(m_original);
    } catch (const TessaryError &) {
    }
    QDialog::reject();
}

void ChartEditDialog::paintSwatch(QPushButton *button, const QColor &color)
{
    QPixmap pm(28, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.setBrush(color.isValid() ? color : QColor(Qt::white));
    p.drawRoundedRect(QRectF(0.5, 0.5, 27, 13), 3, 3);
    p.end();
    button->setIcon(QIcon(pm));
    button->setIconSize(pm.size());
    button->setText(color.isValid() ? color.name() : tr("automatic"));
}

void ChartEditDialog::pickColor(QPushButton *button, const QColor &current,
                                const std::function<void(QColor)> &set)
{
    if (const std::optional<QColor> c = dialogs().chooseColor(this, current)) {
        set(*c);
        paintSwatch(button, *c);
    }
}

QWidget *ChartEditDialog::makeChartPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    m_title = new QLineEdit(m_chart->title(), page);
    m_title->setPlaceholderText(tr("No title"));
    connect(m_title, &QLineEdit::textEdited, this,
            [this](const QString &t) { m_chart->setTitle(t); });
    form->addRow(tr("&Title:"), m_title);
    m_background = new QPushButton(page);
    paintSwatch(m_background, m_chart->backgroundColor());
    connect(m_background, &QPushButton::clicked, this, [this] {
        pickColor(m_background, m_chart->backgroundColor(),
                  [this](QColor c) { m_chart->setBackgroundColor(c); });
    });
    form->addRow(tr("&Background:"), m_background);
    m_border = new QCheckBox(tr("Draw a &border around the chart"), page);
    m_border->setChecked(m_chart->borderVisible());
    connect(m_border, &QCheckBox::toggled, this,
            [this](bool on) { m_chart->setBorderVisible(on); });
    form->addRow(QString(), m_border);
    m_legend = new QCheckBox(tr("Show the &legend"), page);
    m_legend->setChecked(m_chart->legendVisible());
    m_legendPos = new QComboBox(page);
    m_legendPos->addItems({tr("Right"), tr("Bottom")});
    m_legendPos->setCurrentIndex(m_chart->legendPosition() == TChart::LegendPosition::Bottom);
    connect(m_legend, &QCheckBox::toggled, this, [this](bool on) {
        m_chart->setLegendVisible(on);
        m_legendPos->setEnabled(on);
    });
    connect(m_legendPos, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_chart->setLegendPosition(i == 1 ? TChart::LegendPosition::Bottom
                                          : TChart::LegendPosition::Right);
    });
    m_legendPos->setEnabled(m_legend->isChecked());
    form->addRow(QString(), m_legend);
    form->addRow(tr("Legend &position:"), m_legendPos);
    return page;
}

QWidget *ChartEditDialog::makeSeriesPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    m_series = new QTableWidget(page);
    m_series->setColumnCount(4);
    m_series->setHorizontalHeaderLabels({tr("Title"), tr("Kind"), tr("Colour"), tr("Shown")});
    m_series->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_series->verticalHeader()->setVisible(false);
    m_series->setSelectionMode(QAbstractItemView::NoSelection);
    connect(m_series, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (m_loading || item->column() != 0)
            return;
        if (TChartSeries *s = m_chart->series(item->row()))
            s->setTitle(item->text());
    });
    layout->addWidget(m_series);
    loadSeries();
    return page;
}

void ChartEditDialog::loadSeries()
{
    m_loading = true;
    m_series->setRowCount(m_chart->seriesCount());
    for (int i = 0; i < m_chart->seriesCount(); ++i) {
        TChartSeries *s = m_chart->series(i);
        m_series->setItem(i, 0, new QTableWidgetItem(s->title()));
        auto *kind = new QComboBox(m_series);
        for (SeriesKind k : kKinds)
            kind->addItem(ChartNames::kindCaption(k), int(k));
        kind->setCurrentIndex(kind->findData(int(s->kind())));
        connect(kind, &QComboBox::currentIndexChanged, this, [this, i, kind](int) {
            m_chart->changeSeriesKind(i, SeriesKind(kind->currentData().toInt()));
        });
        m_series->setCellWidget(i, 1, kind);
        auto *colour = new QPushButton(m_series);
        colour->setFlat(true);
        paintSwatch(colour, s->color());
        connect(colour, &QPushButton::clicked, this, [this, i, colour] {
            TChartSeries *ser = m_chart->series(i);
            if (ser)
                pickColor(colour, ser->color(), [ser](QColor c) { ser->setColor(c); });
        });
        m_series->setCellWidget(i, 2, colour);
        auto *shown = new QCheckBox(m_series);
        shown->setChecked(s->active());
        connect(shown, &QCheckBox::toggled, this, [this, i](bool on) {
            if (TChartSeries *ser = m_chart->series(i))
                ser->setActive(on);
        });
        m_series->setCellWidget(i, 3, shown);
    }
    m_series->resizeColumnsToContents();
    m_series->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_loading = false;
}

QWidget *ChartEditDialog::makeAxesPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    m_axisChoice = new QComboBox(page);
    m_axisChoice->addItem(tr("Left"), int(TChartAxis::Left));
    m_axisChoice->addItem(tr("Right"), int(TChartAxis::Right));
    m_axisChoice->addItem(tr("Bottom"), int(TChartAxis::Bottom));
    m_axisChoice->addItem(tr("Depth (3D points)"), int(TChartAxis::Depth));
    form->addRow(tr("A&xis:"), m_axisChoice);
    m_axisTitle = new QLineEdit(page);
    form->addRow(tr("&Title:"), m_axisTitle);
    m_axisAuto = new QCheckBox(tr("&Automatic range"), page);
    form->addRow(QString(), m_axisAuto);
    m_axisMin = new QLineEdit(page);
    m_axisMax = new QLineEdit(page);
    m_axisStep = new QLineEdit(page);
    m_axisStep->setPlaceholderText(tr("automatic"));
    for (QLineEdit *e : {m_axisMin, m_axisMax, m_axisStep})
        e->setValidator(new QDoubleValidator(e));
    form->addRow(tr("M&inimum:"), m_axisMin);
    form->addRow(tr("Ma&ximum:"), m_axisMax);
    form->addRow(tr("&Step:"), m_axisStep);
    m_axisError = new QLabel(page);
    m_axisError->setStyleSheet(QStringLiteral("color: #b00020;"));
    form->addRow(QString(), m_axisError);
    m_axisInverted = new QCheckBox(tr("&Inverted"), page);
    m_axisGrid = new QCheckBox(tr("&Grid lines"), page);
    m_axisVisible = new QCheckBox(tr("&Visible"), page);
    form->addRow(QString(), m_axisInverted);
    form->addRow(QString(), m_axisGrid);
    form->addRow(QString(), m_axisVisible);
    m_axisAngle = new QSpinBox(page);
    m_axisAngle->setRange(0, 359);
    m_axisAngle->setSuffix(QStringLiteral("°"));
    m_axisAngle->setSingleStep(15);
    form->addRow(tr("&Label angle:"), m_axisAngle);

    auto axis = [this] {
        return m_chart->axis(TChartAxis::Id(m_axisChoice->currentData().toInt()));
    };
    connect(m_axisChoice, &QComboBox::currentIndexChanged, this, [this] { loadAxis(); });
    connect(m_axisTitle, &QLineEdit::textEdited, this,
            [axis](const QString &t) { axis()->setTitle(t); });
    connect(m_axisAuto, &QCheckBox::toggled, this, [this, axis](bool on) {
        if (m_loading)
            return;
        axis()->setAutomatic(on);
        loadAxis();
    });
    for (QLineEdit *e : {m_axisMin, m_axisMax, m_axisStep})
        connect(e, &QLineEdit::editingFinished, this, [this] { applyAxisRange(); });
    connect(m_axisInverted, &QCheckBox::toggled, this, [this, axis](bool on) {
        if (!m_loading)
            axis()->setInverted(on);
    });
    connect(m_axisGrid, &QCheckBox::toggled, this, [this, axis](bool on) {
        if (!m_loading)
            axis()->setGridVisible(on);
    });
    connect(m_axisVisible, &QCheckBox::toggled, this, [this, axis](bool on) {
        if (!m_loading)
            axis()->setVisible(on);
    });
    connect(m_axisAngle, &QSpinBox::valueChanged, this, [this, axis](int v) {
        if (!m_loading)
            axis()->setLabelsAngle(v);
    });
    loadAxis();
    return page;
}

void ChartEditDialog::loadAxis()
{
    m_loading = true;
    const TChartAxis *a = m_chart->axis(TChartAxis::Id(m_axisChoice->currentData().toInt()));
    m_axisTitle->setText(a->title());
    m_axisAuto->setChecked(a->automatic());
    m_axisMin->setText(numberText(a->minimum()));
    m_axisMax->setText(numberText(a->maximum()));
    m_axisStep->setText(a->increment() > 0 ? numberText(a->increment()) : QString());
    m_axisMin->setEnabled(!a->automatic());
    m_axisMax->setEnabled(!a->automatic());
    m_axisInverted->setChecked(a->inverted());
    m_axisGrid->setChecked(a->gridVisible());
    m_axisVisible->setChecked(a->visible());
    m_axisAngle->setValue(a->labelsAngle());
    m_axisError->clear();
    m_loading = false;
}

void ChartEditDialog::applyAxisRange()
{
    if (m_loading)
        return;
    TChartAxis *a = m_chart->axis(TChartAxis::Id(m_axisChoice->currentData().toInt()));
    double step = 0;
    if (!m_axisStep->text().trimmed().isEmpty() && !parseNumber(m_axisStep->text(), &step))
        step = 0;
    a->setIncrement(step);
    if (a->automatic())
        return;
    double lo = 0, hi = 0;
    if (!parseNumber(m_axisMin->text(), &lo) || !parseNumber(m_axisMax->text(), &hi)) {
        m_axisError->setText(tr("Minimum and maximum must be numbers."));
        return;
    }
    if (lo > hi) {
        m_axisError->setText(tr("The minimum must not be above the maximum."));
        return;
    }
    m_axisError->clear();
    a->setMinMax(lo, hi);
}

QWidget *ChartEditDialog::makeViewPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    m_view3D = new QCheckBox(tr("&3D view"), page);
    m_view3D->setChecked(m_chart->view3D());
    connect(m_view3D, &QCheckBox::toggled, this, [this](bool on) { m_chart->setView3D(on); });
    form->addRow(QString(), m_view3D);
    m_walls = new QCheckBox(tr("&Walls"), page);
    m_walls->setChecked(m_chart->walls());
    connect(m_walls, &QCheckBox::toggled, this, [this](bool on) { m_chart->setWalls(on); });
    form->addRow(QString(), m_walls);
    m_wallPen = new QCheckBox(tr("Wall &edges"), page);
    m_wallPen->setChecked(m_chart->backWallPen());
    connect(m_wallPen, &QCheckBox::toggled, this, [this](bool on) { m_chart->setBackWallPen(on); });
    form->addRow(QString(), m_wallPen);
    auto slider = [page](int lo, int hi, int value, QLabel *readout) {
        auto *s = new QSlider(Qt::Horizontal, page);
        s->setRange(lo, hi);
        s->setValue(value);
        readout->setText(QStringLiteral("%1°").arg(value));
        readout->setMinimumWidth(40);
        QObject::connect(s, &QSlider::valueChanged, readout,
                         [readout](int v) { readout->setText(QStringLiteral("%1°").arg(v)); });
        return s;
    };
    auto *rotLabel = new QLabel(page);
    auto *elevLabel = new QLabel(page);
    const int rot = ((m_chart->rotation() % 360) + 360) % 360;
    m_rotation = slider(0, 359, rot, rotLabel);
    m_elevation = slider(-90, 90, qBound(-90, m_chart->elevation(), 90), elevLabel);
    connect(m_rotation, &QSlider::valueChanged, this, [this](int v) { m_chart->setRotation(v); });
    connect(m_elevation, &QSlider::valueChanged, this, [this](int v) { m_chart->setElevation(v); });
    auto row = [page](QWidget *a, QWidget *b) {
        auto *w = new QWidget(page);
        auto *h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(a, 1);
        h->addWidget(b);
        return w;
    };
    form->addRow(tr("&Rotation:"), row(m_rotation, rotLabel));
    form->addRow(tr("&Elevation:"), row(m_elevation, elevLabel));
    m_depth = new QSpinBox(page);
    m_depth->setRange(0, 100);
    m_depth->setSuffix(QStringLiteral(" %"));
    m_depth->setValue(m_chart->depth3D());
    connect(m_depth, &QSpinBox::valueChanged, this, [this](int v) { m_chart->setDepth3D(v); });
    form->addRow(tr("&Depth:"), m_depth);
    return page;
}
