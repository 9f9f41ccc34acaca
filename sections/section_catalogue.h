#pragma once

// The twelve section shapes: their names in the selector's order, their drawing
// files and which entries and results the window shows for each. No Qt here.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvel::sections {

enum class Shape {
    RectanglePlein,
    RectangleCreux,
    CylindrePlein,
    CylindreCreux,
    TriangleBase,
    TriangleCentre,
    HexagoneRegulier,
    Trapeze,
    Ellipse,
    ProfileL,
    ProfileT,
    ProfileU,
};

// The selector's items, in the order the window lists them.
const std::array<std::string_view, 12>& shapeNames();

// Exact, case-sensitive match of a selector text (UTF-8); nullopt for any other text.
std::optional<Shape> shapeFromName(std::string_view name);
std::string_view shapeName(Shape shape);

// The drawing file of a shape, read from images/ beside the executable
// ("Rectangle-Plein.bmp" ... "Profile-U.bmp").
std::string_view pictureFile(Shape shape);

// What the window shows for a shape. An entry or result goes with its label;
// hidden entries keep their text and are still read by the calculation.
struct ShapeView {
    bool a = false, b = false, c = false, d = false;  // entries Texta..Textd
    bool yG = false;       // TextyG and the group Frame3 "Position du barycentre G"
    bool zG = false;       // TextzG
    bool yBending = true;  // IGy, IGy/v, ry and the group Frame5 (IG)
};
ShapeView shapeView(Shape shape);

// The same as control names (objectName) with their visibility, every control the
// shape choice touches: Texta/Labela ... Textd/Labeld, Frame3, TextyG/LabelyG,
// TextzG/LabelzG, TextIGy/LabelIGy, TextIGyv/LabelIGyv, Textry/Labelry, Frame5,
// TextIG/LabelIG, and the always-shown TextS, TextIGz, TextIGzv, Textrz with labels.
struct ShapeLayout {
    std::string picture;                                // file name in images/
    std::vector<std::pair<std::string, bool>> visible;  // objectName, shown
};
// nullopt for a text that names no shape: the window then changes nothing.
std::optional<ShapeLayout> shapeLayout(std::string_view name);

}  // namespace torvel::sections
