#pragma once
// A sand check worked by hand: CAL_HEN.DAT of a block quay and a chart of three straight curves
// x + y = 30, 50, 70 labelled 20, 10, 5, written into a work folder.
#include "common/cp932.h"
#include "common/textfile.h"

#include <filesystem>
#include <string>

namespace qvt::results::fixtures {

// V 4000 / 3500, H 600 / 700, B 20, e 2 / 3, gamma 10: tan(theta) 0.150 / 0.200,
// 2e/B 0.200 / 0.300. The title holds a comma.
inline std::string eccentric_load_text() {
  return utf8_to_cp932_lossy("26,3,8,7,5,9,砂地盤の岸壁,第2案") +
         "\r\n4000.000000,3500.000000\r\n600.000000,700.000000\r\n30000.000000,26000.000000\r\n"
         "20.000000\r\n2.000000,3.000000\r\n0.200000,0.300000\r\n2.000000\r\n30.000000\r\n"
         "10.000000\r\n150.000000\r\n250.000000,300.000000\r\n";
}

inline std::string hand_chart_text() {
  return "3\r\n20,2,15,15\r\n0,30\r\n30,0\r\n10,2,25,25\r\n0,50\r\n50,0\r\n"
         "5,2,35,35\r\n0,70\r\n70,0\r\n";
}

inline void write_work_folder(const std::filesystem::path& folder) {
  write_file_bytes(folder / "CAL_HEN.DAT", eccentric_load_text());
  for (const char* name : {"FAI30.CSV", "FAI35.CSV", "FAI40.CSV", "FAI45.CSV"})
    write_file_bytes(folder / name, hand_chart_text());
}

}  // namespace qvt::results::fixtures
