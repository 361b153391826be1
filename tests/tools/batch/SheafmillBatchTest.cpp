// sheafmill-batch as a process over the real window, driver and authoring applications, with
// the tool's test-only office standing in for LibreOffice.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/driver/DriverInstaller.h"
#include "platform/driver/DriverNames.h"
#include "platform/printing/Printers.h"
#include "platform/registry/RegistryStore.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TempDir.h"
#include "tests/tools/batch/BatchProcess.h"

namespace {

namespace fs = std::filesystem;
using platform::RegValue;
using platform::driver::SettingsKey;
using testsupport::BatchProcess;
using testsupport::BatchResult;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class SheafmillBatchTest : public testing::Test {
 protected:
  SheafmillBatchTest() { platform::driver::Install(store, printers); }

  std::map<std::string, std::string> Environment() const {
    return {{"HOME", home.string()},
            {"XDG_CONFIG_HOME", (home / ".config").string()},
            {"SHEAFMILL_PROFILE", profile.string()},
            {"TMPDIR", tmp.string()},
            {"SHEAFMILL_TEST_SCRIPTED_HOSTS", "1"}};
  }
  BatchResult Batch(const std::vector<std::string>& args) const {
    return testsupport::RunBatch(args, Environment());
  }
  // A document in the folder C:\DOCS (the home folder is drive C:).
  void Doc(const std::string& name, const std::string& text) const {
    temp.WriteFile("home/docs/" + name, text);
  }
  std::optional<RegValue> DriverValue(const std::string& name) const {
    return store.GetValue(SettingsKey, name);
  }
  static std::vector<std::string> Files(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  testsupport::TempDir temp;
  fs::path home = temp.MakeDir("home");
  fs::path docs = temp.MakeDir("home/docs");
  fs::path tmp = temp.MakeDir("tmp");
  fs::path profile = temp.Path() / "profile";
  platform::RegistryStore store{profile};
  platform::Printers printers{store};
};

TEST_F(SheafmillBatchTest, WrongUsageExplainsItselfAndExitsWith2) {
  const BatchResult bare = Batch({});
  EXPECT_EQ(bare.exitStatus, 2);
  EXPECT_TRUE(bare.err.starts_with("usage: sheafmill-batch")) << bare.err;
  EXPECT_EQ(bare.out, "");

  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--bogus", docs.string()}, "unknown option --bogus"},
      {{"--types", "doc,pdf", docs.string()}, "unknown type \"pdf\" in --types"},
      {{"--types=", docs.string()}, "--types needs at least one of doc,xls,ppt,txt,rtf,htm,cad"},
      {{docs.string(), "--title"}, "--title needs a value"},
      {{"--keep-existing=yes", docs.string()}, "--keep-existing takes no value"},
      {{docs.string(), "a", "b"}, "too many folders: \"b\""},
      {{"--author", "Ann"}, "no SOURCE folder was given"},
      {{(docs / "missing").string()},
       "the folder " + (docs / "missing").string() + " does not exist"},
      {{"C:\\nowhere"}, "the folder C:\\nowhere does not exist"},
      {{"--report", (docs / "no" / "r.csv").string(), docs.string()},
       "cannot write the report " + (docs / "no" / "r.csv").string() +
           ": No such file or directory"},
      {{"--report=", docs.string()}, "--report needs a file name (- for standard output)"},
      {{"--jobs", "0", docs.string()}, "--jobs needs a number of offices from 1 to 9999, or auto"},
      {{"--jobs", "-1", docs.string()}, "--jobs needs a number of offices from 1 to 9999, or auto"},
      {{"--jobs=two", docs.string()}, "--jobs needs a number of offices from 1 to 9999, or auto"},
      {{docs.string(), "--jobs"}, "--jobs needs a value"},
      {{"--recursive", docs.string(), (docs / "pdf").string()},
       "the DESTINATION " + (docs / "pdf").string() + " lies inside SOURCE " + docs.string() +
           "; with --recursive it must lie outside"},
  };
  for (const auto& [args, message] : cases) {
    const BatchResult result = Batch(args);
    EXPECT_EQ(result.exitStatus, 2) << message;
    EXPECT_TRUE(result.err.starts_with("sheafmill-batch: " + message)) << result.err;
    EXPECT_TRUE(Contains(result.err, "\nusage: sheafmill-batch")) << result.err;
    EXPECT_EQ(result.out, "");
  }
  Doc("a.txt", "text");
  const BatchResult file = Batch({"--recursive", (docs / "a.txt").string()});
  EXPECT_EQ(file.exitStatus, 2);
  EXPECT_TRUE(
      file.err.starts_with("sheafmill-batch: " + (docs / "a.txt").string() + " is not a folder\n"))
      << file.err;
  // Nothing was started: no file appeared anywhere, no folder was made.
  EXPECT_EQ(Files(docs), std::vector<std::string>{"a.txt"});

  const BatchResult help = Batch({"--help", "ignored"});
  EXPECT_EQ(help.exitStatus, 0);
  for (const char* option :
       {"--keep-existing", "--keep-going", "--recursive", "--report", "--jobs"}) {
    EXPECT_TRUE(Contains(help.out, option)) << help.out;
  }
  EXPECT_TRUE(Contains(help.out, "Exit status:")) << help.out;
  EXPECT_EQ(help.err, "");
}

TEST_F(SheafmillBatchTest, ARunConvertsTheDefaultTypesBesideTheSourcesAndPrintsEveryStatusChange) {
  Doc("a.txt", "plain text");
  Doc("b.rtf", "{\\rtf1 rich text}");
  Doc("sheet.xls", "<html><table><tr><td>1</td></tr></table></html>");  // not ticked
  const BatchResult result = Batch({docs.string()});

  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out,
            "Preparing for Batch Conversion ...\n"
            "Please wait ....\n"
            "Batch Conversion Initialization: OK!\n"
            "Ready to process files.\n"
            "Batch Conversion Task: 1/2 files\n"
            "Converting a.txt ....\n"
            "C:\\docs\\a.txt Converted OK!\n"
            "Batch Conversion Task: 2/2 files\n"
            "Converting b.rtf ....\n"
            "C:\\docs\\b.rtf Converted OK!\n"
            "Task Complete.\n"
            "Done.\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(Files(docs),
            (std::vector<std::string>{"a.pdf", "a.txt", "b.pdf", "b.rtf", "sheet.xls"}));
  EXPECT_EQ(testsupport::PdfPageCount(docs / "a.pdf"), 1);
  // The run switched the driver's automatic output off again.
  EXPECT_EQ(DriverValue("AutomaticOutput"), RegValue::Dword(0));
  EXPECT_EQ(DriverValue("AutomaticPath"), RegValue::String(""));
  EXPECT_TRUE(fs::is_empty(tmp));
}

