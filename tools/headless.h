// Presentations without a window, for the developer tools, the benchmarks and the tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/presentation.h"

namespace sb {

// Draws nothing and lets nothing run.
class NullPresentation : public Presentation {
 public:
  void FormPaint() override {}
  void DrawBoard() override {}
  void ProcessMessages() override {}
  void ShowDiagnostic(const std::string& text) override { diagnostics.push_back(text); }

  std::vector<std::string> diagnostics;
};

// Counts what the rules asked for; onProcessMessages runs inside "let pending messages run",
// which is where a window would run other handlers.
class RecordingPresentation : public Presentation {
 public:
  void FormPaint() override { ++formPaints; }
  void DrawBoard() override { ++drawBoards; }
  void ProcessMessages() override;
  void ShowDiagnostic(const std::string& text) override { diagnostics.push_back(text); }

  int formPaints = 0;
  int drawBoards = 0;
  long messagePumps = 0;
  std::vector<std::string> diagnostics;
  std::function<void()> onProcessMessages;

 private:
  bool pumping_ = false;
};

}  // namespace sb
