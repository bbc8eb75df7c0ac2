#pragma once
// Qt-free rules of the commands that only hand something to another program: the manuals, the
// update history named in Flinmor.inf, the updater, and the notice of the version dialog.
#include <filesystem>
#include <string>

namespace qvt::shell {

// The shipped documents, in the install folder.
inline constexpr const char* kOperationManual = "操作説明.pdf";
inline constexpr const char* kProductOverview = "商品概説.pdf";
// The updater's description file; its line 7 names the update history.
inline constexpr const char* kUpdaterInfoFile = "Flinmor.inf";
inline constexpr int kUpdateHistoryLine = 7;

inline constexpr const char* kMsgNoPdfApplication =
    "pdfファイルに関連づけられたアプリケーションが見つかりません";

// What line 7 of Flinmor.inf leads to.
struct UpdateHistoryTarget {
  enum class Kind {
    Address,      // an http or https address: `target`
    Document,     // an existing document of the install folder: `target` is its full path
    InfoMissing,  // Flinmor.inf is missing or cannot be read
    InfoShort,    // Flinmor.inf has fewer than seven lines, or line 7 is blank
    Missing,      // line 7 names a document of the install folder that does not exist: `target`
    Refused,      // line 7 names anything else (a program, a file elsewhere): `target` = line 7
  };
  Kind kind = Kind::InfoMissing;
  std::string target;  // UTF-8
};

// Reads Flinmor.inf of the install folder (CP932) and decides what its line 7 may open. Only
// an http(s) address or a .pdf, .html, .htm or .txt file inside the install folder is opened:
// the desktop's "open" would start a program named there.
UpdateHistoryTarget update_history_target(const std::filesystem::path& install_folder);

// The message a target that is not opened gets (UTF-8); empty for Address and Document.
std::string update_history_message(const UpdateHistoryTarget& target);

// The text of a manual that is not in the install folder.
std::string missing_document_message(const std::filesystem::path& document);

// The exit code of the updater that ends the program.
inline constexpr int kUpdaterEndsProgram = 3;

}  // namespace qvt::shell
