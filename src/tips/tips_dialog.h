// The "Tip of the Day" dialog: a thin window over the tips reader, shown modally at start-up and
// from the Help menu; every showing and every "Next Tip" shows the next tip.
#pragma once

#include <QDialog>
#include <filesystem>

#include "tips/tips.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QShowEvent;

namespace sb {

class TfTips : public QDialog {
  Q_OBJECT

 public:
  // The tips come from sb/TIPS.TXT in the program folder unless another file is given.
  explicit TfTips(QWidget* parent = nullptr, std::filesystem::path tipsFile = {});

  // The main window's first activation: tick "Show Tips at Startup" and start again at tip 1.
  void PrepareForStartup();
  bool ShowTipsAtStartup() const;

  // Shows the dialog modally with the next tip; returns at once, without showing anything,
  // when the tips file cannot be read.
  int exec() override;

  const TipsState& state() const { return state_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TipOutcome FormActivate();
  void Button2Click();
  void Mirror();
  void LoadBulb();
  void FitPanel();
  std::filesystem::path TipsFile() const;

  std::filesystem::path tipsFile_;
  TipsState state_;
  bool activatedByExec_ = false;
  QLabel* iBulb_;
  QLabel* lTitle_;
  QLabel* lTip_;
  QCheckBox* cbShowTips_;
  QPushButton* Button1_;
  QPushButton* Button2_;
};

}  // namespace sb
