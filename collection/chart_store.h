// The chart collection: one SQLite database file that several programs may
// read and write at once. Every change is one transaction, so that a crash,
// a full disk or a second writer loses no chart and leaves the file valid;
// a file that is locked too long, damaged or no collection at all is a
// failure that says so, never an empty collection.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "base/outcome.h"
#include "collection/chart.h"

struct sqlite3;

namespace sternwerk {

// The collection's file in the working folder.
inline constexpr const char* kCollectionFileName = "horoskope.db";

// The version of the collection's tables this program writes; a file of a
// later version is left alone.
inline constexpr int kCollectionVersion = 1;

// How long a change waits for another program's change to end.
inline constexpr int kBusyMilliseconds = 10000;

class ChartStore {
 public:
  // Opens the collection in `file`, creating it (not its folder) where it
  // does not exist and bringing an older version's tables up to date. A
  // change waits up to `busyMilliseconds` for another program's to end.
  static Outcome<ChartStore> Open(const std::filesystem::path& file,
                                  int busyMilliseconds = kBusyMilliseconds);

  ChartStore(ChartStore&& other) noexcept;
  ChartStore& operator=(ChartStore&& other) noexcept;
  ChartStore(const ChartStore&) = delete;
  ChartStore& operator=(const ChartStore&) = delete;
  ~ChartStore();

  // Stores a new chart (its id is ignored) and gives its id.
  Outcome<std::int64_t> Add(const Chart& chart);
  // Stores all charts in one transaction: all of them or, on a failure, none.
  Status AddAll(const std::vector<Chart>& charts);
  // Replaces the stored chart of the same id; a chart no longer stored is a
  // failure.
  Status Update(const Chart& chart);
  Status Delete(std::int64_t id);

  // Every chart, by name, first name and instant.
  Outcome<std::vector<Chart>> All() const;

  const std::filesystem::path& file() const { return file_; }

 private:
  ChartStore(sqlite3* database, std::filesystem::path file);

  // Runs `change` in a transaction that takes the write lock at once;
  // `change` gives an SQLite result code.
  Status Changed(const std::function<int()>& change);

  sqlite3* database_ = nullptr;
  std::filesystem::path file_;
};

}  // namespace sternwerk
