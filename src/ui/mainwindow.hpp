// The main window: builds the menus, tool bars, board and side panel,
// forwards every command to the game and shows the game's state (Refresh).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>

#include "core/game.hpp"
#include "core/random.hpp"
#include "core/settings.hpp"
#include "ui/prompts.hpp"
#include "ui/session.hpp"
#include "ui/stepsearch.hpp"
#include "widgets/colorgrid.hpp"
#include "widgets/mousepb.hpp"
#include "widgets/picsd33.hpp"
#include "widgets/tcolor.hpp"
#include "widgets/timelabel.hpp"

class QAction;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QToolBar;
class QDialog;
class QToolButton;

namespace tessel::ui {

class TFrmdas;
class TfrmAppearance;


class TForm1 : public QMainWindow, public Session {
  Q_OBJECT

  // The game in progress; the window shows it and forwards to it.
  Game game_;

 public:
  static constexpr int kClientWidth = 596;
  static constexpr int kClientHeight = 545;

  explicit TForm1(Prompts& prompts, QWidget* parent = nullptr);
  ~TForm1() override;

  // --- What dialogs reach (Session) ---
  Game& game() override { return game_; }
  const Game& game() const { return game_; }
  Prompts& prompts() override { return prompts_; }
  const QString& DataFolder() const override { return dataFolder; }
  // Brings everything on screen in line with the game, with one repaint of
  // the board: the board, digit bars, step and branch buttons, finished
  // mark, level label, clock and the side panel's controls.
  void Refresh() override;
  void ApplyLook(const BoardLook& look) override;
  BoardLook Look() const override;
  void ShowAutoCheck(bool on) override;
  QWidget* dialogParent() override { return this; }

  // Why the last game file could not be written; empty after a success.
  const QString& LastWriteError() const { return lastWriteError; }

  // --- Last game and replays (gamefiles.cpp) ---
  // False when the file could not be written; the old one stays whole.
  bool WriteGameFile(const QString& path);
  // Throws GameDataError (or another std::exception) when the file cannot
  // be read whole; the game in play is then untouched.
  void LoadGameFile(const QString& path);
  void SaveReplay();
  void LoadReplay();
  void ContinueLastGame();

  Random32& random() { return rng_; }
  // Deals become reproducible with a fixed source.
  void SetSeedSource(Random32::SeedSource source) { rng_.SetSeedSource(std::move(source)); }
  // Help and web links go through here; tests record instead of opening a browser.
  void SetUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
  // Modal windows are shown through here; tests look at them instead.
  void SetModalRunner(std::function<void(QDialog&)> runner) { runModal_ = std::move(runner); }

  // Deals and starts a game at level 0..4.
  void NewGame(int level);
  // WC_Label: shown while the game is solved.
  bool FinishedMarkShown() const;

  // Status-bar hints.
  void ShowHint(const QString& text);
  void ShowExplained();
  void ClearHint();
  QString HintText() const;

  // Key preview: every key of this window comes here before the focused control.
  void FormKeyDown(QKeyEvent* event);
  // A key on the focused board with Keyboard Play on; false when it is no
  // board key.
  bool BoardKeyDown(QKeyEvent* event);

  // --- Board input (boardinput.cpp) ---
  void CellMouseDown(int row, int col, Qt::MouseButton button);
  void CandidateMouseDown(int row, int col, int digit, Qt::MouseButton button);
  void HoverEnter(int row, int col, int sub);  // sub 0: the cell itself
  // The board asks for the menu of a cell: build it, show it unless suppressed.
  void ppPopup(int row, int col, const QPoint& globalPos);
  void CellMenuClick(QAction* item);

 public slots:
  // New game, levels 0..4.
  void ToolButton11Click();
  void ToolButton5Click();
  void ToolButton6Click();
  void ToolButton7Click();
  void ToolButton8Click();
  void tbresignClick();
  void TimeLabel1Timer();
  void Exit1Click();

  void SpeedButton1Click();  // Clear Marking
  void ProgressBar1MouseDown(int digit);

  void SaveCurrentBoard1Click();
  void ToolButton1Click();
  void ToolButton12Click();
  void ToolButton4Click();
  void Con1Click();
  void appearance1Click();
  void savetClick();
  void objectSaveGameStepByStep1TMenuItem1Click();
  void CopyPuzzleToClipboard1Click();
  void tbsolveClick();
  void ToolButton16Click();
  void ToolButton9Click();
  // The easiest next step: its clue in the status bar, then its sentence
  // with its cells framed.
  void ExplainNextStep();
  // The explained step made on the board as one step.
  void ApplyExplainedStep();
  void b1Click();
  void b2Click();
  void b3Click();
  void tbfirstClick();
  void tbbackClick();
  void tbnextClick();
  void tblastClick();

