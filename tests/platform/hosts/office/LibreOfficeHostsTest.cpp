#include "platform/hosts/OfficeHosts.h"

#include <signal.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <thread>
#include <tuple>

#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include "platform/automation/OleError.h"
#include "platform/driver/PdfDriver.h"
#include "platform/hosts/DwgReader.h"
#include "tests/platform/hosts/HostsWorld.h"
#include "tests/platform/hosts/office/OfficeChildren.h"
#include "tests/support/DwgWriter.h"
#include "tests/support/Encoded.h"
#include "tests/support/PdfFixtures.h"

namespace {

namespace fs = std::filesystem;
using hoststest::OfficeChildren;
using platform::Variant;

const fs::path kExamples = SHEAFMILL_EXAMPLES;
const fs::path kTestData = SHEAFMILL_HOSTS_TEST_DATA;

// About 1,300 pages of plain text: seconds of work for the office.
std::string LongText() {
  std::mt19937 random(7);
  const char* words[] = {"alpha", "beta", "gamma", "delta", "epsilon", "zeta", "theta", "kappa"};
  std::string text;
  for (int line = 0; line < 60000; ++line) {
    for (int word = 0; word < 12; ++word) text += std::string(words[random() % 8]) + " ";
    text += "\n";
  }
  return text;
}

std::string Bytes(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

void PutLe(std::string& bytes, size_t at, uint32_t value, size_t size = 4) {
  for (size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// A compound file (version 3, 512-byte sectors) holding `streams`, given in the order of the
// format's directory (shorter names first). Each is stored as at least 4,096 bytes, so that
// none goes into the container for small streams.
std::string CompoundFileOf(const std::vector<std::pair<std::string, std::string>>& streams) {
  constexpr uint32_t kEnd = 0xFFFFFFFE, kNone = 0xFFFFFFFF;
  std::string header(512, '\0'), fat(512, '\xFF'), directory(512, '\0'), data;
  header.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
  for (auto [at, value, size] :
       std::vector<std::tuple<size_t, uint32_t, size_t>>{{0x18, 0x3E, 2},
                                                         {0x1A, 3, 2},
                                                         {0x1C, 0xFFFE, 2},
                                                         {0x1E, 9, 2},
                                                         {0x20, 6, 2},
                                                         {0x2C, 1, 4},
                                                         {0x30, 1, 4},
                                                         {0x38, 4096, 4},
                                                         {0x3C, kEnd, 4},
                                                         {0x44, kEnd, 4}}) {
    PutLe(header, at, value, size);
  }
  for (size_t at = 0x4C; at < 512; at += 4) PutLe(header, at, at == 0x4C ? 0 : kNone);
  PutLe(fat, 0, 0xFFFFFFFD);  // sector 0 holds the table, sector 1 the directory
  PutLe(fat, 4, kEnd);
  auto entry = [&](size_t index, const std::string& name, uint8_t type, uint32_t right,
                   uint32_t child, uint32_t start, uint32_t size) {
    size_t at = index * 128;
    for (size_t i = 0; i < name.size(); ++i) directory[at + 2 * i] = name[i];
    PutLe(directory, at + 0x40, static_cast<uint32_t>(2 * (name.size() + 1)), 2);
    directory[at + 0x42] = static_cast<char>(type);
    directory[at + 0x43] = 1;  // black
    PutLe(directory, at + 0x44, kNone);
    PutLe(directory, at + 0x48, right);
    PutLe(directory, at + 0x4C, child);
    PutLe(directory, at + 0x74, start);
    PutLe(directory, at + 0x78, size);
  };
  entry(0, "Root Entry", 5, kNone, 1, kEnd, 0);
  uint32_t sector = 2;
  for (size_t i = 0; i < streams.size(); ++i) {
    std::string content = streams[i].second;
    content.resize(std::max<size_t>((content.size() + 511) / 512 * 512, 4096), '\0');
    uint32_t count = static_cast<uint32_t>(content.size() / 512);
    for (uint32_t k = 0; k < count; ++k) {
      PutLe(fat, 4 * (sector + k), k + 1 == count ? kEnd : sector + k + 1);
    }
    entry(i + 1, streams[i].first, 2, i + 1 < streams.size() ? uint32_t(i + 2) : kNone, kNone,
          sector, static_cast<uint32_t>(content.size()));
    data += content;
    sector += count;
  }
  for (size_t i = streams.size() + 1; i < 4; ++i) entry(i, "", 0, kNone, kNone, 0, 0);
  return header + fat + directory + data;
}

// The header of Office's agile encryption (AES-256, SHA-512) with keys that match no password.
std::string AgileEncryptionInfo() {
  std::string zeros16 = "AAAAAAAAAAAAAAAAAAAAAA==", zeros64(86, 'A');
  zeros64 += "==";
  std::string cipher =
      "blockSize=\"16\" keyBits=\"256\" hashSize=\"64\" cipherAlgorithm=\"AES\" "
      "cipherChaining=\"ChainingModeCBC\" hashAlgorithm=\"SHA512\" saltValue=\"" +
      zeros16 + "\"";
  std::string info(8, '\0');
  PutLe(info, 0, 4, 2);  // version 4.4
  PutLe(info, 2, 4, 2);
  PutLe(info, 4, 0x40);
  return info +
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<encryption "
         "xmlns=\"http://schemas.microsoft.com/office/2006/encryption\" "
         "xmlns:p=\"http://schemas.microsoft.com/office/2006/keyEncryptor/password\"><keyData "
         "saltSize=\"16\" " +
         cipher + "/><dataIntegrity encryptedHmacKey=\"" + zeros64 + "\" encryptedHmacValue=\"" +
         zeros64 +
         "\"/><keyEncryptors><keyEncryptor "
         "uri=\"http://schemas.microsoft.com/office/2006/keyEncryptor/password\"><p:encryptedKey "
         "spinCount=\"100000\" saltSize=\"16\" " +
         cipher + " encryptedVerifierHashInput=\"" + zeros16 + "\" encryptedVerifierHashValue=\"" +
         zeros64 + "\" encryptedKeyValue=\"" + std::string(43, 'A') +
         "=\"/></keyEncryptor></keyEncryptors></encryption>";
}

// Width and height of the first page, in points.
std::pair<double, double> FirstPageSize(const fs::path& pdf) {
  QPDF document;
  document.processFile(pdf.c_str());
  auto box =
      QPDFPageDocumentHelper(document).getAllPages().at(0).getMediaBox().getArrayAsRectangle();
  return {box.urx - box.llx, box.ury - box.lly};
}

// How many pictures the first page shows.
size_t FirstPageImages(const fs::path& pdf) {
  QPDF document;
  document.processFile(pdf.c_str());
  return QPDFPageDocumentHelper(document).getAllPages().at(0).getImages().size();
}

// The words of a PDF file as pdftotext reads them, in UTF-8.
std::string PdfWords(const fs::path& pdf, const fs::path& folder) {
  fs::path text = folder / (pdf.stem().string() + ".txt");
  std::string command = "pdftotext -enc UTF-8 '" + pdf.string() + "' '" + text.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return testsupport::ReadFile(text);
}

// A picture of 40 x 20 black pixels, as a Windows bitmap.
std::string BlackBitmap() {
  std::string bitmap(54 + 40 * 3 * 20, '\0');
  bitmap.replace(0, 2, "BM");
  for (auto [at, value, size] : std::vector<std::tuple<size_t, uint32_t, size_t>>{
           {2, static_cast<uint32_t>(bitmap.size()), 4},
           {10, 54, 4},
           {14, 40, 4},
           {18, 40, 4},
           {22, 20, 4},
           {26, 1, 2},
           {28, 24, 2}}) {
    PutLe(bitmap, at, value, size);
  }
  return bitmap;
}

using Groups = std::vector<std::pair<int, std::string>>;

// A DXF drawing of the given entities and blocks, with a header whose box is stale.
std::string Drawing(const Groups& entities, const Groups& blocks = {}) {
  Groups all = {{0, "SECTION"}, {2, "HEADER"},  {9, "$EXTMIN"}, {10, "0"},
                {20, "0"},      {9, "$EXTMAX"}, {10, "1"},      {20, "1"},
                {0, "ENDSEC"},  {0, "SECTION"}, {2, "BLOCKS"}};
  all.insert(all.end(), blocks.begin(), blocks.end());
  all.insert(all.end(), {{0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}});
  all.insert(all.end(), entities.begin(), entities.end());
  all.insert(all.end(), {{0, "ENDSEC"}, {0, "EOF"}});
  std::string text;
  for (const auto& [code, value] : all) text += std::to_string(code) + "\r\n" + value + "\r\n";
  return text;
}

Groups Line(int x1, int y1, int x2, int y2) {
  return {{0, "LINE"},
          {10, std::to_string(x1)},
          {20, std::to_string(y1)},
          {11, std::to_string(x2)},
          {21, std::to_string(y2)}};
}

std::string LastLine(const std::string& text) {
  return text.substr(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
}

// A page as pdftoppm renders it in grey, a byte a pixel.
struct GreyPage {
  int width = 0, height = 0;
  std::string pixels;
  // Whether a pixel inside the part of the page given in fractions of its size is not white.
  bool InkIn(double left, double top, double right, double bottom) const {
    return InkedRows(left, top, right, bottom) > 0;
  }
  // How many pixel rows of that part have ink.
  int InkedRows(double left, double top, double right, double bottom) const {
    int rows = 0;
    for (int y = static_cast<int>(top * height); y < static_cast<int>(bottom * height); ++y) {
      for (int x = static_cast<int>(left * width); x < static_cast<int>(right * width); ++x) {
        if (static_cast<unsigned char>(pixels[static_cast<size_t>(y * width + x)]) < 200) {
          ++rows;
          break;
        }
      }
    }
    return rows;
  }
};

GreyPage RenderFirstPage(const fs::path& pdf, const fs::path& folder) {
  std::string command = "pdftoppm -r 40 -gray -singlefile '" + pdf.string() + "' '" +
                        (folder / "page").string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(folder / "page.pgm", std::ios::binary);
  GreyPage page;
  std::string magic;
  int maximum = 0;
  in >> magic >> page.width >> page.height >> maximum;
  in.get();
  page.pixels.assign(static_cast<size_t>(page.width) * static_cast<size_t>(page.height), '\xFF');
  in.read(page.pixels.data(), static_cast<std::streamsize>(page.pixels.size()));
  EXPECT_EQ(magic, "P5");
  return page;
}

class LibreOfficeHostsTest : public testing::Test, public hoststest::HostsWorld {
 protected:
  void SetUp() override {
    options = platform::hosts::OfficeHostOptions::Defaults(SHEAFMILL_OFFICE_PROFILES);
    options.workFolder = temp.MakeDir("work");
    if (!Register()) {
      GTEST_SKIP() << "LibreOffice is not installed in " << options.programFolder
                   << " (or this build has no LibreOffice SDK): the office hosts are not there";
    }
  }

  void TearDown() override {
    hostApp.Clear();
    EXPECT_EQ(OfficeChildren(), 0) << "an office process outlived its application";
    EXPECT_TRUE(fs::is_empty(options.workFolder)) << "an office left its folder behind";
  }

  bool Register() {
    return platform::hosts::RegisterOfficeHosts(runtime, spooler, printers, files, options);
  }

  void PrintAll(HostPass pass, const std::vector<std::string>& names) {
    automation.Start(pass, hostApp);
    for (const std::string& name : names) {
      automation.PrintOne(pass, hostApp, Place(kExamples / name, name), name);
    }
    automation.End(pass, hostApp);
  }

  // The message of the error that printing `path` in a fresh application of `pass` raises.
  std::string Failure(HostPass pass, const std::string& path) {
    automation.Start(pass, hostApp);
    try {
      automation.PrintOne(pass, hostApp, path, path.substr(8));
    } catch (const platform::EOleError& e) {
      automation.Release(pass, hostApp);
      return e.Message();
    }
    ADD_FAILURE() << path << " printed";
    automation.Release(pass, hostApp);
    return "";
  }
  // The office that this process started last and that has not been collected; 0 if none.
  static pid_t OfficePid() {
    pid_t office = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
      std::ifstream stat(entry.path() / "stat");
      long pid = 0, parent = 0;
      std::string name;
      char state = 0;
      if (stat >> pid >> name >> state >> parent && name == "(soffice.bin)" &&
          parent == ::getpid()) {
        office = static_cast<pid_t>(pid);
      }
    }
    return office;
  }
  std::string WordFailure(const std::string& path) { return Failure(HostPass::Word, path); }
  std::string CadFailure(const std::string& path) { return Failure(HostPass::AutoCAD, path); }

  platform::hosts::OfficeHostOptions options;
  Variant hostApp;
};

TEST_F(LibreOfficeHostsTest, EveryExamplePrintsAsAPdfWithPagesTitledWithItsFileName) {
  std::vector<std::pair<HostPass, std::vector<std::string>>> passes = {
      {HostPass::Word, {"report.doc", "memo.docx", "notes.txt", "letter.rtf"}},
      {HostPass::Excel, {"budget.xls"}},
      {HostPass::PowerPoint, {"slides.ppt"}},
      {HostPass::WebPages, {"agenda.htm", "summary.html"}},
      {HostPass::AutoCAD, {"plan.dxf"}},
  };
  std::vector<std::string> printed;
  for (const auto& [pass, names] : passes) {
    PrintAll(pass, names);
    printed.insert(printed.end(), names.begin(), names.end());
    EXPECT_EQ(OfficeChildren(), 0)
        << "the office of pass " << static_cast<int>(pass) << " still runs after Quit";
  }
  ASSERT_EQ(driver.jobs.size(), printed.size());
  for (size_t i = 0; i < printed.size(); ++i) {
    SCOPED_TRACE(printed[i]);
    EXPECT_EQ(driver.jobs[i].printer, kDriverPrinterName);
    EXPECT_EQ(driver.jobs[i].document, printed[i]);
    EXPECT_GE(testsupport::PdfPageCount(driver.jobs[i].pdf), 1);
  }
  EXPECT_EQ(testsupport::PdfPageCount(driver.jobs[5].pdf), 3) << "one page per slide";
}

// A worksheet as Excel 4.0 saved it: a bare record stream, no compound file around it.
std::string Excel4Worksheet() {
  auto record = [](uint16_t type, const std::string& data) {
    std::string bytes(4, '\0');
    PutLe(bytes, 0, type, 2);
    PutLe(bytes, 2, static_cast<uint32_t>(data.size()), 2);
    return bytes + data;
  };
  std::string label("\0\0\0\0\0\0\x0B\0Excel sheet", 19);
  return record(0x0409, std::string("\0\0\x10\0\0\0", 6)) + record(0x0204, label) +
         record(0x000A, "");
}

TEST_F(LibreOfficeHostsTest, FilesAreReadByWhatTheyHoldWhateverTheirNameOrAge) {
  // A name in Latin-1, as older systems wrote them: not UTF-8.
  std::ofstream(docs / "caf\xE9.txt") << "Caf\xE9 au lait\n";
  std::optional<std::string> latin = files.ToWindows(docs / "caf\xE9.txt");
  ASSERT_TRUE(latin);
  std::vector<std::pair<HostPass, std::vector<std::string>>> passes = {
      {HostPass::Word,
       {Place(kExamples / "memo.docx", "memo.docm"), Write("notes.txt~", "Notes to self.\n"),
        Place(kExamples / "report.doc", "x.docbak"), Place(kExamples / "letter.rtf", "letter.rtf "),
        *latin}},
      // Calc's import of a web page asks for its options.
      {HostPass::Excel,
       {Write("old.xls", Excel4Worksheet()),
        Write("page.xls", "<html><body><table><tr><td>1</td><td>2</td></tr></table></body></html>"),
        Write("empty.xls", "")}},
      {HostPass::PowerPoint,
       {Place(kExamples / "slides.ppt", "slides.pptm"), Write("empty.ppt", "")}},
  };
  size_t printed = 0;
  for (const auto& [pass, paths] : passes) {
    automation.Start(pass, hostApp);
    for (const std::string& path : paths) {
      SCOPED_TRACE(path);
      automation.PrintOne(pass, hostApp, path, path.substr(8));
      ASSERT_EQ(driver.jobs.size(), ++printed);
      EXPECT_GE(testsupport::PdfPageCount(driver.jobs.back().pdf), 1);
    }
    automation.End(pass, hostApp);
  }
}

TEST_F(LibreOfficeHostsTest, ThroughThePdfDriverEachDocumentLandsUnderTheNameTheProgramExpects) {
  platform::driver::PdfDriver pdfDriver(store, files, system);
  pdfDriver.RegisterWith(spooler);
  system.SetWow64(false);
  store.CreateKey(kDriverKey);
  store.SetValue(kDriverKey, "AutomaticOutput", platform::RegValue::Dword(3));
  store.SetValue(kDriverKey, "AutomaticPath", platform::RegValue::String("C:\\OUT"));
  store.SetValue(kDriverKey, "Title", platform::RegValue::String("Quarterly figures"));
  fs::path out = temp.MakeDir("c/OUT");
  PrintAll(HostPass::Word, {"report.doc", "letter.rtf"});
  PrintAll(HostPass::Excel, {"budget.xls"});
  for (const char* name : {"report000.pdf", "letter000.pdf", "budget000.pdf"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(fs::exists(out / name));
    EXPECT_GE(testsupport::PdfPageCount(out / name), 1);
    EXPECT_EQ(testsupport::PdfDocumentInfo(out / name)["Title"], "Quarterly figures");
  }
}

TEST_F(LibreOfficeHostsTest, ADrawingIsPlottedOnALandscapePageFittedToIt) {
  PrintAll(HostPass::AutoCAD, {"plan.dxf"});
  ASSERT_EQ(driver.jobs.size(), 1u);
  auto [width, height] = FirstPageSize(driver.jobs[0].pdf);
  // A4 landscape: 842 x 595 points.
  EXPECT_NEAR(width, 842, 1);
  EXPECT_NEAR(height, 595, 1);
}

TEST_F(LibreOfficeHostsTest, DamagedWordDocumentsFailWithTheReasonAndWordGoesOn) {
  std::string random = Write("random.doc", Bytes(20000, 1));
  std::string compound =
      Write("compound.doc", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + Bytes(20000, 2));
  std::string report = testsupport::ReadFile(kExamples / "report.doc");
  std::string truncated = Write("truncated.doc", report.substr(0, report.size() / 2));
  automation.Start(HostPass::Word, hostApp);
  for (const std::string& path : {random, compound, truncated}) {
    SCOPED_TRACE(path);
    try {
      automation.PrintOne(HostPass::Word, hostApp, path, path.substr(8));
      ADD_FAILURE() << "printed";
    } catch (const platform::EOleException& e) {
      EXPECT_EQ(e.Message(), "The file \"" + path + "\" is damaged or not a Word document.");
    }
  }
  std::string good = Place(kExamples / "report.doc", "report.doc");
  automation.PrintOne(HostPass::Word, hostApp, good, "report.doc");
  automation.End(HostPass::Word, hostApp);
  EXPECT_EQ(driver.jobs.size(), 1u);
}

// Writer's import of these pages posts events that build windows the headless office has no
// definitions for; they must not reach its event loop while the document is open.
TEST_F(LibreOfficeHostsTest, WebPagesWhoseImportPostsWindowEventsPrintLikeAnyOther) {
  std::string undated =
      Write("undated.htm",
            "<html><head><meta name=\"created\" content=\"00:00:00\"><meta name=\"changed\" "
            "content=\"00:00:00\"><title>x</title></head><body><p>undated</p></body></html>");
  std::string cyrillic = Write("cyrillic.htm",
                               "<script>var a = 1;</script><title>\xCF\xF0\xE8\xE2\xE5\xF2</title>"
                               "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                               "charset=windows-1251\"><p>\xD2\xE5\xF1\xF2</p>");
  std::string utf16("\xFF\xFE", 2);
  for (char c : std::string("<html><body><p>wide</p></body></html>")) utf16 += {c, '\0'};
  std::string wide = Write("wide.htm", utf16);
  automation.Start(HostPass::WebPages, hostApp);
  for (const std::string& path : {undated, cyrillic, wide}) {
    automation.PrintOne(HostPass::WebPages, hostApp, path, path.substr(8));
  }
  automation.End(HostPass::WebPages, hostApp);
  ASSERT_EQ(driver.jobs.size(), 3u);
  for (const auto& job : driver.jobs)
    EXPECT_EQ(testsupport::PdfPageCount(job.pdf), 1) << job.document;
}

// Text and web pages that do not say what character set they are in print their words in
// it; a web page keeps its pictures beside it, and one that fits on a page prints on one.
TEST_F(LibreOfficeHostsTest, TextAndWebPagesPrintTheWordsOfTheirCharacterSet) {
  const std::string russian = "Широкая электрификация южных губерний";
  const std::string japanese = "これは日本語のテキストです";
  fs::create_directory(docs / "pictures");
  std::ofstream(docs / "pictures" / "dot.bmp", std::ios::binary) << BlackBitmap();
  auto page = [](const std::string& heading, const std::string& words) {
    return "<!DOCTYPE html>\n<html><head><title>" + heading + "</title></head><body><h1>" +
           heading + "</h1><p>" + words + "</p><p><img src=\"pictures/dot.bmp\"></p></body></html>";
  };
  std::string utf16("\xFF\xFE", 2);
  utf16 += testsupport::Encoded(page("wide", russian), "UTF-16LE");
  struct Case {
    HostPass pass;
    std::string path, heading, words;  // a web page's heading is its first paragraph
  };
  std::vector<Case> cases;
  for (auto [charset, name, words] : std::vector<std::tuple<const char*, std::string, std::string>>{
           {"KOI8-R", "koi8", russian},
           {"CP866", "dos", russian},
           {"CP1251", "windows", russian},
           {"SHIFT_JIS", "sjis", japanese},
           {"UTF-8", "utf8", russian}}) {
    cases.push_back(
        {HostPass::Word, Write(name + ".txt", testsupport::Encoded(words, charset)), "", words});
    cases.push_back({HostPass::WebPages,
                     Write(name + ".htm", testsupport::Encoded(page(name, words), charset)), name,
                     words});
  }
  cases.push_back({HostPass::WebPages, Write("wide.htm", utf16), "wide", russian});
  // Opened through a link of a plain name, as its name is Latin-1.
  std::ofstream(docs / "caf\xE9.htm", std::ios::binary) << page("latin", russian);
  cases.push_back({HostPass::WebPages, *files.ToWindows(docs / "caf\xE9.htm"), "latin", russian});
  cases.push_back(
      {HostPass::WebPages,
       Write("declared.html", "<meta charset=\"koi8-r\">" +
                                  testsupport::Encoded(page("declared", russian), "KOI8-R")),
       "declared", russian});
  fs::path texts = temp.MakeDir("texts");
  for (HostPass pass : {HostPass::Word, HostPass::WebPages}) {
    automation.Start(pass, hostApp);
    for (const Case& test : cases) {
      if (test.pass != pass) continue;
      SCOPED_TRACE(test.path);
      automation.PrintOne(pass, hostApp, test.path, test.path.substr(8));
      std::string words = PdfWords(driver.jobs.back().pdf, texts);
      EXPECT_NE(words.find(test.words), std::string::npos) << words;
      if (pass == HostPass::WebPages) {
        EXPECT_NE(words.find(test.heading), std::string::npos) << "the first paragraph";
        EXPECT_EQ(testsupport::PdfPageCount(driver.jobs.back().pdf), 1);
        EXPECT_EQ(FirstPageImages(driver.jobs.back().pdf), 1u) << "the picture";
      }
    }
    automation.End(pass, hostApp);
  }
  EXPECT_EQ(driver.jobs.size(), cases.size());
  EXPECT_EQ(std::distance(fs::directory_iterator(docs), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(cases.size() + 1))
      << "something was left beside the pages";
}

TEST_F(LibreOfficeHostsTest, APasswordProtectedDocumentFailsSayingSo) {
  std::string garbage = Bytes(5000, 4);
  std::vector<std::pair<std::string, HostPass>> cases = {
      {Place(kTestData / "protected.doc", "protected.doc"), HostPass::Word},
      // Encrypted as Office does it: the package, or the presentation and its properties.
      {Write("protected.docx", CompoundFileOf({{"EncryptionInfo", AgileEncryptionInfo()},
                                               {"EncryptedPackage", garbage}})),
       HostPass::Word},
      {Write("protected.ppt", CompoundFileOf({{"Current User", garbage},
                                              {"EncryptedSummary", garbage},
                                              {"PowerPoint Document", garbage}})),
       HostPass::PowerPoint},
  };
  for (const auto& [path, pass] : cases) {
    EXPECT_EQ(Failure(pass, path), "The document \"" + path + "\" is password-protected.");
  }
  EXPECT_TRUE(driver.jobs.empty());
}

TEST_F(LibreOfficeHostsTest, ADamagedOrCutDwgFailsWithTheReadersReasonAndNoReaderStays) {
  if (!platform::hosts::DwgReader(options.dwgReaderFolder, options.documentLimit).Installed()) {
    GTEST_SKIP() << "the DWG reader is not installed in " << options.dwgReaderFolder
                 << " (scripts/install-deps.sh installs it)";
  }
  for (std::string content : {"AC1027" + Bytes(4000, 3), std::string("AC1015\0\0\0", 9)}) {
    std::string path = Write("plan.dwg", content);
    EXPECT_EQ(LastLine(CadFailure(path)),
              "LibreDWG cannot read the drawing: it is not a valid DWG drawing (LibreDWG error "
              "code 2048).");
    EXPECT_EQ(OfficeChildren("node"), 0) << "the DWG reader outlived its drawing";
  }
  EXPECT_TRUE(driver.jobs.empty());
}

TEST_F(LibreOfficeHostsTest, ADwgDrawingShowsItsLinesTextAndBlocksOnItsLayersFittedToThePage) {
  if (!platform::hosts::DwgReader(options.dwgReaderFolder, options.documentLimit).Installed()) {
    GTEST_SKIP() << "the DWG reader is not installed in " << options.dwgReaderFolder
                 << " (scripts/install-deps.sh installs it)";
  }
  // Text top left, a block top right, a line bottom left, a circle bottom right, in the
  // middle a line on a layer that is off, and at the top between them one on a frozen layer.
  // The reader's DXF marks every layer off, and LibreOffice draws frozen ones.
  using Shown = testsupport::DwgWriter::Shown;
  testsupport::DwgWriter drawing;
  drawing.Layer("WALLS", 7);
  drawing.Layer("HIDDEN", 7, Shown::kOff);
  drawing.Layer("ICE", 7, Shown::kFrozen);
  drawing.Block("SQUARE", {{0, 0, 20, 0}, {20, 0, 20, 20}, {20, 20, 0, 20}, {0, 20, 0, 0}});
  drawing.Text("0", 10, 88, 8, "Plan");
  drawing.Insert("WALLS", "SQUARE", 160, 70);
  drawing.Line("WALLS", {10, 10, 60, 30});
  drawing.Circle("0", 140, 20, 10);
  drawing.Line("HIDDEN", {88, 40, 102, 60});
  drawing.Line("ICE", {88, 75, 102, 95});
  std::string path = Write("plan.dwg", drawing.Bytes());
  // A drawing whose header fails its checksum is read all the same.
  std::string damaged = drawing.Bytes();
  size_t checksum = damaged.find("\x30\x84\xE0\xDC\x02\x21\xC7\x56") - 1;
  damaged[checksum] = static_cast<char>(~damaged[checksum]);
  automation.Start(HostPass::AutoCAD, hostApp);
  automation.PrintOne(HostPass::AutoCAD, hostApp, path, "plan.dwg");
  automation.PrintOne(HostPass::AutoCAD, hostApp, Write("damaged.dwg", damaged), "damaged.dwg");
  automation.End(HostPass::AutoCAD, hostApp);
  EXPECT_EQ(OfficeChildren("node"), 0) << "the DWG reader outlived its drawing";
  ASSERT_EQ(driver.jobs.size(), 2u);
  GreyPage page = RenderFirstPage(driver.jobs[0].pdf, temp.MakeDir("render"));
  EXPECT_TRUE(page.InkIn(0.0, 0.0, 0.3, 0.4)) << "the text";
  EXPECT_TRUE(page.InkIn(0.8, 0.0, 1.0, 0.4)) << "the block";
  EXPECT_TRUE(page.InkIn(0.0, 0.6, 0.4, 1.0)) << "the line";
  EXPECT_TRUE(page.InkIn(0.7, 0.6, 0.9, 1.0)) << "the circle";
  EXPECT_FALSE(page.InkIn(0.45, 0.35, 0.55, 0.65)) << "the line on the layer that is off";
  EXPECT_FALSE(page.InkIn(0.45, 0.0, 0.55, 0.3)) << "the line on the frozen layer";
  // Fitted: the block's right side and the line's left end reach the sides of the page.
  EXPECT_GE(page.InkedRows(0.95, 0.0, 1.0, 0.5), 5) << "the right side of the square";
  EXPECT_TRUE(page.InkIn(0.0, 0.5, 0.05, 1.0)) << "the left end of the line";
}

TEST_F(LibreOfficeHostsTest, ADrawingShowsItsTextLinesBlocksAndEndlessLinesWhereTheyAre) {
  // Multi-line text top left, a block top right, a line bottom left, text bottom right, and a
  // construction line through the middle; the header's box is stale and tiny.
  Groups block = {{0, "BLOCK"}, {2, "SQUARE"}, {10, "0"}, {20, "0"}};
  for (auto [x1, y1, x2, y2] :
       {std::array{0, 0, 20, 0}, {20, 0, 20, 20}, {20, 20, 0, 20}, {0, 20, 0, 0}}) {
    Groups line = Line(x1, y1, x2, y2);
    block.insert(block.end(), line.begin(), line.end());
  }
  block.push_back({0, "ENDBLK"});
  Groups entities = {
      {0, "MTEXT"},  {10, "10"},    {20, "95"},  {40, "8"},         {1, "Plan\\PRoom 1"},
      {0, "INSERT"}, {2, "SQUARE"}, {10, "160"}, {20, "70"},        {0, "TEXT"},
      {10, "130"},   {20, "10"},    {40, "6"},   {1, "Scale 1:50"}, {0, "XLINE"},
      {10, "100"},   {20, "50"},    {11, "0"},   {21, "1"}};
  Groups line = Line(10, 10, 60, 30);
  entities.insert(entities.end(), line.begin(), line.end());
  std::string path = Write("sheet.dxf", Drawing(entities, block));
  automation.Start(HostPass::AutoCAD, hostApp);
  automation.PrintOne(HostPass::AutoCAD, hostApp, path, "sheet.dxf");
  automation.End(HostPass::AutoCAD, hostApp);
  ASSERT_EQ(driver.jobs.size(), 1u);
  GreyPage page = RenderFirstPage(driver.jobs[0].pdf, temp.MakeDir("render"));
  EXPECT_TRUE(page.InkIn(0.0, 0.0, 0.4, 0.5)) << "the multi-line text";
  EXPECT_TRUE(page.InkIn(0.6, 0.0, 1.0, 0.5)) << "the block";
  EXPECT_TRUE(page.InkIn(0.0, 0.6, 0.4, 1.0)) << "the line";
  EXPECT_TRUE(page.InkIn(0.6, 0.6, 1.0, 1.0)) << "the text";
  EXPECT_TRUE(page.InkIn(0.45, 0.0, 0.55, 0.3) && page.InkIn(0.45, 0.7, 0.55, 1.0))
      << "the construction line, across the drawing";
  EXPECT_FALSE(page.InkIn(0.0, 0.0, 1.0, 0.1)) << "the drawing keeps a margin: fitted, not cut";
  // The square's right side is the drawing's right edge, which the office's import clips
  // unless the header's box leaves room around it.
  EXPECT_GE(page.InkedRows(0.95, 0.0, 1.0, 0.5), 10) << "the right side of the square";
}

TEST_F(LibreOfficeHostsTest, ADrawingWhoseEntitiesComeOutAsABlankPageFails) {
  std::string path =
      Write("blank.dxf", Drawing({{0, "TEXT"}, {10, "5"}, {20, "5"}, {40, "2"}, {1, "   "}}));
  EXPECT_EQ(CadFailure(path), "The drawing \"" + path +
                                  "\" came out as a blank page: LibreOffice drew not its one "
                                  "entity.");
  EXPECT_TRUE(driver.jobs.empty());
}

TEST_F(LibreOfficeHostsTest, APrinterThatIsNotInstalledFailsThePrintCall) {
  printers.RemovePrinter(kDriverPrinterName);
  std::string path = Place(kExamples / "report.doc", "report.doc");
  EXPECT_EQ(WordFailure(path),
            "The printer \"" + std::string(kDriverPrinterName) + "\" is not installed.");
}

TEST_F(LibreOfficeHostsTest, KillingTheOfficeMidDocumentFailsThatFileAtOnce) {
  std::string path = Write("long.txt", LongText());
  automation.Start(HostPass::Word, hostApp);
  pid_t office = 0;
  std::chrono::steady_clock::time_point killedAt;
  std::thread killer([&] {
    // Opening takes about a second, printing several more.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    office = OfficePid();
    killedAt = std::chrono::steady_clock::now();
    if (office > 0) ::kill(office, SIGKILL);
  });
  std::string message;
  try {
    automation.PrintOne(HostPass::Word, hostApp, path, "long.txt");
  } catch (const platform::EOleError& e) {
    message = e.Message();
  }
  auto failedAt = std::chrono::steady_clock::now();
  killer.join();
  ASSERT_GT(office, 0) << "no office to kill";
  EXPECT_NE(message.find("LibreOffice ended unexpectedly (signal 9) while"), std::string::npos)
      << message;
  RecordProperty(
      "milliseconds_from_kill_to_failure",
      static_cast<int>(
          std::chrono::duration_cast<std::chrono::milliseconds>(failedAt - killedAt).count()));
  automation.Release(HostPass::Word, hostApp);
}

TEST_F(LibreOfficeHostsTest, TheWatchdogStopsADocumentThatTakesTooLong) {
  options.documentLimit = std::chrono::milliseconds(300);
  Register();
  std::string path = Write("long.txt", LongText());
  EXPECT_EQ(WordFailure(path),
            "LibreOffice did not finish opening \"" + path + "\" within 0.3 s, so it was stopped");
}

TEST_F(LibreOfficeHostsTest, ReleasingAnApplicationWithoutQuitEndsItsOffice) {
  automation.Start(HostPass::Excel, hostApp);
  EXPECT_EQ(OfficeChildren(), 1);
  automation.PrintOne(HostPass::Excel, hostApp, Place(kExamples / "budget.xls", "budget.xls"),
                      "budget.xls");
  automation.Release(HostPass::Excel, hostApp);
  EXPECT_EQ(OfficeChildren(), 0);
  EXPECT_EQ(driver.jobs.size(), 1u);
}

TEST_F(LibreOfficeHostsTest,
       AnOfficeKeptAfterQuitServesTheNextApplicationUnlessItDiedOrHeldADocument) {
  options.lifetime = platform::hosts::OfficeLifetime::Process;
  Register();
  PrintAll(HostPass::Word, {"report.doc"});
  const pid_t kept = OfficePid();
  EXPECT_EQ(OfficeChildren(), 1) << "the office did not stay after Quit";
  PrintAll(HostPass::Excel, {"budget.xls"});
  EXPECT_EQ(OfficePid(), kept) << "Excel started an office of its own";
  EXPECT_EQ(OfficeChildren(), 1);
  // One that dies while it waits is not handed out.
  ASSERT_GT(kept, 0);
  ::kill(kept, SIGKILL);
  PrintAll(HostPass::PowerPoint, {"slides.ppt"});
  const pid_t second = OfficePid();
  EXPECT_NE(second, kept);
  EXPECT_EQ(OfficeChildren(), 1);
  // AutoCAD quits with its drawings open: that office ends.
  PrintAll(HostPass::AutoCAD, {"plan.dxf"});
  EXPECT_EQ(OfficeChildren(), 0) << "an office with a drawing open was kept";
  ASSERT_EQ(driver.jobs.size(), 4u);
  EXPECT_EQ(testsupport::PdfPageCount(driver.jobs[2].pdf), 3);
  // Registering anew ends a kept office.
  PrintAll(HostPass::Word, {"memo.docx"});
  EXPECT_EQ(OfficeChildren(), 1);
  options.lifetime = platform::hosts::OfficeLifetime::Instance;
  Register();
  EXPECT_EQ(OfficeChildren(), 0) << "the kept office outlived its registration";
}

}  // namespace
