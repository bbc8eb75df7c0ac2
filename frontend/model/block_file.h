#pragma once
// The block file: the 20 block slots, their label numbers and the shape library as CP932 text.
// The same layout is the project's <base>.MBJ and the engines' QVTABLK.<ext>. It names no
// version of its own: a reader takes the version of the conditions file read with it.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qvt::model {

inline constexpr const char* kMsgBlocksUnreadable = "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)が読み込み出来ません。";

// Lines of one slot record, by the section its type selects.
inline constexpr int kPolygonRecordLines = 37;
inline constexpr int kCaissonRecordLines = 63;
inline constexpr int kCounterfortRecordLines = 49;
inline constexpr int kQuadRecordLines = 41;
inline constexpr int kLibraryRecordLines = 43;

// A library entry's six values stand in the files in this order of their positions (the
// sibling program's designs keep the same order).
inline constexpr int kLibraryValueOrder[6] = {0, 2, 1, 5, 3, 4};


struct BlockFileLines {
  std::vector<std::string> lines;  // CP932 bytes, without line ends
  int stopped_at_slot = -1;        // the slot whose type line ended the file, or -1
};

// The lines of the block file. Block names and part names are trimmed of blanks at both ends
// and stored back into the slots, as the file carries them. With `stop_at_soil_polygon` (the
// engines' copy of a wall-pattern project, whose improved-soil blocks must be level) the first
// slot of type 6 ends the file right after its type line, and `stopped_at_slot` names it.
BlockFileLines block_file_lines(ProjectModel& m, bool stop_at_soil_polygon = false);

// Reads the block file of the layout that `file_version` (the version of the conditions file
// read with it) implies into the slots, label numbers and shape library of `m`. Only the
// section a slot's type selects is read; the other sections keep what they held. Reads into a
// copy and commits only when the whole file has been read, so a failure leaves `m` unchanged.
// The file is read line by line against its layout: a line with more or fewer items than the
// layout gives it is malformed, so a line repeated, lost or swapped with one of another shape
// is refused instead of moving the values after it into other fields.
// False when the file is missing or no readable file, short, longer than its layout (empty
// lines at the end aside) or malformed, holds a block type without a record layout, or a count
// or an index that lies outside its store; `problem` then receives a reason worth showing the user, or stays empty
// when there is nothing to add to "cannot be read".
bool read_block_file(const std::filesystem::path& file, int file_version, ProjectModel& m,
                     std::string* problem = nullptr);
// The same from the file's lines (CP932, without line ends).
bool read_block_lines(std::vector<std::string> lines, int file_version, ProjectModel& m,
                      std::string* problem = nullptr);
// Whether read_block_lines would take these lines, without storing them anywhere (a save
// refuses a project it could not open again).
bool block_lines_readable(const std::vector<std::string>& lines, int file_version,
                          std::string* problem = nullptr);

// Where a block reader takes its items from: the sibling program's files end a number at a
// blank as well as at a comma, so their reader brings its own tokens.
class BlockItemSource {
 public:
  virtual ~BlockItemSource() = default;
  // The next number; false at the end or when the item is not one.
  virtual bool real(double& out) = 0;
  virtual bool i16(std::int16_t& out) = 0;
  // The rest of the current line, or the next line whole when the current one is used up.
  virtual bool line(std::string& out) = 0;
  // Whether nothing but empty lines is left. Sources that cannot tell say yes, so only the
  // project's own files are held to ending where their layout ends.
  virtual bool at_end() const { return true; }
  // For sources that hold a file to its line layout: whether the next item starts a line, and
  // whether the last item taken ended its line. Sources that cannot tell say yes.
  virtual bool at_line_start() const { return true; }
  virtual bool line_used_up() const { return true; }
};

// The sibling program's block file (<base>.TB2), its items taken from `items`, into the slots,
// label numbers and, from version 2200, the shape library of `m`: empty file slots are placed
// from slot 19 down, the others from slot 0 up; caisson and counterfort outlines are rebuilt
// from their parameters. `sibling_version` is that of the conditions file read before it. A
// type outside -1..8, a count beyond its store, a short or malformed file: false, `m`
// unchanged.
bool read_sibling_block_items(BlockItemSource& items, int sibling_version, ProjectModel& m,
                              MessageSink& messages);

// For blocks taken from the sibling program: gives every library block (slots 0..19) the width
// of the library entry it names as its own mirror width, so the picture, which mirrors about
// the block's width, and the engines, which mirror about the entry's, put it in one place.
// False when a library block names an entry beyond `library_count`.
bool fit_library_blocks(std::array<WallBlock, MAX_WALL_BLOCKS + 1>& blocks,
                        const std::array<ShapeEntry, SHAPE_LIBRARY_SIZE + 1>& library,
                        int library_count);

}  // namespace qvt::model