  // Periphery.
  void Contents1Click();
  void HomePage1Click();
  void Feedback1Click();
  void CheckNewVersion1Click();
  void About1Click();
  // Tools > Keyboard Play: on, the board takes the keyboard; remembered.
  void KeyboardPlay1Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The window's parts. Tests and scripts reach them by object name.
  TPICSD33* sd991 = nullptr;
  TTimeLabel* TimeLabel1 = nullptr;
  QLabel* ndtxt = nullptr;
  QLabel* WC_Label = nullptr;
  QString dataFolder;  // ends with "/"
  SettingsText options_;  // options.ini: choices kept beside the described files
  QString lastWriteError;
  QWidget* Panel1 = nullptr;  // the board frame with the row and column labels
  QGroupBox* GroupBoxCandidates = nullptr;
  QRadioButton* rb_none = nullptr;
  QRadioButton* rb_all = nullptr;
  QRadioButton* rb_one = nullptr;
  std::array<QToolButton*, 10> disnote{};  // 1..9; [0] unused
  QGroupBox* GroupBoxColor = nullptr;
  QCheckBox* chkcolor = nullptr;
  TColorGrid* ColorGrid1 = nullptr;
  QPushButton* bt_clearcolor = nullptr;
  std::array<Tmousepb*, 10> ProgressBar{};  // 1..9; [0] unused
  QCheckBox* cbautoupdate = nullptr;
  QStatusBar* sb1 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolBar* ToolBar2 = nullptr;
  QMenu* pp = nullptr;  // the cell menu

  // Commands (objectName = the name used here).
  QAction* SaveCurrentBoard1 = nullptr;  // save-game action
  QAction* ToolButton1 = nullptr;        // game list
  QAction* ToolButton12 = nullptr;       // printable board
  QAction* ToolButton4 = nullptr;        // import or create
  QAction* Con1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* ToolButton11 = nullptr;  // Very Easy
  QAction* ToolButton5 = nullptr;   // Gentle
  QAction* ToolButton6 = nullptr;   // Moderate
  QAction* ToolButton7 = nullptr;   // Tough
  QAction* ToolButton8 = nullptr;   // Diabolical
  QAction* appearance1 = nullptr;
  QAction* savet = nullptr;  // Save Replay
  QAction* objectSaveGameStepByStep1TMenuItem1 = nullptr;  // Load Replay
  QAction* CopyPuzzleToClipboard1 = nullptr;
  QAction* ExplainNextStep1 = nullptr;  // Tools > Explain Next Step, F4
  QAction* KeyboardPlay1 = nullptr;     // Tools > Keyboard Play, checkable
  QAction* ApplyExplainedStep1 = nullptr;  // Tools > Apply Explained Step, Shift+F4
  QAction* tbresign = nullptr;
  QAction* tbsolve = nullptr;
  QAction* ToolButton16 = nullptr;  // Check Error
  QAction* ToolButton9 = nullptr;   // Show hint
  QAction* b1 = nullptr;
  QAction* b2 = nullptr;
  QAction* b3 = nullptr;
  QAction* tbfirst = nullptr;
  QAction* tbback = nullptr;
  QAction* tbnext = nullptr;
  QAction* tblast = nullptr;
  QAction* Contents1 = nullptr;
  QAction* HomePage1 = nullptr;
  QAction* Feedback1 = nullptr;
  QAction* CheckNewVersion1 = nullptr;
  QAction* AutoCheckNewVersion1 = nullptr;  // checkable; stored as "Auto_check"
  QAction* About1 = nullptr;

  // Dialogs, made on first use; Appearance right after the window (it loads
  // doda.ini), the Multiple Solutions Viewer once and shown on demand.
  class Tfrmprintselect* frmprintselect = nullptr;
  class Tfrmgamelist* frmgamelist = nullptr;
  class Tfrmcopy* frmcopy = nullptr;
  TFrmdas* Frmdas = nullptr;
  TfrmAppearance* frmAppearance = nullptr;

  void BuildActions();
  void BuildMenus();
  void BuildToolBars(QWidget* client);
  void BuildBoard(QWidget* client);
  void BuildSidePanel(QWidget* client);
  void FormCreate();
  void FormClose();
  bool OpenUrl(const QUrl& url);

  struct ActionDef;
  static const ActionDef kActions[];
  QAction* MakeAction(const char* name, const QString& text, const QString& hint);
  void WireBoard();
  bool IsNeutralHintArea(const QObject* o) const;
  // The step and branch buttons as the game allows them.
  void ShowStepButtons();
  // The side panel's controls as the game has them.
  void ShowLookControls();
  // The board's accessible description: the chosen digit and the mode.
  void DescribeBoard();
  // After a move: the window shows it, then announces a finish.
  void Played(const PlayResult& result);
  // Runs a history command and shows where it leads.
  void Step(bool (Game::*step)());
  // Searches the explained step apart from the window, which stays
  // responsive; then (apply) makes it. A quick search ends before this returns.
  void SearchStep(const Game::ExplainJob& job, bool apply);
  void StepFound();

  Prompts& prompts_;
  QAction* wcAction_ = nullptr;  // WC_Label's place in ToolBar2
  Random32 rng_;
  std::function<bool(const QUrl&)> openUrl_;
  std::function<void(QDialog&)> runModal_;
  int clockStarts_ = 0;          // the game's clock start last shown
  QString hintText_;             // the hint in the status bar, whole
  QString explainedHint_;        // the last Explain Next Step sentence
  static constexpr int kHintMargin = 10;     // the status bar's own padding
  static constexpr int kSmallestHintPx = 10; // smaller is hard to read
  // Key preview: the event last handed to FormKeyDown and where it was.
  const QEvent* previewedKey_ = nullptr;
  QPointer<QWidget> previewedAt_;
  // The cell the menu was opened on, and whether the press before it lets
  // the menu open.
  int menuRow_ = 0;
  int menuCol_ = 0;
  bool menuAllowed_ = false;
  // The step search, and whether the found step is to be made.
  StepSearch* search_ = nullptr;
  bool searchApplies_ = false;
};

}  // namespace tessel::ui
