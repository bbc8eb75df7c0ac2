#pragma once
// What the Qt-free model needs to tell the user. The front end shows each call as a modal
// message box; tests record them.
#include <string>

namespace qvt::model {

enum class MessageIcon { Information, Exclamation, Critical };

// The application title, shown on boxes without a title of their own.
inline constexpr const char* kAppTitle = "Tervane";

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A box with an OK button. Texts are UTF-8; line breaks are "\n".
  virtual void show_message(MessageIcon icon, const std::string& title,
                            const std::string& text) = 0;
};

}  // namespace qvt::model
