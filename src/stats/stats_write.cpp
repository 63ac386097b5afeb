// Writing a finished game to the statistics file: one line, one write, nothing rewritten.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "stats/stats_file.h"

namespace sb::stats {
namespace {

std::string Failure(const std::filesystem::path& file, const std::string& reason) {
  return "The game could not be added to the statistics file " + file.string() + ": " + reason +
         ".";
}

std::string Reason(int error) {
  return std::generic_category().message(error);
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, so a late write error (a network folder) is not lost; 0 or the error number.
  int Close() {
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Whether the file, of the given size, ends inside a line. A file we may only write to cannot be
// looked at, so it is taken as torn: at worst that adds an empty line, which readers skip.
bool EndsInsideALine(int fd, off_t size, bool readable) {
  if (size == 0) return false;
  if (!readable) return true;
  char last = 0;
  if (::pread(fd, &last, 1, size - 1) != 1) return true;
  return last != '\n' && last != '\r';
}

// Opens for appending, creating the file; a file we may write but not read is opened write-only.
int OpenForAppend(const std::filesystem::path& file, bool& readable) {
  const int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  readable = fd >= 0 || errno != EACCES;
  if (readable) return fd;
  return ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
}

// 0 when all of text was written, otherwise the error number.
int WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t wrote = ::write(fd, text.data(), text.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) return errno;
    if (wrote == 0) return EIO;
    text.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return 0;
}

}  // namespace

std::string IsoLocalTime(const std::tm& local) {
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return std::string(text, length);
}

std::tm LocalTime(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

namespace {

// Appends the record; an empty text on success, otherwise why it failed.
std::string TryAppend(const std::filesystem::path& file, const GameRecord& record,
                      std::chrono::system_clock::time_point ended) {
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  if (error) return error.message();
  bool readable = true;
  Descriptor fd(OpenForAppend(file, readable));
  if (fd.get() < 0) return Reason(errno);
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) return Reason(errno);
  std::string text = StatsLine(record, IsoLocalTime(LocalTime(ended))) + "\n";
  if (EndsInsideALine(fd.get(), status.st_size, readable)) text.insert(0, "\n");
  if (const int failed = WriteAll(fd.get(), text)) {
    // A short write (a full disk) would leave half a record: take our part back. If even that
    // fails, the torn line is skipped by the reader and the next record starts a line of its own.
    if (S_ISREG(status.st_mode) && ::ftruncate(fd.get(), status.st_size) != 0) {
      // Nothing more can be done; the write's own error is the one to report.
    }
    return Reason(failed);
  }
  if (const int failed = fd.Close()) return Reason(failed);
  return {};
}

// Two names of one file, whether it exists yet or not.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  const std::filesystem::path left = std::filesystem::weakly_canonical(a, error);
  if (error) return a.lexically_normal() == b.lexically_normal();
  const std::filesystem::path right = std::filesystem::weakly_canonical(b, error);
  if (error) return a.lexically_normal() == b.lexically_normal();
  return left == right;
}

}  // namespace

std::string Append(const std::filesystem::path& file, const GameRecord& record,
                   std::chrono::system_clock::time_point ended) {
  const std::string reason = TryAppend(file, record, ended);
  return reason.empty() ? std::string() : Failure(file, reason);
}

std::vector<std::filesystem::path> StatsFiles::ToRead() const {
  std::vector<std::filesystem::path> files{file};
  if (!fallback.empty() && !SameFile(file, fallback)) files.push_back(fallback);
  return files;
}

RecordOutcome Record(const StatsFiles& files, const GameRecord& record,
                     std::chrono::system_clock::time_point ended) {
  const std::string reason = TryAppend(files.file, record, ended);
  if (reason.empty()) return {};
  RecordOutcome outcome{RecordedIn::Nowhere, {{files.file, reason}}, {}};
  if (files.ToRead().size() > 1) {
    const std::string instead = TryAppend(files.fallback, record, ended);
    if (instead.empty()) {
      outcome.where = RecordedIn::Fallback;
      outcome.keptIn = files.fallback;
      return outcome;
    }
    outcome.failures.push_back({files.fallback, instead});
  }
  return outcome;
}

}  // namespace sb::stats
