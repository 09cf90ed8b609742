#pragma once
// The chart widget: holds a ChartModel, optionally bound to a table whose fields feed the
// series, repaints through render() and makes copies of itself for printing and the clipboard.

#include "chartmodel.h"
#include "chartrender.h"

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QWidget>

namespace zuv::core { class Table; }

namespace zuv::charts {

class Chart : public QWidget {
    Q_OBJECT
public:
    explicit Chart(QWidget* parent = nullptr);

    ChartModel& model() { return m_model; }
    const ChartModel& model() const { return m_model; }
    ChartHooks& hooks() { return m_hooks; }

    // Series read their points from this table (xField/yField) whenever it changes.
    // The chart does not own the table; nullptr unbinds.
    void bindTable(zuv::core::Table* table);
    // Re-reads the bound table into the series' points and repaints.
    void refreshFromTable();
    // Removes every point of every series.
    void clearSeries();

    ChartLayout currentLayout() const;
    // Renders the whole chart at the given size (widget size when empty).
    QImage toImage(QSize size = {}) const;
    QPicture toPicture(QSize size = {}) const;
    QByteArray toSvg(QSize size = {}) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartModel m_model;
    ChartHooks m_hooks;
    zuv::core::Table* m_table = nullptr;
};

} // namespace zuv::charts