TEST_F(SheafmillBatchTest, OnATerminalTheStatusIsOneLineRewrittenInPlaceAndFinishedFilesStay) {
  Doc("a.txt", "plain text");
  const std::vector<std::string> args{"--types", "txt", docs.string()};
  BatchProcess wide(args, Environment(), {100});
  const BatchResult result = wide.Finish();
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  // Each line is rewritten from its start with the rest of the old one cleared, after the
  // progress bar; the terminal ends lines with CR LF.
  EXPECT_EQ(
      result.out,
      "\r[....................] 0/1  Preparing for Batch Conversion ...\033[K"
      "\r[....................] 0/1  Preparing for Batch Conversion ...  Please wait ....\033[K"
      "\r[....................] 0/1  Batch Conversion Initialization: OK!  Please wait ....\033[K"
      "\r[....................] 0/1  Batch Conversion Initialization: OK!  Ready to process "
      "files.\033[K"
      "\r[....................] 0/1  Batch Conversion Task: 1/1 files  Ready to process "
      "files.\033[K"
      "\r[....................] 0/1  Batch Conversion Task: 1/1 files  Converting a.txt "
      "....\033[K\r\n"
      "C:\\docs\\a.txt Converted OK!\r\n"
      "\r[####################] 1/1  Task Complete.\033[K"
      "\r[####################] 1/1  Task Complete.  Done.\033[K\r\n");
  // With documents still to come the bar tells the time left.
  Doc("b.txt", "plain text");
  Doc("c.txt", "plain text");
  const std::string three = BatchProcess(args, Environment(), {120}).Finish().out;
  EXPECT_TRUE(Contains(three, "\r[######..............] 1/3 0:")) << three;
  EXPECT_TRUE(Contains(three, " left  Batch Conversion Task: 2/3 files")) << three;
  // The lines of two workers pass through their parent, under one bar of all the documents
  // (how far it has come when a line shows depends on when the parent looks).
  const std::vector<std::string> two{"--jobs", "2", "--types", "txt", docs.string()};
  const std::string parallel = BatchProcess(two, Environment(), {120}).Finish().out;
  EXPECT_TRUE(std::regex_search(
      parallel, std::regex(R"(\r\[[#.]{20}\] [0-3]/3 [^\r]*Preparing for Batch Conversion)")))
      << parallel;
  for (const std::string name : {"a", "b", "c"}) {
    EXPECT_TRUE(Contains(parallel, "\r\nC:\\docs\\" + name + ".txt Converted OK!\r\n")) << parallel;
  }
  EXPECT_TRUE(Contains(parallel, "\r[####################] 3/3  Done.\033[K\r\n")) << parallel;

  // A narrow terminal gets the lines cut short, so that they never wrap, and no bar.
  BatchProcess narrow(args, Environment(), {24});
  const std::string out = narrow.Finish().out;
  EXPECT_NE(out.find("\rBatch Conversion Task: \033[K"), std::string::npos) << out;
  EXPECT_NE(out.find("\rTask Complete.  Done.\033[K"), std::string::npos) << out;
}

