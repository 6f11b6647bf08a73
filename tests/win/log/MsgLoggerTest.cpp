#include <gtest/gtest.h>

#include "support/Driver.h"
#include "win/app/Application.h"
#include "win/log/MsgLogger.h"

namespace vorda::win {
namespace {

using test::FileExists;
using test::ReadFileBytes;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kSeparator = std::string(40, '-');

std::vector<std::string> Lines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t start = file.compare(0, 3, kBom) == 0 ? 3 : 0;
  while (start < file.size()) {
    auto end = file.find("\r\n", start);
    if (end == std::string::npos) end = file.size();
    lines.push_back(file.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The message of an event line (after "yyyymmdd hhnnss.zzz: ").
std::string Message(const std::string& line) { return line.size() >= 21 ? line.substr(21) : std::string{}; }

class MsgLoggerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test::AppDataFolder() + L"Solvane\\";
    log_ = folder_ + L"win_log_tests.log";
    Clean();
  }
  void TearDown() override { Clean(); }
  void Clean() {
    for (const std::wstring& f : {log_, folder_ + L"win_log_tests.bak", log_ + L"1", log_ + L"2"}) {
      ::SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(f.c_str());
    }
  }
  std::wstring folder_, log_;
};

TEST_F(MsgLoggerTest, ANewFileStartsWithTheMarkTheSeparatorAndTheHeader) {
  {
    TMsgLogger logger(0, true);
    EXPECT_EQ(logger.FileName(), log_);
    logger.LogEvent(L"one\r\ntwo\nthree");
    logger.LogExecTime(L"Load", 250);
    logger.LogStream(L"raw\r\nline");
  }
  const std::string file = ReadFileBytes(log_);
  ASSERT_EQ(file.substr(0, 3), kBom);
  const auto lines = Lines(file);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(Message(lines[0]), kSeparator);
  std::string exe;
  for (wchar_t c : ExePath()) exe += static_cast<char>(c);
  // The test program has no version resource: the version text is empty.
  EXPECT_EQ(Message(lines[1]), "Application: [" + exe + "] Version: []");
  EXPECT_EQ(Message(lines[2]), "one--two-three");
  EXPECT_EQ(Message(lines[3]), "Load executing time: 250ms");
  EXPECT_EQ(lines[4], "raw");  // a raw line has no time stamp and no replacement
  EXPECT_EQ(lines[5], "line");
}

TEST_F(MsgLoggerTest, ASecondLoggerAppendsWithoutASecondMark) {
  { TMsgLogger logger(0, true); }
  { TMsgLogger logger(0, true); }
  const std::string file = ReadFileBytes(log_);
  EXPECT_EQ(file.find(kBom, 1), std::string::npos);
  const auto lines = Lines(file);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(Message(lines[2]), kSeparator);
}

TEST_F(MsgLoggerTest, EnablingWritesOnlyTheEnabledLine) {
  TMsgLogger logger(0, false);
  EXPECT_FALSE(logger.Enabled());
  logger.LogEvent(L"lost");
  logger.SetEnabled(true);
  logger.LogEvent(L"kept");
  logger.SetEnabled(false);
  logger.LogEvent(L"lost again");
  const auto lines = Lines(ReadFileBytes(log_));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(Message(lines[2]), "Log enabled");
  EXPECT_EQ(Message(lines[3]), "kept");
}

TEST_F(MsgLoggerTest, AFullFileMovesToTheBackupAndANewOneStartsWithTheHeader) {
  const std::wstring backup = folder_ + L"win_log_tests.bak";
  {  // an older backup is replaced
    std::FILE* f = _wfopen(backup.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    std::fputs("old backup", f);
    std::fclose(f);
  }
  TMsgLogger logger(400, true);
  int n = 0;
  while (ReadFileBytes(log_).size() <= 400) logger.LogEvent(L"line " + std::to_wstring(++n));
  const std::string full = ReadFileBytes(log_);
  logger.LogEvent(L"after");

  EXPECT_EQ(ReadFileBytes(backup), full);
  const std::string fresh = ReadFileBytes(log_);
  ASSERT_EQ(fresh.substr(0, 3), kBom);
  const auto lines = Lines(fresh);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Message(lines[0]).rfind("Application: [", 0), 0u);
  EXPECT_EQ(Message(lines[1]), "after");
}

TEST_F(MsgLoggerTest, ABackupThatCannotBeDeletedSendsTheLogToANumberedFile) {
  const std::wstring backup = folder_ + L"win_log_tests.bak";
  {
    std::FILE* f = _wfopen(backup.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
  }
  ASSERT_TRUE(::SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_READONLY));
  if (::DeleteFileW(backup.c_str())) GTEST_SKIP() << "read-only files can be deleted here";

  TMsgLogger logger(300, true);
  while (ReadFileBytes(log_).size() <= 300) logger.LogEvent(L"filler");
  logger.LogEvent(L"after");
  EXPECT_EQ(logger.FileName(), log_ + L"1");
  const auto lines = Lines(ReadFileBytes(log_ + L"1"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Message(lines[1]), "after");
  EXPECT_TRUE(FileExists(log_));
}

TEST_F(MsgLoggerTest, StartLoggerCreatesTheGlobalLogger) {
  ASSERT_TRUE(StartLogger(1000));
  ASSERT_TRUE(Logger);
  EXPECT_EQ(Logger->MaxSize(), 1000);
  LogFmt(L"Start: Ver=%d (%ls)", 3, L"x");
  Logger.reset();
  LogEvent(L"nobody hears this");  // an absent logger swallows lines
  const auto lines = Lines(ReadFileBytes(log_));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Message(lines[2]), "Start: Ver=3 (x)");
}

}  // namespace
}  // namespace vorda::win
