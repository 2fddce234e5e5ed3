// The save dialog and the game list over games.dat.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

#include "ui/session.hpp"

namespace tessel::ui {


// "Save Your Game": made for one use; its creation reads games.dat.
class Tfrmsave : public QDialog {
  Q_OBJECT

 public:
  explicit Tfrmsave(Session& session, QWidget* parent = nullptr);

  // False when games.dat exists but could not be read: nothing may be
  // written over it then.
  bool loaded() const { return loaded_; }
  const QString& loadError() const { return loadError_; }
  QString path() const;
  // games.dat as last read or written.
  const std::vector<std::string>& games() const { return Gamelist; }

  int ItemIndex() const;
  void SetItemIndex(int level);

  // Reads games.dat afresh into Gamelist; false (and loadError) when it is
  // there but cannot be read.
  bool Reload();
  // One change to games.dat, safe against another running copy: under the
  // lock in the data folder the file is read afresh, `change` edits those
  // lines and they are written back. Gamelist then holds what is on disk,
  // also after a failure. `change` returns false to write nothing, with a
  // message in `why` to show, or none.
  using GamesChange = std::function<bool(std::vector<std::string>& lines, QString& why)>;
  bool ChangeGames(const GamesChange& change);
  // How long a change waits for another copy's lock.
  static void SetLockWaitForTesting(int ms);
  void Button1Click();

 private:
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QButtonGroup* RadioButtons = nullptr;  // id = level code
  QPushButton* Button1 = nullptr;        // OK
  QPushButton* Button2 = nullptr;        // Cancel
  // The whole of games.dat, and the board part of a record being built.
  std::vector<std::string> Gamelist;
  std::vector<std::string> Memo1;

  Session& session_;
  bool loaded_ = false;
  QString loadError_;
};

// "Choose a sudoku": made once, refreshed from a Tfrmsave before each showing.
class Tfrmgamelist : public QDialog {
  Q_OBJECT

 public:
  explicit Tfrmgamelist(Session& session, QWidget* parent = nullptr);

  void Attach(Tfrmsave* store) { store_ = store; }
  // Returns how many games it listed.
  int FillGameList();

  // The name of the selected row as stored in the file (byte for byte).
  std::string SelectedName() const;
  void Button1Click();
  void Button2Click();
  void Button3Click();

 private:
  QTableWidget* StringGrid1 = nullptr;
  QPushButton* Button1 = nullptr;  // Delete
  QPushButton* Button2 = nullptr;  // Rename
  QPushButton* Button3 = nullptr;  // OK
  QPushButton* Button4 = nullptr;  // Cancel

  void SetRow(int row, const std::string& name, const QString& difficulty);
  // Shows games.dat as it now is, keeping the selected row where it can.
  void Refresh();

  Session& session_;
  Tfrmsave* store_ = nullptr;
};

}  // namespace tessel::ui
