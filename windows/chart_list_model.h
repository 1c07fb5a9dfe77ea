// The rows of the charts window's list: the charts of the collection that
// match the search text, one row each with the full name, the date and
// time as typed with their zone, and the place.
#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <string_view>
#include <vector>

#include "collection/chart.h"
#include "collection/chart_search.h"

namespace sternwerk {

class ChartListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kNameColumn, kInstantColumn, kPlaceColumn, kColumnCount };

  explicit ChartListModel(QObject* parent = nullptr);

  // The collection's charts, all of them shown.
  void SetCharts(std::vector<Chart> charts);
  // Shows the charts that match `typed` (ChartFilter), in their order.
  void Filter(std::string_view typed);

  // The chart of a shown row.
  std::optional<Chart> ChartAt(int row) const;
  // The shown row of the chart with `id`, if it is shown.
  std::optional<int> RowOf(std::int64_t id) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  std::vector<Chart> charts_;
  ChartFilter filter_{charts_};
  std::vector<std::size_t> shown_;
};

// The list's texts of a chart: "27.09.1970 11:04:00 MEZ" (the offset from
// Universal Time where no zone name was given), and the place's name with
// its country, or its coordinates where it has no name.
QString TypedInstantText(const Chart& chart);
QString ChartPlaceText(const Chart& chart);

}  // namespace sternwerk
