// The main window: the playing board, the solution store, the clock, every
// command, and the life of one game from the deal to the close.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/game.hpp"
#include "core/history.hpp"
#include "core/qj.hpp"
#include "core/random.hpp"
#include "ui/prompts.hpp"
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

// Placeholder address of the project's pages; the web-link items open it.
inline const QString kHomePage = QStringLiteral("https://sudokutessel.example.org");

class TForm1 : public QMainWindow {
  Q_OBJECT

  // The game in progress; the window shows it and forwards to it.
  Game game_;

 public:
  static constexpr int kClientWidth = 596;
  static constexpr int kClientHeight = 545;
  // A colour-mark entry that holds no mark.
  static constexpr TColor kNoMark = tessel::kNoMark;

  explicit TForm1(Prompts& prompts, QWidget* parent = nullptr);
  ~TForm1() override;

  // The game on show. Whoever changes it from outside asks for a redraw
  // (RecountDigits after a move, StartGame after a new position).
  Game& game() { return game_; }
  const Game& game() const { return game_; }
  // The data folder, ending with "/".
  const QString& DataFolder() const { return dataFolder; }
  // Why the last game file could not be written; empty after a success.
  const QString& LastWriteError() const { return lastWriteError; }

  // --- Saved games, last game and replays (gamefiles.cpp) ---
  // Opens the record of that name; false when a bad digit stopped it.
  bool OpenGame(const std::vector<std::string>& lines, const std::string& name);
  // False when the file could not be written; the old one stays whole.
  bool WriteGameFile(const QString& path);
  // Throws GameDataError (or another std::exception) at the failing step.
  void LoadGameFile(const QString& path);
  void SaveReplay();
  void LoadReplay();
  void ContinueLastGame();

  Prompts& prompts() { return prompts_; }
  Random32& random() { return rng_; }
  // Deals become reproducible with a fixed source.
  void SetSeedSource(Random32::SeedSource source) { rng_.SetSeedSource(std::move(source)); }
  // Help and web links go through here; tests record instead of opening a browser.
  void SetUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
  // Modal windows are shown through here; tests look at them instead.
  void SetModalRunner(std::function<void(QDialog&)> runner) { runModal_ = std::move(runner); }

  // --- Routines the other parts of the game call ---
  // Empties the board and the solution store.
  void ClearGame();
  // After a load that failed: the cleared board on screen, and no step or
  // branch button that would lead back into the game that is gone.
  void ShowNoGame();
  // Puts the game held by the store on the board; fill computes candidates.
  void StartGame(bool fill);
  // The common after-change routine: digit bars, then the history step.
  void RecountDigits();
  // The finish reaction; byCellClick also closes the branch buttons.
  void ShowFinish(bool byCellClick);
  // WC_Label: shown while the game is solved.
  bool FinishedMarkShown() const;
  // A puzzle from the editor becomes the game in play, from its start.
  void PlayImportedPuzzle(const Board& editor, std::string_view solution);
  // Deals and starts a game at level 0..4.
  void NewGame(int level);

  // History.
  void RecordStep();
  void UpdateStepButtons();
  void ResetHistory();
  void DisableStepButtons();
  void StepFirst();
  void StepBack();
  void StepNext();
  void StepLast();

  // Display modes and colour marks.
  int SelectedDigit() const;
  void SetDigitButtons(int d);
  void PressDigitButton(int d);  // without running the digit selection
  // The game's chosen digit follows the digit buttons.
  void SyncSelectedDigit();
  TColor CellBaseColour(int row, int col) const;
  void PaintBaseColours(bool clear);
  void HighlightSelected();
  void ApplyMarks();
  void RestoreEntryFonts();

  // Status-bar hints.
  void ShowHint(const QString& text);
  void ClearHint();
  QString HintText() const;

  // The "Auto check" menu item as the settings file has it.
  void ShowAutoCheck(bool on);

  // Key preview: every key of this window comes here before the focused control.
  void FormKeyDown(QKeyEvent* event);

  // --- Board input ---
  void CellMouseDown(int row, int col, Qt::MouseButton button);
  void CandidateMouseDown(int row, int col, int digit, Qt::MouseButton button);
  void HoverEnter(int row, int col, int sub);  // sub 0: the cell itself
  void HoverLeave(int row, int col, int sub);
  // The board asks for the menu of a cell: build it, show it unless suppressed.
  void ppPopup(int row, int col, const QPoint& globalPos);
  void BuildCellMenu(const std::string& text);
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

  // Display-mode controls.
  void rb_noneClick();
  void disnote1Click();
  void SpeedButton1Click();  // Clear Marking
  void ProgressBar1MouseDown(int digit);

  // Commands of later changes; inert until then.
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
  // The easiest next step: its sentence in the status bar, its cells framed.
  void ExplainNextStep();
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
  // The cell menu; its tag -1 makes the next opening show nothing.
  QMenu* pp = nullptr;
  int ppTag = 0;

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

  QAction* MakeAction(const char* name, const QString& text, const QString& hint);
  void WireBoard();
  bool IsNeutralHintArea(const QObject* o) const;
  // The redraw of the current display mode after a board change.
  void DrawForMode();
  // The board's accessible description: the chosen digit and the mode.
  void DescribeBoard();
  // Puts a history line on the board and brings the display up to it.
  void ShowStep(bool (Game::*step)());
  // The redraw after a restore, by display mode.
  void RedrawRestored();
  // Every cell that is not a given gets its digit of the solution, shown.
  void ShowSolution(const std::string& solution);
  // WC_Label follows the game's finished state.
  void ShowFinishedMark();

  Prompts& prompts_;
  QAction* wcAction_ = nullptr;  // WC_Label's place in ToolBar2
  Random32 rng_;
  std::function<bool(const QUrl&)> openUrl_;
  std::function<void(QDialog&)> runModal_;
  bool allowAllUp_ = false;  // whether all nine digit buttons may be up
  bool settingDigits_ = false;  // the buttons are being set as one group
  QString hintText_;             // the hint in the status bar, whole
  QString explainedHint_;        // the last Explain Next Step sentence
  static constexpr int kHintMargin = 10;     // the status bar's own padding
  static constexpr int kSmallestHintPx = 10; // smaller is hard to read
  // Key preview: the event last handed to FormKeyDown and where it was.
  const QEvent* previewedKey_ = nullptr;
  QPointer<QWidget> previewedAt_;
  // The cell the menu was opened on.
  int menuRow_ = 0;
  int menuCol_ = 0;
};

}  // namespace tessel::ui
