#include "tools/batch/BatchOptions.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace batch {
namespace {

// The names of --types and the boxes they tick, in the window's order from top to bottom.
constexpr std::pair<const char*, int> kTypes[] = {{"doc", 1}, {"xls", 2}, {"ppt", 3}, {"txt", 4},
                                                  {"rtf", 5}, {"htm", 6}, {"cad", 7}};

std::string TypeNames() {
  std::string names;
  for (const auto& [name, box] : kTypes) names += (names.empty() ? "" : ",") + std::string(name);
  return names;
}

std::set<int> ParseTypes(const std::string& list) {
  if (list.empty()) throw UsageError("--types needs at least one of " + TypeNames());
  std::set<int> boxes;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, end - start);
    bool known = false;
    for (const auto& [typeName, box] : kTypes) {
      if (name == typeName) {
        boxes.insert(box);
        known = true;
      }
    }
    if (!known) {
      throw UsageError("unknown type \"" + name + "\" in --types; the types are " + TypeNames());
    }
    start = end + 1;
  }
  return boxes;
}

unsigned ParseJobs(const std::string& value) {
  if (value == "auto") return std::max(1U, std::thread::hardware_concurrency());
  const bool digits =
      !value.empty() && value.size() <= 4 &&
      std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || std::stoul(value) == 0) {
    throw UsageError("--jobs needs a number of offices from 1 to 9999, or auto; \"" + value +
                     "\" is none");
  }
  return static_cast<unsigned>(std::stoul(value));
}

// The value of an option: "--name=value", or the next argument.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}
  bool Done() const { return next_ >= args_.size(); }
  const std::string& Take() { return args_[next_++]; }
  std::string ValueOf(const std::string& option, const std::optional<std::string>& given) {
    if (given) return *given;
    if (Done()) throw UsageError(option + " needs a value");
    return Take();
  }

 private:
  const std::vector<std::string>& args_;
  size_t next_ = 0;
};

}  // namespace

BatchOptions ParseBatchOptions(const std::vector<std::string>& args) {
  BatchOptions options;
  std::vector<std::string> folders;
  ArgumentReader reader(args);
  bool optionsEnded = false;
  while (!reader.Done()) {
    const std::string& arg = reader.Take();
    if (optionsEnded || !arg.starts_with("-")) {
      if (arg.empty()) throw UsageError("an empty folder name was given");
      folders.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const std::optional<std::string> inlineValue =
        equals == std::string::npos ? std::nullopt : std::optional(arg.substr(equals + 1));
    const bool takesValue = name == "--types" || name == "--title" || name == "--subject" ||
                            name == "--author" || name == "--keywords" || name == "--report" ||
                            name == "--jobs" || name == "--worker";
    if (!takesValue && inlineValue) throw UsageError(name + " takes no value");
    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--keep-existing") {
      options.keepExisting = true;
    } else if (name == "--keep-going") {
      options.keepGoing = true;
    } else if (name == "--recursive") {
      options.recursive = true;
    } else if (name == "--report") {
      options.report = reader.ValueOf(name, inlineValue);
      if (options.report->empty())
        throw UsageError("--report needs a file name (- for standard output)");
    } else if (name == "--jobs") {
      options.jobs = ParseJobs(reader.ValueOf(name, inlineValue));
    } else if (name == "--worker") {
      options.worker = reader.ValueOf(name, inlineValue);
    } else if (name == "--types") {
      options.boxes = ParseTypes(reader.ValueOf(name, inlineValue));
    } else if (name == "--title") {
      options.title = reader.ValueOf(name, inlineValue);
    } else if (name == "--subject") {
      options.subject = reader.ValueOf(name, inlineValue);
    } else if (name == "--author") {
      options.author = reader.ValueOf(name, inlineValue);
    } else if (name == "--keywords") {
      options.keywords = reader.ValueOf(name, inlineValue);
    } else {
      throw UsageError("unknown option " + name);
    }
  }
  if (options.help) return options;
  if (folders.empty()) throw UsageError("no SOURCE folder was given");
  if (folders.size() > 2) throw UsageError("too many folders: \"" + folders[2] + "\"");
  options.source = folders[0];
  if (folders.size() == 2) options.destination = folders[1];
  return options;
}

std::vector<std::string> WorkerArguments(const BatchOptions& options) {
  std::vector<std::string> args;
  if (options.boxes) {
    std::string types;
    for (const auto& [name, box] : kTypes) {
      if (options.boxes->count(box) != 0) types += (types.empty() ? "" : ",") + std::string(name);
    }
    args.insert(args.end(), {"--types", types});
  }
  if (options.keepExisting) args.push_back("--keep-existing");
  if (options.keepGoing) args.push_back("--keep-going");
  const std::pair<const char*, const std::optional<std::string>&> properties[] = {
      {"--title", options.title},
      {"--subject", options.subject},
      {"--author", options.author},
      {"--keywords", options.keywords}};
  for (const auto& [name, value] : properties) {
    if (value) args.insert(args.end(), {name, *value});
  }
  return args;
}

