// Times one showing of a tip from large tips files: a tip near the start, the middle and the end
// of a file of 65,535 tips, the end of the tips, and files of 100 MB with no tip at all.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tips/tips.h"

namespace {

std::filesystem::path Write(const char* name, const std::function<void(std::ofstream&)>& fill) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream out(path, std::ios::binary);
  fill(out);
  return path;
}

// Milliseconds of one showing of tip `number` (median, worst over `rounds`).
void Measure(const char* what, const std::filesystem::path& file, int number, int rounds) {
  std::vector<double> ms;
  for (int i = 0; i < rounds; ++i) {
    sb::TipsState state;
    state.tipCounter = static_cast<std::uint16_t>(number - 1);
    const auto start = std::chrono::steady_clock::now();
    sb::ShowNextTip(state, file);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("| %s | %.2f | %.2f |\n", what, ms[ms.size() / 2], ms.back());
}

}  // namespace

int main() {
  const auto many = Write("sumburrow-bench-many-tips.txt", [](std::ofstream& out) {
    for (int n = 1; n <= sb::kLastTipNumber; ++n)
      out << '-' << n << "\r\nTip number " << n
          << "\r\nThe answer of one equation starts the next one.\r\nKeep going!\r\n\r\n";
  });
  const std::string line(1000, 'x');
  const auto lines = Write("sumburrow-bench-100mb-lines.txt", [&](std::ofstream& out) {
    for (int i = 0; i < 100 * 1000; ++i)
      out << line << '\n';
  });
  const auto oneLine = Write("sumburrow-bench-100mb-one-line.txt", [&](std::ofstream& out) {
    for (int i = 0; i < 100 * 1000; ++i)
      out << line;
  });
  std::printf("file of %ju bytes with 65,535 tips; 100 MB files of %ju and %ju bytes\n\n",
              static_cast<std::uintmax_t>(std::filesystem::file_size(many)),
              static_cast<std::uintmax_t>(std::filesystem::file_size(lines)),
              static_cast<std::uintmax_t>(std::filesystem::file_size(oneLine)));
  std::printf("| showing | median ms | worst ms |\n|---|---|---|\n");
  Measure("tip 1 of 65,535", many, 1, 51);
  Measure("tip 32,768 of 65,535", many, 32768, 51);
  Measure("tip 65,535 of 65,535", many, 65535, 51);
  Measure("100 MB of 1,000-character lines, no tip", lines, 1, 11);
  Measure("100 MB in one line, no tip", oneLine, 1, 11);
  for (const auto& path : {many, lines, oneLine})
    std::filesystem::remove(path);
}
