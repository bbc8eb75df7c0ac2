#include "engines/zenobar/zenobar_data.h"

#include <cstdio>
#include <cstdlib>

namespace qvt::zenobar {

namespace {
[[noreturn]] void fatal_file(const std::string& name) {
  // TODO: the engine runtime's message layer
  std::fprintf(stderr, "QVTMSG\terror\terror\t出力ファイル (%s) が作成できません。\n", name.c_str());
  std::exit(1);
}
}  // namespace

std::FILE* create_output_file(const std::string& name) {
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (!f) fatal_file(name);
  return f;
}

void close_output_file(std::FILE* file, const std::string& name) {
  bool ok = std::ferror(file) == 0;
  ok = (std::fclose(file) == 0) && ok;
  if (!ok) fatal_file(name);
}

}  // namespace qvt::zenobar
