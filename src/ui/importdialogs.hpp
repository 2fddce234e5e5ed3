// The player's own puzzles: the import-or-create dialog with its editor
// board, and the import text dialog it opens.
#pragma once

#include <QDialog>
#include <QString>

#include "core/editor.hpp"
#include "ui/prompts.hpp"
#include "ui/session.hpp"
#include "widgets/picsd33.hpp"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tessel::ui {

class TfrmImport;

class Tfrm_new : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 544;
  static constexpr int kClientHeight = 458;

  explicit Tfrm_new(Session& session, QWidget* parent = nullptr);

  // The puzzle being built; the editor board shows it.
  const PuzzleEditor& editor() const { return editor_; }

  // Editor board mouse handlers.
  void EditorCellMouseDown(int row, int col, Qt::MouseButton button);
  void EditorCandidateMouseDown(int row, int col, int digit, Qt::MouseButton button);

  // Every cell open with all nine candidates.
  void ClearGrid();
  // The import dialog's text: kept, and read onto the editor board. False
  // when no layout fits it.
  bool TakeImportText(const QString& text);

 public slots:
  void Button5Click();
  void Button6Click();
  void Button3Click();
  void Button1Click();
  void Button2Click();
  void Button4Click();

 private:
  TPICSD33* sdnew = nullptr;  // the editor board
  QPushButton* Button5 = nullptr;  // Load Puzzle
  QPushButton* Button6 = nullptr;  // Import
  QPushButton* Button3 = nullptr;  // Clear Grid
  QPushButton* Button1 = nullptr;  // Check Puzzle
  QPushButton* Button2 = nullptr;  // Play Puzzle
  QPushButton* Button4 = nullptr;  // Quit
  QPlainTextEdit* memo2 = nullptr;  // hidden: the last text handed over by the import dialog
  TfrmImport* frmImport = nullptr;

  void FormCreate();
  // What the puzzle test's code tells the player.
  static QString TestNotice(int code);
  // The editor board shows the puzzle again.
  void ShowEditor();

  Session& session_;
  Prompts& prompts_;
  PuzzleEditor editor_;
};

class TfrmImport : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 717;
  static constexpr int kClientHeight = 351;

  explicit TfrmImport(Tfrm_new& owner, Prompts& prompts);

 public slots:
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void e1Click();
  void e2Click();
  void e3Click();
  void e4Click();

 private:
  QPlainTextEdit* memo2 = nullptr;  // the import text
  QMenu* PopupMenu1 = nullptr;
  QAction* e1 = nullptr;  // Select All
  QAction* e2 = nullptr;  // Copy
  QAction* e3 = nullptr;  // Paste
  QAction* e4 = nullptr;  // Clear
  QLabel* Label2 = nullptr;
  QPushButton* Button3 = nullptr;  // Example 1
  QPushButton* Button4 = nullptr;  // Example 2
  QPushButton* Button5 = nullptr;  // Example 3
  QPushButton* Button6 = nullptr;  // Example 4
  QPushButton* Button1 = nullptr;  // OK
  QPushButton* Button2 = nullptr;  // Cancel
  QLabel* Label1 = nullptr;        // help line of the current example

  void ShowExample(const QString& help, const QStringList& lines);

  Tfrm_new& owner_;
  Prompts& prompts_;
};

// The form's import-or-create dialog, made on first use and kept for the run.
Tfrm_new& ImportDialog(Session& session);

}  // namespace tessel::ui
