// The options dialog: every setting of the game as a control over the one settings record,
// edited live, with quick presets per school grade and a button that starts a new game.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QSlider;
class QSpinBox;
class QWidget;

namespace sb {

class Tfo : public QDialog {
  Q_OBJECT

 public:
  // The result of a dialog closed with "New Game": the caller then starts a new game. "OK" gives
  // QDialog::Accepted and the close box QDialog::Rejected; neither starts one.
  static constexpr int kNewGameResult = 4;

  // The dialog edits `settings` for as long as it lives; every change is written at once.
  explicit Tfo(Settings& settings, QWidget* parent = nullptr);

  // Told the output volume, 0 .. 65535, whenever the volume track bar moves.
  std::function<void(int volume)> setVolume;
  // Asks the player for a font, starting from `initial`: the chosen family, or nothing when the
  // player cancels.
  std::function<std::optional<QString>(const QFont& initial)> chooseFont;

  // The game switches these; both stay off until its first game has been built.
  void SetUserLevelEnabled(bool enabled);
  void SetNewGameEnabled(bool enabled);

  // Shows the record's current values (done whenever the dialog is shown, since the record may
  // have been changed elsewhere).
  void ShowSettings();

  // A grade chosen in the quick settings: index 0 .. 7 applies its preset, others do nothing.
  void UserLevelChange(int index);
  // The volume track bar moved to `position`, 1 loudest .. 15 quietest.
  void tbSoundChange(int position);
  // The "Font" button: the chosen family becomes the font of the board's numbers.
  void Button2Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct TrackBarLayout;

  void BuildQuickSettings(QWidget* page);
  void BuildTrackBars(QWidget* page);
  QSlider* AddTrackBar(QWidget* page, const TrackBarLayout& layout);
  void BuildGameSettings(QWidget* page);
  void BuildNumberOptions(QWidget* page);
  void BuildTunnelOptions(QWidget* page);
  void BuildAnswerRange(QWidget* page);
  // Under the answer range: why the next game uses another range, and which; hidden when none.
  void ShowRangeInUse();
  void BuildButtons(QWidget* tabs);
  void PlaceButtons();
  QCheckBox* AddCheckBox(QGroupBox* group, const char* name, bool Settings::*setting,
                         const char* caption, int y);
  void ConnectTrackBar(QSlider* slider, int Settings::*setting);
  void CentreOverParent();

  Settings& settings_;
  QFont lastFont_;  // what the font chooser shows next

  QComboBox* UserLevel = nullptr;
  QSlider* handicap = nullptr;
  QSlider* tbSound = nullptr;
  QSlider* tbSize = nullptr;
  QSlider* tbTunnelLength = nullptr;
  QCheckBox* Negatives = nullptr;
  QComboBox* SubTunnels = nullptr;
  QCheckBox* Milestones = nullptr;
  QCheckBox* MarkEntrance = nullptr;
  QSpinBox* minAnswer = nullptr;
  QSpinBox* maxAnswer = nullptr;
  QLabel* rangeInUse_ = nullptr;
  QPushButton* bOK = nullptr;
  QPushButton* bNewWords = nullptr;
  QWidget* tabs_ = nullptr;

  // The controls that mirror one field of the record each, for ShowSettings.
  std::vector<std::pair<QSlider*, int Settings::*>> trackBars_;
  std::vector<std::pair<QCheckBox*, bool Settings::*>> checkBoxes_;
};

}  // namespace sb
