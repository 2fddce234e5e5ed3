// Every modal question the game asks goes through Prompts, so the windows can
// run headless under a script in the tests.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tessel::ui {

// The version, from the project's one definition in CMakeLists.txt.
inline const QString kVersion = QStringLiteral(TESSEL_VERSION);
// Title of every message box and dialog.
inline const QString kAppTitle = QStringLiteral("Sudoku Tessel ") + kVersion;
// Placeholder address of the project's pages; the web-link items open it.
inline const QString kHomePage = QStringLiteral("https://sudokutessel.example.org");

class Prompts {
 public:
  virtual ~Prompts() = default;

  // A notice with an OK button.
  virtual void Notice(QWidget* parent, const QString& text) = 0;
  // Yes/No; No (or closing the box) answers false.
  virtual bool Ask(QWidget* parent, const QString& text) = 0;
  // One line of text; nullopt when cancelled.
  virtual std::optional<QString> Input(QWidget* parent, const QString& caption, const QString& prompt,
                                       const QString& value) = 0;
  virtual std::optional<QString> OpenFile(QWidget* parent, const QString& dir, const QString& filter) = 0;
  virtual std::optional<QString> SaveFile(QWidget* parent, const QString& dir, const QString& filter) = 0;
  // Colours are 0x00BBGGRR, as the board stores them.
  virtual std::optional<quint32> PickColour(QWidget* parent, quint32 initial) = 0;
};

// The real dialogs.
class DialogPrompts final : public Prompts {
 public:
  void Notice(QWidget* parent, const QString& text) override;
  bool Ask(QWidget* parent, const QString& text) override;
  std::optional<QString> Input(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& value) override;
  std::optional<QString> OpenFile(QWidget* parent, const QString& dir, const QString& filter) override;
  std::optional<QString> SaveFile(QWidget* parent, const QString& dir, const QString& filter) override;
  std::optional<quint32> PickColour(QWidget* parent, quint32 initial) override;
};

// Answers from a queue, for tests and headless runs. Notices need no answer
// and are only recorded; any other prompt must have been scripted, in order.
// An unscripted prompt, or one of the wrong kind, goes to the unexpected
// handler (by default a fatal error) and gets the cancelling answer.
class ScriptedPrompts final : public Prompts {
 public:
  enum class Kind { Notice, Ask, Input, OpenFile, SaveFile, Colour };

  struct Shown {
    Kind kind;
    QString text;  // notice or question text, input prompt, file filter
  };

  ScriptedPrompts& AnswerAsk(bool yes);
  ScriptedPrompts& AnswerInput(std::optional<QString> text);
  ScriptedPrompts& AnswerOpenFile(std::optional<QString> path);
  ScriptedPrompts& AnswerSaveFile(std::optional<QString> path);
  ScriptedPrompts& AnswerColour(std::optional<quint32> colour);

  void SetUnexpectedHandler(std::function<void(const QString&)> handler) { unexpected_ = std::move(handler); }

  const std::vector<Shown>& shown() const { return shown_; }
  QStringList Notices() const;
  QStringList Questions() const;
  std::size_t Pending() const { return script_.size(); }
  void Clear();

  void Notice(QWidget* parent, const QString& text) override;
  bool Ask(QWidget* parent, const QString& text) override;
  std::optional<QString> Input(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& value) override;
  std::optional<QString> OpenFile(QWidget* parent, const QString& dir, const QString& filter) override;
  std::optional<QString> SaveFile(QWidget* parent, const QString& dir, const QString& filter) override;
  std::optional<quint32> PickColour(QWidget* parent, quint32 initial) override;

 private:
  struct Answer {
    Kind kind;
    bool yes = false;
    std::optional<QString> text;
    std::optional<quint32> colour;
  };
  // Pops the next answer into out when it is of this kind; otherwise reports
  // it and returns false.
  bool Take(Kind kind, const QString& text, Answer& out);

  std::deque<Answer> script_;
  std::vector<Shown> shown_;
  std::function<void(const QString&)> unexpected_;
};

}  // namespace tessel::ui
