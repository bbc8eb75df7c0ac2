#include "frontend/shell/ui_port.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace qvt::shell {

namespace {

QMessageBox::StandardButton to_button(Answer a) {
  switch (a) {
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Ok: break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon to_icon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Information: break;
  }
  return QMessageBox::Information;
}

std::optional<QString> run_file_dialog(QWidget* owner, const FileRequest& request, bool save) {
  QFileDialog dialog(owner);
  configure_file_dialog(dialog, request, save);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.front();
}

}  // namespace

void configure_file_dialog(QFileDialog& dialog, const FileRequest& request, bool save) {
  dialog.setWindowTitle(request.caption);
  // The widget dialog everywhere, so that the case rule below holds on every desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(request.filter);
  if (!request.default_suffix.isEmpty()) dialog.setDefaultSuffix(request.default_suffix);
  if (!request.start.isEmpty()) dialog.selectFile(request.start);
}

Answer QtUiPort::message_box(QWidget* owner, MessageIcon icon, const QString& title,
                             const QString& text, Buttons buttons, Answer default_button) {
  QMessageBox box(to_icon(icon), title.isEmpty() ? QString::fromUtf8(model::kAppTitle) : title,
                  text, QMessageBox::NoButton, owner);
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  box.setDefaultButton(to_button(default_button));
  if (buttons == Buttons::YesNo) box.setEscapeButton(QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
  }
  return buttons == Buttons::YesNoCancel ? Answer::Cancel
         : buttons == Buttons::YesNo     ? Answer::No
                                         : Answer::Ok;
}

std::optional<QString> QtUiPort::open_file(QWidget* owner, const FileRequest& request) {
  return run_file_dialog(owner, request, false);
}

std::optional<QString> QtUiPort::save_file(QWidget* owner, const FileRequest& request) {
  return run_file_dialog(owner, request, true);
}

void QtUiPort::exec_dialog(QDialog& dialog) { dialog.exec(); }

bool QtUiPort::open_document(QWidget*, const QUrl& url) { return QDesktopServices::openUrl(url); }

void UiMessageSink::show_message(MessageIcon icon, const std::string& title,
                                 const std::string& text) {
  ui_.notice(owner_, icon, QString::fromStdString(title), QString::fromStdString(text));
}

}  // namespace qvt::shell
