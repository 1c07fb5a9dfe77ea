#include "collection/chart_store.h"

#include <sqlite3.h>

#include <array>
#include <cerrno>
#include <string_view>
#include <utility>

#include "base/failure_text.h"
#include "base/system_error_text.h"

namespace sternwerk {
namespace {

// The steps that bring the tables of version N to version N + 1; the first
// creates them. A later version appends its step.
constexpr std::array<const char*, kCollectionVersion> kSchemaSteps = {
    "CREATE TABLE charts ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " first_name TEXT NOT NULL,"
    " kind TEXT NOT NULL,"          // the exchange format's letter
    " typed INTEGER NOT NULL,"      // the typed reading, seconds since 1970 as if UT
    " time_reading TEXT NOT NULL,"  // 'zone', 'mean' or 'ut'
    " offset_seconds INTEGER NOT NULL,"
    " summer_seconds INTEGER NOT NULL,"
    " zone_name TEXT NOT NULL,"
    " universal INTEGER NOT NULL,"  // seconds since 1970, Universal Time
    " place_name TEXT NOT NULL,"
    " region TEXT NOT NULL,"
    " country TEXT NOT NULL,"
    " longitude REAL NOT NULL,"
    " latitude REAL NOT NULL,"
    " time_zone TEXT NOT NULL,"
    " notes TEXT NOT NULL);"
    "CREATE INDEX charts_by_name ON charts (name COLLATE NOCASE, first_name COLLATE NOCASE);",
};

constexpr const char* kColumns =
    "name, first_name, kind, typed, time_reading, offset_seconds, summer_seconds, zone_name, "
    "universal, place_name, region, country, longitude, latitude, time_zone, notes";
constexpr int kColumnCount = 16;

// "?, ?, ..." for the columns.
std::string Placeholders() {
  std::string marks = "?";
  for (int i = 1; i < kColumnCount; ++i) marks += ", ?";
  return marks;
}

constexpr std::array<std::pair<TimeReading, const char*>, 3> kReadingNames = {{
    {TimeReading::kZoneTime, "zone"},
    {TimeReading::kMeanTime, "mean"},
    {TimeReading::kUniversal, "ut"},
}};

// One prepared statement, finalized when it goes.
class Statement {
 public:
  Statement(sqlite3* database, std::string_view sql) {
    code_ = sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()), &statement_,
                               nullptr);
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // SQLITE_OK after a good preparation, else its failure.
  int prepared() const { return code_; }
  sqlite3_stmt* get() const { return statement_; }

