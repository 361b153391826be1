// The ".reg" text as the store writes and reads it: every value type, the escapes, the
// continuation of long hex lists, and the errors that name the line.

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/registry/RegHive.h"
#include "platform/registry/RegParser.h"
#include "platform/registry/RegWriter.h"
#include "tests/platform/registry/RegValuePrinter.h"

namespace platform {
namespace {

RegHive Parse(const std::string& text) {
  RegHive hive;
  RegParser::Apply(text, "test.reg", hive);
  return hive;
}

std::string Write(const RegHive& hive) {
  return RegWriter::Format(hive.Subtree(""));
}

// As Windows writes each type; "%A%" in UTF-16LE with its terminating null for hex(2).
const std::string kCanonical =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER]\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software]\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Quillby]\n"
    "@=\"default\"\n"
    "\"Path\"=\"C:\\\\Out\\\\\"\n"
    "\"Say \\\"hi\\\"\"=\"a \\\"quoted\\\" \\\\ word\"\n"
    "\"Größe\"=\"Ünïcödé ✓ 日本\"\n"
    "\"Count\"=dword:0000002a\n"
    "\"Max\"=dword:ffffffff\n"
    "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\n"
    "\"Blob\"=hex:00,01,fe,ff\n"
    "\"Empty\"=hex:\n"
    "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
    "\"Quad\"=hex(b):01,00,00,00,00,00,00,00\n"
    "\"None\"=hex(0):\n"
    "\n";

TEST(RegFormatTest, CanonicalTextRoundTripsByteForByte) {
  RegHive hive = Parse(kCanonical);
  EXPECT_EQ(Write(hive), kCanonical);

  const RegKeyData* key = hive.Find("software\\QUILLBY");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(*key->Find(""), RegValue::String("default"));
  EXPECT_EQ(*key->Find("path"), RegValue::String("C:\\Out\\"));
  EXPECT_EQ(*key->Find("Say \"hi\""), RegValue::String("a \"quoted\" \\ word"));
  EXPECT_EQ(*key->Find("Größe"), RegValue::String("Ünïcödé ✓ 日本"));
  EXPECT_EQ(*key->Find("Count"), RegValue::Dword(42));
  EXPECT_EQ(*key->Find("Max"), RegValue::Dword(0xFFFFFFFF));
  EXPECT_EQ(*key->Find("Expand"), RegValue::ExpandString("%A%"));
  EXPECT_EQ(*key->Find("Blob"), RegValue::Bytes(RegType::Binary, {0, 1, 0xFE, 0xFF}));
  EXPECT_EQ(*key->Find("Empty"), RegValue::Bytes(RegType::Binary, {}));
  EXPECT_EQ(key->Find("Multi")->type, RegType::MultiSz);
  EXPECT_EQ(key->Find("Quad")->bytes.size(), 8u);
  EXPECT_EQ(key->Find("None")->type, RegType::None);
}

TEST(RegFormatTest, ValuesThatAQuotedLineCannotHoldTravelAsHex) {
  RegHive hive;
  RegKeyData& key = hive.Create("K");
  key.Set("Lines", RegValue::String("one\r\ntwo"));
  key.Set("Long", RegValue::ExpandString(std::string(60, 'x') + "é𝄞"));
  key.Set("Bad UTF-8", RegValue::ExpandString("a\xFF\xC3"));
  std::string text = Write(hive);

  EXPECT_NE(text.find("\"Lines\"=hex(1):6f,00,6e,00,65,00,0d,00,0a,00,74,00"), std::string::npos);
  EXPECT_NE(text.find(",\\\n  "), std::string::npos) << "long hex lists continue on new lines";
  for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
  }
  RegHive rereadHive = Parse(text);
  const RegKeyData* reread = rereadHive.Find("K");
  ASSERT_NE(reread, nullptr);
  EXPECT_EQ(reread->values, key.values);
}

