// What the game rules ask of the window. The window implements it; tests and tools implement it
// with recorders. The rules never read anything back from it.
#pragma once

#include <string>

namespace sb {

class Presentation {
 public:
  virtual ~Presentation() = default;

  // Repaints the board background.
  virtual void FormPaint() = 0;
  // Draws every cell's outline and number over what is there.
  virtual void DrawBoard() = 0;
  // Lets pending window messages run (other handlers may run inside this call).
  virtual void ProcessMessages() = 0;
  // Shows the short text of a broken internal invariant; the game carries on.
  virtual void ShowDiagnostic(const std::string& text) = 0;
};

}  // namespace sb