  void Text(int column, const std::string& text) {
    sqlite3_bind_text(statement_, column, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
  }
  void Number(int column, std::int64_t value) { sqlite3_bind_int64(statement_, column, value); }
  void Real(int column, double value) { sqlite3_bind_double(statement_, column, value); }

  std::string TextAt(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    return text == nullptr
               ? std::string()
               : std::string(reinterpret_cast<const char*>(text),
                             static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
  }
  std::int64_t NumberAt(int column) const { return sqlite3_column_int64(statement_, column); }
  double RealAt(int column) const { return sqlite3_column_double(statement_, column); }

 private:
  sqlite3_stmt* statement_ = nullptr;
  int code_ = SQLITE_OK;
};

int Execute(sqlite3* database, const char* sql) {
  return sqlite3_exec(database, sql, nullptr, nullptr, nullptr);
}

std::string FileName(const std::filesystem::path& file) {
  return file.string();
}

// The sentence for a failed operation on the collection in `file`.
std::string StoreFailure(sqlite3* database, const std::filesystem::path& file, int code) {
  const int systemError = database == nullptr ? 0 : sqlite3_system_errno(database);
  const std::string detail = database == nullptr ? sqlite3_errstr(code) : sqlite3_errmsg(database);
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return WithArguments(
          CollectionText(QT_TRANSLATE_NOOP(
              "sternwerk::Collection",
              "Die Horoskop-Sammlung %1 ist gesperrt: Ein anderes Programm schreibt gerade "
              "hinein. Bitte etwas später noch einmal versuchen; es ging nichts verloren.")),
          {FileName(file)});
    case SQLITE_NOTADB:
      return WithArguments(
          CollectionText(QT_TRANSLATE_NOOP(
              "sternwerk::Collection",
              "Die Datei %1 ist keine Horoskop-Sammlung (keine SQLite-Datenbank); sie bleibt, "
              "wie sie ist.")),
          {FileName(file)});
    case SQLITE_CORRUPT:
      return WithArguments(
          CollectionText(QT_TRANSLATE_NOOP(
              "sternwerk::Collection",
              "Die Horoskop-Sammlung %1 ist beschädigt (%2). Sie bleibt, wie sie ist; bitte "
              "eine Sicherungskopie einsetzen.")),
          {FileName(file), detail});
    case SQLITE_FULL:
      return FailureText(FileName(file), kWritten, SystemErrorText(ENOSPC));
    case SQLITE_CANTOPEN:
      return FailureText(FileName(file), kOpened,
                         systemError != 0 ? SystemErrorText(systemError) : detail);
    case SQLITE_READONLY:
    case SQLITE_PERM:
      return FailureText(FileName(file), kWritten, SystemErrorText(EACCES));
    case SQLITE_IOERR:
      return FailureText(FileName(file), kWritten,
                         systemError != 0 ? SystemErrorText(systemError) : detail);
    default:
      return WithArguments(
          CollectionText(QT_TRANSLATE_NOOP(
              "sternwerk::Collection", "Die Horoskop-Sammlung %1 kann nicht benutzt werden: %2")),
          {FileName(file), detail});
  }
}

// The version of the file's tables; a file with tables of another program
// is refused.
Outcome<int> TableVersion(sqlite3* database, const std::filesystem::path& file) {
  Statement version(database, "PRAGMA user_version");
  int code = version.prepared();
  if (code == SQLITE_OK) code = sqlite3_step(version.get());
  if (code != SQLITE_ROW) return Outcome<int>::Failure(StoreFailure(database, file, code));
  const int found = static_cast<int>(version.NumberAt(0));
  if (found > 0) return Outcome<int>::Success(found);
  Statement tables(database, "SELECT count(*) FROM sqlite_schema");
  code = tables.prepared();
  if (code == SQLITE_OK) code = sqlite3_step(tables.get());
  if (code != SQLITE_ROW) return Outcome<int>::Failure(StoreFailure(database, file, code));
  if (tables.NumberAt(0) != 0)
    return Outcome<int>::Failure(WithArguments(
        CollectionText(QT_TRANSLATE_NOOP(
            "sternwerk::Collection",
            "Die Datei %1 ist eine SQLite-Datenbank, aber keine Horoskop-Sammlung; sie bleibt, "
            "wie sie ist.")),
        {FileName(file)}));
  return Outcome<int>::Success(0);
}

// Damage the file shows at once: a page that cannot be read, a broken index.
Status CheckIntact(sqlite3* database, const std::filesystem::path& file) {
  Statement check(database, "PRAGMA quick_check");
  int code = check.prepared();
  if (code == SQLITE_OK) code = sqlite3_step(check.get());
  if (code != SQLITE_ROW) return Status::Failure(StoreFailure(database, file, code));
  const std::string verdict = check.TextAt(0);
  if (verdict == "ok") return Status::Success();
  return Status::Failure(WithArguments(
      CollectionText(QT_TRANSLATE_NOOP(
          "sternwerk::Collection",
          "Die Horoskop-Sammlung %1 ist beschädigt (%2). Sie bleibt, wie sie ist; bitte "
          "eine Sicherungskopie einsetzen.")),
      {FileName(file), verdict}));
}

std::string NewerVersion(const std::filesystem::path& file, int version) {
  return WithArguments(
      CollectionText(QT_TRANSLATE_NOOP(
          "sternwerk::Collection",
          "Die Horoskop-Sammlung %1 stammt von einer neueren Version von Sternwerk "
          "(Version %2 der Tabellen, diese kennt %3); sie bleibt, wie sie ist.")),
      {FileName(file), std::to_string(version), std::to_string(kCollectionVersion)});
}

// Brings the tables to this program's version in one transaction.
Status UpToDate(sqlite3* database, const std::filesystem::path& file) {
  Outcome<int> version = TableVersion(database, file);
  if (!version.ok()) return Status::Failure(version.error());
  if (version.value() == kCollectionVersion) return Status::Success();
  int code = Execute(database, "BEGIN IMMEDIATE");
  if (code != SQLITE_OK) return Status::Failure(StoreFailure(database, file, code));
  // Another program may have brought them up to date meanwhile.
  version = TableVersion(database, file);
  for (int step = version.ok() ? version.value() : kCollectionVersion;
       step < kCollectionVersion && code == SQLITE_OK; ++step) {
    code = Execute(database, kSchemaSteps[static_cast<std::size_t>(step)]);
  }
  if (version.ok() && version.value() > kCollectionVersion) {
    Execute(database, "ROLLBACK");
    return Status::Failure(NewerVersion(file, version.value()));
  }
  if (code == SQLITE_OK)
    code =
        Execute(database, ("PRAGMA user_version = " + std::to_string(kCollectionVersion)).c_str());
  if (code == SQLITE_OK && version.ok()) code = Execute(database, "COMMIT");
  if (code == SQLITE_OK && version.ok()) return Status::Success();
  const std::string failure = version.ok() ? StoreFailure(database, file, code) : version.error();
  Execute(database, "ROLLBACK");
  return Status::Failure(failure);
}

const char* ReadingName(TimeReading reading) {
  for (const auto& [value, name] : kReadingNames)
    if (value == reading) return name;
  return "ut";
}

void BindChart(Statement& statement, const Chart& chart) {
  int column = 1;
  statement.Text(column++, chart.name);
  statement.Text(column++, chart.firstName);
  statement.Text(column++, std::string(1, KindLetter(chart.kind)));
  statement.Number(column++,
                   ClockSecondsOf(chart.typed.day, chart.typed.month, chart.typed.year, 0) +
                       chart.typed.secondOfDay);
  statement.Text(column++, ReadingName(chart.reading));
  statement.Number(column++, chart.offsetSeconds);
  statement.Number(column++, chart.summerSeconds);
  statement.Text(column++, chart.zoneName);
  statement.Number(column++, chart.universal);
  statement.Text(column++, chart.place.name);
  statement.Text(column++, chart.place.region);
  statement.Text(column++, chart.place.country);
  statement.Real(column++, chart.place.longitude);
  statement.Real(column++, chart.place.latitude);
  statement.Text(column++, chart.place.timeZone);
  statement.Text(column++, chart.notes);
}

// The chart of a row "id, kColumns"; a row no program of ours wrote is a
// failure naming it.
Outcome<Chart> RowChart(const Statement& row, const std::filesystem::path& file) {
  Chart chart;
  int column = 0;
  chart.id = row.NumberAt(column++);
  chart.name = row.TextAt(column++);
  chart.firstName = row.TextAt(column++);
  const std::string kind = row.TextAt(column++);
  chart.kind = KindOfLetter(kind.size() == 1 ? kind[0] : '*');
  chart.typed = ReadingOf(row.NumberAt(column++));
  const std::string reading = row.TextAt(column++);
  bool knownReading = false;
  for (const auto& [value, name] : kReadingNames) {
    if (reading == name) chart.reading = value, knownReading = true;
  }
  chart.offsetSeconds = static_cast<int>(row.NumberAt(column++));
  chart.summerSeconds = static_cast<int>(row.NumberAt(column++));
  chart.zoneName = row.TextAt(column++);
  chart.universal = row.NumberAt(column++);
  chart.place.name = row.TextAt(column++);
  chart.place.region = row.TextAt(column++);
  chart.place.country = row.TextAt(column++);
  chart.place.longitude = row.RealAt(column++);
  chart.place.latitude = row.RealAt(column++);
  chart.place.timeZone = row.TextAt(column++);
  chart.notes = row.TextAt(column++);
  Status checked = CheckChart(chart);
  if (checked.ok() && !knownReading)
    checked = Status::Failure(CollectionText(
        QT_TRANSLATE_NOOP("sternwerk::Collection", "Die Art der Zeitangabe ist unbekannt.")));
  if (checked.ok()) return Outcome<Chart>::Success(std::move(chart));
  return Outcome<Chart>::Failure(WithArguments(
      CollectionText(QT_TRANSLATE_NOOP(
          "sternwerk::Collection", "Das Horoskop Nr. %1 in der Sammlung %2 ist beschädigt: %3")),
      {std::to_string(chart.id), FileName(file), checked.error()}));
}

}  // namespace

Outcome<ChartStore> ChartStore::Open(const std::filesystem::path& file, int busyMilliseconds) {
  sqlite3* database = nullptr;
  const int opened =
      sqlite3_open_v2(file.c_str(), &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  ChartStore store(database, file);
  if (opened != SQLITE_OK)
    return Outcome<ChartStore>::Failure(StoreFailure(database, file, opened));
  sqlite3_busy_timeout(database, busyMilliseconds);
  // A file that is no collection of ours is only read, never changed.
  Status ready = CheckIntact(database, file);
  const Outcome<int> version = ready.ok() ? TableVersion(database, file) : Outcome<int>::Success(0);
  if (!version.ok()) ready = Status::Failure(version.error());
  if (ready.ok() && version.value() > kCollectionVersion)
    ready = Status::Failure(NewerVersion(file, version.value()));
  if (!ready.ok()) return Outcome<ChartStore>::Failure(ready.error());
  // Write-ahead logging lets readers and one writer work at once; a full
  // sync at every commit keeps each committed chart through a power loss.
  for (const char* setting : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
    const int code = Execute(database, setting);
    if (code != SQLITE_OK) return Outcome<ChartStore>::Failure(StoreFailure(database, file, code));
  }
  ready = UpToDate(database, file);
  if (!ready.ok()) return Outcome<ChartStore>::Failure(ready.error());
  return Outcome<ChartStore>::Success(std::move(store));
}

ChartStore::ChartStore(sqlite3* database, std::filesystem::path file)
    : database_(database), file_(std::move(file)) {}

ChartStore::ChartStore(ChartStore&& other) noexcept
    : database_(std::exchange(other.database_, nullptr)), file_(std::move(other.file_)) {}

ChartStore& ChartStore::operator=(ChartStore&& other) noexcept {
  if (this != &other) {
    sqlite3_close(database_);
    database_ = std::exchange(other.database_, nullptr);
    file_ = std::move(other.file_);
  }
  return *this;
}

ChartStore::~ChartStore() {
  sqlite3_close(database_);
}

Status ChartStore::Changed(const std::function<int()>& change) {
  int code = Execute(database_, "BEGIN IMMEDIATE");
  if (code == SQLITE_OK) code = change();
  if (code == SQLITE_OK || code == SQLITE_DONE) code = Execute(database_, "COMMIT");
  if (code == SQLITE_OK) return Status::Success();
  const std::string failure = StoreFailure(database_, file_, code);
  if (!sqlite3_get_autocommit(database_)) Execute(database_, "ROLLBACK");
  return Status::Failure(failure);
}

Outcome<std::int64_t> ChartStore::Add(const Chart& chart) {
  const Status added = AddAll({chart});
  if (!added.ok()) return Outcome<std::int64_t>::Failure(added.error());
  return Outcome<std::int64_t>::Success(sqlite3_last_insert_rowid(database_));
}

Status ChartStore::AddAll(const std::vector<Chart>& charts) {
  for (const Chart& chart : charts) {
    const Status checked = CheckChart(chart);
    if (!checked.ok()) return checked;
  }
  const std::string sql =
      std::string("INSERT INTO charts (") + kColumns + ") VALUES (" + Placeholders() + ")";
  return Changed([&] {
    Statement insert(database_, sql);
    if (insert.prepared() != SQLITE_OK) return insert.prepared();
    for (const Chart& chart : charts) {
      BindChart(insert, chart);
      const int code = sqlite3_step(insert.get());
      if (code != SQLITE_DONE) return code;
      sqlite3_reset(insert.get());
    }
    return SQLITE_OK;
  });
}

Status ChartStore::Update(const Chart& chart) {
  const Status checked = CheckChart(chart);
  if (!checked.ok()) return checked;
  bool found = false;
  const Status changed = Changed([&] {
    Statement update(database_, std::string("UPDATE charts SET (") + kColumns + ") = (" +
                                    Placeholders() + ") WHERE id = ?");
    if (update.prepared() != SQLITE_OK) return update.prepared();
    BindChart(update, chart);
    update.Number(kColumnCount + 1, chart.id);
    const int code = sqlite3_step(update.get());
    found = sqlite3_changes(database_) == 1;
    return code;
  });
  if (changed.ok() && !found)
    return Status::Failure(CollectionText(QT_TRANSLATE_NOOP(
        "sternwerk::Collection",
        "Das Horoskop ist nicht mehr in der Sammlung; ein anderes Programm hat es gelöscht.")));
  return changed;
}

Status ChartStore::Delete(std::int64_t id) {
  return Changed([&] {
    Statement erase(database_, "DELETE FROM charts WHERE id = ?");
    if (erase.prepared() != SQLITE_OK) return erase.prepared();
    erase.Number(1, id);
    return sqlite3_step(erase.get());
  });
}

Outcome<std::vector<Chart>> ChartStore::All() const {
  Statement select(database_, std::string("SELECT id, ") + kColumns +
                                  " FROM charts ORDER BY name COLLATE NOCASE, first_name "
                                  "COLLATE NOCASE, universal, id");
  int code = select.prepared();
  std::vector<Chart> charts;
  while (code == SQLITE_OK || code == SQLITE_ROW) {
    code = sqlite3_step(select.get());
    if (code != SQLITE_ROW) break;
    Outcome<Chart> chart = RowChart(select, file_);
    if (!chart.ok()) return Outcome<std::vector<Chart>>::Failure(chart.error());
    charts.push_back(std::move(chart).value());
  }
  if (code != SQLITE_DONE)
    return Outcome<std::vector<Chart>>::Failure(StoreFailure(database_, file_, code));
  return Outcome<std::vector<Chart>>::Success(std::move(charts));
}

}  // namespace sternwerk
