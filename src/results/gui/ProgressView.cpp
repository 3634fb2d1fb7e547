// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ProgressView.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "play/OwnTexts.h"
#include "results/gui/ChartModule.h"
#include "results/gui/ProgressChart.h"
#include "ui/gui/ModulePaths.h"
#include "ui/gui/PrintModule.h"
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kPrinterError = 67;

QComboBox* Combo(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

} // namespace

ProgressView::ProgressView(const GameState& s, Platform& platform, const QString& resultsPath,
                           const QStringList& chartModulePaths, QWidget* parent)
    : QWidget(parent), m_state(s), m_platform(platform), m_form(s, resultsPath), m_startFolder(QDir::currentPath()),
      m_name(Combo("player", this)), m_size(Combo("size", this)), m_type(Combo("type", this)),
      m_measure(Combo("measure", this)), m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("progress"));
    setFocusProxy(m_name);
    const ProgressControls& c = m_form.controls();
    auto* choices = new QHBoxLayout;
    const auto labelled = [&](const ControlState& caption, const char* name, QComboBox* combo) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setBuddy(combo);
        m_binder.bind(caption, label);
        choices->addWidget(label);
        choices->addWidget(combo);
        choices->addSpacing(12);
    };
    labelled(c.nameLabel, "playerLabel", m_name);
    labelled(c.sizeLabel, "sizeLabel", m_size);
    labelled(c.typeLabel, "typeLabel", m_type);
    choices->addWidget(m_measure);
    choices->addStretch(1);

    connect(m_name, &QComboBox::activated, this, [this](int i) { m_form.chooseName(i); sync(); });
    connect(m_size, &QComboBox::activated, this, [this](int i) { m_form.chooseSize(i); sync(); });
    connect(m_type, &QComboBox::activated, this, [this](int i) { m_form.chooseType(i); sync(); });
    connect(m_measure, &QComboBox::activated, this, [this](int i) { m_form.chooseMeasure(i); sync(); });

    m_chart = LoadProgressChart(this, chartModulePaths);
    if (m_chart) m_chart->setObjectName(QStringLiteral("chart"));
    else m_form.setChartMissing(OwnTextIn(OwnText::ChartModuleMissing, s.texts).arg(kChartModuleName));

    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_binder.bind(c.status, m_status);
    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("saveChart"));
    save->setAutoDefault(false);
    m_binder.bind(c.save, save);
    auto* print = new QPushButton(this);
    print->setObjectName(QStringLiteral("printChart"));
    print->setAutoDefault(false);
    m_binder.bind(c.print, print);
    connect(save, &QPushButton::clicked, this, &ProgressView::saveClicked);
    connect(print, &QPushButton::clicked, this, &ProgressView::printClicked);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(save);
    bottom->addWidget(print);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    if (m_chart) layout->addWidget(m_chart, 1);
    else layout->addStretch(1);
    layout->addLayout(bottom);
    sync();
}

void ProgressView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_form.loaded()) return;
    m_form.Load();
    sync();
}

void ProgressView::fillCombo(QComboBox* combo, const QStringList& items, int current) {
    const QSignalBlocker quiet(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(current);
}

void ProgressView::sync() {
    const ProgressControls& c = m_form.controls();
    fillCombo(m_name, c.names, c.name);
    fillCombo(m_size, c.sizes, c.size);
    fillCombo(m_type, c.types, c.type);
    fillCombo(m_measure, c.measures, c.measure);
    m_binder.sync();
    if (m_chart) m_chart->showPlot(m_form.plot());
}

void ProgressView::saveClicked() {
    const auto own = [this](OwnText t) { return OwnTextIn(t, m_state.texts); };
    const QString png = own(OwnText::PngImageFilter);
    const QString svg = own(OwnText::SvgImageFilter);
    QFileDialog dialog(this, own(OwnText::SaveChartTitle), m_startFolder, png + QStringLiteral(";;") + svg);
    dialog.setObjectName(QStringLiteral("saveChartDialog"));
    // The game's own dialog on every desktop, as its list-file dialog is.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& filter) {
        dialog.setDefaultSuffix(filter == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog.selectFile(own(OwnText::ChartFileName) + QStringLiteral(".png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString path = dialog.selectedFiles().constFirst();
    // A name that ends in neither gets the ending of the chosen kind.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) path += QLatin1Char('.') + dialog.defaultSuffix();
    saveChart(path);
}

bool ProgressView::saveChart(const QString& path) {
    if (!m_chart) return false;
    const ChartImageFormat format = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
                                        ? ChartImageFormat::Svg
                                        : ChartImageFormat::Png;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && m_chart->saveImage(file, format) && file.commit()) return true;
    file.cancelWriting();
    MessageRequest request;
    request.text = OwnTextIn(OwnText::ChartNotSaved, m_state.texts).arg(QDir::toNativeSeparators(path));
    request.icon = MsgIcon::Critical;
    m_platform.messageBox.show(request);
    return false;
}

void ProgressView::printClicked() {
    const PrintOutcome outcome = PrintWithDialog(ModulePaths(kPrintModuleName), this, QPageLayout::Landscape,
                                                 [this](QPagedPaintDevice& sheets) { return printChart(sheets); });
    if (outcome == PrintOutcome::Failed) ShowMessage(m_state, m_platform, kPrinterError, MsgIcon::Critical);
}

bool ProgressView::printChart(QPagedPaintDevice& sheets) {
    if (!m_chart) return false;
    QPainter painter;
    if (!painter.begin(&sheets)) return false;
    m_chart->paintChart(painter, QRectF(QPointF(0, 0), SheetSize(sheets)));
    return painter.end();
}