TEST_F(SheafmillBatchTest, TypesTickExactlyTheirBoxesAndADestinationIsCreatedWhenMissing) {
  Doc("a.txt", "plain text");
  Doc("page.htm", "<html><body>web</body></html>");
  Doc("sheet.xls", "<html><table><tr><td>1</td></tr></table></html>");
  Doc("b.rtf", "{\\rtf1 rich text}");
  const fs::path out = temp.Path() / "home" / "out" / "pdf";
  const BatchResult result = Batch({"--types", "xls,htm", docs.string(), out.string()});

  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(Files(out), (std::vector<std::string>{"page.pdf", "sheet.pdf"}));
  // Excel's pass comes before the web pages', whatever the order of the list.
  EXPECT_LT(result.out.find("Converting sheet.xls"), result.out.find("Converting page.htm"));
  EXPECT_FALSE(Contains(result.out, "a.txt"));

  // A drive path names the same folders.
  const BatchResult again = Batch({"--types=txt", "C:\\DOCS", "c:/out/pdf"});
  EXPECT_EQ(again.exitStatus, 0) << again.err;
  EXPECT_TRUE(Contains(again.out, "C:\\docs\\a.txt Converted OK!")) << again.out;
  EXPECT_EQ(Files(out), (std::vector<std::string>{"a.pdf", "page.pdf", "sheet.pdf"}));
}

TEST_F(SheafmillBatchTest, AFailingFileEndsTheRunWithItsMessageOnStandardErrorAndExit1) {
  Doc("a.txt", "plain text");
  Doc("b.txt", "unreadable text");
  Doc("c.txt", "never reached");
  const BatchResult result = Batch({"--types", "txt", docs.string()});

  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err,
            "C:\\docs\\b.txt conversion failed!\n"
            "C:\\docs\\b.txt is damaged or not a Word document\n");
  EXPECT_TRUE(Contains(result.out, "C:\\docs\\a.txt Converted OK!\nBatch Conversion Task: 2/3"))
      << result.out;
  EXPECT_FALSE(Contains(result.out, "c.txt")) << result.out;
  EXPECT_EQ(Files(docs), (std::vector<std::string>{"a.pdf", "a.txt", "b.txt", "c.txt"}));
  // Closing the window after the failed run switched the driver off all the same.
  EXPECT_EQ(DriverValue("AutomaticOutput"), RegValue::Dword(0));
}

