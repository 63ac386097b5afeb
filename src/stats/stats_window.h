// The statistics window: a histogram of the recorded games by level, size or score, filtered by
// handicap and options, with totals and the success rate. It reads the file and never writes it.
#pragma once

#include <QDialog>
#include <array>

#include "stats/stats_view.h"

class QCheckBox;
class QLabel;
class QPainter;
class QRadioButton;
class QWidget;

namespace sb {

class TfrmStats : public QDialog {
  Q_OBJECT

 public:
  // Shows the records of the given files, each once; the game writes the same files.
  explicit TfrmStats(stats::StatsFiles statsFiles, QWidget* parent = nullptr);

  // The filters as the controls stand.
  stats::StatsFilter Filter() const;

  // What the player is told of a record that did not go to the statistics file (where games now
  // go, or that they cannot be kept), in the player's language; empty when it went there.
  static QString OutcomeText(const stats::RecordOutcome& outcome);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void CreateHistogram();
  void CreateShowBy();
  void CreateByHandicap();
  void CreateByOptions();
  void CreateTotals();
  void CreateHintAndDone();

  // Show By and the handicap buttons: the scale of the selected Show By, then a paint.
  void FormShow();
  void ShowByClick();
  void WithDefsClick();
  void ApplyScale();
  void HPaint(QPainter& painter);
  void HMouseMove(int x);

  stats::StatsFiles statsFiles_;
  stats::Scale scale_;
  stats::StatsCounts counts_;  // of the last paint, for the hover read-out

  QWidget* H = nullptr;
  std::array<QLabel*, 11> axis_{};  // x1, x10 ... x100
  QLabel* zzTop = nullptr;
  QLabel* Details = nullptr;
  QRadioButton* ByLevels = nullptr;
  QRadioButton* ByLetters = nullptr;
  QRadioButton* ByScore = nullptr;
  QRadioButton* byEasy = nullptr;
  QRadioButton* byNeutral = nullptr;
  QRadioButton* byHarder = nullptr;
  QRadioButton* byOverall = nullptr;
  QCheckBox* WithDefs = nullptr;
  QCheckBox* WithVowels = nullptr;
  QCheckBox* byTimedGames = nullptr;
  QLabel* nLost = nullptr;
  QLabel* nCompleted = nullptr;
  QLabel* nPlayed = nullptr;
  QLabel* Success = nullptr;
};

}  // namespace sb
