// The chart module's entry point, which the statistics window resolves by name.
#include "results/chart/ProgressChartView.h"

extern "C" Q_DECL_EXPORT ProgressChart* zkCreateProgressChart(QWidget* parent) { return new ProgressChartView(parent); }