TEST_F(SheafmillBatchTest, KeepGoingConvertsPastAFailureAndTheReportListsEveryDocument) {
  Doc("a.txt", "plain text");
  Doc("b.txt", "unreadable text");
  Doc("c, d.txt", "plain text");
  const fs::path report = temp.Path() / "report.csv";
  const BatchResult result =
      Batch({"--keep-going", "--report", report.string(), "--types", "txt", docs.string()});

  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err,
            "C:\\docs\\b.txt conversion failed!\n"
            "C:\\docs\\b.txt is damaged or not a Word document\n");
  EXPECT_TRUE(Contains(result.out, "C:\\docs\\c, d.txt Converted OK!\n")) << result.out;
  EXPECT_TRUE(result.out.ends_with("Task Complete.\nDone.\n2 converted, 1 failed.\n"))
      << result.out;
  EXPECT_EQ(Files(docs),
            (std::vector<std::string>{"a.pdf", "a.txt", "b.txt", "c, d.pdf", "c, d.txt"}));
  // One row per document in the order of the run; quoted where a field needs it.
  const std::string csv = testsupport::ReadFile(report);
  const std::string a = (docs / "a").string();
  const std::string b = (docs / "b").string();
  const std::string c = (docs / "c, d").string();
  const std::regex rows("source,pdf,status,reason,pages,seconds\r\n" + a + "\\.txt," + a +
                        "\\.pdf,converted,,1,[0-9]+\\.[0-9]{2}\r\n" + b + "\\.txt,,failed," +
                        "C:\\\\docs\\\\b\\.txt is damaged or not a Word document,,[0-9.]+\r\n\"" +
                        c + "\\.txt\",\"" + c + "\\.pdf\",converted,,1,[0-9.]+\r\n");
  EXPECT_TRUE(std::regex_match(csv, rows)) << csv;

  // Without --keep-going the failure ends the run; the report on standard output lists what
  // it left out, and the status lines go to standard error.
  fs::remove(docs / "a.pdf");
  const BatchResult stopped = Batch({"--report", "-", "--types", "txt", docs.string()});
  EXPECT_EQ(stopped.exitStatus, 1);
  EXPECT_TRUE(std::regex_match(
      stopped.out,
      std::regex("source,pdf,status,reason,pages,seconds\r\n" + a + ".*,converted,.*\r\n" + b +
                 ".*,failed,.*\r\n\"" + c + "\\.txt\",,skipped,,,\r\n")))
      << stopped.out;
  EXPECT_TRUE(Contains(stopped.err, "C:\\docs\\a.txt Converted OK!\n")) << stopped.err;
}

TEST_F(SheafmillBatchTest, RecursiveConvertsEveryFolderIntoItsPlaceButHiddenOnesAndLinksOut) {
  Doc("a.txt", "plain text");
  Doc("sub/b.txt", "plain text");
  Doc("sub/deeper/c.txt", "plain text");
  Doc(".hidden/h.txt", "plain text");
  Doc("empty/notes.xls", "not ticked");
  temp.WriteFile("home/outside/o.txt", "plain text");
  fs::create_directory_symlink(home / "outside", docs / "away");
  fs::create_directory_symlink(docs, docs / "sub" / "loop");
  const fs::path out = home / "pdf";
  const BatchResult result = Batch({"--recursive", "--types", "txt", docs.string(), out.string()});

  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(Files(out), (std::vector<std::string>{"a.pdf", "sub"}));
  EXPECT_EQ(Files(out / "sub"), (std::vector<std::string>{"b.pdf", "deeper"}));
  EXPECT_EQ(Files(out / "sub" / "deeper"), std::vector<std::string>{"c.pdf"});
  EXPECT_EQ(Files(home / "outside"), std::vector<std::string>{"o.txt"});
  EXPECT_EQ(Files(docs / ".hidden"), std::vector<std::string>{"h.txt"});
  EXPECT_LT(result.out.find("C:\\docs\\a.txt Converted OK!"),
            result.out.find("C:\\docs\\sub\\deeper\\c.txt Converted OK!"))
      << result.out;

  // Without DESTINATION each PDF goes beside its source.
  const BatchResult beside = Batch({"--recursive", "--types", "txt", docs.string()});
  EXPECT_EQ(beside.exitStatus, 0) << beside.err;
  EXPECT_EQ(Files(docs / "sub" / "deeper"), (std::vector<std::string>{"c.pdf", "c.txt"}));
  EXPECT_TRUE(fs::exists(docs / "a.pdf"));
}

