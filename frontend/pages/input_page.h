#pragma once
// The seam every input category plugs into: the category switch calls its load when the
// category is chosen, its store when the category is left, and `arrive` after the load.
namespace qvt::pages {

class InputPage {
 public:
  virtual ~InputPage() = default;
  // Fills the page's controls from the project model.
  virtual void load() {}
  // Commits the page's controls into the project model.
  virtual void store() {}
  // What the category does on arrival after its load, such as choosing a default mode when
  // none is chosen (the dimension-line and earth-pressure categories).
  virtual void arrive() {}
};

}  // namespace qvt::pages
