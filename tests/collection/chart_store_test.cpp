// The collection's file: changes kept, a writer killed in the middle of a
// save, two writers at once, and files it must not take for a collection.
#include "collection/chart_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "tests/collection/sample_charts.h"
#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

constexpr int kBatch = 25;  // charts one save of the writers below stores

class ChartStoreTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return directory_.path() / kCollectionFileName; }

  ChartStore Opened() const {
    Outcome<ChartStore> store = ChartStore::Open(File());
    if (!store.ok()) ADD_FAILURE() << store.error();
    return std::move(store).value();
  }

  std::vector<Chart> Stored() const {
    const Outcome<std::vector<Chart>> all = Opened().All();
    EXPECT_TRUE(all.ok()) << all.error();
    return all.ok() ? all.value() : std::vector<Chart>{};
  }

  // Starts a process that saves batches of kBatch charts named `name`,
  // `batches` times (forever for 0), and writes a byte to `done` after each
  // committed batch.
  pid_t StartWriter(const std::string& name, int batches, int done) const {
    const pid_t child = fork();
    if (child != 0) return child;
    Outcome<ChartStore> opened = ChartStore::Open(File());
    if (!opened.ok()) _exit(1);
    ChartStore store = std::move(opened).value();
    std::vector<Chart> batch(kBatch, testing::SampleCharts()[1]);
    for (int saved = 0; batches == 0 || saved < batches; ++saved) {
      for (Chart& chart : batch) chart.name = name;
      if (!store.AddAll(batch).ok() || write(done, "+", 1) != 1) _exit(2);
    }
    _exit(0);
  }

  testing::TemporaryDirectory directory_;
};

TEST_F(ChartStoreTest, ChangesAreKeptAcrossOpenings) {
  const std::vector<Chart> samples = testing::SampleCharts();
  std::int64_t firstId = 0;
  {
    ChartStore store = Opened();
    ASSERT_TRUE(store.AddAll(samples).ok());
    Chart bad = samples[0];
    bad.place.latitude = 95;
    const Outcome<std::int64_t> refused = store.Add(bad);
    EXPECT_FALSE(refused.ok());
    const Outcome<std::vector<Chart>> all = store.All();
    ASSERT_TRUE(all.ok());
    Chart changed = all.value().front();
    firstId = changed.id;
    changed.notes = "geändert";
    EXPECT_TRUE(store.Update(changed).ok());
    EXPECT_TRUE(store.Delete(all.value().back().id).ok());
    EXPECT_TRUE(store.Delete(all.value().back().id).ok());  // already gone: nothing to do
    changed.id = all.value().back().id;
    EXPECT_FALSE(store.Update(changed).ok());  // deleted meanwhile: said, not added again
  }
  const std::vector<Chart> stored = Stored();
  ASSERT_EQ(stored.size(), samples.size() - 1);
  // By name: Cezanne, Ferber, Mondlandung, Müller-Lüdenscheidt (Sternwarte deleted).
  EXPECT_EQ(stored.front().id, firstId);
  EXPECT_EQ(stored.front().notes, "geändert");
  Chart expected = samples[0];
  expected.id = stored[1].id;
  EXPECT_EQ(stored[1], expected);
}

// A writer killed in the middle of its saves: the file stays a valid
// collection, every save it reported is there whole, and a save under way
// is there whole or not at all.
TEST_F(ChartStoreTest, WriterKilledInTheMiddleOfSavingLosesNothingCommitted) {
  Opened();
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t writer = StartWriter("Dauerschreiber", 0, pipeEnds[1]);
  close(pipeEnds[1]);
  char byte;
  int committed = 0;
  while (committed < 20 && read(pipeEnds[0], &byte, 1) == 1) ++committed;
  kill(writer, SIGKILL);
  int status = 0;
  waitpid(writer, &status, 0);
  while (read(pipeEnds[0], &byte, 1) == 1) ++committed;
  close(pipeEnds[0]);
  ASSERT_TRUE(WIFSIGNALED(status));
  const std::size_t stored = Stored().size();
  EXPECT_GE(stored, static_cast<std::size_t>(committed * kBatch));
  EXPECT_LE(stored, static_cast<std::size_t>((committed + 1) * kBatch));
  EXPECT_EQ(stored % kBatch, 0u);
}