TEST_F(SheafmillBatchTest, TwoJobsWriteTheSameFilesAsOneAndLeaveNoPrivateProfileBehind) {
  // memo.rtf and memo.txt meet in memo.pdf, which is kept; memo__000.txt meets the numbered
  // name that one of them takes. A quote is a character that Windows names refuse.
  for (const char* name : {"a.txt", "b.txt", "c.rtf", "memo.rtf", "memo.txt", "memo__000.txt",
                           "say \"hi\".txt", "sub/d.txt", "sub/memo.txt"}) {
    Doc(name, fs::path(name).extension() == ".rtf" ? "{\\rtf1 plain text}" : "plain text");
  }
  Doc("e.txt", "unreadable text");
  // One office lags behind the other, as offices do.
  Doc("a.txt", "slow text");
  const auto convert = [&](const std::string& jobs, const fs::path& out) {
    temp.WriteFile(out.lexically_relative(temp.Path()) / "memo.pdf", "an old PDF");
    return Batch({"--jobs", jobs, "--keep-existing", "--keep-going", "--recursive", "--report",
                  (out.string() + ".csv"), "--types", "txt,rtf", docs.string(), out.string()});
  };
  const BatchResult one = convert("1", home / "one");
  const BatchResult two = convert("2", home / "two");

  EXPECT_EQ(one.exitStatus, 1) << one.err;
  EXPECT_EQ(two.exitStatus, 1) << two.err;
  EXPECT_EQ(two.err, one.err);
  EXPECT_TRUE(two.out.ends_with("\n9 converted, 1 failed.\n")) << two.out;
  for (const fs::path& folder : {fs::path(), fs::path("sub")}) {
    EXPECT_EQ(Files(home / "two" / folder), Files(home / "one" / folder)) << folder;
  }
  EXPECT_EQ(testsupport::ReadFile(home / "two" / "memo.pdf"), "an old PDF");
  EXPECT_EQ(Files(home / "two").size(), 9u);
  // Each document got the same PDF file's name: the reports agree but for the order of rows
  // and their times.
  const auto rows = [](const fs::path& csv, const std::string& out) {
    std::vector<std::string> lines;
    const std::regex seconds(",[0-9.]+\r$");
    std::istringstream in(testsupport::ReadFile(csv));
    for (std::string line; std::getline(in, line);) {
      lines.push_back(std::regex_replace(line, seconds, ""));
      for (size_t at; (at = lines.back().find(out)) != std::string::npos;) {
        lines.back().replace(at, out.size(), "OUT");
      }
    }
    std::sort(lines.begin() + 1, lines.end());
    return lines;
  };
  EXPECT_EQ(rows(home / "two.csv", (home / "two").string()),
            rows(home / "one.csv", (home / "one").string()));
  // The status lines and the report name the user's documents, each once.
  for (const char* name : {"a.txt", "memo__000.txt", "sub\\memo.txt"}) {
    EXPECT_TRUE(Contains(two.out, std::string("C:\\docs\\") + name + " Converted OK!\n"))
        << two.out;
  }
  const std::string csv = testsupport::ReadFile(home / "two.csv");
  EXPECT_TRUE(csv.starts_with("source,pdf,status,reason,pages,seconds\r\n")) << csv;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 11) << csv;
  EXPECT_TRUE(Contains(csv, (docs / "sub" / "memo.txt").string() + "," +
                                (home / "two" / "sub" / "memo.pdf").string() + ",converted,"))
      << csv;
  EXPECT_TRUE(Contains(csv, (docs / "e.txt").string() + ",,failed,C:\\docs\\e.txt is damaged"))
      << csv;
  EXPECT_TRUE(fs::is_empty(tmp));
  EXPECT_EQ(DriverValue("AutomaticOutput"), RegValue::Dword(0));

  // A folder without documents is converted as by one office.
  const fs::path empty = temp.MakeDir("home/empty");
  const BatchResult none = Batch({"--jobs", "2", empty.string()});
  EXPECT_EQ(none.exitStatus, 0) << none.err;
  EXPECT_EQ(none.out, Batch({empty.string()}).out);
  EXPECT_TRUE(none.out.ends_with("Task Complete.\nDone.\n")) << none.out;
}

