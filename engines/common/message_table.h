#pragma once
// The numbered error texts of the earth pressure, earth pressure report and internal stability
// engines. Every text starts with "(ERROR)-" and is held as CP932 bytes. Code -1 shows the text
// the caller passes instead of a table text.
#include "engines/common/engine_entry.h"

#include <string>
#include <string_view>

namespace qvt::engine {

// The codes the engines raise.
inline constexpr int kMessageCodes[] = {3,  5,  17, 18, 19, 20, 21, 22, 26, 27, 28, 31, 32,
                                        34, 35, 36, 37, 38, 57, 60, 61, 63, 64, 65, 66};

// The CP932 text of a table code; for code -1 the caller's text unchanged; for any other code a
// generic text naming the code (no caller passes one, but a wrong code must still tell the user
// that the engine stopped).
std::string error_text(int code, std::string_view cp932_text = {});

// The stop that shows the text of `code` in a box titled "error"; the engine then ends with
// exit code 1.
EngineStop error_stop(int code, std::string_view cp932_text = {});

// Shows the message of `code` and ends the engine with exit code 1 (through start_engine).
[[noreturn]] void show_error(int code, std::string_view cp932_text = {});

}  // namespace qvt::engine