TEST(RegFormatTest, ReadsWhatOtherToolsWrite) {
  RegHive hive = Parse(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\A\\B]\r\n"
      "\"Wrapped\"=hex(2):25,00,\\\r\n"
      "    41,00,25,00,00,00\r\n"
      "\"Spaced\" = dword:1\r\n"
      "\"Dw\"=hex(4):10,00,00,00\r\n"
      "\"Sz\"=hex(1):41,00,00,00\r\n");
  const RegKeyData* key = hive.Find("\\a\\b");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(*key->Find("Wrapped"), RegValue::ExpandString("%A%"));
  EXPECT_EQ(*key->Find("Spaced"), RegValue::Dword(1));
  EXPECT_EQ(*key->Find("Dw"), RegValue::Dword(16));
  EXPECT_EQ(*key->Find("Sz"), RegValue::String("A"));
  EXPECT_NE(hive.Find("A"), nullptr) << "a key line creates its parents";
}

TEST(RegFormatTest, DeletionLinesRemoveKeysAndValues) {
  RegHive hive = Parse(kCanonical);
  RegParser::Apply(
      "Windows Registry Editor Version 5.00\n"
      "[HKEY_CURRENT_USER\\Software\\Quillby]\n"
      "\"Count\"=-\n"
      "[-HKEY_CURRENT_USER\\Software]\n"
      "[HKEY_CURRENT_USER\\Other]\n",
      "merge.reg", hive);
  EXPECT_EQ(hive.Find("Software"), nullptr);
  EXPECT_EQ(hive.Find("Software\\Quillby"), nullptr);
  EXPECT_NE(hive.Find("Other"), nullptr);
}

TEST(RegFormatTest, UnicodeFilesAreDecoded) {
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("Windows Registry Editor Version 5.00\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  EXPECT_EQ(RegParser::DecodeFileText(utf16), "Windows Registry Editor Version 5.00\r\n");
  EXPECT_EQ(RegParser::DecodeFileText("\xEF\xBB\xBFx"), "\xEF\xBB\xBFx");
}

void ExpectErrorAtLine(const std::string& text, int line, const std::string& detail) {
  try {
    Parse(text);
    ADD_FAILURE() << "no error for:\n" << text;
  } catch (const Error& error) {
    std::string expected = "\"test.reg\" has an error in line " + std::to_string(line) + ":";
    EXPECT_NE(error.Message().find(expected), std::string::npos) << error.Message();
    EXPECT_NE(error.Message().find(detail), std::string::npos) << error.Message();
  }
}

TEST(RegFormatTest, ErrorsNameTheLine) {
  const std::string head = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n";
  ExpectErrorAtLine("", 1, "must start with the line");
  ExpectErrorAtLine("REGEDIT4\n", 1, "must start with the line");
  ExpectErrorAtLine(head + "garbage\n", 4, "\"garbage\" is neither");
  ExpectErrorAtLine(head + "\"a\"=\"open\n", 4, "no closing quote");
  ExpectErrorAtLine(head + "\"a\"=\"x\" tail\n", 4, "unexpected text");
  ExpectErrorAtLine(head + "\"a\"\n", 4, "\"=\" is missing");
  ExpectErrorAtLine(head + "\"a\"=dword:123456789\n", 4, "8 hexadecimal digits");
  ExpectErrorAtLine(head + "\"a\"=dword:xyz\n", 4, "8 hexadecimal digits");
  ExpectErrorAtLine(head + "\n\"a\"=hex:01,\\\n  zz\n", 5, "invalid byte \"zz\"");
  ExpectErrorAtLine(head + "\"a\"=hex(2):41\n", 4, "odd number of bytes");
  ExpectErrorAtLine(head + "\"a\"=text\n", 4, "unknown data");
  ExpectErrorAtLine(head + "[HKEY_LOCAL_MACHINE\\X]\n", 4, "not below HKEY_CURRENT_USER");
  ExpectErrorAtLine(head + "[HKEY_CURRENT_USERX]\n", 4, "not below HKEY_CURRENT_USER");
  ExpectErrorAtLine(head + "[HKEY_CURRENT_USER\\X\n", 4, "does not end with");
  ExpectErrorAtLine("Windows Registry Editor Version 5.00\n\"a\"=\"b\"\n", 2, "not below a key");
}

}  // namespace
}  // namespace platform