std::string BatchUsage() {
  return "usage: sheafmill-batch [--types " + TypeNames() +
         "] [--keep-existing]\n"
         "                       [--keep-going] [--recursive] [--report FILE] [--jobs N]\n"
         "                       [--title T] [--subject S] [--author A] [--keywords K]\n"
         "                       SOURCE [DESTINATION]\n"
         "       sheafmill-batch --help\n";
}

std::string BatchHelp() {
  return BatchUsage() + R"(
Converts the documents of the ticked types in the folder SOURCE into PDF files in the
folder DESTINATION, as Sheafmill's window does when Convert is pressed, without a display.
Each document is opened in its authoring application, printed to the PDF printer
"VELTRA Ashgrove PDF Creator" and the PDF is named after the document with ".pdf".

Folders:
  SOURCE, DESTINATION  host folders (/home/ann/docs, docs) or drive paths (C:\Docs). A host
                       folder must lie on a drive of the drive map; without DESTINATION the
                       PDF files go into SOURCE. A missing DESTINATION folder is created.

Options:
  --types LIST     the document types to convert, separated by commas; exactly these boxes
                   are ticked:
                     doc  Microsoft Word (.DOC)         xls  Microsoft Excel (.XLS)
                     ppt  Microsoft PowerPoint (.PPT)   txt  Plain Text File (.TXT)
                     rtf  Rich Text File (.RTF)         htm  Web Pages (.HTM, .HTML)
                     cad  AutoCAD drawings (.DWG, .DXF)
                   Without --types: doc,txt,rtf, as the window starts.
  --keep-existing  keep a PDF file that is already there and write the new one beside it
                   under a free name (report.pdf stays, report__000.pdf is written);
                   without it an existing PDF file is replaced.
  --keep-going     a document that fails is reported (on standard error, as always) and the
                   run goes on with the next one; the last line says how many were
                   converted and how many failed. Without it the first failure ends the run.
  --recursive      every folder below SOURCE too, each into the same folder below
                   DESTINATION (made when it gets a PDF file), or beside its documents
                   without DESTINATION. Hidden folders (.name) are left out, and so are links
                   that lead out of SOURCE or to a folder converted already. DESTINATION
                   must not lie inside SOURCE.
  --report FILE    writes a CSV file (RFC 4180) with the header
                   source,pdf,status,reason,pages,seconds and one row per listed document:
                   its host path, its PDF file's, converted, failed or skipped (a stop or a
                   failure came first), why it failed, the PDF's pages, the seconds it took.
                   Each row is written when its document is done. "-" writes the report to
                   standard output, and the status lines then go to standard error.
  --jobs N         N offices convert at once (auto: one per processor core; 1 without the
                   option). Each works on a private copy of the profile, with the printer's
                   settings and the document properties, that the tool removes at the end.
                   Documents whose PDF files could meet (memo.doc and memo.txt both give
                   memo.pdf) go to the same office, in the order one office would take them,
                   so that the same PDF files are written as with one office. Without
                   --keep-going a failure stops the other offices after their current
                   document. On a terminal the status lines of all offices come under
                   one progress bar of all their documents.
  --title T, --subject S, --author A, --keywords K
                   the document properties the PDF printer writes into every PDF. They are
                   stored with the printer's settings, as the window's Advanced Options
                   stores them, and hold for later runs too; properties not given keep their
                   stored values.
  --help           this text.

Output:
  Each change of the window's two status lines is printed: on a terminal in one line
  updated in place after a progress bar (documents done of all listed, and the time left),
  with finished files listed above it; otherwise one line per change. Messages the window
  would show in a box go to standard error.

Exit status:
  0    every document was converted
  1    a document failed, the run stopped with an error, or another run on the same
       profile was using the PDF printer (see standard error)
  2    wrong usage: unknown option, missing folder, folder outside the drive map, a
       report file that cannot be written, --jobs that is not a number from 1 up
       or auto, DESTINATION inside SOURCE with --recursive
  130  stopped by Ctrl+C
  129  stopped because the terminal went away (SIGHUP)
  143  stopped by SIGTERM (kill)

Ctrl+C stops the run once the current document is done, as Exit does in the window; a
second Ctrl+C, SIGTERM or SIGHUP stops at once. Either way the printer's automatic output
is switched off, no office process stays behind and the run's temporary files are removed.

One run at a time uses the PDF printer of a profile: while a window's or another batch
tool's run converts, a second run is refused at once with a message naming the process
that has it.

The tool reads no configuration of its own. It works on the user's Sheafmill profile
($SHEAFMILL_PROFILE, else $XDG_CONFIG_HOME/sheafmill, else ~/.config/sheafmill): the registry
store with the drive map and the PDF printer's settings. Install the printer once with
"sheafmill-driver install". SHEAFMILL_OFFICE_TIMEOUT (seconds) limits how long one document
may take in the office.
)";
}

}  // namespace batch
