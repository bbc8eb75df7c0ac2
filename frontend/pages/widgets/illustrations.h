#pragma once
// The fixed pictures of the input pages, drawn by the program.
// Design conditions: the normal-case clay formulas under the clay-formula options and pictures
// 1 and 3 of the seismic tab's list: the wall pressure lines at the R.W.L. and the seismic clay
// formulas.
// The other pages: labelled schematics that name the boxes of their page, the sea side on the
// left and the land side on the right, as the section picture shows them.
#include <QPixmap>
#include <QSize>

namespace qvt::pages {

// The size of the seismic tab's picture, whichever it shows: narrow enough to stand beside the
// clay frames in the page at the window's own size.
inline constexpr QSize kSeismicPictureSize{350, 150};

QPixmap normal_clay_formulas_picture();  // 358 x 56: the basic tab holds it whole
QPixmap rwl_pressure_picture();          // kSeismicPictureSize, picture 1
QPixmap seismic_clay_formulas_picture(); // kSeismicPictureSize, picture 3

// Superstructure page: the check point Ｘ, Ｙ at the sea-side toe of the wall's base and the
// spread line at the spread angle down to the top of the improved body.
QPixmap superstructure_picture();
// Improved-body page, tab "改良体": Ｘ, Ｂ, Dh1, Dh2 of the body.
QPixmap improved_body_picture();
// Tab "改良体の形状": plan and section of the wall form and of the lattice form with Ｌｓ, Ｄｓ,
// Ｌｌ, Ｂｌ１, Ｂｌ２ and the derived Ｂｓ, Ｄｌ.
QPixmap wall_form_picture();
QPixmap lattice_form_picture();
// Ground-surface page: tab "地表面", the two shapes and the collapse angle inside an embankment;
// tab "形状", the two slope angles of the straight shape; tab "上載荷重", the surcharges of the
// shape chosen.
QPixmap ground_surface_shapes_picture();
QPixmap surface_slopes_picture();
QPixmap surcharge_picture(bool arbitrary_shape);

}  // namespace qvt::pages
