#include <gtest/gtest.h>

#include "core/CoreError.h"
#include "core/CoreTestSupport.h"
#include "core/CsvCodec.h"
#include "core/SettingsStore.h"
#include "core/TableFile.h"

namespace arkwell::core {
namespace {

using test::qpath;
using test::readText;
using test::writeText;

TEST(CsvCodec, EncodesCellsByTheTableFileRules) {
  struct Case {
    QString cell;
    QString encoded;
  };
  const Case cases[] = {
      {"plain", "plain"},
      {"", "\"\""},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"C:\\Data\\x", "C:\\Data\\x"},
      {"line1\r\nline2", "\"line1\x0Bline2\""},
      {" blanks ", " blanks "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(encodeCsvRow({c.cell}), c.encoded) << c.cell.toStdString();
    const auto decoded = decodeCsv(c.encoded + "\r\n");
    ASSERT_EQ(decoded.size(), 1);
    EXPECT_EQ(decoded[0], QStringList{c.cell}) << c.encoded.toStdString();
  }
  EXPECT_EQ(encodeCsvRow({"Y", "a,b", "", "x"}), "Y,\"a,b\",\"\",x");
}

TEST(CsvCodec, DamagedInputReadsWhatCanBeRead) {
  // An unbalanced quote ends at its line; ragged rows keep their own widths.
  const auto rows = decodeCsv("T1,T2,T3\r\n\"open,cell\r\nY,only two\nN,b,c,surplus\r\n");
  ASSERT_EQ(rows.size(), 4);
  EXPECT_EQ(rows[1], QStringList{"open,cell"});
  EXPECT_EQ(rows[2], QStringList({"Y", "only two"}));
  EXPECT_EQ(rows[3], QStringList({"N", "b", "c", "surplus"}));
  EXPECT_TRUE(decodeCsv("").isEmpty());
}

TEST(TableFile, RoundTripWritesCrLfAndTitleRow) {
  test::TempDir dir;
  const QString path = qpath(dir, "t.csv");
  const Table table({{"Actief", "Naam"}, {"Y", "has, comma"}, {"N", "has \"quote\""}, {"", ""}});
  saveTableFile(path, table);
  EXPECT_EQ(readText(path), "Actief,Naam\r\nY,\"has, comma\"\r\nN,\"has \"\"quote\"\"\"\r\n\"\",\"\"\r\n");
  EXPECT_EQ(loadTableFile(path), table);
  EXPECT_FALSE(loadTableFile(qpath(dir, "missing.csv")).has_value());
}

TEST(TableFile, CannotCreateNamesTheFile) {
  test::TempDir dir;
  const QString path = qpath(dir, "nofolder/t.csv");
  try {
    saveTableFile(path, Table({{"a"}}));
    FAIL() << "expected an error";
  } catch (const CoreError& e) {
    EXPECT_TRUE(e.message().startsWith("Cannot create file \"" + path + "\". ")) << e.what();
  }
}

class JobTableLoading : public ::testing::Test {
 protected:
  test::TempDir dir;
  PathRecord paths = makePathRecord("/opt/x/arkwellbackup", QString::fromStdString(dir.path()), "/nowhere");
  ProgramData data;
  void SetUp() override { test::makeFolder(paths.DataFolder.toStdString()); }
};

TEST_F(JobTableLoading, UpgradesTheLayoutsWithoutMasks) {
  writeText(paths.DiskTableFile,
            "Actief,Naam,Bron,Doel,Laatst\r\nY,Docs,/home/a,/backup,-\r\nN,Mail,/m,/b2,01 jan 2024 10:00\r\n");
  writeText(paths.FtpTableFile, "Actief,Naam,Bron,Laatst\r\nY,Web,/var/www,-\r\n");
  LoadJobTables(paths, data);
  EXPECT_EQ(data.diskJobs, Table({{"Actief", "Naam", "Bron", "", "", "Doel", "Laatst"},
                                  {"Y", "Docs", "/home/a", "*.*", "Y", "/backup", "-"},
                                  {"N", "Mail", "/m", "*.*", "Y", "/b2", "01 jan 2024 10:00"}}));
  EXPECT_EQ(data.ftpJobs,
            Table({{"Actief", "Naam", "Bron", "", "", "Laatst"}, {"Y", "Web", "/var/www", "*.*", "Y", "-"}}));
}

TEST_F(JobTableLoading, FixesColumnCountsAndKeepsDesignTablesForMissingFiles) {
  writeText(paths.DiskTableFile, "A,B,C,D,E,F,G,H\r\nY,n,s\r\n");
  writeText(paths.FtpTableFile, "");
  loadProgramData(paths, data);
  EXPECT_EQ(data.diskJobs, Table({{"A", "B", "C", "D", "E", "F", "G"}, {"Y", "n", "s", "", "", "", ""}}));
  EXPECT_EQ(data.ftpJobs, Table({ftpTableLayout().designTitles})) << "an empty file is an empty table";
  EXPECT_EQ(data.immediateJobs, immediateTableLayout().designTable());
  EXPECT_EQ(data.schedule.dataRowCount(), 3);
  EXPECT_EQ(data.schedule.columnCount(), schedule_column::Count);
}

}  // namespace
}  // namespace arkwell::core
