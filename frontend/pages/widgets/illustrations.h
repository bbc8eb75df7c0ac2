#pragma once
// The fixed pictures of the design-conditions page, drawn by the program: the normal-case clay
// formulas under the clay-formula options (`Img_gm1`) and pictures 1 and 3 of the seismic tab's
// list (`img_lst1`): the wall pressure lines at the R.W.L. and the seismic clay formulas.
#include <QPixmap>

namespace qvt::pages {

QPixmap normal_clay_formulas_picture();  // 358 x 70
QPixmap rwl_pressure_picture();          // 390 x 150, picture 1
QPixmap seismic_clay_formulas_picture(); // 390 x 150, picture 3

}  // namespace qvt::pages