TEST_F(SheafmillBatchTest, CtrlCStopsEveryJobAfterItsCurrentDocument) {
  for (const char* name : {"s1.txt", "s2.txt", "t1.txt", "t2.txt", "u1.txt", "u2.txt"}) {
    Doc(name, "slow text");
  }
  BatchProcess batch({"--jobs", "2", "--types", "txt", docs.string()}, Environment());
  ASSERT_TRUE(batch.WaitFor("Converting s1.txt")) << batch.SoFar().out;
  ASSERT_TRUE(batch.WaitFor("Converting s2.txt")) << batch.SoFar().out;
  batch.Signal(SIGINT);
  const BatchResult result = batch.Finish();

  EXPECT_EQ(result.exitStatus, 130) << result.err;
  EXPECT_TRUE(Contains(result.out, "C:\\docs\\s1.txt Converted OK!\n")) << result.out;
  EXPECT_TRUE(Contains(result.out, "C:\\docs\\s2.txt Converted OK!\n")) << result.out;
  EXPECT_FALSE(Contains(result.out, "Converting t")) << result.out;
  // The user is told once, not by every job.
  EXPECT_EQ(std::regex_replace(result.err, std::regex("\n+"), "\n"),
            "\nStopping after the current file; press Ctrl+C again to stop at once.\n")
      << result.err;
  EXPECT_EQ(Files(docs).size(), 8u);
  EXPECT_TRUE(fs::is_empty(tmp));
}

