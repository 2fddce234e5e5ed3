#include "ui/prompts.hpp"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "widgets/tcolor.hpp"

namespace tessel::ui {

namespace {

const char* KindName(ScriptedPrompts::Kind kind) {
  switch (kind) {
    case ScriptedPrompts::Kind::Notice: return "notice";
    case ScriptedPrompts::Kind::Ask: return "question";
    case ScriptedPrompts::Kind::Input: return "input box";
    case ScriptedPrompts::Kind::OpenFile: return "open dialog";
    case ScriptedPrompts::Kind::SaveFile: return "save dialog";
    case ScriptedPrompts::Kind::Colour: return "colour dialog";
  }
  return "prompt";
}

}  // namespace

// --- DialogPrompts ---

void DialogPrompts::Notice(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, kAppTitle, text, QMessageBox::Ok);
}

bool DialogPrompts::Ask(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, kAppTitle, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

std::optional<QString> DialogPrompts::Input(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& value) {
  bool ok = false;
  QString text = QInputDialog::getText(parent, caption.isEmpty() ? kAppTitle : caption, prompt, QLineEdit::Normal,
                                       value, &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<QString> DialogPrompts::OpenFile(QWidget* parent, const QString& dir, const QString& filter) {
  QString path = QFileDialog::getOpenFileName(parent, kAppTitle, dir, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> DialogPrompts::SaveFile(QWidget* parent, const QString& dir, const QString& filter) {
  // The game asks its own overwrite question; the dialog's would be a second.
  QString path = QFileDialog::getSaveFileName(parent, kAppTitle, dir, filter, nullptr,
                                              QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<quint32> DialogPrompts::PickColour(QWidget* parent, quint32 initial) {
  const QColor picked = QColorDialog::getColor(ToQColor(initial), parent, kAppTitle);
  if (!picked.isValid()) return std::nullopt;
  return FromQColor(picked);
}

// --- ScriptedPrompts ---

ScriptedPrompts& ScriptedPrompts::AnswerAsk(bool yes) {
  script_.push_back({Kind::Ask, yes, std::nullopt, std::nullopt});
  return *this;
}

ScriptedPrompts& ScriptedPrompts::AnswerInput(std::optional<QString> text) {
  script_.push_back({Kind::Input, false, std::move(text), std::nullopt});
  return *this;
}

ScriptedPrompts& ScriptedPrompts::AnswerOpenFile(std::optional<QString> path) {
  script_.push_back({Kind::OpenFile, false, std::move(path), std::nullopt});
  return *this;
}

ScriptedPrompts& ScriptedPrompts::AnswerSaveFile(std::optional<QString> path) {
  script_.push_back({Kind::SaveFile, false, std::move(path), std::nullopt});
  return *this;
}

ScriptedPrompts& ScriptedPrompts::AnswerColour(std::optional<quint32> colour) {
  script_.push_back({Kind::Colour, false, std::nullopt, colour});
  return *this;
}

QStringList ScriptedPrompts::Notices() const {
  QStringList out;
  for (const Shown& s : shown_)
    if (s.kind == Kind::Notice) out << s.text;
  return out;
}

QStringList ScriptedPrompts::Questions() const {
  QStringList out;
  for (const Shown& s : shown_)
    if (s.kind == Kind::Ask) out << s.text;
  return out;
}

void ScriptedPrompts::Clear() {
  script_.clear();
  shown_.clear();
}

bool ScriptedPrompts::Take(Kind kind, const QString& text, Answer& out) {
  shown_.push_back({kind, text});
  QString problem;
  if (script_.empty())
    problem = QStringLiteral("unscripted %1: \"%2\"").arg(QString::fromLatin1(KindName(kind)), text);
  else if (script_.front().kind != kind)
    problem = QStringLiteral("script expected a %1 but got a %2: \"%3\"")
                  .arg(QString::fromLatin1(KindName(script_.front().kind)), QString::fromLatin1(KindName(kind)), text);
  if (problem.isEmpty()) {
    out = script_.front();
    script_.pop_front();
    return true;
  }
  if (unexpected_)
    unexpected_(problem);
  else
    qFatal("ScriptedPrompts: %s", qPrintable(problem));
  return false;
}

void ScriptedPrompts::Notice(QWidget*, const QString& text) { shown_.push_back({Kind::Notice, text}); }

bool ScriptedPrompts::Ask(QWidget*, const QString& text) {
  Answer a{Kind::Ask, false, std::nullopt, std::nullopt};
  return Take(Kind::Ask, text, a) && a.yes;
}

std::optional<QString> ScriptedPrompts::Input(QWidget*, const QString&, const QString& prompt, const QString&) {
  Answer a{Kind::Input, false, std::nullopt, std::nullopt};
  if (!Take(Kind::Input, prompt, a)) return std::nullopt;
  return a.text;
}

std::optional<QString> ScriptedPrompts::OpenFile(QWidget*, const QString&, const QString& filter) {
  Answer a{Kind::OpenFile, false, std::nullopt, std::nullopt};
  if (!Take(Kind::OpenFile, filter, a)) return std::nullopt;
  return a.text;
}

std::optional<QString> ScriptedPrompts::SaveFile(QWidget*, const QString&, const QString& filter) {
  Answer a{Kind::SaveFile, false, std::nullopt, std::nullopt};
  if (!Take(Kind::SaveFile, filter, a)) return std::nullopt;
  return a.text;
}

std::optional<quint32> ScriptedPrompts::PickColour(QWidget*, quint32 initial) {
  Answer a{Kind::Colour, false, std::nullopt, std::nullopt};
  if (!Take(Kind::Colour, QString::number(initial), a)) return std::nullopt;
  return a.colour;
}

}  // namespace tessel::ui
