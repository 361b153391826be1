#pragma once
// The batch tool's command line:
//   sheafmill-batch [--types LIST] [--keep-existing] [--keep-going] [--recursive]
//                   [--report FILE] [--jobs N] [--title T] [--subject S] [--author A] [--keywords
//                   K] SOURCE [DESTINATION]

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace batch {

struct BatchOptions {
  bool help = false;
  // The file-type boxes to tick, by number (CheckBox1 ... CheckBox7); the others are
  // unticked. Nothing: the boxes stay as the window starts.
  std::optional<std::set<int>> boxes;
  bool keepExisting = false;
  bool keepGoing = false;             // a failed document does not end the run
  bool recursive = false;             // the subfolders of SOURCE too
  std::optional<std::string> report;  // the CSV file of the results; "-": standard output
  unsigned jobs = 1;                  // the offices that convert at once
  // A worker of a parallel run: the folder with its plan (StagedFolders) and its counts.
  std::optional<std::string> worker;
  std::optional<std::string> title;
  std::optional<std::string> subject;
  std::optional<std::string> author;
  std::optional<std::string> keywords;
  std::string source;  // a host folder or a drive path, as given
  std::optional<std::string> destination;

  // Whether anything goes through the Advanced Options dialog.
  bool UsesOptionsDialog() const { return keepExisting || title || subject || author || keywords; }
};

// Wrong usage; the message says what is wrong.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program name. Raises UsageError.
BatchOptions ParseBatchOptions(const std::vector<std::string>& args);

// The options that a worker of a parallel run takes over: the types, keep rules and
// properties, without the folders, the report and the number of jobs.
std::vector<std::string> WorkerArguments(const BatchOptions& options);

// The usage lines, and the whole explanation that --help prints.
std::string BatchUsage();
std::string BatchHelp();

}  // namespace batch