TEST_F(SheafmillBatchTest, ASecondRunOnTheSameProfileIsRefusedWhileTheFirstOwnsThePrinter) {
  for (const char* name : {"s1.txt", "s2.txt"}) Doc(name, "slow text");
  temp.WriteFile("home/other/o.txt", "plain text");
  BatchProcess first({"--types", "txt", docs.string()}, Environment());
  ASSERT_TRUE(first.WaitFor("Converting s1.txt")) << first.SoFar().out;
  const BatchResult second = Batch({"--types", "txt", (home / "other").string()});
  const BatchResult result = first.Finish();

  EXPECT_EQ(second.exitStatus, 1);
  EXPECT_TRUE(std::regex_match(
      second.err, std::regex("The PDF printer \"VELTRA Ashgrove PDF Creator\" is in use by another "
                             "conversion run: sheafmill-batch \\(process [0-9]+\\)\\.\n"
                             "Convert again when that run has finished\\.\n")))
      << second.err;
  EXPECT_EQ(Files(home / "other"), std::vector<std::string>{"o.txt"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(Files(docs), (std::vector<std::string>{"s1.pdf", "s1.txt", "s2.pdf", "s2.txt"}));
  EXPECT_EQ(DriverValue("AutomaticOutput"), RegValue::Dword(0));
}

TEST_F(SheafmillBatchTest, KeepExistingLeavesAnOldPdfAndWritesANumberedOneBesideIt) {
  Doc("a.txt", "plain text");
  const fs::path out = temp.MakeDir("home/out");
  temp.WriteFile("home/out/a.pdf", "an old PDF");
  const BatchResult kept =
      Batch({"--keep-existing", "--types", "txt", docs.string(), out.string()});

  EXPECT_EQ(kept.exitStatus, 0) << kept.err;
  EXPECT_EQ(testsupport::ReadFile(out / "a.pdf"), "an old PDF");
  EXPECT_EQ(Files(out), (std::vector<std::string>{"a.pdf", "a__000.pdf"}));
  EXPECT_EQ(testsupport::PdfPageCount(out / "a__000.pdf"), 1);
  EXPECT_TRUE(Contains(kept.out, "C:\\docs\\a.txt Converted OK!")) << kept.out;

  // Without the option the window's default holds: the PDF is replaced.
  const BatchResult replaced = Batch({"--types", "txt", docs.string(), out.string()});
  EXPECT_EQ(replaced.exitStatus, 0) << replaced.err;
  EXPECT_EQ(Files(out), (std::vector<std::string>{"a.pdf", "a__000.pdf"}));
  EXPECT_EQ(testsupport::PdfPageCount(out / "a.pdf"), 1);
}

TEST_F(SheafmillBatchTest, PropertiesReachEveryPdfAndStayStoredForLaterRuns) {
  Doc("a.txt", "plain text");
  const BatchResult first = Batch({"--title", "Minutes", "--subject=Board", "--author", "Ann Lee",
                                   "--keywords", "q3, budget", "--types", "txt", docs.string()});
  ASSERT_EQ(first.exitStatus, 0) << first.err;
  const testsupport::PdfInfo expected{{"Title", "Minutes"},
                                      {"Subject", "Board"},
                                      {"Author", "Ann Lee"},
                                      {"Keywords", "q3, budget"}};
  EXPECT_EQ(testsupport::PdfDocumentInfo(docs / "a.pdf"), expected);
  EXPECT_EQ(DriverValue("Title"), RegValue::String("Minutes"));

  // Only the author changes; the other properties come from the printer's settings.
  const BatchResult second = Batch({"--author", "Bob", "--types", "txt", docs.string()});
  ASSERT_EQ(second.exitStatus, 0) << second.err;
  testsupport::PdfInfo changed = expected;
  changed["Author"] = "Bob";
  EXPECT_EQ(testsupport::PdfDocumentInfo(docs / "a.pdf"), changed);
}

TEST_F(SheafmillBatchTest, AFolderOutsideTheMappedDrivesIsRefusedWithTheDriveMap) {
  // Only the home folder is a drive now.
  const char drives[] = "Software\\Sheafmill\\Platform\\Drives";
  store.CreateKey(drives);
  store.SetValue(drives, "C:", RegValue::String(home.string()));
  const fs::path outside = temp.MakeDir("elsewhere");
  temp.WriteFile("elsewhere/a.txt", "plain text");

  const BatchResult source = Batch({outside.string()});
  EXPECT_EQ(source.exitStatus, 2);
  EXPECT_TRUE(source.err.starts_with("sheafmill-batch: the folder " + outside.string() +
                                     " is on no drive; the drives are: C: = " + home.string() +
                                     ". Map a drive with sheafmill-reg"))
      << source.err;
  const BatchResult destination = Batch({docs.string(), (outside / "pdf").string()});
  EXPECT_EQ(destination.exitStatus, 2);
  EXPECT_TRUE(Contains(destination.err, "is on no drive")) << destination.err;
  // The refused destination was not created.
  EXPECT_EQ(Files(outside), std::vector<std::string>{"a.txt"});
}

TEST_F(SheafmillBatchTest, AFolderTheTreeDoesNotListIsAnErrorAndNothingIsConverted) {
  // The tree leaves out what lies inside a recycle bin; on a failed selection it would stay
  // where it was, at the root of a drive.
  temp.WriteFile("home/recycled/docs/a.txt", "plain text");
  Doc("b.txt", "plain text");
  const BatchResult result = Batch({"C:\\recycled\\docs"});

  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err,
            "Error: The folder C:\\recycled\\docs cannot be selected in the folder tree.\n");
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(Files(home / "recycled" / "docs"), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(Files(docs), std::vector<std::string>{"b.txt"});
}

TEST_F(SheafmillBatchTest, WithoutThePdfPrinterTheStartUpWarningGoesToStandardErrorAndTheRunFails) {
  platform::driver::Uninstall(store, printers, platform::driver::SettingsOnUninstall::Remove);
  Doc("a.txt", "plain text");
  const BatchResult result = Batch({"--types", "txt", docs.string()});

  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_TRUE(result.err.starts_with("No VELTRA family product installed on your computer!\n"))
      << result.err;
  EXPECT_TRUE(Contains(result.err, "C:\\docs\\a.txt conversion failed!")) << result.err;
  EXPECT_EQ(Files(docs), std::vector<std::string>{"a.txt"});
}

TEST_F(SheafmillBatchTest, CtrlCStopsAfterTheCurrentFileAndEndsThePassAsExitDoes) {
  for (const char* name : {"s1.txt", "s2.txt", "s3.txt", "s4.txt"}) Doc(name, "slow text");
  BatchProcess batch({"--types", "txt", docs.string()}, Environment());
  ASSERT_TRUE(batch.WaitFor("Converting s1.txt")) << batch.SoFar().out;
  batch.Signal(SIGINT);
  const BatchResult result = batch.Finish();

  EXPECT_EQ(result.exitStatus, 130) << result.err;
  EXPECT_TRUE(Contains(result.err, "Stopping after the current file")) << result.err;
  // The file being printed was finished; the pass ended its application as usual.
  EXPECT_TRUE(Contains(result.out, "C:\\docs\\s1.txt Converted OK!\nTask Complete.\nDone.\n"))
      << result.out;
  EXPECT_FALSE(Contains(result.out, "s3.txt")) << result.out;
  EXPECT_EQ(Files(docs).front(), "s1.pdf");
  EXPECT_LT(Files(docs).size(), 8u);
  EXPECT_EQ(DriverValue("AutomaticOutput"), RegValue::Dword(0));
}

TEST_F(SheafmillBatchTest, ASecondCtrlCStopsAtOnceAndSwitchesTheDriverOff) {
  for (const char* name : {"s1.txt", "s2.txt"}) Doc(name, "slow text");
  BatchProcess batch({"--types", "txt", docs.string()}, Environment());
  ASSERT_TRUE(batch.WaitFor("Converting s1.txt")) << batch.SoFar().out;
  // The driver points at the folder while the pass runs.
  EXPECT_EQ(DriverValue("AutomaticPath"), RegValue::String("C:\\docs"));
  batch.Signal(SIGINT);
  ASSERT_TRUE(batch.WaitFor("press Ctrl+C again", true)) << batch.SoFar().err;
  batch.Signal(SIGINT);
  const BatchResult result = batch.Finish();

  EXPECT_EQ(result.exitStatus, 130);
  EXPECT_TRUE(result.err.ends_with("Stopped.\n")) << result.err;
  EXPECT_FALSE(Contains(result.out, "Converted OK!")) << result.out;
  EXPECT_EQ(Files(docs), (std::vector<std::string>{"s1.txt", "s2.txt"}));
  EXPECT_EQ(DriverValue("AutomaticOutput"), RegValue::Dword(0));
  EXPECT_EQ(DriverValue("AutomaticPath"), RegValue::String(""));
  // The spool file of the file being printed went with the run's temporary folder.
  EXPECT_TRUE(fs::is_empty(tmp));
}

TEST_F(SheafmillBatchTest, SigtermAndSighupStopAtOnceAsASecondCtrlCDoes) {
  for (const auto& [signal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGHUP, 129}}) {
    for (const char* name : {"s1.txt", "s2.txt"}) Doc(name, "slow text");
    BatchProcess batch({"--types", "txt", docs.string()}, Environment());
    ASSERT_TRUE(batch.WaitFor("Converting s1.txt")) << batch.SoFar().out;
    batch.Signal(signal);
    const BatchResult result = batch.Finish();

    EXPECT_EQ(result.exitStatus, status) << signal;
    EXPECT_TRUE(result.err.ends_with("Stopped.\n")) << result.err;
    EXPECT_EQ(Files(docs), (std::vector<std::string>{"s1.txt", "s2.txt"}));
    EXPECT_EQ(DriverValue("AutomaticOutput"), RegValue::Dword(0));
    EXPECT_EQ(DriverValue("AutomaticPath"), RegValue::String(""));
    EXPECT_TRUE(fs::is_empty(tmp));
  }
}

TEST_F(SheafmillBatchTest, TheTemporaryFoldersOfAKilledRunAreRemovedByTheNextOnly) {
  // A process id beyond the largest the kernel gives, and the id of this test, which runs.
  const std::string killed = "sheafmill-batch-99999999-AbC123";
  const std::string running = "sheafmill-batch-" + std::to_string(::getpid()) + "-AbC123";
  const std::string unnamed = "sheafmill-batch-XyZ789";
  for (const std::string& folder : {killed, running, unnamed}) {
    temp.WriteFile("tmp/" + folder + "/tmp/spool.pdf", std::string(1000, 'x'));
  }
  Doc("a.txt", "plain text");
  EXPECT_EQ(Batch({"--types", "txt", docs.string()}).exitStatus, 0);
  EXPECT_FALSE(fs::exists(tmp / killed));
  EXPECT_TRUE(fs::exists(tmp / running)) << "its process still runs";
  EXPECT_TRUE(fs::exists(tmp / unnamed)) << "nothing says whose it is";
}

}  // namespace
