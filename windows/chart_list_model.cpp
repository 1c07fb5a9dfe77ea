#include "windows/chart_list_model.h"

#include <utility>

#include "engine/text_forms.h"
#include "places/zone_texts.h"
#include "platform/qt_text.h"

namespace sternwerk {

ChartListModel::ChartListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ChartListModel::SetCharts(std::vector<Chart> charts) {
  beginResetModel();
  charts_ = std::move(charts);
  filter_ = ChartFilter(charts_);
  shown_ = filter_.Matching({});
  endResetModel();
}

void ChartListModel::Filter(std::string_view typed) {
  beginResetModel();
  shown_ = filter_.Matching(typed);
  endResetModel();
}

std::optional<Chart> ChartListModel::ChartAt(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return std::nullopt;
  return charts_[shown_[static_cast<std::size_t>(row)]];
}

std::optional<int> ChartListModel::RowOf(std::int64_t id) const {
  for (std::size_t row = 0; row < shown_.size(); ++row)
    if (charts_[shown_[row]].id == id) return static_cast<int>(row);
  return std::nullopt;
}

int ChartListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int ChartListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant ChartListModel::data(const QModelIndex& index, int role) const {
  const std::optional<Chart> chart = ChartAt(index.row());
  if (role != Qt::DisplayRole || !chart) return {};
  switch (index.column()) {
    case kNameColumn:
      return QString::fromStdString(FullName(*chart));
    case kInstantColumn:
      return TypedInstantText(*chart);
    case kPlaceColumn:
      return ChartPlaceText(*chart);
    default:
      return {};
  }
}

QVariant ChartListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  switch (section) {
    case kNameColumn:
      return tr("Name");
    case kInstantColumn:
      return tr("Datum und Zeit");
    case kPlaceColumn:
      return tr("Ort");
    default:
      return {};
  }
}

QString TypedInstantText(const Chart& chart) {
  const std::string zone =
      chart.zoneName.empty() ? ShortOffsetText(chart.offsetSeconds) : chart.zoneName;
  return QString::fromStdString(ReadingText(chart.typed) + ' ' + zone);
}

QString ChartPlaceText(const Chart& chart) {
  const ChartPlace& place = chart.place;
  if (place.name.empty())
    return FromWindows1252(
        FormatPlace(place.longitude, place.latitude, place.longitude < 0, place.latitude < 0));
  QString text = QString::fromStdString(place.name);
  if (!place.country.empty()) text += QStringLiteral(", ") + QString::fromStdString(place.country);
  return text;
}

}  // namespace sternwerk
