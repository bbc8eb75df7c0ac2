#pragma once
// Every modal message box, file dialog and modal dialog of the front end goes through UiPort,
// so tests answer them without a person. QtUiPort shows the real thing.
#include "frontend/model/messages.h"

#include <QString>

#include <optional>

class QDialog;
class QFileDialog;
class QUrl;
class QWidget;

namespace qvt::shell {

using model::MessageIcon;

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct FileRequest {
  QString caption;
  QString filter;          // Qt form: "ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj);;..."; suffixes match in any case
  QString start;           // the file name the dialog starts with (a path or a bare name)
  QString default_suffix;  // added to a typed name without one (save dialogs)
};

class UiPort {
 public:
  virtual ~UiPort() = default;
  // A modal message box. An empty title shows the application title. Closing the box counts
  // as Cancel (or as No when there is no Cancel button, as OK for an OK box).
  virtual Answer message_box(QWidget* owner, MessageIcon icon, const QString& title,
                             const QString& text, Buttons buttons, Answer default_button) = 0;
  // A modal open dialog for an existing file; nullopt when cancelled.
  virtual std::optional<QString> open_file(QWidget* owner, const FileRequest& request) = 0;
  // A modal save dialog; it asks before it returns an existing file. nullopt when cancelled.
  virtual std::optional<QString> save_file(QWidget* owner, const FileRequest& request) = 0;
  // Shows one of the system's own dialogs modally and returns when it is closed.
  virtual void exec_dialog(QDialog& dialog) = 0;
  // Hands a document (a local file or a web address) to the desktop's viewer and returns at
  // once; false when nothing takes it. Opens nothing unless a port says how.
  virtual bool open_document(QWidget* /*owner*/, const QUrl& /*url*/) { return false; }

  // An OK box.
  void notice(QWidget* owner, MessageIcon icon, const QString& title, const QString& text) {
    message_box(owner, icon, title, text, Buttons::Ok, Answer::Ok);
  }
};

class QtUiPort : public UiPort {
 public:
  Answer message_box(QWidget* owner, MessageIcon icon, const QString& title, const QString& text,
                     Buttons buttons, Answer default_button) override;
  std::optional<QString> open_file(QWidget* owner, const FileRequest& request) override;
  std::optional<QString> save_file(QWidget* owner, const FileRequest& request) override;
  void exec_dialog(QDialog& dialog) override;
  bool open_document(QWidget* owner, const QUrl& url) override;
};

// Sets up the widget file dialog QtUiPort shows: the filter, the start name, a default suffix
// for save dialogs, and suffixes matched in any case (.msj and .MSJ alike).
void configure_file_dialog(QFileDialog& dialog, const FileRequest& request, bool save);

// The model's messages shown as OK boxes through a UiPort.
class UiMessageSink : public model::MessageSink {
 public:
  UiMessageSink(UiPort& ui, QWidget* owner) : ui_(ui), owner_(owner) {}
  void show_message(MessageIcon icon, const std::string& title, const std::string& text) override;

 private:
  UiPort& ui_;
  QWidget* owner_;
};

}  // namespace qvt::shell
