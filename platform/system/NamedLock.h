#pragma once
// A lock that one holder at a time takes among all the processes of one profile, as a named
// mutex of Windows is one per session. It is kept as a lock file (flock) in the profile's
// folder, so that a holder that ends in any way, also killed, gives it up at once. Two
// NamedLock objects of one name exclude each other also within one process. While it holds
// the lock, the holder's program name and process number stand in the file, so that another
// one can say who has it.

#include <filesystem>
#include <memory>
#include <string>

namespace platform {

class NamedLock {
 public:
  explicit NamedLock(std::filesystem::path lockFile);
  ~NamedLock() { Release(); }
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

  // Takes the lock without waiting; true when it is held now, also when it was held before.
  // False when another holder has it, or the lock file cannot be made (see Problem()).
  bool TryAcquire();
  void Release();
  bool Held() const { return fd_ >= 0; }

  // Who holds the lock, for a message: "sheafmill-batch (process 4242)"; "another program"
  // when the holder left no name; empty when nobody holds it.
  std::string Holder() const;
  // Whether the holder is this process, through this object or another one.
  bool HeldByThisProcess() const { return Held() || Holder() == ThisProcess(); }
  // How Holder() names this process.
  static std::string ThisProcess();
  // Why the last TryAcquire failed when it was not another holder; else empty.
  const std::string& Problem() const { return problem_; }

 private:
  std::filesystem::path file_;
  int fd_ = -1;
  std::string problem_;
};

// The named locks of one profile, in its folder beside the registry store.
class Locks {
 public:
  explicit Locks(std::filesystem::path folder) : folder_(std::move(folder)) {}
  // The lock of `name` (letters, digits and "-"), not taken yet.
  std::unique_ptr<NamedLock> Open(const std::string& name) const {
    return std::make_unique<NamedLock>(folder_ / (name + ".lock"));
  }

 private:
  std::filesystem::path folder_;
};

}  // namespace platform
