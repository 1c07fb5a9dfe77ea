#include "windows/chart_edit_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "windows/chart_list_model.h"

namespace sternwerk {
namespace {

struct KindChoice {
  ChartKind kind;
  const char* name;
};

// The kinds in the order the form offers them.
constexpr std::array<KindChoice, 6> kKindChoices = {{
    {ChartKind::kMale, QT_TRANSLATE_NOOP("sternwerk::ChartEditDialog", "Person, männlich")},
    {ChartKind::kFemale, QT_TRANSLATE_NOOP("sternwerk::ChartEditDialog", "Person, weiblich")},
    {ChartKind::kEvent, QT_TRANSLATE_NOOP("sternwerk::ChartEditDialog", "Ereignis")},
    {ChartKind::kCountry, QT_TRANSLATE_NOOP("sternwerk::ChartEditDialog", "Land")},
    {ChartKind::kOrganisation, QT_TRANSLATE_NOOP("sternwerk::ChartEditDialog", "Organisation")},
    {ChartKind::kUnstated, QT_TRANSLATE_NOOP("sternwerk::ChartEditDialog", "ohne Angabe")},
}};

constexpr int kNotesHeight = 90;

}  // namespace

ChartEditDialog::ChartEditDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
  nameEdit = new QLineEdit(this);
  firstNameEdit = new QLineEdit(this);
  kindBox = new QComboBox(this);
  for (const KindChoice& choice : kKindChoices)
    kindBox->addItem(tr(choice.name), static_cast<int>(choice.kind));
  notesEdit = new QPlainTextEdit(this);
  notesEdit->setTabChangesFocus(true);
  notesEdit->setMinimumHeight(kNotesHeight);
  instantLabel = new QLabel(this);
  clockInstantBox = new QCheckBox(tr("&Zeitpunkt und Ort der Uhr übernehmen"), this);
  saveButton = new QPushButton(tr("&Speichern"), this);
  cancelButton = new QPushButton(tr("&Abbrechen"), this);
  saveButton->setDefault(true);

  auto* fields = new QFormLayout;
  fields->addRow(tr("&Name:"), nameEdit);
  fields->addRow(tr("&Vorname:"), firstNameEdit);
  fields->addRow(tr("A&rt:"), kindBox);
  fields->addRow(tr("N&otizen:"), notesEdit);
  fields->addRow(tr("Zeitpunkt und Ort:"), instantLabel);
  fields->addRow(QString(), clockInstantBox);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(saveButton);
  buttons->addWidget(cancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  connect(clockInstantBox, &QCheckBox::toggled, this, &ChartEditDialog::ShowInstant);
  connect(saveButton, &QPushButton::clicked, this, &ChartEditDialog::Save);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  const std::pair<QObject*, const char*> names[] = {
      {nameEdit, "nameEdit"},         {firstNameEdit, "firstNameEdit"},
      {kindBox, "kindBox"},           {notesEdit, "notesEdit"},
      {instantLabel, "instantLabel"}, {clockInstantBox, "clockInstantBox"},
      {saveButton, "saveButton"},     {cancelButton, "cancelButton"}};
  for (const auto& [object, name] : names) object->setObjectName(QString::fromLatin1(name));
}

bool ChartEditDialog::Edit(const Chart& chart, const Chart& clockChart, const ChartSaver& save) {
  chart_ = chart;
  clockChart_ = clockChart;
  save_ = save;
  const bool stored = chart.id != 0;
  setWindowTitle(stored ? tr("Horoskop bearbeiten") : tr("Uhrzeit als Horoskop speichern"));
  nameEdit->setText(QString::fromStdString(chart.name));
  firstNameEdit->setText(QString::fromStdString(chart.firstName));
  kindBox->setCurrentIndex(kindBox->findData(static_cast<int>(chart.kind)));
  notesEdit->setPlainText(QString::fromStdString(chart.notes));
  clockInstantBox->setChecked(false);
  clockInstantBox->setVisible(stored);
  ShowInstant();
  nameEdit->setFocus();
  return exec() == QDialog::Accepted;
}

Chart ChartEditDialog::FormChart() const {
  Chart chart = clockInstantBox->isChecked() ? clockChart_ : chart_;
  chart.id = chart_.id;
  chart.name = nameEdit->text().trimmed().toStdString();
  chart.firstName = firstNameEdit->text().trimmed().toStdString();
  chart.kind = static_cast<ChartKind>(kindBox->currentData().toInt());
  chart.notes = notesEdit->toPlainText().toStdString();
  return chart;
}

void ChartEditDialog::ShowInstant() {
  const Chart shown = FormChart();
  instantLabel->setText(TypedInstantText(shown) + QStringLiteral("\n") + ChartPlaceText(shown));
}

void ChartEditDialog::Save() {
  const Chart chart = FormChart();
  if (chart.name.empty()) {
    messages_.Error(tr("Bitte geben Sie den Namen des Horoskops ein."));
    nameEdit->setFocus();
    return;
  }
  const Status saved = save_(chart);
  if (!saved.ok()) {
    messages_.Error(QString::fromStdString(saved.error()));
    return;
  }
  accept();
}

}  // namespace sternwerk