TEST_F(ChartStoreTest, TwoWritersAtOnceLoseNothing) {
  Opened();
  constexpr int kBatches = 40;
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t first = StartWriter("Erster", kBatches, pipeEnds[1]);
  const pid_t second = StartWriter("Zweiter", kBatches, pipeEnds[1]);
  close(pipeEnds[1]);
  for (const pid_t writer : {first, second}) {
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  close(pipeEnds[0]);
  int perName[2] = {0, 0};
  for (const Chart& chart : Stored()) ++perName[chart.name == "Erster" ? 0 : 1];
  EXPECT_EQ(perName[0], kBatches * kBatch);
  EXPECT_EQ(perName[1], kBatches * kBatch);
}

// Files that are not this program's collection, or not now: a message that
// says so, and the file as it was.
TEST_F(ChartStoreTest, ForeignDamagedAndLockedFilesAreRefusedUntouched) {
  {
    ChartStore store = Opened();
    ASSERT_TRUE(store.AddAll(testing::SampleCharts()).ok());
  }
  std::ifstream in(File(), std::ios::binary);
  const std::string collection{std::istreambuf_iterator<char>(in), {}};
  in.close();
  std::string damaged = collection;
  for (std::size_t at = 4096 + 100; at < damaged.size(); at += 7) damaged[at] = '\x5A';
  const auto sqlite = [](const std::string& sql) {
    return [sql](const std::filesystem::path& file) {
      sqlite3* database = nullptr;
      sqlite3_open(file.c_str(), &database);
      sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr);
      sqlite3_close(database);
    };
  };
  struct Case {
    const char* what;
    std::string content;  // empty: a database made by `make`
    std::function<void(const std::filesystem::path&)> make;
    const char* message;
  };
  const Case cases[] = {
      {"text", "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n", nullptr,
       "keine SQLite-Datenbank"},
      {"damaged", damaged, nullptr, "beschädigt"},
      {"foreign", "", sqlite("CREATE TABLE invoices (id INTEGER)"), "keine Horoskop-Sammlung"},
      {"newer", "", sqlite("PRAGMA user_version = 99"), "neueren Version"},
  };
  for (const Case& c : cases) {
    const std::filesystem::path file = directory_.path() / c.what;
    if (c.make) {
      c.make(file);
    } else {
      std::ofstream(file, std::ios::binary) << c.content;
    }
    std::ifstream before(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(before), {}};
    const Outcome<ChartStore> store = ChartStore::Open(file);
    ASSERT_FALSE(store.ok()) << c.what;
    EXPECT_NE(store.error().find(c.message), std::string::npos) << store.error();
    EXPECT_NE(store.error().find(file.string()), std::string::npos) << store.error();
    std::ifstream after(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), bytes) << c.what;
  }
  // Another program holds the write lock: a save waits, then says so.
  sqlite3* holder = nullptr;
  sqlite3_open(File().c_str(), &holder);
  ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  Outcome<ChartStore> opened = ChartStore::Open(File(), 50);
  ASSERT_TRUE(opened.ok()) << opened.error();
  ChartStore waiting = std::move(opened).value();
  const Outcome<std::int64_t> again = waiting.Add(testing::SampleCharts()[0]);
  ASSERT_FALSE(again.ok());
  EXPECT_NE(again.error().find("gesperrt"), std::string::npos) << again.error();
  sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(holder);
  EXPECT_TRUE(waiting.Add(testing::SampleCharts()[0]).ok());
  EXPECT_EQ(Stored().size(), testing::SampleCharts().size() + 1);
}

}  // namespace
}  // namespace sternwerk
